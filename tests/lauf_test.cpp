// The run driver: where a run starts, and each way it ends.
#include "lauf.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "modelldateien.h"
#include "test_hilfen.h"

using namespace quintor;

namespace {

// X:=X*F from the start value X = 1 (whatever X holds before) until the run ends; F = 1E20
// overflows in step 2. A halt before the start is forgotten.
TEST(Lauf, StartUndEnden) {
    const struct {
        float faktor;
        std::int64_t hoechstzahl;
        float grenze;  // on X; 0 for none
        std::int64_t halteNach;
        bool ueberlaufBeendet;
        Laufende ende;
        std::int64_t schritte;
        float x;
    } faelle[] = {
        {2, 5, 0, 0, true, Laufende::Anzahl, 5, 32},
        {2, 0, 100, 0, true, Laufende::Grenze, 7, 128},
        {2, 10, 100, 3, true, Laufende::Abbruch, 3, 8},
        {2, 7, 128, 0, true, Laufende::Anzahl, 7, 128},  // the count before the limit
        {1e20f, 0, 0, 0, true, Laufende::Ueberlauf, 2, 1e20f},
        {1e20f, 4, 0, 0, false, Laufende::Anzahl, 4, 1e20f},  // counted, and on
        {1e20f, 4, 0, 2, false, Laufende::Abbruch, 2, 1e20f},
    };
    for (const auto& f : faelle) {
        test::Testmodell t({"X:=X*F"});
        t.m.StartwertListe[1] = 1;
        t.m.StartwertListe[2] = f.faktor;
        t.Wert("X") = 99;
        Lauf lauf(t.m);
        lauf.Hoechstzahl = f.hoechstzahl;
        lauf.GrenzVariable = f.grenze > 0 ? 1 : 0;
        lauf.Grenze = f.grenze;
        lauf.UeberlaufBeendet = f.ueberlaufBeendet;
        lauf.Halte();
        lauf.Starte();
        int ueberlaeufe = 0;
        do {
            ueberlaeufe += lauf.Schritt() == Laufende::Ueberlauf;
            if (lauf.Schritte() == f.halteNach) lauf.Halte();
        } while (lauf.Pruefe() == Laufende::Weiter && lauf.Schritte() < 1000);
        const std::string zeile = ::testing::PrintToString(f.faktor) + " " +
                                  std::to_string(f.hoechstzahl) + " " + std::to_string(f.halteNach);
        EXPECT_EQ(lauf.Pruefe(), f.ende) << zeile;
        EXPECT_EQ(lauf.Schritte(), f.schritte) << zeile;
        EXPECT_EQ(t.Wert("X"), f.x) << zeile;
        EXPECT_EQ(ueberlaeufe, f.faktor > 2 ? f.schritte - 1 : 0) << zeile;
    }
}

// The text of a stop condition: name upper-cased and trimmed, decimal comma, and what is wrong.
TEST(Abbruchbedingung, Lesen) {
    const struct {
        const char* text;
        const char* ergebnis;  // Bedingungstext, or the start of the reason
    } faelle[] = {
        {"Y<0", "Y < 0"},
        {" y <= 2,5 ", "Y <= 2,5"},
        {"vy>-1e3", "VY > -1000"},
        {"T>=0.125", "T >= 0,125"},
        {"Y=0", "In der Abbruchbedingung \"Y=0\" fehlt der Vergleich"},
        {"", "In der Abbruchbedingung \"\" fehlt der Vergleich"},
        {" <3", "In der Abbruchbedingung \" <3\" fehlt vor dem Vergleich"},
        {"Y<", "In der Abbruchbedingung \"Y<\" steht nach dem Vergleich keine"},
        {"Y<>3", "In der Abbruchbedingung \"Y<>3\" steht"},
        {"Y<1,5,0", "In der Abbruchbedingung \"Y<1,5,0\" steht"},
        {"Y<1E39", "In der Abbruchbedingung \"Y<1E39\" steht"},
    };
    for (const auto& f : faelle) {
        std::string grund;
        const std::optional<Abbruchbedingung> b = LeseAbbruchbedingung(f.text, &grund);
        const std::string ergebnis =
            b ? Bedingungstext(*b) : grund.substr(0, std::strlen(f.ergebnis));
        EXPECT_EQ(ergebnis, f.ergebnis) << f.text;
    }
    EXPECT_EQ(Abbruchmeldung({"Y", Abbruchbedingung::Kleiner, 0}, 143),
              "Abbruch: Y < 0 nach 143 Schritten");
    EXPECT_EQ(Abbruchmeldung({"Y", Abbruchbedingung::Kleiner, 0}, 1),
              "Abbruch: Y < 0 nach 1 Schritt");
}

// X:=X*2 from 1: the step whose stored value meets the condition ends the run and counts; the
// start values end nothing; halt and count still come first or last as before.
TEST(Lauf, Abbruchbedingung) {
    const struct {
        const char* bedingung;
        std::int64_t hoechstzahl;
        Laufende ende;
        std::int64_t schritte;
    } faelle[] = {
        {"X>=100", 0, Laufende::Bedingung, 7}, {"X>64", 0, Laufende::Bedingung, 7},
        {"X>=64", 0, Laufende::Bedingung, 6},  {"x > 0", 0, Laufende::Bedingung, 1},
        {"X>=100", 5, Laufende::Anzahl, 5},    {"X>=100", 7, Laufende::Bedingung, 7},
        {"X<1", 10, Laufende::Anzahl, 10},     {"X<=2", 0, Laufende::Bedingung, 1},
    };
    for (const auto& f : faelle) {
        test::Testmodell t({"X:=X*2"});
        t.m.StartwertListe[1] = 1;
        Lauf lauf(t.m);
        lauf.Hoechstzahl = f.hoechstzahl;
        ASSERT_TRUE(lauf.SetzeBedingung(LeseAbbruchbedingung(f.bedingung, nullptr)));
        lauf.Starte();
        do lauf.Schritt();
        while (lauf.Pruefe() == Laufende::Weiter && lauf.Schritte() < 1000);
        EXPECT_EQ(lauf.Pruefe(), f.ende) << f.bedingung;
        EXPECT_EQ(lauf.Schritte(), f.schritte) << f.bedingung;
    }
    test::Testmodell t({"X:=X*2"});
    Lauf lauf(t.m);
    EXPECT_FALSE(lauf.SetzeBedingung(Abbruchbedingung{"Q", Abbruchbedingung::Kleiner, 0}));
    EXPECT_TRUE(lauf.SetzeBedingung(std::nullopt));
}

// Line steps through all lines give the values and random draws of whole steps bit for bit; in
// step 2 Schritt completes a step begun with one line.
TEST(Lauf, ZeilenschritteGleichenDemSchritt) {
    std::vector<std::string> dateien{""};  // "": a model with random numbers
    for (const auto& e : std::filesystem::directory_iterator(QUINTOR_BEISPIELE))
        if (e.path().extension() == ".sim") dateien.push_back(e.path().string());
    for (const std::string& datei : dateien) {
        test::Testmodell t[2];
        for (auto& m : t) {
            m.Scanne(datei.empty()
                         ? std::vector<std::string>{"X:=X+RANDOM(1)*DT", "Y:=Y*0.9+RANDOM(X)/(X-1)",
                                                    "Z:=SIN(Y)^RANDOM(2)"}
                         : LeseModelldatei(datei, m.meldungen)->zeilen);
            m.d.SetzeDateiname(datei);
            if (!datei.empty()) LeseEinstellungen(m.d, m.meldungen);
            ASSERT_TRUE(m.d.StartwerteUebernehmen(m.meldungen));
            m.m.Zufallszustand = 12345;
        }
        Lauf lauf(t[1].m);
        lauf.Starte();
        for (std::int64_t schritt = 1; schritt <= 4; ++schritt) {
            Rechenschritt(t[0].m);
            for (int e = 1; e <= (schritt == 2 ? 1 : t[1].m.Gleichungszahl); ++e)
                lauf.Zeilenschritt();
            if (schritt == 2) lauf.Schritt();
            EXPECT_EQ(lauf.Schritte(), schritt);
            for (std::size_t i = 1; i <= static_cast<std::size_t>(t[0].m.Variablenzahl); ++i)
                EXPECT_EQ(std::memcmp(&t[0].m.Variablen[i].Wert, &t[1].m.Variablen[i].Wert, 4), 0)
                    << datei << " " << schritt << " " << i;
            EXPECT_EQ(t[0].m.Zufallszustand, t[1].m.Zufallszustand);
        }
    }
    EXPECT_EQ(dateien.size(), 21u);
}

// A value beyond the single range in a line: the variable keeps its value, the step ends there
// and counts, as a whole step does; the next line step begins a new step.
TEST(Lauf, UeberlaufInEinerZeile) {
    test::Testmodell t({"Y:=Y+1", "N:=N*1E30", "Z:=N"});
    t.m.StartwertListe[2] = 1e10f;
    Lauf lauf(t.m);
    lauf.Starte();
    lauf.Zeilenschritt();
    EXPECT_EQ(lauf.Zeilenschritt(), Laufende::Ueberlauf);
    EXPECT_TRUE(lauf.LetzteZeile() == 2 && lauf.ErledigteZeilen() == 0 && lauf.Schritte() == 1);
    EXPECT_TRUE(t.Wert("Y") == 1 && t.Wert("N") == 1e10f && t.Wert("Z") == 0);
    EXPECT_EQ(lauf.Zeilenschritt(), Laufende::Weiter);
    EXPECT_TRUE(lauf.LetzteZeile() == 1 && t.Wert("Y") == 2);
}

}  // namespace
