// Evaluation of one compiled right side over the current variable values.
#pragma once

#include "modell.h"

namespace quintor {

inline constexpr double Fehlerwert = 1e30;

// The value of the tree: never throws, never reports. Domain errors, a missing tree and
// arithmetic overflow inside the evaluation all give Fehlerwert. Operands are visited in the
// order that decides the random numbers drawn: left before right, but the divisor before the
// dividend (which is skipped for a divisor of magnitude at most 1e-30), the exponent of a
// non-whole power twice, the argument of TAN twice; nothing after the first failure (a RANDOM whose
// argument failed has been entered already and still draws).
double Funktionsberechnung(Modell& modell, const TKnoten* baum);

}  // namespace quintor
