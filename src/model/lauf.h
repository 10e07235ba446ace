// The one run of a model: start from the start values, step, and say when the run is over.
// The main window, the graph, the table and the batch runner all drive their runs with it; the
// windows call it from their own loops and handle the events in between.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "modell.h"
#include "schritt.h"

namespace quintor {

// Why a run ends (Weiter: it does not). Bedingung: the stop condition was met.
enum class Laufende { Weiter, Anzahl, Abbruch, Grenze, Ueberlauf, Bedingung };

// A stop condition: the run ends after the first step whose stored value of the variable compares
// so with the value. The name is upper-case, as the scan makes every name.
struct Abbruchbedingung {
    enum Vergleich { Kleiner, KleinerGleich, Groesser, GroesserGleich };
    std::string Name;
    Vergleich vergleich = Kleiner;
    float Wert = 0;
    bool operator==(const Abbruchbedingung&) const = default;
};

// "Y<0", "y >= 2,5": a name, one of < <= > >=, a number (decimal comma accepted). nullopt with a
// German reason in `fehler` for anything else.
std::optional<Abbruchbedingung> LeseAbbruchbedingung(std::string_view text, std::string* fehler);
// "<", "<=", ">", ">=", and back (nullopt for anything else).
const char* Vergleichszeichen(Abbruchbedingung::Vergleich v);
std::optional<Abbruchbedingung::Vergleich> VergleichAusZeichen(std::string_view zeichen);
// "Y < 0", "Y <= 2,5": for status lines and messages.
std::string Bedingungstext(const Abbruchbedingung& b);
// The status line of a run the condition ended: "Abbruch: Y < 0 nach 143 Schritten".
std::string Abbruchmeldung(const Abbruchbedingung& b, std::int64_t schritte);
// The status line of a run whose condition names no variable of the model, so that it runs
// without: "Abbruchbedingung Q < 0 ohne Wirkung: Q ist keine Variable des Modells".
std::string Bedingungswarnung(const Abbruchbedingung& b);

class Lauf {
  public:
    explicit Lauf(Modell& modell) : modell_(modell) {}

    // The end conditions, read afresh by every Pruefe().
    std::int64_t Hoechstzahl = 0;    // steps to make; 0 or less: no limit
    std::int32_t GrenzVariable = 0;  // 1-based; the run ends once its value reaches Grenze
    float Grenze = 0;
    bool UeberlaufBeendet = true;  // false: a step that overflowed is counted and the run goes on

    // The stop condition on the model's variable of that name; false (and no condition) when the
    // model has no such variable. nullopt: none.
    bool SetzeBedingung(const std::optional<Abbruchbedingung>& b);

    // Current values := start values, no step made, not ended.
    void Starte();
    // Makes the next step, showing each stored result on `anzeige`. Returns Ueberlauf when a value
    // beyond the single range ended the step (and the run, if UeberlaufBeendet), else Weiter.
    Laufende Schritt(Ergebnisanzeige* anzeige = nullptr);
    // The next line of the step only: the equation evaluated and stored as Schritt stores it
    // (same rounding, same random draws, Ueberlauf when the value does not fit single precision:
    // the variable keeps its value and the step ends there). The step counts once its last line
    // is done or it ended so. A step begun line by line is completed by the next Schritt.
    Laufende Zeilenschritt(Ergebnisanzeige* anzeige = nullptr);
    // The lines of the current step done so far; 0 when no step is begun.
    std::int32_t ErledigteZeilen() const { return erledigt_; }
    // The equation (from 1) the last line step evaluated; 0 before the first.
    std::int32_t LetzteZeile() const { return letzteZeile_; }
    // Forgets a begun step: the next Schritt or Zeilenschritt begins a new one from the current
    // values.
    void VerwirfZeilen() { erledigt_ = 0; }

    // Ends the run from outside (the abort and halt buttons, closing a window).
    void Halte() { gehalten_ = true; }
    // Goes on from the current values after a halt or an end: nothing ended, a new step count.
    void Fortsetzen() {
        schritte_ = 0;
        gehalten_ = false;
        ende_ = Laufende::Weiter;
    }
    // Why the run is over now, or Weiter: an earlier end first, then the abort, the stop
    // condition, the count, the limit.
    Laufende Pruefe() const;

    std::int64_t Schritte() const { return schritte_; }
    bool Gestartet() const { return gestartet_; }

  private:
    // Evaluates and stores equation e; false when its value did not fit single precision.
    bool Zeile(std::int32_t e, Ergebnisanzeige* anzeige);
    Laufende Restzeilen(Ergebnisanzeige* anzeige);

    Modell& modell_;
    std::int64_t schritte_ = 0;
    bool gestartet_ = false;
    bool gehalten_ = false;
    Laufende ende_ = Laufende::Weiter;
    std::int32_t erledigt_ = 0;
    std::int32_t letzteZeile_ = 0;
    // 0: no stop condition, so an unset one costs one comparison per check.
    std::int32_t bedingungVariable_ = 0;
    Abbruchbedingung::Vergleich bedingungVergleich_ = Abbruchbedingung::Kleiner;
    float bedingungWert_ = 0;
};

}  // namespace quintor
