// Bad input must never crash, hang or leave the model in an impossible state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "test_hilfen.h"
#include "uebersetzer.h"
#include "zahltext.h"

using namespace quintor;

namespace {

std::vector<std::string> KniffligeTexte() {
    // clang-format off
    return {
        "((A+B)*C)^-2", "1.5E-3*X", "SIN(X)/COS(X)", "2^3^2", "A*-B", "(A+B", "A+B)", "1E400",
        "ARCSIN(1)", "-X^2", "2^-3", "X^-3", "SIN()", "()", "A--B", "F(X)", "1,5", "x:=1:=2",
        "RANDOM(SQRT(ABS(-2.5E+3)))", "((((((((X))))))))", "))))((((", "E5", "1.E-3", "-.E-",
        "ALPHAALPHAALPHAALPHAALPHAALPHAALPHAALPHAALPHA1+BETABETABETABETABETABETA2",
        std::string(200, 'X'), std::string(200, '('), "A" + std::string(199, '+'),
        std::string(100, '-') + "1", "1" + std::string(199, '9'),
        "." + std::string(199, '9') + "E-9",
    };
    // clang-format on
}

// Every variable index is in use, every node has the operands its kind needs, numbers are finite.
void PruefeBaum(const TKnoten* k, const Modell& m, const std::string& text) {
    ASSERT_NE(k, nullptr) << text;
    switch (k->Art) {
        case TKnotenArt::kaOperation:
            EXPECT_NE(std::string("+-*/^").find(k->Zeichen), std::string::npos) << text;
            PruefeBaum(k->Links.get(), m, text);
            return PruefeBaum(k->Rechts.get(), m, text);
        case TKnotenArt::kaMinus:
            return PruefeBaum(k->Links.get(), m, text);
        case TKnotenArt::kaFunktion:
            EXPECT_TRUE(uebersetzer::Funktionsnummer(k->Funktionsname)) << text;
            return PruefeBaum(k->Rechts.get(), m, text);
        case TKnotenArt::kaZahl:
            EXPECT_TRUE(std::isfinite(k->Zahlwert)) << text;
            return;
        case TKnotenArt::kaVariable:
            EXPECT_TRUE(k->Index >= 1 && k->Index <= m.Variablenzahl) << text;
    }
}

void Uebersetzen(const std::string& text) {
    Modell m;
    test::Protokoll p;
    try {
        PKnoten b = Uebersetze(text, m, p);
        if (b) PruefeBaum(b.get(), m, text);
    } catch (const Gleitkommaueberlauf&) {
    }
    EXPECT_TRUE(m.Variablenzahl >= 0 && m.Variablenzahl <= kMaxVariablen) << text;
    EXPECT_TRUE(p.eintraege.empty()) << text;  // a fresh table never fills from one line
}

void Scannen(const std::vector<std::string>& zeilen) {
    test::Testmodell t;
    const Scanergebnis r = t.Scanne(zeilen);
    ASSERT_TRUE(t.m.Variablenzahl >= 0 && t.m.Variablenzahl <= kMaxVariablen) << zeilen[0];
    if (r != Scanergebnis::Fertig) return;
    for (int i = 1; i <= t.m.Gleichungszahl; ++i) {
        const TGleichung& g = t.m.Gleichungsliste[static_cast<std::size_t>(i)];
        EXPECT_TRUE(g.Ziel >= 1 && g.Ziel <= t.m.Variablenzahl) << zeilen[0];
        if (g.Baum) PruefeBaum(g.Baum.get(), t.m, zeilen[0]);
    }
}

// The digits of both forms reproduce the value: fixed form to half a unit of the last decimal,
// exponent form (two significant digits) to 5 %.
void PruefeZahltext(double x, const Zahlformat& f) {
    const std::string t = Zahltext(x, f);
    ASSERT_EQ(t.find(','), std::string::npos) << t;
    if (!std::isfinite(x)) return;
    const bool exponent = t.find('E') != std::string::npos;
    EXPECT_TRUE(exponent ? t.size() == 10 : t.size() >= static_cast<std::size_t>(f.Breite)) << x;
    const auto w = LeseZahl(t);
    ASSERT_TRUE(w.has_value()) << '"' << t << '"';
    const long double fehler = std::fabs(*w - static_cast<long double>(x));
    const long double erlaubt =
        exponent ? 0.05L * std::fabs(x) + LDBL_MIN
                 : std::max(0.5L * std::pow(10.0L, -f.Nachkommastellen), std::fabs(x) * 1e-15L) *
                       1.0001L;
    EXPECT_LE(fehler, erlaubt) << x << " -> \"" << t << '"';
}

void Zahlen(const std::string& text) {
    (void)LeseZahl(text);
    test::Protokoll p;
    try {
        const float v = TextZuZahl(text, p);
        EXPECT_TRUE(p.eintraege.empty() || (p.eintraege.size() == 1 && v == 0.0f)) << text;
        EXPECT_FALSE(std::isnan(v)) << text;
    } catch (const Gleitkommaueberlauf&) {
        EXPECT_TRUE(p.eintraege.empty());
    }
}

constexpr Zahlformat kFormate[] = {kErgebnisformat, kTabellenformat, kEingabeformat, kSkalenformat,
                                   kKoordinatenformat};

}  // namespace

