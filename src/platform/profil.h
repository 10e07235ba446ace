// Profile (INI) files as the model's settings file uses them: section and key names match
// without regard to case (a to z), the first of several equal entries counts, blanks around "="
// and blank lines are accepted, values are read up to 2047 characters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintor {

class Profildatei {
  public:
    // From the decoded (UTF-8) text of the file.
    static Profildatei AusText(std::string_view text);

    std::optional<std::string> Lies(std::string_view abschnitt, std::string_view schluessel) const;
    std::string LiesText(std::string_view abschnitt, std::string_view schluessel,
                         std::string_view vorgabe) const;
    // Decimal, or hexadecimal after 0x or $; anything else gives the default.
    std::int32_t LiesZahl(std::string_view abschnitt, std::string_view schluessel,
                          std::int32_t vorgabe) const;

    static constexpr std::size_t kMaxWert = 2047;

  private:
    std::vector<std::string> zeilen_;
};

// The integer syntax of the settings file; nullopt when the text is none.
std::optional<std::int32_t> LeseGanzzahl(std::string_view text);

}  // namespace quintor
