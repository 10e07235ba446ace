// Compiles the right side of an equation into an expression tree. Not a left-to-right parser:
// the text is split at the rightmost operator of the lowest precedence outside parentheses, and
// whatever is neither operation, function call, parenthesis nor number becomes a variable name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "meldungen.h"
#include "modell.h"

namespace quintor {

inline constexpr std::size_t kMaxRechteSeite = 128;  // characters the compiler reads

// The tree of one right side, or an empty pointer when an operand came out empty or the
// variable table was full. Names met for the first time are appended to the model's variables
// (left operand before right), also when the compilation fails later. Throws
// Gleitkommaueberlauf for a number beyond the double range.
PKnoten Uebersetze(std::string_view text, Modell& modell, Meldungen& meldungen);

// The internal steps, exposed for tests.
namespace uebersetzer {
// Upper case a to z, every blank (code 32) dropped.
std::string Normalisiere(std::string_view s);
// 0-based position of the rightmost operator of `menge` at depth 0, skipping the first
// character and signs of a number's exponent.
std::optional<std::size_t> SucheOperator(std::string_view s, std::string_view menge);
bool HatVorzeichen(std::string_view s);
// The position of the first "(" when s is a call of a recognised function or a parenthesis.
std::optional<std::size_t> IstFunktion(std::string_view s);
// The value in double precision when the whole of s is a number.
std::optional<double> IstZahl(std::string_view s);
std::optional<TFunktion> Funktionsnummer(std::string_view name);
}  // namespace uebersetzer

}  // namespace quintor