TEST(Robust, AnfaengeUndEndenKniffligerTexte) {
    for (const std::string& s : KniffligeTexte()) {
        for (std::size_t n = 0; n <= s.size(); ++n) {
            for (const std::string& teil : {s.substr(0, n), s.substr(n)}) {
                Uebersetzen(teil);
                Scannen({"X:=" + teil});
                Scannen({teil, "Y:=X"});
                Zahlen(teil);
            }
        }
    }
}

TEST(Robust, ZufaelligeBytes) {
    std::mt19937 zufall(20240611u);
    std::uniform_int_distribution<int> laenge(0, 300), byte(0, 255), zeichen(0, 19);
    const std::string alphabet = "AXE019.+-*/^() ,:=S\n";
    for (int runde = 0; runde < 3000; ++runde) {
        std::string s(static_cast<std::size_t>(laenge(zufall)), '\0');
        // Half of the texts from all bytes, half from the characters that matter to the grammar.
        for (char& c : s)
            c = static_cast<char>(runde % 2 ? byte(zufall) : alphabet[zeichen(zufall)]);
        Uebersetzen(s);
        std::vector<std::string> zeilen;
        std::istringstream ein(s);
        for (std::string z; std::getline(ein, z);) zeilen.push_back(z);
        if (!zeilen.empty()) Scannen(zeilen);
        Scannen({"X:=" + s});
        Zahlen(s);
    }
}

TEST(Robust, ZahltextExtremeUndZufaelligeWerte) {
    using G = std::numeric_limits<double>;
    const double kDenorm = G::denorm_min(), kInf = G::infinity();
    // clang-format off
    std::vector<double> werte = {
        0.0, -0.0, kDenorm, -kDenorm, DBL_MIN, FLT_MIN, FLT_MAX, -FLT_MAX, G::max(), -G::max(),
        1e-310, 0.005, 0.00499999, 999.9995, -999.99995, 9.5, 0.95, 99.95, 1e16 + 2,
        123456789012345678.0, std::nextafter(1000.0, 0.0), kInf, -kInf, G::quiet_NaN()
    };
    // clang-format on
    std::mt19937_64 zufall(7u);
    for (int i = 0; i < 4000; ++i) {
        const std::uint64_t bits = zufall();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        // Two thirds are brought near the range where the forms change.
        if (i % 3 == 0 && std::isfinite(x)) x = std::fmod(x, 2000.0);
        if (i % 3 == 1)
            x = std::ldexp(static_cast<double>(bits >> 11), static_cast<int>(bits % 64) - 80);
        werte.push_back(x);
        if (!(std::fabs(x) > FLT_MAX)) werte.push_back(static_cast<float>(x));
    }
    for (const Zahlformat& f : kFormate)
        for (double x : werte) PruefeZahltext(x, f);
}
