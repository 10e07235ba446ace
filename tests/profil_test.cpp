// The settings file: reading old hand-written files, writing keys in place, exact round trips.
#include "profil.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "textdatei.h"
#include "win1252.h"

using namespace quintor;
namespace fs = std::filesystem;

namespace {

// Every (section, key) of a file in file order, as a reader of the lines sees them.
std::vector<std::pair<std::string, std::string>> Eintraege(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> e;
    std::string abschnitt;
    for (const std::string& z : TeileZeilen(text)) {
        if (!z.empty() && z.front() == '[')
            abschnitt = z.substr(1, z.find(']') - 1);
        else if (z.find('=') != std::string::npos)
            e.emplace_back(abschnitt, z.substr(0, z.find('=')));
    }
    return e;
}

std::vector<fs::path> Beispiele(const std::string& endung) {
    std::vector<fs::path> p;
    for (const auto& d : fs::directory_iterator(QUINTOR_BEISPIELE))
        if (d.path().extension() == endung) p.push_back(d.path());
    return p;
}

// Written by hand long ago: capitals anywhere, blanks, blank lines, an umlaut in Windows-1252.
const std::string kAlteDatei =
    "[STARTWERTE]\r\n"
    "x = 1,5\r\n"
    "\r\n"
    "Dt=0,1\r\n"
    "Bemerkung= H\xF6he in m \r\n"
    "\r\n"
    "[koordinatenSystem]\r\n"
    "Horizontal=$2\r\n"
    "VERTIKAL=0x1\r\n"
    "PunktModul = 3\r\n"
    "Streckenzug=True\r\n";

TEST(Profil, AlteDateiLesen) {
    const Profildatei p = Profildatei::AusBytes(kAlteDatei);
    EXPECT_EQ(p.LiesText("Startwerte", "X", "0"), "1,5");
    EXPECT_EQ(p.LiesText("startwerte", "DT", "0"), "0,1");
    EXPECT_EQ(p.LiesText("Startwerte", "bemerkung", ""), "Höhe in m");
    EXPECT_EQ(p.LiesText("Startwerte", "V", "0"), "0");
    EXPECT_EQ(p.LiesZahl("Koordinatensystem", "horizontal", 0), 2);
    EXPECT_EQ(p.LiesZahl("Koordinatensystem", "vertikal", 0), 1);
    EXPECT_EQ(p.LiesZahl("Koordinatensystem", "Punktmodul", 1), 3);
    EXPECT_EQ(p.LiesText("Koordinatensystem", "Streckenzug", "true"), "True");
    EXPECT_EQ(p.Bytes(), kAlteDatei) << "read and written back unchanged";
}

TEST(Profil, Schreiben) {
    const struct {
        const char* name;
        std::string vorher, abschnitt, schluessel, wert, nachher;
    } faelle[] = {
        {"ersetzt an Ort und Stelle", "[Startwerte]\r\nX=1\r\nV=0\r\n", "startwerte", "x", "2",
         "[Startwerte]\r\nX=2\r\nV=0\r\n"},
        {"Schreibweise der Datei bleibt", "[K]\r\nPunktModul = 3\r\nA=1\r\n", "K", "Punktmodul",
         "2", "[K]\r\nPunktModul=2\r\nA=1\r\n"},
        {"gleicher Wert: Zeile unverändert", "[S]\r\n  dt  =  0,1  \r\n", "S", "DT", "0,1",
         "[S]\r\n  dt  =  0,1  \r\n"},
        {"neuer Schlüssel vor Leerzeilen", "[A]\r\nK=1\r\n\r\n[B]\r\nL=2\r\n", "A", "N", "3",
         "[A]\r\nK=1\r\nN=3\r\n\r\n[B]\r\nL=2\r\n"},
        {"neuer Schlüssel vor Kommentar", "[A]\r\nK=1\r\n; zu B\r\n[B]\r\n", "A", "N", "3",
         "[A]\r\nK=1\r\nN=3\r\n; zu B\r\n[B]\r\n"},
        {"Abschnitt ohne Schlüssel", "[A]\r\n\r\n[B]\r\n", "a", "N", "3",
         "[A]\r\nN=3\r\n\r\n[B]\r\n"},
        {"neuer Abschnitt am Ende", "[A]\r\nK=1\r\n", "B", "N", "3",
         "[A]\r\nK=1\r\n[B]\r\nN=3\r\n"},
        {"nach Leerzeilen am Ende", "[A]\r\nK=1\r\n\r\n", "B", "N", "3",
         "[A]\r\nK=1\r\n\r\n[B]\r\nN=3\r\n"},
        {"leere Datei", "", "B", "N", "3", "[B]\r\nN=3\r\n"},
        {"letzte Zeile ohne Umbruch", "[A]\r\nK=1", "A", "N", "3", "[A]\r\nK=1\r\nN=3\r\n"},
        {"ersetzt ohne Umbruch", "[A]\r\nK=1", "A", "K", "3", "[A]\r\nK=3"},
        {"Datei mit LF", "[A]\nK=1\n", "B", "N", "3", "[A]\nK=1\n[B]\nN=3\n"},
        {"Umbrüche je Zeile", "[A]\rK=1\n\r\n", "A", "K", "3", "[A]\rK=3\n\r\n"},
        {"Umbruch im Wert", "[A]\r\n", "A", "K", "a\r\nb\nc\rd", "[A]\r\nK=a b c d\r\n"},
        {"erster von zwei gleichen", "[A]\r\nK=1\r\nk=2\r\n", "A", "K", "3",
         "[A]\r\nK=3\r\nk=2\r\n"},
        {"den Eintrag, den Lies liest", "[A]\r\n[B]\r\n[a]\r\nL=2\r\n", "A", "L", "3",
         "[A]\r\n[B]\r\n[a]\r\nL=3\r\n"},
        {"sonst der erste Abschnitt", "[A]\r\nK=1\r\n[B]\r\n[a]\r\n", "A", "M", "3",
         "[A]\r\nK=1\r\nM=3\r\n[B]\r\n[a]\r\n"},
        {"vor jedem Abschnitt zählt nicht", "K=1\r\n[A]\r\n", "A", "K", "3",
         "K=1\r\n[A]\r\nK=3\r\n"},
        {"Wert mit = und Umlaut", "", "A", "K", "a=ß", "[A]\r\nK=a=ß\r\n"},
    };
    for (const auto& f : faelle) {
        Profildatei p = Profildatei::AusText(f.vorher);
        EXPECT_TRUE(p.Schreibe(f.abschnitt, f.schluessel, f.wert)) << f.name;
        EXPECT_EQ(p.Text(), f.nachher) << f.name;
    }
}

TEST(Profil, NamenOhneRueckweg) {
    const std::pair<std::string, std::string> faelle[] = {
        {"A]", "K"},   {"A\r\nK=1", "K"}, {"A", "K=1"}, {"A", "[K"},
        {" A", " [K"}, {"A", "K\n"},      {"A", "[B]"},
    };
    for (const auto& [abschnitt, schluessel] : faelle) {
        Profildatei p = Profildatei::AusText("[A]\r\nK=1\r\n");
        EXPECT_FALSE(p.Schreibe(abschnitt, schluessel, "2"))
            << ::testing::PrintToString(abschnitt) << " " << ::testing::PrintToString(schluessel);
        EXPECT_EQ(p.Text(), "[A]\r\nK=1\r\n");
    }
    Profildatei p;
    EXPECT_TRUE(p.Schreibe("A [x", "K[1] ]", "2"));  // inner brackets and blanks are fine
    EXPECT_EQ(p.LiesText("a [X", "k[1] ]", ""), "2");
}

// Names are matched as the platform's profile functions match them, which wrote the files that
// teachers have: trimmed of blanks and tabs, case ignored for every letter.
TEST(Profil, NamenWieDieProfilfunktionen) {
    const std::pair<const char*, const char*> gleich[] = {
        {"X ", "X"}, {"\tX", "x"}, {"Ä", "ä"}, {"É", "é"}, {"Š", "š"}, {"Œ", "œ"}, {"Ž", "ž"},
        {"Ÿ", "ÿ"},  {"Ł", "ł"},   {"Ω", "ω"}, {"Σ", "ς"}, {"Ώ", "ώ"}, {"Ж", "ж"}, {"Ё", "ё"},
    };
    for (const auto& [a, b] : gleich)
        EXPECT_EQ(Profildatei::AusText(std::string("[S]\r\n") + a + "=1").LiesText("s", b, "-"),
                  "1")
            << a << " / " << b;
    EXPECT_EQ(Profildatei::AusText("[ÄQ]\r\nK=1").LiesText(" äq ", "K", "-"), "1");
    const std::pair<const char*, const char*> verschieden[] = {
        {"ß", "SS"}, {"×", "÷"},    {"ı", "I"},
        {"İ", "i"},  {"X Y", "XY"}, {"\xC3", "\xC3\x83"},  // a stray byte is only itself
    };
    for (const auto& [a, b] : verschieden)
        EXPECT_EQ(Profildatei::AusText(std::string("[S]\r\n") + a + "=1").LiesText("S", b, "-"),
                  "-")
            << a << " / " << b;
    // The stored file is Windows-1252: Š and Ä read as the UTF-8 of š and ä.
    EXPECT_EQ(
        Profildatei::AusBytes("[Startwerte]\r\n\x8A\xC4=2\r\n").LiesText("Startwerte", "šä", "-"),
        "2");

    // A variable "X " (from "X :=...") writes its start value under the trimmed key.
    const struct {
        std::string vorher, abschnitt, schluessel, nachher;
    } schreiben[] = {
        {"", "Startwerte", "X ", "[Startwerte]\r\nX=7\r\n"},
        {"", " Startwerte\t", "\tX", "[Startwerte]\r\nX=7\r\n"},
        {"[Startwerte]\r\nx=1\r\n", "Startwerte", "X ", "[Startwerte]\r\nx=7\r\n"},
        {"[STARTWERTE]\r\nä=1\r\n", "Startwerte", "Ä", "[STARTWERTE]\r\nä=7\r\n"},
    };
    for (const auto& f : schreiben) {
        Profildatei p = Profildatei::AusText(f.vorher);
        EXPECT_TRUE(p.Schreibe(f.abschnitt, f.schluessel, "7")) << f.schluessel;
        EXPECT_EQ(p.Text(), f.nachher) << f.schluessel;
        EXPECT_EQ(p.LiesText(f.abschnitt, f.schluessel, "-"), "7");
    }
}

// The order FileSave writes, for a model X, V with chosen axes; a second save keeps the order.
TEST(Profil, NeueDateiInDokumentierterOrdnung) {
    const auto speichere = [](Profildatei& p, const char* x, const char* v, std::int32_t modul) {
        p.Schreibe("Startwerte", "X", x);
        p.Schreibe("Startwerte", "V", v);
        p.SchreibeZahl("Koordinatensystem", "horizontal", 1);
        p.SchreibeZahl("Koordinatensystem", "vertikal", 2);
        for (const char* k : {"x1", "x2", "y1", "y2"})
            p.Schreibe("Koordinatensystem", k, "   2.000");
        p.Schreibe("Koordinatensystem", "Streckenzug", "true");
        p.SchreibeZahl("Koordinatensystem", "Punktmodul", modul);
    };
    Profildatei p;
    speichere(p, "1", "0", 1);
    const std::string erwartet =
        "[Startwerte]\r\nX=1\r\nV=0\r\n[Koordinatensystem]\r\nhorizontal=1\r\nvertikal=2\r\n"
        "x1=   2.000\r\nx2=   2.000\r\ny1=   2.000\r\ny2=   2.000\r\nStreckenzug=true\r\n"
        "Punktmodul=1\r\n";
    EXPECT_EQ(p.Text(), erwartet);
    EXPECT_EQ(p.Bytes(), erwartet);

    Profildatei wieder = Profildatei::AusBytes(p.Bytes());
    speichere(wieder, "0,5", "ä", -7);
    std::string geaendert = erwartet;
    geaendert.replace(geaendert.find("X=1"), 3, "X=0,5");
    geaendert.replace(geaendert.find("V=0"), 3, "V=\xE4");
    geaendert.replace(geaendert.find("Punktmodul=1"), 12, "Punktmodul=-7");
    EXPECT_EQ(wieder.Bytes(), geaendert);
    EXPECT_EQ(wieder.LiesZahl("Koordinatensystem", "PunktModul", 1), -7);
}

// A later model without V (and without axes) writes X only: V and the old axes stay.
TEST(Profil, NichtGeschriebeneSchluesselBleiben) {
    Profildatei p = Profildatei::AusText(
        "[Startwerte]\r\nX=1\r\nV=2\r\n[Koordinatensystem]\r\nhorizontal=1\r\nvertikal=2\r\n");
    p.Schreibe("Startwerte", "X", "5");
    p.Schreibe("Startwerte", "W", "6");
    EXPECT_EQ(p.Text(),
              "[Startwerte]\r\nX=5\r\nV=2\r\nW=6\r\n[Koordinatensystem]\r\nhorizontal=1\r\n"
              "vertikal=2\r\n");
}

TEST(Profil, ZahlenSchreibenUndLesen) {
    for (std::int32_t z : {0, 1, -1, 42, INT32_MAX, INT32_MIN}) {
        Profildatei p;
        p.SchreibeZahl("K", "Punktmodul", z);
        EXPECT_EQ(p.LiesZahl("K", "PUNKTMODUL", 99), z);
    }
}

// The encoding of the file it came from stays: UTF-8 stays UTF-8, Windows-1252 turns to UTF-8
// only for a character it cannot hold.
TEST(Profil, KodierungBleibt) {
    const std::string marke = "\xEF\xBB\xBF";
    Profildatei utf8 = Profildatei::AusBytes(marke + "[S]\r\nK=\xC3\xA4\r\n");
    EXPECT_EQ(utf8.LiesText("S", "K", ""), "ä");
    utf8.Schreibe("S", "L", "1");
    EXPECT_EQ(utf8.Bytes(), marke + "[S]\r\nK=\xC3\xA4\r\nL=1\r\n");

    Profildatei alt = Profildatei::AusBytes("[S]\r\nK=\xE4\r\n");
    alt.Schreibe("S", "L", "Ω");
    EXPECT_EQ(alt.Bytes(), marke + "[S]\r\nK=\xC3\xA4\r\nL=Ω\r\n");
    EXPECT_EQ(Profildatei::AusBytes(alt.Bytes()).LiesText("S", "L", ""), "Ω");
}

// Each example rewritten with its own values keeps its bytes, with any of the three breaks and
// with or without the byte-order mark; a changed value changes that line only.
TEST(Profil, BeispieleUnveraendertZurueck) {
    const std::vector<fs::path> dateien = Beispiele(".ini");
    ASSERT_FALSE(dateien.empty());
    for (const fs::path& pfad : dateien) {
        const std::string original = LeseDatei(pfad.string(), SIZE_MAX).bytes;
        const auto mitUmbruch = [&](const std::string& umbruch) {
            std::string s;
            for (char c : original)
                if (c != '\r') s += c == '\n' ? umbruch : std::string(1, c);
            return s;
        };
        for (const std::string& bytes :
             {original, mitUmbruch("\n"), mitUmbruch("\r"), "\xEF\xBB\xBF" + original}) {
            Profildatei p = Profildatei::AusBytes(bytes);
            const auto eintraege = Eintraege(DateitextZuUtf8(bytes));
            ASSERT_GE(eintraege.size(), 3u) << pfad;
            for (const auto& [abschnitt, schluessel] : eintraege)
                EXPECT_TRUE(
                    p.Schreibe(abschnitt, schluessel, p.Lies(abschnitt, schluessel).value()));
            EXPECT_EQ(p.Bytes(), bytes) << pfad;
        }
        Profildatei p = Profildatei::AusBytes(original);
        p.Schreibe("Startwerte", "dt", "0,25");
        std::vector<std::string> vorher = TeileZeilen(original), nachher = TeileZeilen(p.Bytes());
        ASSERT_EQ(vorher.size(), nachher.size()) << pfad;
        for (std::size_t i = 0; i < vorher.size(); ++i)
            EXPECT_EQ(nachher[i], vorher[i].rfind("DT=", 0) == 0 ? "DT=0,25" : vorher[i]) << pfad;
    }
}

// Random writes into awkward files: the written key reads back as reading sees a value, every
// other key reads as before.
TEST(Profil, SchreibenAendertNurDenGeschriebenenSchluessel) {
    std::mt19937 zufall(20240607);
    const auto wahl = [&](const std::vector<std::string>& v) {
        return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(zufall)];
    };
    const std::vector<std::string> abschnitte = {"S", "s", "T", "", "Ä"};
    const std::vector<std::string> schluessel = {"K", "k", "L", "", "x1", "a b", "Ä"};
    const std::vector<std::string> werte = {
        "1", "", " 2 ", "a=b", "x\r\ny", "ä", "\t", std::string(2100, 'w'), "[S]", "\xC3"};
    const std::vector<std::string> stuecke = {"[S]",    "[s] ", "[T]", "[]",   "K=1",
                                              " k = 2", "L=",   "=0",  "x1=3", "Kommentar",
                                              "",       "[Ä]",  "Ä=4"};
    const std::vector<std::string> umbrueche = {"\r\n", "\n", "\r", ""};
    for (int runde = 0; runde < 300; ++runde) {
        std::string text;
        for (int i = std::uniform_int_distribution<int>(0, 8)(zufall); i > 0; --i)
            text += wahl(stuecke) + wahl(umbrueche);
        Profildatei p = Profildatei::AusText(text);
        for (int schritt = 0; schritt < 4; ++schritt) {
            const std::string a = wahl(abschnitte), k = wahl(schluessel), w = wahl(werte);
            std::vector<std::optional<std::string>> vorher;
            for (const auto& a2 : abschnitte)
                for (const auto& k2 : schluessel) vorher.push_back(p.Lies(a2, k2));
            const std::string alterText = p.Text();
            ASSERT_TRUE(p.Schreibe(a, k, w));
            std::string eineZeile;
            for (std::size_t i = 0; i < w.size(); ++i) {
                if (w[i] == '\r' && i + 1 < w.size() && w[i + 1] == '\n') continue;
                eineZeile += w[i] == '\r' || w[i] == '\n' ? ' ' : w[i];
            }
            const std::string erwartet =
                Profildatei::AusText("[X]\r\nK=" + eineZeile).Lies("X", "K").value();
            ASSERT_EQ(p.Lies(a, k), erwartet) << ::testing::PrintToString(alterText) << " " << a
                                              << "/" << k << "=" << ::testing::PrintToString(w);
            std::size_t i = 0;
            for (const auto& a2 : abschnitte)
                for (const auto& k2 : schluessel) {
                    const bool derselbe =
                        Profildatei::AusText("[" + a + "]\r\n" + k + "=").Lies(a2, k2).has_value();
                    if (!derselbe) {
                        EXPECT_EQ(p.Lies(a2, k2), vorher[i]) << a2 << "/" << k2;
                    }
                    ++i;
                }
        }
    }
}

}  // namespace
