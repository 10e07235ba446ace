// The one run of a model: start from the start values, step, and say when the run is over.
// The main window, the graph, the table and the batch runner all drive their runs with it; the
// windows call it from their own loops and handle the events in between.
#pragma once

#include <cstdint>

#include "modell.h"
#include "schritt.h"

namespace quintor {

// Why a run ends (Weiter: it does not).
enum class Laufende { Weiter, Anzahl, Abbruch, Grenze, Ueberlauf };

class Lauf {
  public:
    explicit Lauf(Modell& modell) : modell_(modell) {}

    // The end conditions, read afresh by every Pruefe().
    std::int64_t Hoechstzahl = 0;    // steps to make; 0 or less: no limit
    std::int32_t GrenzVariable = 0;  // 1-based; the run ends once its value reaches Grenze
    float Grenze = 0;
    bool UeberlaufBeendet = true;  // false: a step that overflowed is counted and the run goes on

    // Current values := start values, no step made, not ended.
    void Starte();
    // Makes the next step, showing each stored result on `anzeige`. Returns Ueberlauf when a value
    // beyond the single range ended the step (and the run, if UeberlaufBeendet), else Weiter.
    Laufende Schritt(Ergebnisanzeige* anzeige = nullptr);
    // Ends the run from outside (the abort and halt buttons, closing a window).
    void Halte() { gehalten_ = true; }
    // Goes on from the current values after a halt or an end: nothing ended, a new step count.
    void Fortsetzen() {
        schritte_ = 0;
        gehalten_ = false;
        ende_ = Laufende::Weiter;
    }
    // Why the run is over now, or Weiter: an earlier end first, then the abort, the count, the
    // limit.
    Laufende Pruefe() const;

    std::int64_t Schritte() const { return schritte_; }
    bool Gestartet() const { return gestartet_; }

  private:
    Modell& modell_;
    std::int64_t schritte_ = 0;
    bool gestartet_ = false;
    bool gehalten_ = false;
    Laufende ende_ = Laufende::Weiter;
};

}  // namespace quintor
