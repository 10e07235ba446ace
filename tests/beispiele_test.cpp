// The shipped lessons: each opens without a message, with chosen axes, is stored as the program
// itself would store it, and its graph run stays inside the picture and ends by itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "lauf.h"
#include "modelldateien.h"
#include "test_hilfen.h"

namespace quintor {
namespace {

namespace fs = std::filesystem;

std::string Lies(const fs::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

std::vector<fs::path> Lektionen() {
    std::vector<fs::path> r;
    for (const auto& e : fs::directory_iterator(QUINTOR_BEISPIELE))
        if (e.path().extension() == ".sim") r.push_back(e.path());
    std::sort(r.begin(), r.end());
    return r;
}

// Opens a lesson as Datei > Öffnen does; every message goes to `p`.
void Oeffne(const fs::path& sim, Dokument& d, test::Protokoll& p) {
    const auto text = LeseModelldatei(sim.string(), p);
    ASSERT_TRUE(text);
    d.SetzeZeilen(text->zeilen);
    d.SetzeDateiname(sim.string());
    d.Scanne(p);
    ASSERT_EQ(LeseEinstellungen(d, p), Einstellungen::Gelesen);
    const auto kommentar = LeseKommentar(sim.string(), p);
    ASSERT_TRUE(kommentar) << "ohne Kommentar";
    std::string zeilen;
    for (const std::string& z : *kommentar) zeilen += (zeilen.empty() ? "" : "\n") + z;
    d.SetzeKommentar(zeilen);
    ASSERT_TRUE(d.StartwerteUebernehmen(p));
}

TEST(Beispiele, OeffnenOhneMeldungUndSpeichernGleich) {
    const auto lektionen = Lektionen();
    EXPECT_GE(lektionen.size(), 15u);
    const fs::path ordner = fs::temp_directory_path() / "quintor_beispiele_test";
    fs::create_directories(ordner);
    for (const fs::path& sim : lektionen) {
        SCOPED_TRACE(sim.filename().string());
        test::Protokoll p;
        Dokument d;
        Oeffne(sim, d, p);
        EXPECT_EQ(p.Texte(), std::vector<std::string>{});
        EXPECT_TRUE(d.Graph().AchsenGewaehlt);
        // Saved again, a lesson keeps its bytes: the files are what the program writes.
        const fs::path kopie = ordner / sim.filename();
        for (const char* endung : {".sim", ".ini", ".doc"})
            fs::remove(fs::path(kopie).replace_extension(endung));
        d.SetzeDateiname(kopie.string());
        ASSERT_TRUE(SpeichereModell(d, Dateikodierung::Win1252, p));
        for (const char* endung : {".sim", ".ini", ".doc"})
            EXPECT_EQ(Lies(fs::path(kopie).replace_extension(endung)),
                      Lies(fs::path(sim).replace_extension(endung)))
                << endung;
    }
    fs::remove_all(ordner);
}

// Every curve of the graph inside its limits (the last point, which ended the run, may reach
// just beyond); the run ends at the right limit, the stop condition or the step limit.
TEST(Beispiele, GraphBleibtImBildUndEndet) {
    for (const fs::path& sim : Lektionen()) {
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
