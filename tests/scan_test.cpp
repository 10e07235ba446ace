#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "schritt.h"
#include "test_hilfen.h"

using namespace quintor;
using Texte = std::vector<std::string>;

namespace {

Texte Namen(const Modell& m) {
    Texte n;
    for (int i = 1; i <= m.Variablenzahl; ++i) n.push_back(m.Variablen[i].Name);
    return n;
}

// The lines V1<rest> to V<anzahl><rest>.
Texte Zeilen(const std::string& rest, int anzahl) {
    Texte z;
    for (int i = 1; i <= anzahl; ++i) z.push_back("V" + std::to_string(i) + rest);
    return z;
}

}  // namespace

TEST(Scan, ZerlegeZeileTrenntAmLetztenZuweisungszeichen) {
    const char* ja[][3] = {{"X:=X+1", "X", "X+1"},   {"X := X+1", "X ", " X+1"},
                           {"X:=1:=2", "X:=1", "2"}, {":=5", "", "5"},
                           {"X:=", "X", ""},         {"X::=1", "X:", "1"}};
    for (const auto& f : ja) {
        const Zerlegung z = ZerlegeZeile(f[0]);
        EXPECT_TRUE(z.ok && z.links == f[1] && z.rechts == f[2]) << f[0];
    }
    for (const char* nein : {"X=1", "   ", ":", "=:", ""})
        EXPECT_FALSE(ZerlegeZeile(nein).ok) << nein;
}

TEST(Scan, LinksVorhandenVergleichtInGrossbuchstaben) {
    test::Testmodell t({"x:=1", "Y :=2"});
    EXPECT_TRUE(LinksVorhanden(t.m, "X") && LinksVorhanden(t.m, "x") && LinksVorhanden(t.m, "y "));
    EXPECT_FALSE(LinksVorhanden(t.m, "Y"));
    t.m.Variablenzahl = 1;  // only the variables in use count
    EXPECT_FALSE(LinksVorhanden(t.m, "Y "));
}

// Left sides first, then names met only on right sides, each in order of appearance.
TEST(Scan, ReihenfolgeDerVariablen) {
    const std::pair<Texte, Texte> faelle[] = {
        {{"A:=B", "B:=A+K"}, {"A", "B", "K"}},
        {{"Y:=Q*P+R", "Z:=S-Q"}, {"Y", "Z", "Q", "P", "R", "S"}},
        {{"v:=v-x*dt"}, {"V", "X", "DT"}},
        {{"X:=X+1"}, {"X"}},
        {{"X := X+1"}, {"X ", "X"}}};
    for (const auto& [zeilen, namen] : faelle) {
        test::Testmodell t(zeilen);
        EXPECT_EQ(Namen(t.m), namen) << zeilen[0];
        EXPECT_TRUE(t.meldungen.eintraege.empty()) << zeilen[0];
        for (int i = 1; i <= t.m.Variablenzahl; ++i) EXPECT_EQ(t.d.Startwerttext(i), "0");
    }
    test::Testmodell t({"X := X+1"});  // "X " is assigned from "X"
    t.Wert("X") = 5.0f;
    Rechenschritt(t.m);
    EXPECT_EQ(t.Wert("X "), 6.0f);
}

TEST(Scan, DoppelteLinkeSeiteWarnt) {
    const std::pair<Texte, std::string> faelle[] = {
        {{"X:=1", "x:=X+1"}, "Die Variable x taucht\nauf der linken Seite doppelt auf."},
        {{":=5", ":=6"}, "Die Variable  taucht\nauf der linken Seite doppelt auf."}};
    for (const auto& [zeilen, warnung] : faelle) {
        test::Testmodell t(zeilen);
        ASSERT_EQ(t.meldungen.eintraege.size(), 1u);
        EXPECT_EQ(t.meldungen.eintraege[0].first, Meldungsart::Warnung);
        EXPECT_EQ(t.meldungen.eintraege[0].second, warnung);
        EXPECT_EQ(t.m.Variablenzahl, 1);
        EXPECT_EQ(t.m.Gleichungszahl, 2);
        EXPECT_EQ(t.m.Gleichungsliste[1].Ziel, 1);
        EXPECT_EQ(t.m.Gleichungsliste[2].Ziel, 1);
    }
}

// Every line without ":=" is reported; then nothing of the new text reaches the equation list
// or the start values, and there is no model to run.
TEST(Scan, FehlendeZuweisungStopptNachDemErstenDurchgang) {
    test::Testmodell t({"Q:=7"});
    const TKnoten* alterBaum = t.m.Gleichungsliste[1].Baum.get();
    t.d.SetzeStartwerttext(1, "3");
    const Texte zeilen = {"A:=1", "B=2", "C:=3", "   "};
    EXPECT_EQ(t.Scanne(zeilen), Scanergebnis::Abgebrochen);
    EXPECT_EQ(t.meldungen.Texte(),
              (Texte{"In der Zeile 2 fehlt das :=.", "In der Zeile 4 fehlt das :=."}));
    EXPECT_EQ(t.meldungen.eintraege[0].first, Meldungsart::Fehler);
    EXPECT_EQ(t.m.Variablenzahl, 0);
    ASSERT_TRUE(t.d.Fehler());
    EXPECT_EQ(t.d.Fehler()->zeile, 2);
    EXPECT_EQ(t.m.Gleichungsliste[1].Baum.get(), alterBaum);
    EXPECT_EQ(t.d.Starttexte(), (std::map<std::string, std::string>{{"Q", "3"}}));
    // The first pass itself has made the left sides variables before it stopped.
    Modell m;
    test::Protokoll p;
    ScanneZeilen(m, zeilen, p);
    EXPECT_EQ(m.Variablenzahl, 2);
}

