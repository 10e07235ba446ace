#include "schritt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "auswertung.h"
#include "meldungen.h"
#include "test_hilfen.h"

using namespace quintor;

namespace {

using Ext = long double;
constexpr auto D = [](Ext v) { return static_cast<double>(v); };

struct Mitschrift : Ergebnisanzeige {
    std::vector<std::pair<std::int32_t, float>> eintraege;
    void Ergebnis(std::int32_t ziel, float wert) override { eintraege.emplace_back(ziel, wert); }
};

using Eintraege = std::vector<std::pair<std::int32_t, float>>;

}  // namespace

TEST(Schritt, SpaetereGleichungSiehtNeuenWert) {
    test::Testmodell t({"X:=X+1", "Y:=X"});
    Rechenschritt(t.m);
    EXPECT_EQ(t.Wert("X"), 1.0f);
    EXPECT_EQ(t.Wert("Y"), 1.0f);
    for (int i = 1; i < 20; ++i) Rechenschritt(t.m);
    EXPECT_EQ(t.Wert("X"), 20.0f);
}

TEST(Schritt, OszillatorRechnetMitDemNeuenX) {
    test::Testmodell t({"X:=X+V*DT", "V:=V-X*DT"});
    float x = 1.0f, v = 0.0f;
    const float dt = 0.1f;
    t.Wert("X") = x;
    t.Wert("DT") = dt;
    for (int schritt = 1; schritt <= 5; ++schritt) {
        x = static_cast<float>(D(static_cast<Ext>(x) + D(static_cast<Ext>(v) * dt)));
        v = static_cast<float>(D(static_cast<Ext>(v) - D(static_cast<Ext>(x) * dt)));
        Rechenschritt(t.m);
        ASSERT_EQ(t.Wert("X"), x) << schritt;
        ASSERT_EQ(t.Wert("V"), v) << schritt;
    }
}

TEST(Schritt, FehlschlagSpeichertFehlerwertUndLaeuftWeiter) {
    test::Testmodell t({"Y:=SQRT(X)", "Z:=Z+1"});
    t.Wert("X") = -1.0f;
    for (int i = 1; i <= 2; ++i) {
        Rechenschritt(t.m);
        EXPECT_EQ(t.Wert("Y"), static_cast<float>(Fehlerwert));
        EXPECT_EQ(t.Wert("Z"), static_cast<float>(i));
    }
}

// N:=N*10 from 1 leaves the single range at step 39: that store fails, the earlier ones stay.
TEST(Schritt, UeberlaufBeimSpeichern) {
    test::Testmodell t({"A:=A+1", "N:=N*10", "B:=B+1"});
    t.Wert("N") = 1.0f;
    float n = 1.0f;
    for (int schritt = 1; schritt <= 38; ++schritt) {
        ASSERT_NO_THROW(Rechenschritt(t.m)) << schritt;
        n = static_cast<float>(D(static_cast<Ext>(n) * 10));
    }
    EXPECT_EQ(t.Wert("N"), n);
    EXPECT_THROW(Rechenschritt(t.m), Gleitkommaueberlauf);
    EXPECT_EQ(t.Wert("A"), 39.0f);
    EXPECT_EQ(t.Wert("N"), n);
    EXPECT_EQ(t.Wert("B"), 38.0f);
}

TEST(Schritt, AnzeigeSiehtJedesSpeichernInReihenfolge) {
    test::Testmodell t({"X:=X+1", "Y:=X*2", "X:=Y", "F:=LN(0)", "N:=N*1E30"});
    t.Wert("N") = 1e10f;
    Mitschrift anzeige;
    EXPECT_THROW(Rechenschritt(t.m, &anzeige), Gleitkommaueberlauf);
    const float f = static_cast<float>(Fehlerwert);
    EXPECT_EQ(anzeige.eintraege, (Eintraege{{1, 1.0f}, {2, 2.0f}, {1, 2.0f}, {3, f}}));
}

// Equations with RANDOM run as trees; their draws follow the generator.
TEST(Schritt, ZufallImSchritt) {
    test::Testmodell t({"X:=RANDOM(1)", "Y:=X+RANDOM(2)"});
    t.m.Zufallszustand = 77;
    std::uint64_t s = 77;
    auto zieh = [&s] {
        s = (s * 134775813u + 1u) % 4294967296u;
        return static_cast<double>(s) / 4294967296.0;
    };
    for (int i = 0; i < 3; ++i) {
        Rechenschritt(t.m);
        const float x = static_cast<float>(zieh());
        EXPECT_EQ(t.Wert("X"), x);
        EXPECT_EQ(t.Wert("Y"), static_cast<float>(D(static_cast<Ext>(x) + 2 * zieh())));
    }
}

TEST(Schritt, EintraegeOhneZielWerdenUebersprungen) {
    test::Testmodell t({"X:=X+1"});
    auto k = std::make_unique<TKnoten>();
    k->Zahlwert = 5.0;
    t.m.Gleichungsliste[2].Baum = std::move(k);
    t.m.Gleichungsliste[2].Ziel = 0;
    t.m.Gleichungszahl = 3;  // entry 3 was never filled
    t.m.GleichungenGeaendert();
    Mitschrift anzeige;
    Rechenschritt(t.m, &anzeige);
    EXPECT_EQ(anzeige.eintraege, (Eintraege{{1, 1.0f}}));
    EXPECT_EQ(t.m.Variablen[0].Wert, 0.0f);
}

// A scan stopped by a missing ":=" leaves the old list with a longer count; the step runs the
// old entries and nothing else.
TEST(Schritt, VeralteteListeNachAbgebrochenemScan) {
    test::Testmodell t({"A:=1", "B:=A+1"});
    ASSERT_EQ(t.Scanne({"A:=5", "B=1", "C:=2", "D:=3", "E:=4"}), Scanergebnis::Abgebrochen);
    ASSERT_EQ(t.m.Gleichungszahl, 5);
    Mitschrift anzeige;
    Rechenschritt(t.m, &anzeige);
    EXPECT_EQ(anzeige.eintraege, (Eintraege{{1, 1.0f}, {2, 2.0f}}));
}

TEST(Schritt, NeuerScanErsetztDasProgramm) {
    test::Testmodell t({"X:=X+1"});
    Rechenschritt(t.m);
    t.Scanne({"X:=X*3+RANDOM(0)"});
    Rechenschritt(t.m);
    EXPECT_EQ(t.Wert("X"), 3.0f);
    t.Scanne({"X:=X-1", "Y:=X"});
    Rechenschritt(t.m);
    EXPECT_EQ(t.Wert("X"), 2.0f);
    EXPECT_EQ(t.Wert("Y"), 2.0f);
}
