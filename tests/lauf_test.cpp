// The run driver: where a run starts, and each way it ends.
#include "lauf.h"

#include <gtest/gtest.h>

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

}  // namespace
