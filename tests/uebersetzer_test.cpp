#include "uebersetzer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "test_hilfen.h"

using namespace quintor;

namespace {

// A tree as text: operations as +(L,R), a leading minus as neg(X), functions as SIN(X) and a
// parenthesis as ()(X), numbers with "#", variables by name. "?" marks a missing operand.
std::string Baumtext(const TKnoten* k, const Modell& m) {
    if (!k) return "?";
    switch (k->Art) {
        case TKnotenArt::kaOperation:
            return std::string(1, k->Zeichen) + "(" + Baumtext(k->Links.get(), m) + "," +
                   Baumtext(k->Rechts.get(), m) + ")";
        case TKnotenArt::kaMinus:
            return "neg(" + Baumtext(k->Links.get(), m) + ")";
        case TKnotenArt::kaFunktion:
            return (k->Funktionsname.empty() ? "()" : k->Funktionsname) + "(" +
                   Baumtext(k->Rechts.get(), m) + ")";
        case TKnotenArt::kaZahl: {
            std::ostringstream o;
            o << '#' << k->Zahlwert;
            return o.str();
        }
        case TKnotenArt::kaVariable:
            if (k->Index < 1 || k->Index > m.Variablenzahl) return "!" + std::to_string(k->Index);
            return m.Variablen[static_cast<std::size_t>(k->Index)].Name;
    }
    return "!Art";
}

struct Uebersetzung {
    Modell m;
    test::Protokoll p;
    PKnoten baum;
    explicit Uebersetzung(std::string_view text) { baum = Uebersetze(text, m, p); }
    std::string Text() const { return baum ? Baumtext(baum.get(), m) : "FEHLT"; }
    std::vector<std::string> Namen() const {
        std::vector<std::string> n;
        for (int i = 1; i <= m.Variablenzahl; ++i)
            n.push_back(m.Variablen[static_cast<std::size_t>(i)].Name);
        return n;
    }
};

void PruefeBaeume(const std::vector<std::pair<std::string, std::string>>& faelle) {
    for (const auto& [text, erwartet] : faelle) {
        Uebersetzung u(text);
        EXPECT_EQ(u.Text(), erwartet) << "text: " << text;
        EXPECT_TRUE(u.p.eintraege.empty()) << "text: " << text;
    }
}

using Namen = std::vector<std::string>;

}  // namespace

TEST(Uebersetzer, VorrangUndAssoziativitaet) {
    // clang-format off
    PruefeBaeume({
        {"X+V*DT", "+(X,*(V,DT))"}, {"(X+V)*DT", "*(()(+(X,V)),DT)"}, {"A-B-K", "-(-(A,B),K)"},
        {"A/B/K", "/(/(A,B),K)"}, {"A*B/C*D", "*(/(*(A,B),C),D)"}, {"2^3^2", "^(^(#2,#3),#2)"},
        {"2*3^2", "*(#2,^(#3,#2))"}, {"-2^2", "neg(^(#2,#2))"}, {"-X^2", "neg(^(X,#2))"},
        {"-A*B", "*(neg(A),B)"}, {"-A+B", "+(neg(A),B)"}, {"A+-B", "FEHLT"}, {"+A", "A"},
        {"A*(-B)", "*(A,()(neg(B)))"}, {"-(A)", "neg(()(A))"}, {"((A))", "()(()(A))"},
    });
    // clang-format on
}

TEST(Uebersetzer, ZahlenUndExponenten) {
    // clang-format off
    PruefeBaeume({
        {"1.5E-3", "#0.0015"}, {"2.5E+3", "#2500"}, {"6.67E-11", "#6.67e-11"},
        {"X*1E-5", "*(X,#1e-05)"}, {"E5", "#0"}, {"E", "E"}, {".5", "#0.5"}, {"5.", "#5"},
        {"2^-3", "^(#2,neg(#3))"},  // the sign after "^" that follows a digit is not split
        {"X1E+5", "X1E+5"},         // the rule looks at the digit only, so this is one name
        {"1.E-3", "-(1.E,#3)"},     // no digit before the "E": split
        {"1,5", "1,5"},             // the comma is no decimal separator here
    });
    // clang-format on
}

TEST(Uebersetzer, NamenUndFunktionen) {
    // clang-format off
    PruefeBaeume({
        {"2X", "2X"}, {"V0", "V0"}, {"X'", "X'"}, {"ALPHA1", "ALPHA1"}, {"SIN", "SIN"},
        {"sin(x)", "SIN(X)"}, {"SIN X", "SINX"}, {"F(X)", "F(X)"}, {"SINUS(X)", "SINUS(X)"},
        {"*B", "*B"}, {"A+*B", "+(A,*B)"}, {"(A+B", "+((A,B)"}, {"A+B)", "A+B)"},
        {"A)+(B", "A)+(B"}, {"3.5.2", "3.5.2"}, {"ABS(X)Y", "ABS(X)Y"}, {"x\ty", "X\tY"},
        {"SQRT(X)+ARCSIN(1)", "+(SQRT(X),ARCSIN(#1))"}, {"h(t-1)", "H(-(T,#1))"},
    });
    // clang-format on
}

