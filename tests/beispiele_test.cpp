// The shipped lessons: each graph run stays inside the picture and ends by itself. (Opening,
// running and saving them byte for byte is tested through the main window.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "lauf.h"
#include "modelldateien.h"
#include "test_hilfen.h"

namespace quintor {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Lektionen() {
    std::vector<fs::path> r;
    for (const auto& e : fs::directory_iterator(QUINTOR_BEISPIELE))
        if (e.path().extension() == ".sim") r.push_back(e.path());
    std::sort(r.begin(), r.end());
    return r;
}

// The model and its settings, as Datei > Öffnen reads them.
void Oeffne(const fs::path& sim, Dokument& d, test::Protokoll& p) {
    const auto text = LeseModelldatei(sim.string(), p);
    ASSERT_TRUE(text);
    d.SetzeZeilen(text->zeilen);
    d.SetzeDateiname(sim.string());
    d.Scanne(p);
    ASSERT_EQ(LeseEinstellungen(d, p), Einstellungen::Gelesen);
    ASSERT_TRUE(d.StartwerteUebernehmen(p));
}

// Every curve of the graph inside its limits (the last point, which ended the run, may reach
// just beyond); the run ends at the right limit, the stop condition or the step limit.
TEST(Beispiele, GraphBleibtImBildUndEndet) {
    const auto lektionen = Lektionen();
    EXPECT_GE(lektionen.size(), 15u);
    for (const fs::path& sim : lektionen) {
        SCOPED_TRACE(sim.filename().string());
        test::Protokoll p;
        Dokument d;
        Oeffne(sim, d, p);
        const Graphwerte& g = d.Graph();
        Modell& m = d.Daten();
        Lauf lauf(m);
        lauf.GrenzVariable = g.horizontal;
        lauf.Grenze = g.x2;
        lauf.Hoechstzahl = g.SchrittgrenzeAn ? g.Schrittgrenze : 20000;
        lauf.SetzeBedingung(d.Abbruch());
        std::vector<std::int32_t> kurven = g.WeitereKurven;
        kurven.push_back(g.vertikal);
        const auto wert = [&m](std::int32_t i) { return m.Variablen[std::size_t(i)].Wert; };
        const auto imBild = [](float w, float a, float b) {
            const float rand = (b - a) / 20;
            return w >= a - rand && w <= b + rand;
        };
        lauf.Starte();
        Laufende ende = Laufende::Weiter;
        while (ende == Laufende::Weiter) {
            ASSERT_EQ(lauf.Schritt(), Laufende::Weiter);
            ende = lauf.Pruefe();
            ASSERT_TRUE(imBild(wert(g.horizontal), g.x1, g.x2)) << lauf.Schritte();
            for (const std::int32_t k : kurven)
                ASSERT_TRUE(imBild(wert(k), g.y1, g.y2))
                    << m.Variablen[std::size_t(k)].Name << " nach " << lauf.Schritte();
        }
        // The oscillator's ellipse is drawn until the user halts it, as its page says.
        if (!g.SchrittgrenzeAn && sim.filename() != "oszillator.sim") {
            EXPECT_NE(ende, Laufende::Anzahl);
        }
    }
}

}  // namespace
}  // namespace quintor
