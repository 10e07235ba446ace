// Likely mistakes in a scanned model, listed for the learner. A hint only reads the model: it
// never changes a value, a start value or the random sequence of a run.
#pragma once

#include <string>
#include <vector>

#include "dokument.h"

namespace quintor {

struct Hinweis {
    int zeile = 0;     // the editor line, from 1
    std::string text;  // without the line, e.g. "Dezimalpunkt verwenden: 2.5"
    bool operator==(const Hinweis&) const = default;
};

// The hints of the scanned model, ordered by line (none while the model is not scanned):
// - a name that is a number with a decimal comma, at its first use:
//     "Dezimalpunkt verwenden: 2.5"
// - a name used only on right sides whose start value is 0, at its first use:
//     "K steht nur rechts und hat den Startwert 0 (Konstante vergessen?)"
// - two names that differ only by blanks, at the line that defines the one with blanks:
//     "„X “ und „X“ sind verschiedene Namen (Leerzeichen)"
// - SIN, COS or TAN of a plain number beyond 2π (sign and parentheses ignored):
//     "SIN rechnet im Bogenmaß"
std::vector<Hinweis> Scanhinweise(const Dokument& dokument);

// After a run: the first line whose variable holds the error value 1E30, and why, judged on the
// current values (the random state is restored afterwards):
//     "Y wurde 1E30: Division durch 0"
//     "Y wurde 1E30: SQRT nicht berechenbar"   (the failing function; "Potenz" for "^")
//     "Y wurde 1E30: Rechenüberlauf"           (+, -, * beyond the range)
//     "Y wurde 1E30: rechte Seite unvollständig" (a right side that did not compile)
//     "Y wurde 1E30: X ist 1E30"                (the error value carried over from X)
//     "Y wurde 1E30"                            (no cause left in the current values)
std::vector<Hinweis> Laufhinweise(Dokument& dokument);

// "Zeile 1: Dezimalpunkt verwenden: 2.5"
std::string Hinweiszeile(const Hinweis& h);

// One line for the status line: empty for none, the hint itself for one, else
// "3 Hinweise, zuerst Zeile 1: Dezimalpunkt verwenden: 2.5".
std::string Hinweiszusammenfassung(const std::vector<Hinweis>& hinweise);

}  // namespace quintor
