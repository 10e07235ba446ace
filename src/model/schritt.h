// One step of a run: every equation in list order, each result stored at once.
#pragma once

#include <cstdint>

#include "modell.h"

namespace quintor {

// The main window shows every stored result; the graph and table runs pass none.
class Ergebnisanzeige {
  public:
    virtual ~Ergebnisanzeige() = default;
    virtual void Ergebnis(std::int32_t ziel, float wert) = 0;
};

// Evaluates Gleichungsliste[1..Gleichungszahl] and stores each value, rounded to single
// precision, into its target at once. Entries without a target (Ziel 0) are skipped. A value
// beyond the single range throws Gleitkommaueberlauf: that variable keeps its value, the
// earlier equations of the step stay stored.
void Rechenschritt(Modell& modell, Ergebnisanzeige* anzeige = nullptr);

}  // namespace quintor
