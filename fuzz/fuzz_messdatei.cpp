// Measurement files: every whole record becomes a point with exactly its two values; a file
// ending inside a record is reported as incomplete.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "messdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const quintor::Messdaten m =
        quintor::LeseMessdaten(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    if (m.punkte.size() != groesse / 8 || m.vollstaendig != (groesse % 8 == 0)) std::abort();
    for (std::size_t i = 0; i < m.punkte.size(); ++i) {
        // x86-64 is little-endian: the record's bytes are the floats' bytes.
        if (std::memcmp(&m.punkte[i].first, daten + 8 * i, 4) != 0 ||
            std::memcmp(&m.punkte[i].second, daten + 8 * i + 4, 4) != 0)
            std::abort();
    }
    return 0;
}
