// Profile (INI) files as the model's settings file uses them: section and key names are trimmed
// of blanks and tabs, in the file and when asked for, and match without regard to case (every
// letter with one capital and one small form in Latin-1, Latin Extended-A, Greek and Cyrillic);
// the first of several equal entries counts, blank lines are accepted, values are read up to
// 2047 characters.
//
// Writing changes only the line of the key written (or adds one); every other line, its line
// break included, stays byte for byte, so a file read and written back unchanged keeps its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win1252.h"

namespace quintor {

class Profildatei {
  public:
    // An empty file.
    Profildatei() = default;

    // From the decoded (UTF-8) text of the file.
    static Profildatei AusText(std::string_view text);
    // From the file's bytes (Windows-1252, or UTF-8 after a byte-order mark); Bytes() keeps
    // a file that came with the mark in UTF-8.
    static Profildatei AusBytes(std::string_view bytes);

    std::optional<std::string> Lies(std::string_view abschnitt, std::string_view schluessel) const;
    std::string LiesText(std::string_view abschnitt, std::string_view schluessel,
                         std::string_view vorgabe) const;
    // Decimal, or hexadecimal after 0x or $; anything else gives the default.
    std::int32_t LiesZahl(std::string_view abschnitt, std::string_view schluessel,
                          std::int32_t vorgabe) const;

    // Sets the value of the entry that Lies reads: that line becomes key=value, with the key
    // spelt as in the file (a new one trimmed) and the line's own break kept; a line that already
    // holds exactly this value stays as it was. A new key goes after the last key line of the first
    // section of that name (before blank lines that end it, directly after the section line if it
    // has no keys); a missing section goes at the end of the file, with no blank line before it. A
    // line break inside the value becomes one blank. Section or key names that reading could not
    // find again (see NameSchreibbar) write nothing and give false. Lies then gives the value as
    // reading sees any value: without surrounding blanks, cut to 2047 characters.
    bool Schreibe(std::string_view abschnitt, std::string_view schluessel, std::string_view wert);
    bool SchreibeZahl(std::string_view abschnitt, std::string_view schluessel, std::int32_t wert);

    // True when a key (or, with abschnitt = true, a section) of this name can be written and read
    // back: after trimming, no line break; a section name without "]", a key without "=" and not
    // starting with "[".
    static bool NameSchreibbar(std::string_view name, bool abschnitt);
    // True when both names find the same entry.
    static bool GleicherName(std::string_view a, std::string_view b);

    // The whole text (UTF-8). New lines end with the break that most lines of the file end
    // with, CR LF for a file without breaks; a last line without break gets one when a line
    // is added after it.
    std::string Text() const;
    // The text as file bytes (see Utf8ZuDateitext).
    std::string Bytes() const;

    static constexpr std::size_t kMaxWert = 2047;

  private:
    struct Zeile {
        std::string text;
        std::string umbruch;  // "\r\n", "\r", "\n", or empty for a last line without break
    };

    // Index of the key line that Lies reads, or nullopt.
    std::optional<std::size_t> Finde(std::string_view abschnitt, std::string_view schluessel) const;
    std::string NeuerUmbruch() const;
    void FuegeEin(std::size_t vor, std::string text);

    std::vector<Zeile> zeilen_;
    Dateikodierung kodierung_ = Dateikodierung::Win1252;
};

// The integer syntax of the settings file; nullopt when the text is none.
std::optional<std::int32_t> LeseGanzzahl(std::string_view text);

}  // namespace quintor
