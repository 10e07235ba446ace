#include "auswertung.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "test_hilfen.h"

using namespace quintor;

namespace {

using Ext = long double;
constexpr auto D = [](Ext v) { return static_cast<double>(v); };

// One right side as the equation Y:=<rechts>, evaluated on demand.
struct Ausdruck {
    test::Testmodell t;
    explicit Ausdruck(const std::string& rechts) : t({"Y:=" + rechts}) {}
    double operator()() { return Funktionsberechnung(t.m, t.m.Gleichungsliste[1].Baum.get()); }
};

double Wert(const std::string& rechts) {
    Ausdruck a(rechts);
    return a();
}

// The generator written out: state * 134775813 + 1 modulo 2^32, r = state / 2^32.
std::vector<double> Ziehungen(std::uint32_t zustand, int n) {
    std::vector<double> r;
    std::uint64_t s = zustand;
    for (int i = 0; i < n; ++i) {
        s = (s * 134775813u + 1u) % 4294967296u;
        r.push_back(static_cast<double>(s) / 4294967296.0);
    }
    return r;
}

struct Fall {
    const char* rechts;
    double erwartet;
    float x = 0.0f;
};

}  // namespace

// Results that are exact: clamps, failures, whole powers, the exactly defined functions.
TEST(Auswertung, ExakteErgebnisse) {
    const double F = Fehlerwert;
    // clang-format off
    const Fall faelle[] = {
        {"X/0", -F, 5}, {"X/0", -F, -5}, {"X/0", -F, 0}, {"X/0", -F, -0.0f}, {"X/0", -F, 1e30f},
        {"X/0", -F, 1e-40f}, {"5/1E-31", F}, {"-5/1E-31", F}, {"5/(-1E-31)", -F},
        {"(5/0)*2", -2 * F}, {"SQRT(-1)/0", -F}, {"1/4", 0.25},
        {"0^2", 0}, {"2^0", 1}, {"2^-1", 0.5}, {"(-2)^3", -8}, {"(-2)^2", 4}, {"2^3^2", 64},
        {"0^0", F}, {"0^0.5", F}, {"(-2)^0.5", F}, {"(-2)^(-1)", F}, {"1E-31^0.5", F},
        {"(-1)^2147483647", -1}, {"(-1)^2147483646", 1}, {"0.5^2000000000", 0},
        {"X^1E30", F, 2}, {"X^1E30", F, 1}, {"X^1E30", F, 0.5f},
        {"ABS(-3)", 3}, {"SQR(-3)", 9}, {"INT(-2.7)", -2}, {"INT(2.7)", 2},
        {"FRAC(-2.7)", -2.7 + 2.0}, {"FRAC(2.5)", 0.5}, {"H(0)", 0}, {"H(-1)", 0}, {"H(1E-300)", 1},
        {"SQRT(4)", 2}, {"SQRT(-1)", F}, {"LN(1)", 0}, {"LN(0)", F}, {"LN(-1)", F},
        {"ARCSIN(1)", F}, {"ARCSIN(-1)", F}, {"ARCSIN(1.5)", F}, {"EXP(0)", 1},
        {"EXP(70)", F}, {"EXP(69.5)", F}, {"EXP(-69.5)", 0}, {"EXP(70)/1E30", 1},
        {"COS(0)", 1}, {"SIN(0)", 0}, {"TAN(0)", 0}, {"SINH(0)", 0}, {"COSH(0)", 1}, {"TANH(0)", 0},
        {"SIN(X)", 0, 0x1p63f}, {"COS(X)", 0, 0x1p63f}, {"SIN(-X)", 0, 0x1p63f},
        {"SIN(X)", D(std::sin(0x1p62L)), 0x1p62f},
        // A failure anywhere fails the equation; overflow inside is caught.
        {"1+SQRT(-1)", F}, {"SQRT(-1)*0", F}, {"H(LN(0))", F}, {"1E30*1E30*1E300", F},
        {"1E300*1E300*0", F}, {"SINH(1000)", F}, {"COSH(20000)", F}, {"A*-B", F}};
    // clang-format on
    for (const Fall& f : faelle) {
        Ausdruck a(f.rechts);
        if (a.t.Nr("X")) a.t.Wert("X") = f.x;
        EXPECT_EQ(a(), f.erwartet) << f.rechts << " X=" << f.x;
        EXPECT_TRUE(a.t.meldungen.eintraege.empty()) << f.rechts;
    }
}

TEST(Auswertung, FunktionenNaeherungsweise) {
    // clang-format off
    const Fall faelle[] = {
        {"ARCSIN(0.5)", std::numbers::pi / 6}, {"ARCSIN(-0.5)", -std::numbers::pi / 6},
        {"ARCTAN(1)", std::numbers::pi / 4}, {"EXP(1)", std::numbers::e}, {"EXP(69)", std::exp(69.0)},
        {"EXP(-69)", std::exp(-69.0)}, {"LN(10)", std::log(10.0)}, {"SIN(1)", std::sin(1.0)},
        {"COS(1)", std::cos(1.0)}, {"TAN(1)", std::tan(1.0)}, {"SINH(1)", std::sinh(1.0)},
        {"COSH(1)", std::cosh(1.0)}, {"TANH(1)", std::tanh(1.0)}, {"2^0.5", std::sqrt(2.0)}};
    // clang-format on
    for (const Fall& f : faelle) EXPECT_DOUBLE_EQ(Wert(f.rechts), f.erwartet) << f.rechts;
}

