// The compiled form of a model's equation list. A step runs a flat list of instructions over
// the variables and one array of intermediate values instead of walking the trees; equations
// that draw random numbers keep the tree walk, whose order of evaluation decides the draws.
#pragma once

#include <cstdint>
#include <vector>

#include "modell.h"
#include "schritt.h"

namespace quintor {

class Schrittprogramm {
  public:
    // Compiles Gleichungsliste[1..Gleichungszahl] of the model (which must not move afterwards).
    void Baue(Modell& modell);

    // One step; returns 0, or the 1-based number of the equation whose value did not fit
    // single precision.
    int Fuehreaus(Modell& modell, Ergebnisanzeige* anzeige) const;

    struct Befehl {
        std::uint16_t Op;
        std::uint16_t Fn;   // the function of a function call
        std::int32_t Nr;    // for a store: the equation's number
        std::int32_t Ziel;  // for a store: the target variable
        const void* A;
        const void* B;
        void* Z;
    };

  private:
    std::vector<Befehl> code_;
    std::vector<double> werte_;  // constants first, then intermediate results
};

}  // namespace quintor
