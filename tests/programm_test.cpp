#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "auswertung.h"
#include "meldungen.h"
#include "schritt.h"
#include "test_hilfen.h"

using namespace quintor;

namespace {

using Ext = long double;
constexpr auto D = [](Ext v) { return static_cast<double>(v); };

std::mt19937 zufall;
auto Zahl = [](std::uint32_t n) { return zufall() % n; };

// A single in [1, 2) scaled by 2^exponent, with all mantissa bits in use.
float Voll(int exponent) {
    const auto bits = static_cast<std::uint32_t>(0x3f800000u | (zufall() & 0x7fffffu));
    return std::ldexp(std::bit_cast<float>(bits), exponent);
}

// Zero, signs, tiny divisors and bases, values near the single range, whole and non-whole
// exponents, and values whose roundings matter.
float Variablenwert() {
    static const float kWerte[] = {0.0f,   -0.0f,   1.0f,     -1.0f,   2.0f,   -2.5f, 0.5f,
                                   1e-31f, -1e-31f, 1e-30f,   1e-20f,  1e-40f, 1e20f, 1e30f,
                                   -1e30f, FLT_MAX, -FLT_MAX, 1000.0f, 69.5f,  7.0f};
    if (Zahl(2)) return kWerte[Zahl(std::size(kWerte))];
    return Zahl(2) ? Voll(static_cast<int>(Zahl(9)) - 4) : -Voll(static_cast<int>(Zahl(9)) - 4);
}

// A right side without RANDOM, fully parenthesised so the compiler keeps its shape.
std::string Ausdruck(int tiefe) {
    static const char* kBlaetter[] = {"A",    "B",    "C",    "D",     "Y",     "0",     "1",
                                      "2",    "0.5",  "1000", "0.001", "1E-31", "1E-30", "1E-20",
                                      "1E10", "1E20", "1E30", "1E300", "69",    "70"};
    static const char* kFunktionen[] = {"ABS",  "ARCSIN", "ARCTAN", "COS", "EXP", "SINH",
                                        "COSH", "FRAC",   "INT",    "LN",  "SIN", "TANH",
                                        "SQR",  "SQRT",   "TAN",    "H",   ""};
    if (tiefe == 0 || Zahl(5) == 0) return kBlaetter[Zahl(std::size(kBlaetter))];
    const std::uint32_t art = Zahl(4);
    if (art == 0) return "(-" + Ausdruck(tiefe - 1) + ")";
    if (art == 1)
        return kFunktionen[Zahl(std::size(kFunktionen))] + ("(" + Ausdruck(tiefe - 1) + ")");
    const char op = "+-*/^"[Zahl(5)];
    const std::string links = Ausdruck(tiefe - 1);
    // Shallow exponents keep whole powers to a few million multiplications.
    return "(" + links + op + Ausdruck(op == '^' ? std::min(tiefe - 1, 1) : tiefe - 1) + ")";
}

// Rounding to single gives infinity from the largest single plus half a unit on.
bool PasstInSingle(double x) {
    return std::fabs(x) < static_cast<double>(FLT_MAX) + 0x1p103;
}

}  // namespace

// The compiled step must store exactly what the tree walk gives, or throw where it would not
// fit. The single store hides the last bits of a double, so every expression E is run as
// ((E)-K)-L with K and L the leading single parts of E: the stored value shows E's low bits.
TEST(Schrittprogramm, GleichBitFuerBitMitDerBaumauswertung) {
    zufall.seed(4711);
    int uebersetzt = 0, fehlschlaege = 0, ueberlaeufe = 0, abweichungen = 0;
    const int kAusdruecke = 3000;
    for (int n = 0; n < kAusdruecke && abweichungen < 10; ++n) {
        std::string e;
        do e = Ausdruck(1 + static_cast<int>(Zahl(5)));
        while (e.size() > 120);  // the compiler reads 128 characters
        test::Testmodell t({"Y:=((" + e + ")-K)-L"});
        const TKnoten* baum = t.m.Gleichungsliste[1].Baum.get();
        const TKnoten* kern = baum ? baum->Links->Rechts->Links.get() : nullptr;
        uebersetzt += baum != nullptr;
        for (int satz = 0; satz < 4; ++satz) {
            for (int i = 1; i <= t.m.Variablenzahl; ++i) t.m.Variablen[i].Wert = Variablenwert();
            if (kern && satz > 0) {
                const double x = Funktionsberechnung(t.m, kern);
                t.Wert("K") = PasstInSingle(x) ? static_cast<float>(x) : 0.0f;
                const double rest = x - t.Wert("K");
                t.Wert("L") = PasstInSingle(rest) ? static_cast<float>(rest) : 0.0f;
            }
            const float vorher = t.Wert("Y");
            const double soll = Funktionsberechnung(t.m, baum);
            const bool passt = PasstInSingle(soll);
            fehlschlaege += soll == Fehlerwert;
            ueberlaeufe += !passt;
            bool geworfen = false;
            try {
                Rechenschritt(t.m);
            } catch (const Gleitkommaueberlauf&) {
                geworfen = true;
            }
            const float erwartet = passt ? static_cast<float>(soll) : vorher;
            if (geworfen == passt || std::bit_cast<std::uint32_t>(t.Wert("Y")) !=
                                         std::bit_cast<std::uint32_t>(erwartet)) {
                ++abweichungen;
                ADD_FAILURE() << "Y:=((" << e << ")-K)-L tree " << soll << " thrown " << geworfen
                              << " stored " << t.Wert("Y") << " Y before " << vorher;
            }
        }
    }
    // The generator must really reach the paths it is meant to compare.
    EXPECT_GT(uebersetzt, kAusdruecke * 9 / 10);
    EXPECT_GT(fehlschlaege, 100);
    EXPECT_GT(ueberlaeufe, 10);
}

// Each operation rounds once from extended precision to double, as in the tree walk; the
// operands are searched so that this differs from plain double arithmetic.
TEST(Schrittprogramm, RundetJedeOperationWieDieBaumauswertung) {
    zufall.seed(99);
    for (const char op : {'+', '-', '*', '/'}) {
        auto rechne = [op](auto x, auto y) {
            return op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : x / y;
        };
        int versuch = 0;
        float a, b, c, e;
        double x;
        do {
            a = Voll(0), b = Voll(0), c = Voll(-14), e = Voll(0);
            const double p = D(static_cast<Ext>(a) / b), q = D(static_cast<Ext>(c) / e);
            x = D(rechne(static_cast<Ext>(p), static_cast<Ext>(q)));
            if (x != rechne(p, q)) break;
        } while (++versuch < 2000000);
        ASSERT_LT(versuch, 2000000) << op;
        test::Testmodell t({std::string("Y:=(((A/B)") + op + "(C/E))-K)-L"});
        for (const auto& [name, wert] : {std::pair{"A", a}, {"B", b}, {"C", c}, {"E", e}})
            t.Wert(name) = wert;
        t.Wert("K") = static_cast<float>(x);
        t.Wert("L") = static_cast<float>(x - t.Wert("K"));
        const double y = D(static_cast<Ext>(D(static_cast<Ext>(x) - t.Wert("K"))) - t.Wert("L"));
        EXPECT_EQ(Funktionsberechnung(t.m, t.m.Gleichungsliste[1].Baum.get()), y) << op;
        Rechenschritt(t.m);
        EXPECT_EQ(t.Wert("Y"), static_cast<float>(y)) << op;
    }
}