// Whole exponents multiply from the left with a rounding per product, which is not pow().
// Exponents beyond that range must come back at once.
TEST(Auswertung, GanzePotenzen) {
    bool wieNichtPow = false;
    double p = 1.1;
    for (int n = 2; n <= 60; ++n) {
        p = D(static_cast<Ext>(p) * 1.1);
        EXPECT_EQ(Wert("1.1^" + std::to_string(n)), p) << n;
        EXPECT_EQ(Wert("(-1.1)^" + std::to_string(n)), n % 2 ? -p : p) << n;
        wieNichtPow = wieNichtPow || p != D(std::pow(1.1L, static_cast<Ext>(n)));
    }
    EXPECT_TRUE(wieNichtPow);
    EXPECT_NEAR(Wert("1.0000001^3E9") / std::pow(1.0000001, 3e9), 1.0, 1e-6);
}

// A/B/C rounded to double after each division differs, for some inputs, both from doing it
// all in double and from doing it all in extended precision.
TEST(Auswertung, RundetJedenKnotenAufDouble) {
    std::mt19937 zufall(7);
    auto zahl = [&] {
        return std::bit_cast<float>(
            static_cast<std::uint32_t>(0x3f800000u | (zufall() & 0x7fffffu)));
    };
    for (int versuch = 0; versuch < 2000000; ++versuch) {
        const float a = zahl(), b = zahl(), c = zahl();
        const double proKnoten = D(static_cast<Ext>(D(static_cast<Ext>(a) / b)) / c);
        const double nurDouble = (static_cast<double>(a) / b) / c;
        const double nurExt = D(static_cast<Ext>(a) / b / c);
        if (proKnoten == nurDouble || proKnoten == nurExt) continue;
        Ausdruck y("A/B/C");
        for (const auto& [name, wert] : {std::pair{"A", a}, {"B", b}, {"C", c}})
            y.t.Wert(name) = wert;
        EXPECT_EQ(y(), proKnoten) << a << " " << b << " " << c;
        return;
    }
    FAIL() << "no distinguishing operands found";
}

TEST(Auswertung, ZufallFolgeUndBereich) {
    Ausdruck a("RANDOM(10)");
    a.t.m.Zufallszustand = 0;
    const std::vector<double> r = Ziehungen(0, 2000);
    EXPECT_EQ(r[0], 1.0 / 4294967296.0);
    for (double ri : r) {
        const double w = a();
        ASSERT_EQ(w, 10 * ri);
        ASSERT_TRUE(w >= 0.0 && w < 10.0) << w;
    }
}

// The draws are decided by the order of evaluation: divisor first, TAN and non-whole powers
// twice, nothing after a failure or in a skipped dividend.
TEST(Auswertung, ZufallReihenfolgeDerZiehungen) {
    struct ZFall {
        const char* rechts;
        int ziehungen;
        double (*erwartet)(const std::vector<double>& r);
    };
    const ZFall faelle[] = {
        {"RANDOM(1)/RANDOM(1)", 2, [](auto& r) { return D(static_cast<Ext>(r[1]) / r[0]); }},
        {"RANDOM(1)-RANDOM(1)", 2, [](auto& r) { return D(static_cast<Ext>(r[0]) - r[1]); }},
        {"TAN(RANDOM(1))", 2,
         [](auto& r) {
             return D(std::sin(static_cast<Ext>(r[0])) / std::cos(static_cast<Ext>(r[1])));
         }},
        {"2^RANDOM(1)", 2,
         [](auto& r) { return D(std::exp(static_cast<Ext>(r[1]) * std::log(2.0L))); }},
        {"RANDOM(1)^2", 1, [](auto& r) { return D(static_cast<Ext>(r[0]) * r[0]); }},
        {"(-2)^RANDOM(1)", 1, [](auto&) { return Fehlerwert; }},
        {"RANDOM(1)/0", 0, [](auto&) { return -Fehlerwert; }},
        {"SQRT(-1)+RANDOM(1)", 0, [](auto&) { return Fehlerwert; }},
        {"RANDOM(1)+SQRT(-1)", 1, [](auto&) { return Fehlerwert; }},
        // A RANDOM node already entered still draws when its argument fails; what comes after
        // the failure is skipped.
        {"RANDOM(SQRT(-1))", 1, [](auto&) { return Fehlerwert; }},
        {"RANDOM(RANDOM(1)-LN(-1))", 2, [](auto&) { return Fehlerwert; }},
        {"RANDOM(LN(-1))+RANDOM(1)", 1, [](auto&) { return Fehlerwert; }},
        {"TAN(RANDOM(LN(-1)))", 1, [](auto&) { return Fehlerwert; }},
        {"2^RANDOM(1E308*10)", 1, [](auto&) { return Fehlerwert; }}};
    const std::uint32_t saat = 20240613u;
    for (const ZFall& f : faelle) {
        Ausdruck a(f.rechts);
        a.t.m.Zufallszustand = saat;
        const std::vector<double> r = Ziehungen(saat, 3);
        EXPECT_EQ(a(), f.erwartet(r)) << f.rechts;
        std::uint32_t nachher = saat;
        for (int i = 0; i < f.ziehungen; ++i) nachher = nachher * 134775813u + 1u;
        EXPECT_EQ(a.t.m.Zufallszustand, nachher) << f.rechts;
    }
}
