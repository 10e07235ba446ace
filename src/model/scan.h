// Turns the equation text into the model state, and keeps the start-value grid in step with it.
// The editor and the grid are reached through two small interfaces that the main window
// implements with its widgets and the batch runner and the tests with plain memory.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "meldungen.h"
#include "modell.h"

namespace quintor {

// The equation editor's text, one entry per line.
class Gleichungstext {
  public:
    virtual ~Gleichungstext() = default;
    virtual std::vector<std::string> Zeilen() const = 0;
    // Replaces the text; like typing, this is an edit (the editor's change handling runs).
    virtual void SetzeZeilen(const std::vector<std::string>& zeilen) = 0;
};

// The start-value grid: column 0 names, 1 start-value texts, 2 result texts; row 0 holds the
// headers, row i belongs to variable i. Rows up to 100 keep their cells, visible or not.
class Startwertgitter {
  public:
    static constexpr int kSpalten = 3;
    static constexpr int kZeilen = kMaxVariablen + 1;
    virtual ~Startwertgitter() = default;
    virtual std::string Zelle(int spalte, int zeile) const = 0;
    virtual void SetzeZelle(int spalte, int zeile, const std::string& text) = 0;
};

struct Zerlegung {
    bool ok = false;
    std::string links, rechts;
};

// Splits a line at its last ":="; nothing is trimmed.
Zerlegung ZerlegeZeile(std::string_view zeile);

// True when the upper-case form of `links` is the name of one of the variables in use.
bool LinksVorhanden(const Modell& modell, std::string_view links);

enum class Scanergebnis {
    Leer,         // no lines: no variables, grid untouched
    Abgebrochen,  // an error stopped the scan; grid untouched
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

// Removes empty lines from the editor, builds the variable table (left sides first, in order,
// then names met only on right sides), compiles every right side and fills the grid's header
// row, name column and, unless the start values came from the settings file, "0" as start
// values. Errors and warnings go to `meldungen`.
Scanergebnis SCANNEN(Modell& modell, Gleichungstext& text, Startwertgitter& gitter,
                     Meldungen& meldungen);

// Empties columns 0 to 2 of rows 1 to 100; the header row stays.
void StringgridLoeschen(Startwertgitter& gitter);

// Converts the start-value texts of the grid into start values and current values and empties
// the result column. A value beyond the single range stops it with "Gleitkommaüberlauf";
// then the result is false.
bool StartwerteInit(Modell& modell, Startwertgitter& gitter, Meldungen& meldungen);

// What an edit of the equation text does to the model and the grid: start values no longer
// from the file, grid emptied, no variables.
void TextGeaendert(Modell& modell, Startwertgitter& gitter);

// Plain-memory implementations for the batch runner and the tests.
class Speichertext : public Gleichungstext {
  public:
    std::vector<std::string> zeilen;
    std::function<void()> beiAenderung;  // the editor's change handling
    std::vector<std::string> Zeilen() const override { return zeilen; }
    void SetzeZeilen(const std::vector<std::string>& z) override {
        zeilen = z;
        if (beiAenderung) beiAenderung();
    }
};

class Speichergitter : public Startwertgitter {
  public:
    std::string Zelle(int spalte, int zeile) const override;
    void SetzeZelle(int spalte, int zeile, const std::string& text) override;

  private:
    std::array<std::array<std::string, kZeilen>, kSpalten> zellen_;
};

}  // namespace quintor
