// The lines of the table window, also written by the batch runner.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "modell.h"

namespace quintor {

// The blanks that fill a name up to 10 characters.
std::string Auffuellen(std::string_view name);

// A value in the table: exponent form outside (0.005, 1000), else 10 wide with 3 decimals.
std::string TabZahlText(float x);

// Per column two blanks, the name and its filling blanks.
std::string TitelZeile(const Modell& modell, const std::vector<std::int32_t>& auswahl);

// Per column the value right-aligned in 10 characters, then two blanks.
std::string DatenZeile(const Modell& modell, const std::vector<std::int32_t>& auswahl);
void HaengeDatenZeileAn(std::string& aus, const Modell& modell,
                        const std::vector<std::int32_t>& auswahl);

// True when step i (from 1) writes a line with k lines left out between two written ones.
inline bool ZeileFaellig(std::int64_t i, std::int64_t k) {
    return k == 0 || i % (k + 1) == 1;
}

// The shortest decimal text that reads back as exactly this single value ("0.1", "-0", "1e+30").
std::string KuerzesterText(float x);

}  // namespace quintor
