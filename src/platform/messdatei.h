// Measurement files of the video measurement tool: records of two little-endian single values
// (horizontal, vertical), no header.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace quintor {

struct Messdaten {
    std::vector<std::pair<float, float>> punkte;  // every whole record, in file order
    bool vollstaendig = true;                     // false when the file ends inside a record
};

Messdaten LeseMessdaten(std::string_view bytes);

}  // namespace quintor
