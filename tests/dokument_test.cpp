// The document: start-value texts belong to names, a failed scan is kept, what counts as a change.
#include "dokument.h"

#include <gtest/gtest.h>

#include <functional>

#include "test_hilfen.h"

using namespace quintor;

namespace {

using Texte = std::vector<std::string>;

// "NAME=text" of every variable, in table order.
Texte Startwerte(const Dokument& d) {
    Texte t;
    for (std::int32_t i = 1; i <= d.Daten().Variablenzahl; ++i)
        t.push_back(d.Daten().Variablen[static_cast<std::size_t>(i)].Name + "=" +
                    d.Startwerttext(i));
    return t;
}

void Scanne(Dokument& d, const Texte& zeilen) {
    test::Protokoll p;
    d.SetzeZeilen(zeilen);
    d.Scanne(p);
}

// Each row re-scans the model of the row before: names that remain keep their text, new ones
// get "0", removed ones are forgotten; after Neu nothing is left.
TEST(Dokument, StartwerteGehoerenZuNamen) {
    Dokument d;
    Scanne(d, {"X:=X+V", "V:=1"});
    d.SetzeStartwerttext(1, "1,5");
    d.SetzeStartwerttext(2, "2");
    const struct {
        Texte zeilen, werte;
    } faelle[] = {{{"X:=X+V", "V:=1"}, {"X=1,5", "V=2"}},
                  {{"V:=1", "", "X:=X+V*K"}, {"V=2", "X=1,5", "K=0"}},
                  {{"X:=1"}, {"X=1,5"}},
                  {{"X:=1", "V:=3"}, {"X=1,5", "V=0"}}};
    for (const auto& f : faelle) {
        Scanne(d, f.zeilen);
        EXPECT_EQ(Startwerte(d), f.werte) << ::testing::PrintToString(f.zeilen);
    }
    // Neu forgets the model and all that belongs to it.
    d.SetzeKommentar("Notiz");
    d.SetzeDateiname("m.sim");
    d.SetzeTabelle({{1}, 2});
    d.Neu();
    EXPECT_TRUE(d.Zeilen().empty() && d.Starttexte().empty() && d.Kommentar().empty() &&
                d.Dateiname().empty() && d.Tabelle() == Tabellenwahl{} && !d.Geaendert());
    Scanne(d, {"X:=1"});
    EXPECT_EQ(Startwerte(d), Texte{"X=0"});
}

// A failed scan keeps its messages and first faulty line; nothing runs until a good scan, and
// the start-value texts of the last good one come back.
TEST(Dokument, FehlgeschlagenerScan) {
    Dokument d;
    Scanne(d, {"X:=X+1"});
    d.SetzeStartwerttext(1, "5");
    test::Protokoll p;
    d.SetzeZeilen({"X:=X+1", "Y", "Z"});
    EXPECT_EQ(d.Scanne(p), Scanergebnis::Abgebrochen);
    ASSERT_TRUE(d.Fehler());
    EXPECT_EQ(d.Fehler()->meldungen, p.Texte());
    EXPECT_EQ(p.Texte(), (Texte{"In der Zeile 2 fehlt das :=.", "In der Zeile 3 fehlt das :=."}));
    EXPECT_EQ(d.Fehler()->zeile, 2);
    d.Scanne(p);
    EXPECT_TRUE(d.Fehler() && !d.Lauffaehig());
    d.SetzeZeilen({"X:=X+1", "Y:=X"});
    EXPECT_TRUE(!d.Fehler() && !d.Lauffaehig()) << "not scanned yet";
    d.Scanne(p);
    EXPECT_TRUE(d.Lauffaehig());
    EXPECT_EQ(Startwerte(d), (Texte{"X=5", "Y=0"}));
}

// Every part marks the model changed and says so once; saving clears it; setting a part to what
// it holds is no change. A new file name alone is none either.
TEST(Dokument, JedeAenderungZaehlt) {
    Graphwerte achsen;
    achsen.AchsenGewaehlt = true;
    achsen.horizontal = achsen.vertikal = 1;
    const Tabellenwahl spalten{{1}, 0};
    const struct {
        const char* name;
        std::function<void(Dokument&)> aendere;
        bool geaendert;
    } faelle[] = {
        {"Zeilen", [](Dokument& d) { d.SetzeZeilen({"X:=X+2"}); }, true},
        {"Startwert", [](Dokument& d) { d.SetzeStartwerttext(1, "1"); }, true},
        {"Graph", [&](Dokument& d) { d.SetzeGraph(achsen); }, true},
        {"Tabelle", [&](Dokument& d) { d.SetzeTabelle(spalten); }, true},
        {"Kommentar", [](Dokument& d) { d.SetzeKommentar("x"); }, true},
        {"Dateiname", [](Dokument& d) { d.SetzeDateiname("m.sim"); }, false},
    };
    for (const auto& f : faelle) {
        Dokument d;
        Scanne(d, {"X:=X+1"});
        d.Gesichert();
        int meldungen = 0;
        d.beiAenderung = [&](Dokument::Teil t) { meldungen += t == Dokument::Teil::Geaendert; };
        f.aendere(d);
        EXPECT_EQ(d.Geaendert(), f.geaendert) << f.name;
        EXPECT_EQ(meldungen, f.geaendert ? 1 : 0) << f.name;
        d.Gesichert();
        EXPECT_FALSE(d.Geaendert()) << f.name;
        f.aendere(d);
        EXPECT_FALSE(d.Geaendert()) << f.name << ": the same value again";
    }
}

// The stop condition is part of the model: setting it is a change, the same again none, Neu
// drops it.
TEST(Dokument, Abbruchbedingung) {
    Dokument d;
    int meldungen = 0;
    d.beiAenderung = [&](Dokument::Teil t) { meldungen += t == Dokument::Teil::Abbruch; };
    const Abbruchbedingung b{"Y", Abbruchbedingung::Kleiner, 0};
    d.SetzeAbbruch(b);
    d.SetzeAbbruch(b);
    EXPECT_TRUE(d.Geaendert());
    EXPECT_EQ(meldungen, 1);
    d.Neu();
    EXPECT_FALSE(d.Abbruch());
    EXPECT_FALSE(d.Geaendert());
}

}  // namespace
