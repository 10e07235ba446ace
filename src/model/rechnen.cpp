#include "rechnen.h"

#include <cstdint>

namespace quintor::rechnen {

double GanzePotenz(double b, double e) {
    // An exponent that does not fit a 64-bit integer is an invalid operation.
    if (!(e < 0x1p63)) return kUngueltig;
    const std::int64_t n = static_cast<std::int64_t>(e);
    if (n == 1) return b;
    if (n > INT32_MAX) {
        // Beyond the repeated multiplication's range: the power itself.
        return D(std::pow(static_cast<Ext>(b), static_cast<Ext>(n)));
    }
    // Round to nearest is symmetric, so the products of |b| differ from those of b only in sign.
    const bool negativ = std::signbit(b) && (n & 1);
    const double q = std::fabs(b);
    double p = q;
    for (std::int64_t k = 1; k < n; ++k) {
        const double weiter = D(static_cast<Ext>(p) * q);
        if (weiter == p || std::isinf(weiter)) {  // fixed point (0 included) or overflow
            p = weiter;
            break;
        }
        p = weiter;
    }
    return negativ ? -p : p;
}

double Funktionswert(TFunktion f, double x) {
    const Ext v = x;
    switch (f) {
        case TFunktion::Klammer:
            return x;
        case TFunktion::ABS:
            return std::fabs(x);
        case TFunktion::ARCSIN:
            if (std::fabs(v) >= 1.0L) return kUngueltig;
            return D(std::atan(v / std::sqrt(1.0L - v * v)));
        case TFunktion::ARCTAN:
            return D(std::atan(v));
        case TFunktion::COS:
            return D(Kosinus(x));
        case TFunktion::COSH:
            return D((std::exp(v) + std::exp(-v)) / 2.0L);
        case TFunktion::EXP:
            if (v > 69.0L) return kFehlerwert;
            if (v < -69.0L) return 0.0;
            return D(std::exp(v));
        case TFunktion::FRAC:
            return D(v - std::trunc(v));
        case TFunktion::H:
            return v > 0.0L ? 1.0 : 0.0;
        case TFunktion::INT:
            return D(std::trunc(v));
        case TFunktion::LN:
            if (v <= 0.0L) return kUngueltig;
            return D(std::log(v));
        case TFunktion::SIN:
            return D(Sinus(x));
        case TFunktion::SINH:
            return D((std::exp(v) - std::exp(-v)) / 2.0L);
        case TFunktion::SQR:
            return D(v * v);
        case TFunktion::SQRT:
            if (v < 0.0L) return kUngueltig;
            return D(std::sqrt(v));
        case TFunktion::TAN:
            return Tangens(x, x);
        case TFunktion::TANH: {
            const Ext ep = std::exp(v), em = std::exp(-v);
            return D((ep - em) / (ep + em));
        }
        case TFunktion::RANDOM:
            break;  // needs the generator; see Zufall
    }
    return kUngueltig;
}

}  // namespace quintor::rechnen
