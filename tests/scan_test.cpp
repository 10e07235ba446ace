#include <gtest/gtest.h>

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
        for (int i = 1; i <= t.m.Variablenzahl; ++i) {
            EXPECT_EQ(t.gitter.Zelle(0, i), namen[i - 1]);
            EXPECT_EQ(t.gitter.Zelle(1, i), "0");
        }
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

// Every line without ":=" is reported; then nothing of the new text reaches list or grid.
TEST(Scan, FehlendeZuweisungStopptNachDemErstenDurchgang) {
    test::Testmodell t({"Q:=7"});
    const TKnoten* alterBaum = t.m.Gleichungsliste[1].Baum.get();
    t.gitter.SetzeZelle(1, 1, "3");
    EXPECT_EQ(t.Scanne({"A:=1", "B=2", "C:=3", "   "}), Scanergebnis::Abgebrochen);
    EXPECT_EQ(t.meldungen.Texte(),
              (Texte{"In der Zeile 2 fehlt das :=.", "In der Zeile 4 fehlt das :=."}));
    EXPECT_EQ(t.meldungen.eintraege[0].first, Meldungsart::Fehler);
    EXPECT_EQ(t.m.Variablenzahl, 2);
    EXPECT_EQ(t.m.Gleichungsliste[1].Baum.get(), alterBaum);
    EXPECT_EQ(t.gitter.Zelle(0, 1), "Q");
    EXPECT_EQ(t.gitter.Zelle(1, 1), "3");
}

// Removing empty lines is an edit: the editor is compacted, the grid emptied, and messages
// count the compacted lines. With no lines at all the grid stays.
TEST(Scan, LeereZeilen) {
    test::Testmodell t({"A:=1"});
    EXPECT_EQ(t.Scanne({}), Scanergebnis::Leer);
    EXPECT_EQ(t.m.Variablenzahl, 0);
    EXPECT_EQ(t.gitter.Zelle(0, 1), "A");
    t.gitter.SetzeZelle(2, 1, "alt");
    EXPECT_EQ(t.Scanne({"A:=1", "", "", "B=2"}), Scanergebnis::Abgebrochen);
    EXPECT_EQ(t.text.zeilen, (Texte{"A:=1", "B=2"}));
    EXPECT_EQ(t.meldungen.Texte(), Texte{"In der Zeile 2 fehlt das :=."});
    EXPECT_EQ(t.m.Gleichungszahl, 2);
    EXPECT_EQ(t.gitter.Zelle(2, 1), "");
}

TEST(Scan, GitterNachDemScanUndNachEinerBearbeitung) {
    test::Testmodell t;
    t.gitter.SetzeZelle(2, 1, "7");
    t.gitter.SetzeZelle(1, 1, "2,5");
    t.m.StartwerteAusDatei = true;
    t.Scanne({"A:=A+B"});
    EXPECT_EQ(t.gitter.Zelle(0, 0) + t.gitter.Zelle(1, 0) + t.gitter.Zelle(2, 0),
              "BezeichnerStartwertErgebnis");
    EXPECT_EQ(t.gitter.Zelle(1, 1), "2,5");  // start values from the file stay
    EXPECT_EQ(t.gitter.Zelle(2, 1), "7");    // results are not touched
    t.m.StartwerteAusDatei = false;
    t.Scanne({"A:=A+B"});
    EXPECT_EQ(t.gitter.Zelle(1, 1) + t.gitter.Zelle(1, 2), "00");

    t.m.StartwerteAusDatei = true;
    t.text.SetzeZeilen({"A:=A+2"});
    EXPECT_EQ(t.m.Variablenzahl, 0);
    EXPECT_FALSE(t.m.StartwerteAusDatei);
    EXPECT_EQ(t.gitter.Zelle(0, 1) + t.gitter.Zelle(1, 2) + t.gitter.Zelle(2, 1), "");
    EXPECT_EQ(t.gitter.Zelle(0, 0), "Bezeichner");
    EXPECT_EQ(t.m.Gleichungszahl, 1);  // the list waits for the next scan

    for (int s = 0; s < Startwertgitter::kSpalten; ++s)
        for (int z : {0, 1, 100}) t.gitter.SetzeZelle(s, z, "x");
    StringgridLoeschen(t.gitter);
    for (int z : {0, 1, 100})
        EXPECT_EQ(t.gitter.Zelle(0, z) + t.gitter.Zelle(1, z) + t.gitter.Zelle(2, z),
                  z ? "" : "xxx");
}

TEST(Scan, StartwerteInit) {
    test::Testmodell t({"A:=1", "B:=2", "C:=3"});
    const Texte zellen = {"1,5", "1.5", ""};
    for (int i = 1; i <= 3; ++i) {
        t.gitter.SetzeZelle(1, i, zellen[i - 1]);
        t.gitter.SetzeZelle(2, i, "9");
    }
    t.Wert("C") = 4.0f;
    EXPECT_TRUE(StartwerteInit(t.m, t.gitter, t.meldungen));
    EXPECT_EQ(t.meldungen.Texte(), Texte{"Fehler bei Zahleingabe"});
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(t.m.Variablen[i].Wert, i < 3 ? 1.5f : 0.0f);
        EXPECT_EQ(t.m.StartwertListe[i], i < 3 ? 1.5f : 0.0f);
        EXPECT_EQ(t.gitter.Zelle(2, i), "");
    }
    // Beyond the single range: the message, and the reading stops there.
    const Texte neu = {"1", "1E39", "3"};
    for (int i = 1; i <= 3; ++i) t.gitter.SetzeZelle(1, i, neu[i - 1]);
    t.meldungen.eintraege.clear();
    EXPECT_FALSE(StartwerteInit(t.m, t.gitter, t.meldungen));
    EXPECT_EQ(t.meldungen.Texte(), Texte{"Gleitkommaüberlauf"});
    EXPECT_EQ(t.Wert("A"), 1.0f);
    EXPECT_EQ(t.Wert("B"), 1.5f);
    EXPECT_EQ(t.Wert("C"), 0.0f);
}

// 100 variables fill the table; the 100th has row 100 of the grid. A name beyond fails its line.
TEST(Scan, HundertVariable) {
    Texte z = Zeilen(":=1", 99);
    z.push_back("V100:=NEU+1");
    test::Testmodell t(z);
    EXPECT_EQ(t.m.Variablenzahl, 100);
    EXPECT_EQ(t.meldungen.Texte(), Texte{"Zu viele Variable! Die Maximalzahl ist 100."});
    EXPECT_EQ(t.m.Gleichungsliste[100].Baum, nullptr);
    EXPECT_EQ(t.gitter.Zelle(0, 100) + t.gitter.Zelle(1, 100), "V1000");
    t.gitter.SetzeZelle(1, 100, "7");
    ASSERT_TRUE(StartwerteInit(t.m, t.gitter, t.meldungen));
    EXPECT_EQ(t.m.Variablen[100].Wert, 7.0f);
}

TEST(Scan, HundertUndEinsteLinkeSeite) {
    test::Testmodell t(Zeilen(":=1", 101));
    EXPECT_EQ(t.meldungen.Texte(), Texte{"Zu viele Variable! Die Maximalzahl ist 100."});
    EXPECT_EQ(t.m.Variablenzahl, 100);
    EXPECT_EQ(t.gitter.Zelle(0, 1), "");  // the scan stopped before the grid
    Rechenschritt(t.m);                   // whatever is left must not run beyond the list
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