TEST(Uebersetzer, AlleFunktionsnamen) {
    using enum TFunktion;
    const std::vector<std::pair<const char*, TFunktion>> namen = {
        {"ABS", ABS},       {"ARCSIN", ARCSIN}, {"ARCTAN", ARCTAN}, {"COS", COS},   {"EXP", EXP},
        {"SINH", SINH},     {"COSH", COSH},     {"FRAC", FRAC},     {"INT", INT},   {"LN", LN},
        {"SIN", SIN},       {"TANH", TANH},     {"SQR", SQR},       {"SQRT", SQRT}, {"TAN", TAN},
        {"RANDOM", RANDOM}, {"H", H},           {"", Klammer}};
    for (const auto& [name, f] : namen) {
        Uebersetzung u(std::string(name) + "(X)");
        ASSERT_TRUE(u.baum) << name;
        EXPECT_EQ(u.baum->Art, TKnotenArt::kaFunktion) << name;
        EXPECT_EQ(u.baum->Funktion, f) << name;
        EXPECT_EQ(u.baum->Funktionsname, name);
    }
}

TEST(Uebersetzer, LeereOperandenScheitern) {
    for (const char* t : {"A*-B", "A--B", "A^-B", "X^-3", "A+", "A*", "A^", "(A-)", "A**B", "A^*B",
                          "SIN()", "()", "-", "--A", "", "   ", "((A+B)*C)^-2"}) {
        Uebersetzung u(t);
        EXPECT_FALSE(u.baum) << '"' << t << '"' << " gave " << u.Text();
        EXPECT_TRUE(u.p.eintraege.empty()) << t;  // no message for these
    }
}

// Names are appended left before right; names before the failure stay, later ones are not read.
TEST(Uebersetzer, ReihenfolgeDerNeuenNamen) {
    EXPECT_EQ(Uebersetzung("B+A*C").Namen(), (Namen{"B", "A", "C"}));
    EXPECT_EQ(Uebersetzung("SIN(Z)+Y^X-Z").Namen(), (Namen{"Z", "Y", "X"}));
    EXPECT_EQ(Uebersetzung("A*-B").Namen(), (Namen{"A"}));
    EXPECT_EQ(Uebersetzung("X^-3").Namen(), (Namen{"X"}));
    EXPECT_EQ(Uebersetzung("((A+B)*C)^-2").Namen(), (Namen{"A", "B", "C"}));
    EXPECT_EQ(Uebersetzung("P+(Q-)+R").Namen(), (Namen{"P", "Q"}));
}

TEST(Uebersetzer, VorhandeneNamen) {
    Modell m;
    test::Protokoll p;
    m.Variablenzahl = 3;
    m.Variablen[1].Name = "x";  // compared in upper case
    m.Variablen[2].Name = "V";
    m.Variablen[3].Name = "V";  // the last match wins
    PKnoten b = Uebersetze("x+v", m, p);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Links->Index, 1);
    EXPECT_EQ(b->Rechts->Index, 3);
    EXPECT_EQ(m.Variablenzahl, 3);
}

TEST(Uebersetzer, NurDieErsten128Zeichen) {
    const std::string blanks(126, ' ');
    EXPECT_EQ(Uebersetzung(blanks + "AB").Text(), "AB");
    EXPECT_EQ(Uebersetzung(blanks + " AB").Text(), "A");           // the cut changes the name
    EXPECT_EQ(Uebersetzung("A" + blanks + "+B").Text(), "FEHLT");  // "A+": operand cut away
    EXPECT_EQ(Uebersetzung(std::string(200, 'X')).Text(), std::string(128, 'X'));
}

TEST(Uebersetzer, VolleTabelle) {
    Modell m;
    test::Protokoll p;
    m.Variablenzahl = 99;
    for (int i = 1; i <= 99; ++i)
        m.Variablen[static_cast<std::size_t>(i)].Name = "V" + std::to_string(i);
    // The 100th still fits; the 101st fails, and nothing after it is read.
    EXPECT_FALSE(Uebersetze("NEU1+NEU2*NEU3", m, p));
    EXPECT_EQ(m.Variablenzahl, 100);
    EXPECT_EQ(m.Variablen[100].Name, "NEU1");
    EXPECT_EQ(p.Texte(), (std::vector<std::string>{"Zu viele Variable! Die Maximalzahl ist 100."}));
    EXPECT_EQ(p.eintraege[0].first, Meldungsart::Fehler);
    // Known names still compile; every new one gets its own message.
    EXPECT_TRUE(Uebersetze("V1*NEU1+V99", m, p));
    EXPECT_FALSE(Uebersetze("ZZ", m, p));
    EXPECT_FALSE(Uebersetze("YY", m, p));
    EXPECT_EQ(p.eintraege.size(), 3u);
    EXPECT_EQ(m.Variablenzahl, 100);
}

TEST(Uebersetzer, ZahlJenseitsDouble) {
    for (const char* t : {"1E400", "X+1E400", "2E308"}) {
        Modell m;
        test::Protokoll p;
        EXPECT_THROW(Uebersetze(t, m, p), Gleitkommaueberlauf) << t;
    }
    EXPECT_EQ(Uebersetzung("1E308").Text(), "#1e+308");
    EXPECT_EQ(Uebersetzung("1E-400").Text(), "#0");
}
