// The open model as one object: equation text, scanned model, start-value texts by variable
// name, graph settings, table columns, comment, file name and whether anything changed. Every
// window and the batch runner read and change the model only through it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lauf.h"
#include "meldungen.h"
#include "modell.h"
#include "scan.h"

namespace quintor {

// The graph settings saved in [Koordinatensystem] (the colours are not saved).
struct Graphwerte {
    bool AchsenGewaehlt = false;
    std::int32_t horizontal = 0;  // variable indices from 1
    std::int32_t vertikal = 0;
    float x1 = -10, x2 = 10, y1 = -10, y2 = 10;
    bool Streckenzug = true;
    std::int32_t Punktmodul = 1;
    // Beyond [Koordinatensystem], in a section of their own: a step limit of the graph run (off:
    // it ends at the right limit or a halt only) and further vertical variables over the same
    // horizontal one, each drawn in its own colour.
    bool SchrittgrenzeAn = false;
    std::int32_t Schrittgrenze = 1000;
    static constexpr std::size_t kWeitereKurven = 5;
    std::vector<std::int32_t> WeitereKurven;
    bool operator==(const Graphwerte&) const = default;

    // The four limits as a whole, each pair in ascending order; an axis whose pair the coordinate
    // system cannot map (equal, or a span not finite in single precision) keeps its limits. False
    // when an axis was kept.
    bool SetzeGrenzen(float nx1, float nx2, float ny1, float ny2);
};

// A pair of limits the coordinate system can map: different, and their span finite in single
// precision.
bool GrenzenGueltig(float a, float b);

// The table's column choice (variable indices from 1, in column order) and skip count.
struct Tabellenwahl {
    std::vector<std::int32_t> Spalten;
    std::int32_t Auslassen = 0;
    bool operator==(const Tabellenwahl&) const = default;
};

// What a failed scan said, kept so that every command can repeat it.
struct Scanfehler {
    std::vector<std::string> meldungen;  // the error texts, in order
    int zeile = 0;                       // the first faulty editor line, from 1; 0 for none
};

class Dokument {
  public:
    // The parts of the document; the change callback names the part that changed.
    enum class Teil {
        Text,
        Modell,
        Startwerte,
        Graph,
        Tabelle,
        Kommentar,
        Datei,
        Geaendert,
        Abbruch
    };

    Dokument();
    Dokument(const Dokument&) = delete;
    Dokument& operator=(const Dokument&) = delete;

    // Called after every change, with the part that changed (the Qt face turns it into signals).
    std::function<void(Teil)> beiAenderung;

    // The scanned model; runs work on its values. Its variable count is 0 while the text is
    // edited and after a failed scan.
    Modell& Daten() { return modell_; }
    const Modell& Daten() const { return modell_; }

    // ---- Equation text ----
    const std::vector<std::string>& Zeilen() const { return zeilen_; }
    // An edit: the model is no longer scanned (no variables), the start-value texts stay.
    void SetzeZeilen(std::vector<std::string> zeilen);
    // Removes empty lines, builds the variables and equations, and gives every variable the
    // start-value text it had by name ("0" for a new name; texts of removed names are dropped).
    // Errors go to `meldungen`; a failed scan is kept (Fehler()).
    Scanergebnis Scanne(Meldungen& meldungen);
    // Set while the last scan failed and the text has not changed since.
    const std::optional<Scanfehler>& Fehler() const { return fehler_; }
    // A model to run: scanned without failure, with variables.
    bool Lauffaehig() const { return !fehler_ && modell_.Variablenzahl > 0; }

    // ---- Start values, by variable index from 1 ----
    std::string Startwerttext(std::int32_t i) const;
    void SetzeStartwerttext(std::int32_t i, const std::string& text);
    // Every text by name, also of names the last scan did not have.
    const std::map<std::string, std::string>& Starttexte() const { return starttexte_; }
    // Counts every change of a start-value text and every scan: a single step that started
    // before knows the start values are no longer those of its run.
    std::uint64_t Startwertstand() const { return startwertstand_; }
    // Converts the texts into the start values and the current values (decimal comma accepted;
    // "Fehler bei Zahleingabe" and 0 for a bad text). A value beyond the single range stops
    // with "Gleitkommaüberlauf" and false.
    bool StartwerteUebernehmen(Meldungen& meldungen);

    // ---- Views ----
    const Graphwerte& Graph() const { return graph_; }
    void SetzeGraph(const Graphwerte& g);
    const Tabellenwahl& Tabelle() const { return tabelle_; }
    void SetzeTabelle(const Tabellenwahl& t);
    const std::string& Kommentar() const { return kommentar_; }
    void SetzeKommentar(const std::string& text);
    // The stop condition of every run, by variable name; nullopt: none. Kept across scans, also
    // when the name is gone (a run then reports it).
    const std::optional<Abbruchbedingung>& Abbruch() const { return abbruch_; }
    void SetzeAbbruch(const std::optional<Abbruchbedingung>& b);

    // ---- File ----
    const std::string& Dateiname() const { return dateiname_; }
    void SetzeDateiname(const std::string& pfad);
    // Anything changed since New, Open or the last Save.
    bool Geaendert() const { return geaendert_; }
    void Gesichert();
    // Datei > Neu: empty text, no variables, no start values, default graph settings, no
    // comment, no stop condition, no file name, unchanged.
    void Neu();

    // Not saved with the model: the repetition count of the main window and the measurement
    // file from the command line.
    std::int32_t Wiederholungen = 20;
    std::string Messdatei;

  private:
    void Melde(Teil teil);
    void Aendere(Teil teil);

    Modell modell_;
    std::vector<std::string> zeilen_;
    std::optional<Scanfehler> fehler_;
    std::map<std::string, std::string> starttexte_;
    std::uint64_t startwertstand_ = 0;
    Graphwerte graph_;
    Tabellenwahl tabelle_;
    std::string kommentar_;
    std::optional<Abbruchbedingung> abbruch_;
    std::string dateiname_;
    bool geaendert_ = false;
};

}  // namespace quintor
