// The help pages in data/hilfe: marked examples run through the core and must give what the page
// says; links, anchors and keyword targets exist; the index is sorted; the .qrc lists every file.
// Marks: <code class="rechne" data-wert="-4">-2^2</code> (evaluated over an empty model or over
// data-var="A=10;B=3"; a number or "fehler" for 1e30, compared as single precision; or
// data-zwischen="0;10": 200 values in [0, 10)). <pre class="modell" data-schritte="3"
// data-start="X=1;DT=0,1" data-ergebnis="X=0.970"> (scanned, start values through the grid, N
// steps; results compared as the main window's result text without leading blanks; optional
// data-variablen="A|B|K", data-meldung (first message, line break as blank), data-ueberlauf="39").
// <code class="zahl" data-wert="1.5">1,5</code> (TextZuZahl; "fehler": "Fehler bei Zahleingabe",
// "ueberlauf"). <code class="ergebnistext" data-zahl="1234.5">1.2E+0003</code> (ZahlZuText).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "auswertung.h"
#include "schritt.h"
#include "test_hilfen.h"
#include "uebersetzer.h"
#include "zahltext.h"

namespace quintor {
namespace {

namespace fs = std::filesystem;
using Paare = std::vector<std::pair<std::string, std::string>>;

const fs::path kOrdner = fs::path(QUINTOR_BEISPIELE "/../data/hilfe");

std::string Lies(const fs::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

std::string Ersetze(std::string s, const Paare& paare) {
    for (const auto& [alt, neu] : paare)
        for (std::size_t p; (p = s.find(alt)) != std::string::npos;) s.replace(p, alt.size(), neu);
    return s;
}

// The entities the pages use.
std::string Entschluessle(const std::string& s) {
    return Ersetze(
        s, {{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&nbsp;", " "}, {"&amp;", "&"}});
}

std::string Text(const std::string& html) {
    return Entschluessle(std::regex_replace(html, std::regex("<[^>]*>"), ""));
}

std::string OhneRandblanks(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// "A=10;B=3,5": split at ";", each entry at its last "=".
Paare Zerlege(const std::string& s) {
    Paare r;
    std::stringstream ein(s);
    for (std::string teil; std::getline(ein, teil, ';');) {
        const std::size_t p = teil.rfind('=');
        EXPECT_NE(p, std::string::npos) << teil;
        if (p != std::string::npos) r.emplace_back(teil.substr(0, p), teil.substr(p + 1));
    }
    return r;
}

struct Beispiel {
    std::string seite, text;
    std::map<std::string, std::string> attr;
    std::string Wo() const { return seite + ": " + text; }
    std::string Attr(const std::string& n) const {
        const auto i = attr.find(n);
        return i == attr.end() ? std::string() : i->second;
    }
};

struct Hilfe {
    std::map<std::string, std::string> seiten;  // file name -> HTML
    Hilfe() {
        for (const auto& e : fs::directory_iterator(kOrdner))
            if (e.path().extension() == ".html")
                seiten[e.path().filename().string()] = Lies(e.path());
    }
    std::vector<Beispiel> Marken(const std::string& klasse) const {
        const std::regex element("<(code|pre) ([^>]*)>([\\s\\S]*?)</\\1>"),
            attribut("([a-z-]+)=\"([^\"]*)\"");
        std::vector<Beispiel> r;
        for (const auto& [name, html] : seiten) {
            std::size_t gefunden = 0;
            for (std::sregex_iterator m(html.begin(), html.end(), element), e; m != e; ++m) {
                Beispiel b{name, Text((*m)[3]), {}};
                const std::string a = (*m)[2];
                for (std::sregex_iterator n(a.begin(), a.end(), attribut); n != e; ++n)
                    b.attr[(*n)[1]] = Entschluessle((*n)[2]);
                if (b.attr["class"] == klasse) r.push_back(b), ++gefunden;
            }
            // A mark the pattern above missed would go unchecked.
            std::size_t roh = 0;
            for (std::size_t p = 0;
                 (p = html.find("class=\"" + klasse + "\"", p)) != std::string::npos; ++p)
                ++roh;
            EXPECT_EQ(roh, gefunden) << name << ": class=\"" << klasse << "\"";
        }
        return r;
    }
    std::set<std::string> Anker(const std::string& seite) const {
        std::set<std::string> r;
        const std::string& html = seiten.at(seite);
        const std::regex anker("(?:<a name|id)=\"([^\"]+)\"");
        for (std::sregex_iterator m(html.begin(), html.end(), anker), e; m != e; ++m)
            r.insert((*m)[1]);
        return r;
    }
    // "seite.html" or "seite.html#anker" or "#anker" (on `von`).
    bool Gibt(const std::string& von, const std::string& ziel) const {
        const std::size_t raute = ziel.find('#');
        const std::string seite = raute == 0 ? von : ziel.substr(0, raute);
        if (!seiten.count(seite)) return false;
        return raute == std::string::npos || Anker(seite).count(ziel.substr(raute + 1));
    }
};

TEST(Hilfe, RechenbeispieleErgebenDenGenanntenWert) {
    const auto beispiele = Hilfe().Marken("rechne");
    EXPECT_GE(beispiele.size(), 100u);
    for (const Beispiel& b : beispiele) {
        test::Testmodell t;
        for (const auto& [name, wert] : Zerlege(b.Attr("data-var"))) {
            auto& v = t.m.Variablen[static_cast<std::size_t>(++t.m.Variablenzahl)];
            v.Name = name;
            v.Wert = TextZuZahl(wert, t.meldungen);
        }
        const PKnoten baum = Uebersetze(b.text, t.m, t.meldungen);
        if (const std::string grenzen = b.Attr("data-zwischen"); !grenzen.empty()) {
            const double von = std::stod(grenzen),
                         bis = std::stod(grenzen.substr(grenzen.find(';') + 1));
            for (int i = 0; i < 200; ++i) {
                const double w = Funktionsberechnung(t.m, baum.get());
                EXPECT_TRUE(von <= w && w < bis) << b.Wo() << " = " << w;
            }
        } else {
            const std::string soll = b.Attr("data-wert");
            ASSERT_FALSE(soll.empty()) << b.Wo();
            const double erwartet = soll == "fehler" ? Fehlerwert : std::stod(soll);
            EXPECT_EQ(static_cast<float>(Funktionsberechnung(t.m, baum.get())),
                      static_cast<float>(erwartet))
                << b.Wo();
        }
        EXPECT_TRUE(t.meldungen.eintraege.empty()) << b.Wo();
    }
}

TEST(Hilfe, ModelleRechnenWieBeschrieben) {
    const auto modelle = Hilfe().Marken("modell");
    EXPECT_GE(modelle.size(), 20u);
    for (const Beispiel& b : modelle) {
        const auto attr = [&](const char* n) { return b.Attr(n); };
        test::Testmodell t;
        std::vector<std::string> zeilen;
        std::stringstream ein(b.text);
        for (std::string z; std::getline(ein, z);) zeilen.push_back(z);
        const bool fertig = t.Scanne(zeilen) == Scanergebnis::Fertig;
        std::string meldung = t.meldungen.eintraege.empty() ? "" : t.meldungen.eintraege[0].second;
        std::replace(meldung.begin(), meldung.end(), '\n', ' ');
        EXPECT_EQ(meldung, attr("data-meldung")) << b.Wo();
        if (!attr("data-variablen").empty()) {
            std::string namen;
            for (int i = 1; i <= t.m.Variablenzahl; ++i)
                namen += (i > 1 ? "|" : "") + t.m.Variablen[static_cast<std::size_t>(i)].Name;
            EXPECT_EQ(namen, attr("data-variablen")) << b.Wo();
        }
        const int schritte = attr("data-schritte").empty() ? 0 : std::stoi(attr("data-schritte"));
        EXPECT_TRUE(fertig || schritte == 0) << b.Wo();
        if (!fertig) continue;
        for (const auto& [name, text] : Zerlege(attr("data-start"))) {
            ASSERT_GT(t.Nr(name), 0) << b.Wo() << ": " << name;
            t.d.SetzeStartwerttext(t.Nr(name), text);
        }
        EXPECT_TRUE(t.d.StartwerteUebernehmen(t.meldungen));
        int ueberlauf = 0;
        for (int i = 1; i <= schritte && !ueberlauf; ++i) {
            try {
                Rechenschritt(t.m);
            } catch (const Gleitkommaueberlauf&) {
                ueberlauf = i;
            }
        }
        EXPECT_EQ(ueberlauf, attr("data-ueberlauf").empty() ? 0 : std::stoi(attr("data-ueberlauf")))
            << b.Wo();
        for (const auto& [name, text] : Zerlege(attr("data-ergebnis"))) {
            ASSERT_GT(t.Nr(name), 0) << b.Wo() << ": " << name;
            EXPECT_EQ(OhneRandblanks(ZahlZuText(t.Wert(name))), text) << b.Wo() << ": " << name;
        }
        EXPECT_EQ(t.meldungen.eintraege.size(), meldung.empty() ? 0u : 1u) << b.Wo();
    }
}

TEST(Hilfe, ZahltexteWieBeschrieben) {
    const Hilfe h;
    for (const Beispiel& b : h.Marken("zahl")) {
        test::Protokoll p;
        const std::string soll = b.Attr("data-wert");
        if (soll == "ueberlauf") {
            EXPECT_THROW(TextZuZahl(b.text, p), Gleitkommaueberlauf) << b.Wo();
            continue;
        }
        const float ist = TextZuZahl(b.text, p);
        EXPECT_EQ(ist, soll == "fehler" ? 0.0f : static_cast<float>(std::stod(soll))) << b.Wo();
        EXPECT_EQ(p.Texte(), soll == "fehler" ? std::vector<std::string>{"Fehler bei Zahleingabe"}
                                              : std::vector<std::string>{})
            << b.Wo();
    }
    for (const Beispiel& b : h.Marken("ergebnistext"))
        EXPECT_EQ(OhneRandblanks(ZahlZuText(static_cast<float>(std::stod(b.Attr("data-zahl"))))),
                  OhneRandblanks(b.text))
            << b.Wo();
}

TEST(Hilfe, VerweiseUndAnkerGibtEs) {
    const Hilfe h;
    for (const char* seite :
         {"inhalt.html", "hilfe_benutzen.html", "graph.html", "tabelle.html", "konstanten.html"})
        EXPECT_TRUE(h.seiten.count(seite)) << seite;
    EXPECT_TRUE(h.Gibt("", "graph.html#variablenauswahl") &&
                h.Gibt("", "graph.html#einstellungen"));
    EXPECT_TRUE(h.Gibt("", "tabelle.html#variablenwahl"));
    const std::regex verweis("(href|src)=\"([^\"]*)\"");
    for (const auto& [name, html] : h.seiten) {
        for (std::sregex_iterator m(html.begin(), html.end(), verweis), e; m != e; ++m) {
            const std::string ziel = (*m)[2];
            const bool datei = (*m)[1] == "src" || ziel.ends_with(".css");
            const bool gibt = datei ? fs::exists(kOrdner / ziel) : h.Gibt(name, ziel);
            EXPECT_TRUE(gibt) << name << ": " << ziel;
        }
        const bool imInhalt =
            h.seiten.at("inhalt.html").find("href=\"" + name) != std::string::npos;
        EXPECT_TRUE(imInhalt || name == "inhalt.html") << name;
    }
}

// German order: case and umlauts do not count (ä as a, ß as ss); the exact text decides ties.
std::string Sortierschluessel(const std::string& wort) {
    std::string r = Ersetze(
        wort,
        {{"ä", "a"}, {"Ä", "a"}, {"ö", "o"}, {"Ö", "o"}, {"ü", "u"}, {"Ü", "u"}, {"ß", "ss"}});
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

TEST(Hilfe, StichwoerterSortiertUndErreichbar) {
    const Hilfe h;
    std::stringstream ein(Lies(kOrdner / "stichwoerter.txt"));
    std::vector<std::string> woerter;
    for (std::string zeile; std::getline(ein, zeile);) {
        const std::size_t tab = zeile.find('\t');
        ASSERT_NE(tab, std::string::npos) << zeile;
        woerter.push_back(zeile.substr(0, tab));
        EXPECT_TRUE(h.Gibt("", zeile.substr(tab + 1))) << zeile;
    }
    EXPECT_GE(woerter.size(), 80u);
    EXPECT_LE(woerter.size(), 300u);
    for (std::size_t i = 1; i < woerter.size(); ++i)
        EXPECT_LT(std::make_pair(Sortierschluessel(woerter[i - 1]), woerter[i - 1]),
                  std::make_pair(Sortierschluessel(woerter[i]), woerter[i]))
            << woerter[i];
}

TEST(Hilfe, RessourcendateiNenntJedeDatei) {
    const std::string qrc = Lies(kOrdner / "hilfe.qrc");
    EXPECT_NE(qrc.find("prefix=\"/hilfe\""), std::string::npos);
    std::set<std::string> genannt, vorhanden;
    const std::regex datei("<file>([^<]+)</file>");
    for (std::sregex_iterator m(qrc.begin(), qrc.end(), datei), e; m != e; ++m)
        genannt.insert((*m)[1]);
    for (const auto& e : fs::directory_iterator(kOrdner))
        if (e.path().filename() != "hilfe.qrc") vorhanden.insert(e.path().filename().string());
    EXPECT_EQ(genannt, vorhanden);
}

}  // namespace
}  // namespace quintor
