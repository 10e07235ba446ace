#include "messdatei.h"

#include <bit>
#include <cstdint>

namespace quintor {

namespace {

float LittleEndian(const char* p) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(p[i]);
    return std::bit_cast<float>(bits);
}

}  // namespace

Messdaten LeseMessdaten(std::string_view bytes) {
    Messdaten d;
    d.vollstaendig = bytes.size() % 8 == 0;
    d.punkte.reserve(bytes.size() / 8);
    for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8)
        d.punkte.emplace_back(LittleEndian(bytes.data() + i), LittleEndian(bytes.data() + i + 4));
    return d;
}

}  // namespace quintor
