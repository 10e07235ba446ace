// The written table for spreadsheet programs: a CSV file (";" between cells, decimal comma,
// UTF-8 with byte-order mark, CR LF) or tab-separated text for the clipboard. The values are kept
// as numbers beside the table's text, so that nothing is read back from the padded text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "modell.h"

namespace quintor {

enum class Austauschform {
    Csv,        // ";", CR LF, with byte-order mark
    Tabulator,  // tab, LF, no byte-order mark
};

// The UTF-8 byte-order mark: spreadsheet programs then read the names as UTF-8.
inline constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The shortest text that reads back as exactly this single value, with a decimal comma and a
// capital E: "0,1", "-1,5E-07", "1E+30".
std::string KommaZahl(float x);

// One header line of the names, line end included. A name that holds the separator, a quote or
// a line break, or that begins or ends with a blank, is quoted; one that a spreadsheet would
// take for a formula begins with an apostrophe.
void HaengeKopfAn(std::string& aus, const std::vector<std::string>& namen, Austauschform f);

// One line of values, line end included.
void HaengeWerteAn(std::string& aus, const float* werte, std::size_t anzahl, Austauschform f);

// The table as written, line by line: title lines, empty lines and the values of each data line.
class Tabellenwerte {
  public:
    void Leere();
    void Titel(const Modell& modell, const std::vector<std::int32_t>& spalten);
    void Leerzeile();
    void Daten(const Modell& modell, const std::vector<std::int32_t>& spalten);

    std::size_t Zeilenzahl() const { return zeilen_.size(); }
    // True when one of the lines [von, bis) holds values.
    bool HatWerte(std::size_t von = 0,
                  std::size_t bis = std::numeric_limits<std::size_t>::max()) const;
    // The data lines among [von, bis) under one header line of their names; a continuation's
    // header with the same names is not repeated. CSV begins with the byte-order mark.
    std::string Text(Austauschform f, std::size_t von = 0,
                     std::size_t bis = std::numeric_limits<std::size_t>::max()) const;

  private:
    struct Zeile {
        std::int64_t beginn;  // the first value in werte_; -1 for a title or an empty line
        std::int32_t titel;   // the title in force (index into titel_), -1 before any
    };
    std::vector<Zeile> zeilen_;
    std::vector<float> werte_;
    std::vector<std::vector<std::string>> titel_;
};

}  // namespace quintor
