// Hints on likely mistakes: one row per kind, none for the shipped examples.
#include "hinweise.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "modelldateien.h"
#include "schritt.h"
#include "test_hilfen.h"

namespace quintor {
namespace {

struct Fall {
    std::vector<std::string> zeilen;
    std::map<std::string, std::string> start;  // every other start value is "0"
    int schritte;                              // steps before the run hints
    std::vector<std::string> erwartet;
};

std::vector<std::string> Texte(const std::vector<Hinweis>& h) {
    std::vector<std::string> t;
    for (const Hinweis& x : h) t.push_back(Hinweiszeile(x));
    return t;
}

void Starte(test::Testmodell& t, const std::map<std::string, std::string>& start) {
    for (const auto& [name, text] : start) t.d.SetzeStartwerttext(t.Nr(name), text);
    ASSERT_TRUE(t.d.StartwerteUebernehmen(t.meldungen));
}

TEST(Hinweise, ScanFindetJedeArt) {
    const std::vector<Fall> faelle = {
        {{"Y:=Y+2,5"}, {}, 0, {"Zeile 1: Dezimalpunkt verwenden: 2.5"}},
        {{"X:=X+V*DT", "V:=V-K*X*DT"},
         {{"DT", "0,1"}, {"K", "0"}},
         0,
         {"Zeile 2: K steht nur rechts und hat den Startwert 0 (Konstante vergessen?)"}},
        {{"N:=N+1", "X :=X+1"},
         {},
         0,
         {"Zeile 2: „X “ und „X“ sind verschiedene Namen (Leerzeichen)"}},
        {{"Y:=X", "Z:=SIN(30)+COS(-(7))+TAN(6)+SIN(X*30)"},
         {{"X", "1"}},
         0,
         {"Zeile 2: SIN rechnet im Bogenmaß", "Zeile 2: COS rechnet im Bogenmaß"}},
    };
    for (const Fall& f : faelle) {
        test::Testmodell t(f.zeilen);
        Starte(t, f.start);
        EXPECT_EQ(Texte(Scanhinweise(t.d)), f.erwartet) << f.zeilen.back();
    }
}

TEST(Hinweise, LaufNenntErsteFehlerzeileUndUrsache) {
    const std::vector<Fall> faelle = {
        {{"Y:=1/X"}, {}, 1, {"Zeile 1: Y wurde 1E30: Division durch 0"}},
        {{"A:=1", "Y:=SQRT(A-2)"}, {}, 1, {"Zeile 2: Y wurde 1E30: SQRT nicht berechenbar"}},
        {{"A:=-1", "Y:=(A)^0.5"}, {}, 1, {"Zeile 2: Y wurde 1E30: Potenz nicht berechenbar"}},
        {{"Y:=1E300*1E300"}, {}, 1, {"Zeile 1: Y wurde 1E30: Rechenüberlauf"}},
        {{"Y:=X+1", "X:=LN(0)"}, {}, 1, {"Zeile 2: X wurde 1E30: LN nicht berechenbar"}},
        {{"Y:=X+1", "X:=LN(0)"}, {}, 2, {"Zeile 1: Y wurde 1E30: X ist 1E30"}},
        {{"Y:=LN(RANDOM(1)-2)"}, {}, 3, {"Zeile 1: Y wurde 1E30: LN nicht berechenbar"}},
        {{"X:=X+1"}, {}, 5, {}},
    };
    for (const Fall& f : faelle) {
        test::Testmodell t(f.zeilen);
        Starte(t, f.start);
        for (int s = 0; s < f.schritte; ++s) Rechenschritt(t.m);
        const std::uint32_t zustand = t.m.Zufallszustand;
        const float y = t.m.Variablen[1].Wert;
        EXPECT_EQ(Texte(Laufhinweise(t.d)), f.erwartet) << f.zeilen.back();
        // A hint changes nothing, not even the random sequence.
        EXPECT_EQ(t.m.Zufallszustand, zustand);
        EXPECT_EQ(t.m.Variablen[1].Wert, y);
    }
}

TEST(Hinweise, KeineFuerDieBeispiele) {
    int gelesen = 0;
    for (const auto& e : std::filesystem::directory_iterator(QUINTOR_BEISPIELE)) {
        if (e.path().extension() != ".sim") continue;
        test::Protokoll p;
        Dokument d;
        const auto text = LeseModelldatei(e.path().string(), p);
        ASSERT_TRUE(text);
        d.SetzeZeilen(text->zeilen);
        d.SetzeDateiname(e.path().string());
        d.Scanne(p);
        ASSERT_EQ(LeseEinstellungen(d, p), Einstellungen::Gelesen);
        EXPECT_EQ(Texte(Scanhinweise(d)), std::vector<std::string>{}) << e.path();
        ASSERT_TRUE(d.StartwerteUebernehmen(p));
        for (int s = 0; s < 200; ++s) Rechenschritt(d.Daten());
        EXPECT_EQ(Texte(Laufhinweise(d)), std::vector<std::string>{}) << e.path();
        ++gelesen;
    }
    EXPECT_EQ(gelesen, 20);
    EXPECT_EQ(Hinweiszusammenfassung({{1, "a"}, {3, "b"}}), "2 Hinweise, zuerst Zeile 1: a");
}

}  // namespace
}  // namespace quintor
