#include "zahltext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace quintor {

namespace {

// The 18 significant decimal digits of a finite non-negative value and its decimal exponent:
// value = z[0].z[1]z[2]... * 10^exponent.
struct Ziffern {
    std::array<char, 18> z;
    int exponent;
};

Ziffern AchtzehnZiffern(double betrag) {
    char puffer[40];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific, 17);
    (void)fehler;  // 40 characters always suffice
    Ziffern r{};
    r.z[0] = puffer[0];
    std::memcpy(&r.z[1], puffer + 2, 17);
    // "d.ddddddddddddddddde+XX"
    const char* e = puffer + 20;
    int exponent = 0;
    std::from_chars(e + (e[0] == '+' ? 1 : 0), ende, exponent);
    r.exponent = exponent;
    return r;
}

void Rechtsbuendig(std::string& aus, std::string_view text, int breite) {
    for (int i = static_cast<int>(text.size()); i < breite; ++i) aus.push_back(' ');
    aus.append(text);
}

void Exponentform(std::string& aus, double x) {
    char t[10];
    t[0] = std::signbit(x) ? '-' : ' ';
    Ziffern d = AchtzehnZiffern(std::fabs(x));
    int m0 = d.z[0] - '0', m1 = d.z[1] - '0', e = d.exponent;
    if (d.z[2] >= '5') {
        if (++m1 == 10) {
            m1 = 0;
            if (++m0 == 10) {
                m0 = 1;
                ++e;
            }
        }
    }
    if (m0 == 0) e = 0;  // zero
    t[1] = static_cast<char>('0' + m0);
    t[2] = '.';
    t[3] = static_cast<char>('0' + m1);
    t[4] = 'E';
    t[5] = e < 0 ? '-' : '+';
    int b = e < 0 ? -e : e;
    for (int i = 9; i >= 6; --i, b /= 10) t[i] = static_cast<char>('0' + b % 10);
    aus.append(t, 10);
}

void Festform(std::string& aus, double x, int breite, int stellen) {
    Ziffern d = AchtzehnZiffern(std::fabs(x));
    // N = |x| * 10^stellen rounded half up; its digits are the first `anzahl` significant ones.
    int anzahl = d.exponent + 1 + stellen;
    std::string n;
    if (anzahl > 0) {
        n.reserve(static_cast<std::size_t>(anzahl) + 1);
        for (int i = 0; i < anzahl; ++i)
            n.push_back(i < 18 ? d.z[static_cast<std::size_t>(i)] : '0');
        if (anzahl < 18 && d.z[static_cast<std::size_t>(anzahl)] >= '5') {
            int i = anzahl - 1;
            for (; i >= 0 && n[static_cast<std::size_t>(i)] == '9'; --i)
                n[static_cast<std::size_t>(i)] = '0';
            if (i >= 0)
                ++n[static_cast<std::size_t>(i)];
            else
                n.insert(n.begin(), '1');
        }
    } else if (anzahl == 0 && d.z[0] >= '5') {
        n = "1";
    }
    // At least one integer digit.
    if (n.size() < static_cast<std::size_t>(stellen) + 1) n.insert(0, stellen + 1 - n.size(), '0');
    std::string text;
    text.reserve(n.size() + 2);
    if (x < 0) text.push_back('-');
    text.append(n, 0, n.size() - static_cast<std::size_t>(stellen));
    if (stellen > 0) {
        text.push_back('.');
        text.append(n, n.size() - static_cast<std::size_t>(stellen));
    }
    Rechtsbuendig(aus, text, breite);
}

}  // namespace

void HaengeZahltextAn(std::string& aus, double x, const Zahlformat& f) {
    if (!std::isfinite(x)) {
        // Model values are never infinite; the text is only there so that every value has one.
        std::string_view t = std::isnan(x) ? "NAN" : (x < 0 ? "-INF" : "INF");
        Rechtsbuendig(aus, t, f.Grenze == Schwelle::NurFest ? f.Breite : 10);
        return;
    }
    long double betrag = std::fabs(static_cast<long double>(x));
    bool exponent = false;
    switch (f.Grenze) {
        case Schwelle::NurFest:
            break;
        case Schwelle::Ab1000:
            exponent = betrag >= 1000.0L;
            break;
        case Schwelle::Ab1000Bis0005:
            exponent = betrag >= 1000.0L || betrag <= 0.005L;
            break;
    }
    if (exponent)
        Exponentform(aus, x);
    else
        Festform(aus, x, f.Breite, f.Nachkommastellen);
}

std::string Zahltext(double x, const Zahlformat& f) {
    std::string s;
    HaengeZahltextAn(s, x, f);
    return s;
}

std::string ZahlZuText(float x) {
    return Zahltext(x, kErgebnisformat);
}

std::string KommaZuPunkt(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

namespace {

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

// 10^n in extended precision; exact up to 10^27.
long double Zehnerpotenz(int n) {
    if (n <= 27) {
        long double p = 1.0L;
        for (int i = 0; i < n; ++i) p *= 10.0L;
        return p;
    }
    return std::pow(10.0L, static_cast<long double>(n));
}

}  // namespace

std::optional<long double> LeseZahl(std::string_view s) {
    if (s.empty()) return std::nullopt;
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativ = s[i] == '-';
        ++i;
        if (i == s.size()) return std::nullopt;
    }
    long double wert = 0.0L;
    long nachkomma = 0;
    for (; i < s.size() && IstZiffer(s[i]); ++i) wert = wert * 10.0L + (s[i] - '0');
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IstZiffer(s[i]); ++i) {
            wert = wert * 10.0L + (s[i] - '0');
            ++nachkomma;
        }
    }
    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool eneg = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            eneg = s[i] == '-';
            ++i;
        }
        if (i == s.size() || !IstZiffer(s[i])) return std::nullopt;
        for (; i < s.size() && IstZiffer(s[i]); ++i)
            if (exponent < 1000000)
                exponent = exponent * 10 + (s[i] - '0');  // far beyond any range
        if (eneg) exponent = -exponent;
    }
    if (i != s.size()) return std::nullopt;
    long skala = exponent - nachkomma;
    if (wert != 0.0L && skala != 0) {
        // Beyond these the power itself is infinite: the value overflows or vanishes.
        if (skala > 6000)
            wert = HUGE_VALL;
        else if (skala < -6000)
            wert = 0.0L;
        else if (skala > 0)
            wert *= Zehnerpotenz(static_cast<int>(skala));
        else
            wert /= Zehnerpotenz(static_cast<int>(-skala));
    }
    return negativ ? -wert : wert;
}

std::optional<float> AlsSingle(long double x) {
    // Values from the largest single plus half a unit on round to infinity.
    if (!(std::fabs(x) < 0x1.ffffffp+127L)) return std::nullopt;
    return static_cast<float>(x);
}

std::optional<double> AlsDouble(long double x) {
    if (!(std::fabs(x) < 0x1.fffffffffffff8p+1023L)) return std::nullopt;
    return static_cast<double>(x);
}

float TextZuZahl(std::string_view text, Meldungen& meldungen) {
    std::optional<long double> wert = LeseZahl(KommaZuPunkt(text));
    if (!wert) {
        meldungen.Melde(Meldungsart::Fehler, "Fehler bei Zahleingabe");
        return 0.0f;
    }
    std::optional<float> f = AlsSingle(*wert);
    if (!f) throw Gleitkommaueberlauf();
    return *f;
}

}  // namespace quintor
