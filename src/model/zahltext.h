// Numbers to text and back. One digit routine serves every place that writes a number: the
// result column, the table, the single-float edit field, the graph labels and the coordinates.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "meldungen.h"

namespace quintor {

// When a number is written in exponent form instead of fixed form.
enum class Schwelle {
    NurFest,        // never
    Ab1000,         // magnitude at least 1000
    Ab1000Bis0005,  // magnitude at least 1000 or at most 0.005 (zero included)
};

struct Zahlformat {
    int Breite;            // minimum width of the fixed form, filled with leading blanks
    int Nachkommastellen;  // decimals of the fixed form
    Schwelle Grenze;
};

inline constexpr Zahlformat kErgebnisformat{8, 3, Schwelle::Ab1000Bis0005};
inline constexpr Zahlformat kTabellenformat{10, 3, Schwelle::Ab1000Bis0005};
inline constexpr Zahlformat kEingabeformat{8, 4, Schwelle::Ab1000};
inline constexpr Zahlformat kSkalenformat{7, 2, Schwelle::NurFest};
inline constexpr Zahlformat kKoordinatenformat{6, 2, Schwelle::Ab1000};

// Appends the text of x in format f. Exponent form: a blank or "-", one digit, ".", one digit,
// "E", the exponent's sign and four digits (10 characters). Fixed form: "-" for negative values,
// the digits, ".", the decimals, right-aligned in the width. Halves round away from zero; the
// digits come from the value's 18 significant decimal digits.
void HaengeZahltextAn(std::string& aus, double x, const Zahlformat& f);
std::string Zahltext(double x, const Zahlformat& f);

// The text with every "," replaced by ".".
std::string KommaZuPunkt(std::string_view text);

// The number syntax: leading blanks, an optional sign (followed by something), digits, an
// optional point with digits, an optional exponent ("E" or "e", optional sign, at least one
// digit), nothing else. The value is accumulated digit by digit in extended precision and then
// scaled by the power of ten; it may be infinite when it exceeds even that range. nullopt when
// the text does not have this form.
std::optional<long double> LeseZahl(std::string_view text);

// A start value or limit typed by the user: decimal comma accepted. A bad text gives the
// error "Fehler bei Zahleingabe" and 0. Throws Gleitkommaueberlauf beyond the single range.
float TextZuZahl(std::string_view text, Meldungen& meldungen);

// The result text of the start-value grid: 8 wide, 3 decimals, exponent form outside
// (0.005, 1000).
std::string ZahlZuText(float x);

// Rounding to the narrower types with the fault of the original arithmetic: nullopt when the
// value does not fit (it would round to infinity) or is not a number.
std::optional<float> AlsSingle(long double x);
std::optional<double> AlsDouble(long double x);

}  // namespace quintor
