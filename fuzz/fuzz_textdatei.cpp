// Text files (model and comment): any bytes, Windows-1252 or UTF-8 with byte-order mark, any
// line breaks. Reading and writing back the lines gives lines that read the same again, and
// Windows-1252 text survives the round trip through UTF-8 byte for byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "textdatei.h"
#include "win1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const auto zeilen = quintor::DateitextZuZeilen(bytes);
    const std::string geschrieben =
        quintor::ZeilenZuDateitext(zeilen, quintor::KodierungVon(bytes));
    if (quintor::DateitextZuZeilen(geschrieben) != zeilen) std::abort();
    // Writing is stable: the second round gives the same bytes.
    if (quintor::ZeilenZuDateitext(quintor::DateitextZuZeilen(geschrieben),
                                   quintor::KodierungVon(geschrieben)) != geschrieben)
        std::abort();
    if (quintor::KodierungVon(bytes) == quintor::Dateikodierung::Win1252) {
        const auto zurueck = quintor::Utf8ZuWin1252(quintor::Win1252ZuUtf8(bytes));
        if (!zurueck || *zurueck != bytes) std::abort();
    }
    return 0;
}
