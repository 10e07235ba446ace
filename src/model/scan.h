// Turns the equation text into the model state: variable table and equation list. The document
// calls it on its text and keeps the start values by name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "meldungen.h"
#include "modell.h"

namespace quintor {

struct Zerlegung {
    bool ok = false;
    std::string links, rechts;
};

// Splits a line at its last ":="; nothing is trimmed.
Zerlegung ZerlegeZeile(std::string_view zeile);

// True when the upper-case form of `links` is the name of one of the variables in use.
bool LinksVorhanden(const Modell& modell, std::string_view links);

enum class Scanergebnis {
    Leer,         // no lines: no variables
    Abgebrochen,  // an error stopped the scan
    Fertig,
};

// The lines without the empty ones.
std::vector<std::string> OhneLeerzeilen(std::vector<std::string> zeilen);

// Builds the variable table and the equation list from lines without empty ones (left sides
// first, in order, then names met only on right sides) and compiles every right side. Errors
// and warnings go to `meldungen`; `fehlerzeile` gets the line (from 1) of the first error that
// stopped the scan, else 0.
Scanergebnis ScanneZeilen(Modell& modell, const std::vector<std::string>& kompakt,
                          Meldungen& meldungen, int* fehlerzeile = nullptr);

}  // namespace quintor
