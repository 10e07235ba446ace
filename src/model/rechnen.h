// The arithmetic of one node: every operation and function runs in 80-bit extended precision
// and its result is rounded to double once. Domain errors give NaN, overflow gives infinity;
// both make the whole equation fail with the failure value. Shared by the tree walk and the
// compiled step so that both compute bit for bit the same.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "knoten.h"

namespace quintor::rechnen {

static_assert(LDBL_MANT_DIG == 64, "the model arithmetic needs the x87 80-bit long double");

using Ext = long double;

inline constexpr double kFehlerwert = 1e30;
inline constexpr Ext kKlein = 1e-30L;  // divisors and power bases at most this are not used
inline constexpr double kUngueltig = std::numeric_limits<double>::quiet_NaN();
inline constexpr Ext kWinkelgrenze = 0x1p63L;  // SIN and COS give 0 from here on

inline double D(Ext v) {
    return static_cast<double>(v);
}

// Division with the divisor already known: the clamp for tiny divisors.
inline bool DivisorZuKlein(Ext d) {
    return std::fabs(d) <= kKlein;
}
inline double Klemme(Ext d) {
    return d > 0 ? kFehlerwert : -kFehlerwert;
}

// The whole-number path of "^": e equals its truncation and is above 0.
inline bool GanzUndPositiv(double e) {
    return e > 0 && e == std::trunc(e);
}

// b multiplied by itself from the left, e - 1 times, each product rounded to double.
double GanzePotenz(double b, double e);

// The other path of "^", b above 1e-30: exp(e * ln b).
inline double ReellePotenz(double b, double e) {
    return D(std::exp(static_cast<Ext>(e) * std::log(static_cast<Ext>(b))));
}

inline Ext Sinus(double x) {
    return std::fabs(static_cast<Ext>(x)) >= kWinkelgrenze ? 0.0L : std::sin(static_cast<Ext>(x));
}
inline Ext Kosinus(double x) {
    return std::fabs(static_cast<Ext>(x)) >= kWinkelgrenze ? 0.0L : std::cos(static_cast<Ext>(x));
}

// TAN evaluates its argument twice: once for the sine, once for the cosine.
inline double Tangens(double xs, double xc) {
    return D(Sinus(xs) / Kosinus(xc));
}

// Every function but RANDOM; x is finite.
double Funktionswert(TFunktion f, double x);

// RANDOM: the next number of the generator times x.
inline double Zufall(std::uint32_t& zustand, double x) {
    zustand = zustand * 134775813u + 1u;
    return D(static_cast<Ext>(x) * (static_cast<Ext>(zustand) / 4294967296.0L));
}

}  // namespace quintor::rechnen