// Removing empty lines is an edit: the text is compacted, and messages count the compacted
// lines. With no lines at all the start-value texts stay.
TEST(Scan, LeereZeilen) {
    test::Testmodell t({"A:=1"});
    EXPECT_EQ(t.Scanne({}), Scanergebnis::Leer);
    EXPECT_EQ(t.m.Variablenzahl, 0);
    EXPECT_EQ(t.d.Starttexte().count("A"), 1u);
    EXPECT_EQ(t.Scanne({"A:=1", "", "", "B=2"}), Scanergebnis::Abgebrochen);
    EXPECT_EQ(t.d.Zeilen(), (Texte{"A:=1", "B=2"}));
    EXPECT_EQ(t.meldungen.Texte(), Texte{"In der Zeile 2 fehlt das :=."});
    EXPECT_EQ(t.m.Gleichungszahl, 2);
}

// An edit leaves no variables until the next scan; the equation list waits for that scan.
TEST(Scan, NachEinerBearbeitung) {
    test::Testmodell t({"A:=A+B"});
    t.d.SetzeZeilen({"A:=A+2"});
    EXPECT_EQ(t.m.Variablenzahl, 0);
    EXPECT_EQ(t.m.Gleichungszahl, 1);
}

TEST(Scan, StartwerteUebernehmen) {
    test::Testmodell t({"A:=1", "B:=2", "C:=3"});
    const Texte texte = {"1,5", "1.5", ""};
    for (int i = 1; i <= 3; ++i) t.d.SetzeStartwerttext(i, texte[i - 1]);
    t.Wert("C") = 4.0f;
    EXPECT_TRUE(t.d.StartwerteUebernehmen(t.meldungen));
    EXPECT_EQ(t.meldungen.Texte(), Texte{"Fehler bei Zahleingabe"});
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(t.m.Variablen[i].Wert, i < 3 ? 1.5f : 0.0f);
        EXPECT_EQ(t.m.StartwertListe[i], i < 3 ? 1.5f : 0.0f);
    }
    // Beyond the single range: the message, and the reading stops there.
    const Texte neu = {"1", "1E39", "3"};
    for (int i = 1; i <= 3; ++i) t.d.SetzeStartwerttext(i, neu[i - 1]);
    t.meldungen.eintraege.clear();
    EXPECT_FALSE(t.d.StartwerteUebernehmen(t.meldungen));
    EXPECT_EQ(t.meldungen.Texte(), Texte{"Gleitkommaüberlauf"});
    EXPECT_EQ(t.Wert("A"), 1.0f);
    EXPECT_EQ(t.Wert("B"), 1.5f);
    EXPECT_EQ(t.Wert("C"), 0.0f);
}

// 100 variables fill the table; the 100th has a start value too. A name beyond fails its line.
TEST(Scan, HundertVariable) {
    Texte z = Zeilen(":=1", 99);
    z.push_back("V100:=NEU+1");
    test::Testmodell t(z);
    EXPECT_EQ(t.m.Variablenzahl, 100);
    EXPECT_EQ(t.meldungen.Texte(), Texte{"Zu viele Variable! Die Maximalzahl ist 100."});
    EXPECT_EQ(t.m.Gleichungsliste[100].Baum, nullptr);
    EXPECT_EQ(t.m.Variablen[100].Name + t.d.Startwerttext(100), "V1000");
    t.d.SetzeStartwerttext(100, "7");
    ASSERT_TRUE(t.d.StartwerteUebernehmen(t.meldungen));
    EXPECT_EQ(t.m.Variablen[100].Wert, 7.0f);
}

TEST(Scan, HundertUndEinsteLinkeSeite) {
    test::Testmodell t(Zeilen(":=1", 101));
    EXPECT_EQ(t.meldungen.Texte(), Texte{"Zu viele Variable! Die Maximalzahl ist 100."});
    EXPECT_EQ(t.m.Variablenzahl, 0);  // a failed scan leaves nothing to run
    EXPECT_TRUE(t.d.Starttexte().empty());
    Rechenschritt(t.m);  // whatever is left must not run beyond the list
    Modell m;            // the first pass had filled the table
    test::Protokoll p;
    ScanneZeilen(m, Zeilen(":=1", 101), p);
    EXPECT_EQ(m.Variablenzahl, 100);
}

// More equation lines than the list holds: nothing of that text is run.
TEST(Scan, MehrAlsHundertGleichungszeilen) {
    test::Testmodell t({"X:=X+1"});
    t.Wert("X") = 5.0f;
    EXPECT_EQ(t.Scanne(Texte(101, "X:=X+1")), Scanergebnis::Abgebrochen);
    const Texte texte = t.meldungen.Texte();  // duplicate warnings may come first
    ASSERT_FALSE(texte.empty());
    EXPECT_EQ(texte.back(), "Zu viele Gleichungen! Die Maximalzahl ist 100.");
    Rechenschritt(t.m);
    EXPECT_EQ(t.m.Variablen[1].Wert, 5.0f);
}
