#include "batch.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <new>
#include <optional>

#include "csv.h"
#include "dokument.h"
#include "lauf.h"
#include "meldungen.h"
#include "modelldateien.h"
#include "tabellentext.h"
#include "text.h"
#include "textdatei.h"
#include "zahltext.h"

namespace quintor {

namespace {

constexpr const char* kHilfe =
    "Aufruf: quintor-batch [Optionen] MODELL.sim\n"
    "\n"
    "Rechnet ein Quintor-Modell ohne Fenster und schreibt die Tabelle, wie sie das\n"
    "Tabellenfenster zeigt, auf die Standardausgabe.\n"
    "\n"
    "Optionen:\n"
    "  -n N               Anzahl der Wiederholungen (Vorgabe 20)\n"
    "  -c NAME[,NAME...]  Spalten in dieser Reihenfolge (Vorgabe: alle Variablen)\n"
    "  -k K               Zeilen auslassen, 0 bis 1000 (Vorgabe 0)\n"
    "  -s NAME=TEXT       Startwert einer Variablen (mehrfach; Dezimalkomma erlaubt)\n"
    "  --seed S           Startzustand des Zufallsgenerators, 0 bis 4294967295\n"
    "                     (Vorgabe: aus der Uhr)\n"
    "  --genau            Namen und Werte durch Tabulatoren getrennt, jeder Wert so kurz\n"
    "                     wie möglich und doch genau\n"
    "  --csv              die Tabelle als CSV-Datei für Tabellenkalkulationen: Semikolon\n"
    "                     zwischen den Zellen, Dezimalkomma, UTF-8 mit Byte-Order-Mark,\n"
    "                     CR LF, eine Kopfzeile mit den Namen, jeder Wert so kurz wie\n"
    "                     möglich und doch genau; wie \"Speichern als CSV…\" im\n"
    "                     Tabellenfenster\n"
    "  --ergebnis         statt der Tabelle die Ergebnisse nach N Schritten, wie die\n"
    "                     \"Iteration\" des Hauptfensters sie zeigt\n"
    "  --bis BEDINGUNG    Abbruchbedingung, z. B. \"Y<0\" oder \"T >= 2,5\" (Vergleiche\n"
    "                     <, <=, >, >=): der Lauf endet nach dem ersten Schritt, dessen\n"
    "                     Wert sie erfüllt, spätestens nach N Schritten. Die Tabelle\n"
    "                     endet dann mit einer Zeile der Werte, die sie erfüllen;\n"
    "                     \"--bis keine\" rechnet ohne die im Modell gesicherte Bedingung\n"
    "  --help             diese Hilfe\n"
    "\n"
    "Die Startwerte kommen aus der Begleitdatei MODELL.ini (Abschnitt [Startwerte]),\n"
    "sonst sind sie 0; ebenso eine dort gesicherte Abbruchbedingung. Meldungen gehen\n"
    "auf die Standardfehlerausgabe, auch \"Informationen: Abbruch: Y < 0 nach 143\n"
    "Schritten\", wenn die Abbruchbedingung den Lauf beendet hat.\n"
    "\n"
    "Rückgabewert: 0 gerechnet, 1 Modell fehlerhaft, 2 Aufruf- oder Dateifehler,\n"
    "3 Gleitkommaüberlauf während der Rechnung.\n";

// Message boxes become lines: "Titel: Text", the line break a blank.
class Fehlerausgabe : public Meldungen {
  public:
    explicit Fehlerausgabe(std::ostream& aus) : aus_(aus) {}
    void Melde(Meldungsart art, const std::string& text) override {
        std::string zeile(Titel(art));
        zeile += ": ";
        for (char c : text) zeile.push_back(c == '\n' || c == '\r' ? ' ' : c);
        aus_ << zeile << '\n';
        aus_.flush();
    }

  private:
    std::ostream& aus_;
};

struct Aufruf {
    std::string modell;
    std::int64_t wiederholungen = 20;
    std::optional<std::vector<std::string>> spalten;
    std::int64_t auslassen = 0;
    std::vector<std::pair<std::string, std::string>> startwerte;
    std::optional<std::uint32_t> saat;
    bool genau = false;
    bool csv = false;
    bool ergebnis = false;
    bool hilfe = false;
    // --bis: nullopt keeps the model's own condition; an empty inner value runs without one.
    std::optional<std::optional<Abbruchbedingung>> bis;
};

struct Aufruffehler {
    std::string text;
};

std::int64_t GanzeZahl(const std::string& text, std::int64_t min, std::int64_t max,
                       const char* option) {
    std::int64_t wert = 0;
    auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size() || wert < min || wert > max)
        throw Aufruffehler{std::string("Ungültiger Wert für ") + option + ": \"" + text + "\""};
    return wert;
}

std::vector<std::string> Liste(const std::string& text) {
    std::vector<std::string> namen;
    std::size_t anfang = 0;
    for (;;) {
        const std::size_t komma = text.find(',', anfang);
        namen.push_back(text.substr(anfang, komma - anfang));
        if (komma == std::string::npos) break;
        anfang = komma + 1;
    }
    return namen;
}

Aufruf LeseAufruf(const std::vector<std::string>& arg) {
    Aufruf a;
    bool nurNochDateien = false;
    std::vector<std::string> dateien;
    for (std::size_t i = 0; i < arg.size(); ++i) {
        const std::string& o = arg[i];
        auto wert = [&]() -> const std::string& {
            if (i + 1 >= arg.size()) throw Aufruffehler{"Der Option " + o + " fehlt ihr Wert."};
            return arg[++i];
        };
        if (nurNochDateien || o.empty() || o[0] != '-' || o == "-") {
            dateien.push_back(o);
        } else if (o == "--") {
            nurNochDateien = true;
        } else if (o == "--help" || o == "-h") {
            a.hilfe = true;
        } else if (o == "-n") {
            a.wiederholungen = GanzeZahl(wert(), 0, INT32_MAX, "-n");
        } else if (o == "-k") {
            a.auslassen = GanzeZahl(wert(), 0, 1000, "-k");
        } else if (o == "-c") {
            a.spalten = Liste(wert());
        } else if (o == "-s") {
            const std::string& s = wert();
            const std::size_t gleich = s.find('=');
            if (gleich == std::string::npos)
                throw Aufruffehler{"-s erwartet NAME=TEXT, nicht \"" + s + "\""};
            a.startwerte.emplace_back(s.substr(0, gleich), s.substr(gleich + 1));
        } else if (o == "--seed") {
            a.saat = static_cast<std::uint32_t>(GanzeZahl(wert(), 0, UINT32_MAX, "--seed"));
        } else if (o == "--genau") {
            a.genau = true;
        } else if (o == "--csv") {
            a.csv = true;
        } else if (o == "--ergebnis") {
            a.ergebnis = true;
        } else if (o == "--bis") {
            const std::string& text = wert();
            if (text == "keine") {
                a.bis.emplace(std::nullopt);
            } else {
                std::string grund;
                a.bis = LeseAbbruchbedingung(text, &grund);
                if (!*a.bis) throw Aufruffehler{grund};
            }
        } else {
            throw Aufruffehler{"Unbekannte Option: " + o};
        }
    }
    if (a.hilfe) return a;
    if (dateien.size() != 1) throw Aufruffehler{"Es muss genau eine Modelldatei angegeben werden."};
    if (int(a.genau) + int(a.ergebnis) + int(a.csv) > 1)
        throw Aufruffehler{"--genau, --csv und --ergebnis schließen sich aus."};
    a.modell = dateien[0];
    return a;
}

// The variable of a name given on the command line (upper-cased like the scan does).
std::int32_t Variablennummer(const Modell& m, const std::string& name) {
    const std::string gross = Grossbuchstaben(name);
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i)
        if (m.Variablen[static_cast<std::size_t>(i)].Name == gross) return i;
    throw Aufruffehler{"Das Modell hat keine Variable \"" + name + "\"."};
}

// Writing standard output failed (a full disk, a closed pipe): the table would be cut short.
struct Ausgabefehler {
    int nummer;
};

// Flushes and checks the stream; throws Ausgabefehler with the system's error number.
void PruefeAusgabe(std::ostream& aus) {
    if (aus) {
        errno = 0;
        aus.flush();
    }
    if (!aus) throw Ausgabefehler{errno != 0 ? errno : EIO};
}

class Ausgabe {
  public:
    explicit Ausgabe(std::ostream& aus) : aus_(aus) {}
    std::string puffer;
    // Ends a line: with a line break unless the line brought its own.
    void Zeile(bool umbruch = true) {
        if (umbruch) puffer.push_back('\n');
        if (puffer.size() > (1u << 16)) Leeren();
    }
    // Writes what is buffered; throws Ausgabefehler when the stream refuses it.
    void Leeren() {
        errno = 0;
        aus_.write(puffer.data(), static_cast<std::streamsize>(puffer.size()));
        puffer.clear();
        if (!aus_) throw Ausgabefehler{errno != 0 ? errno : EIO};
    }

  private:
    std::ostream& aus_;
};

void ErgebnisZeilen(const Modell& m, Ausgabe& aus) {
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i) {
        aus.puffer += m.Variablen[static_cast<std::size_t>(i)].Name;
        aus.puffer += " = ";
        aus.puffer += ZahlZuText(m.Variablen[static_cast<std::size_t>(i)].Wert);
        aus.Zeile();
    }
}

void GenauerTitel(const Modell& m, const std::vector<std::int32_t>& spalten, Ausgabe& aus) {
    for (std::size_t c = 0; c < spalten.size(); ++c) {
        if (c) aus.puffer.push_back('\t');
        aus.puffer += m.Variablen[static_cast<std::size_t>(spalten[c])].Name;
    }
    aus.Zeile();
}

void GenaueDaten(const Modell& m, const std::vector<std::int32_t>& spalten, Ausgabe& aus) {
    for (std::size_t c = 0; c < spalten.size(); ++c) {
        if (c) aus.puffer.push_back('\t');
        aus.puffer += KuerzesterText(m.Variablen[static_cast<std::size_t>(spalten[c])].Wert);
    }
    aus.Zeile();
}

// Passes on nothing but keeps every message, to be shown only when it matters here.
class Vorbehalt : public Meldungen {
  public:
    void Melde(Meldungsart art, const std::string& text) override {
        gehalten.emplace_back(art, text);
    }
    void Weiter(Meldungen& an) const {
        for (const auto& [art, text] : gehalten) an.Melde(art, text);
    }
    std::vector<std::pair<Meldungsart, std::string>> gehalten;
};

// Opens the model as the program's Open does: the text, the scan, the settings file, then the
// start values of the command line. A status to end with, or nullopt when the model can run.
std::optional<int> OeffneModell(const Aufruf& a, Dokument& dokument, Meldungen& meldungen) {
    const std::optional<Modelltext> text = LeseModelldatei(a.modell, meldungen);
    if (!text) return kAufrufFehler;
    dokument.SetzeZeilen(text->zeilen);
    const Scanergebnis scan = dokument.Scanne(meldungen);
    if (scan == Scanergebnis::Leer) {
        meldungen.Melde(Meldungsart::Fehler, "Die Modelldatei enthält keine Gleichung.");
        return kModellFehler;
    }
    if (scan != Scanergebnis::Fertig) return kModellFehler;
    dokument.SetzeDateiname(a.modell);
    // Only the start values are of use here: what the graph settings say is not shown.
    Vorbehalt einstellungen;
    if (LeseEinstellungen(dokument, einstellungen) == Einstellungen::Fehlerhaft) {
        einstellungen.Weiter(meldungen);
        return kAufrufFehler;
    }
    for (const auto& [name, wert] : a.startwerte)
        dokument.SetzeStartwerttext(Variablennummer(dokument.Daten(), name), wert);
    if (a.bis) dokument.SetzeAbbruch(*a.bis);
    return std::nullopt;
}

// Like "Iteration": the results after the steps (those that met the stop condition, if it ended
// the run).
int Ergebnis(Lauf& lauf, const Modell& m, std::int64_t schritte, Ausgabe& ausgabe) {
    lauf.Hoechstzahl = schritte;
    bool ueberlauf = false;
    if (schritte > 0) {
        do {
            ueberlauf = lauf.Schritt() == Laufende::Ueberlauf;
        } while (lauf.Pruefe() == Laufende::Weiter);
    }
    ErgebnisZeilen(m, ausgabe);
    return ueberlauf ? kUeberlauf : kGerechnet;
}

void DatenZeile(const Modell& m, const Aufruf& a, const std::vector<std::int32_t>& spalten,
                Ausgabe& ausgabe) {
    if (a.csv) {
        std::vector<float> werte;
        for (std::int32_t nr : spalten) werte.push_back(m.Variablen[std::size_t(nr)].Wert);
        HaengeWerteAn(ausgabe.puffer, werte.data(), werte.size(), Austauschform::Csv);
        ausgabe.Zeile(false);
    } else if (a.genau) {
        GenaueDaten(m, spalten, ausgabe);
    } else {
        HaengeDatenZeileAn(ausgabe.puffer, m, spalten);
        ausgabe.Zeile();
    }
}

// Like the table: the values before each step, at least one step. When the stop condition ends
// the run, one more line shows the values that met it (also when -k would skip it): the line of
// the step that is no longer made.
int Tabelle(Lauf& lauf, const Modell& m, const Aufruf& a, const std::vector<std::int32_t>& spalten,
            Ausgabe& ausgabe) {
    if (a.csv) {
        std::vector<std::string> namen;
        for (std::int32_t nr : spalten) namen.push_back(m.Variablen[std::size_t(nr)].Name);
        ausgabe.puffer += kBom;
        HaengeKopfAn(ausgabe.puffer, namen, Austauschform::Csv);
        ausgabe.Zeile(false);
    } else if (a.genau) {
        GenauerTitel(m, spalten, ausgabe);
    } else {
        ausgabe.puffer += TitelZeile(m, spalten);
        ausgabe.Zeile();
        ausgabe.Zeile();
    }
    lauf.Hoechstzahl = std::max<std::int64_t>(a.wiederholungen, 1);
    do {
        if (ZeileFaellig(lauf.Schritte() + 1, a.auslassen)) DatenZeile(m, a, spalten, ausgabe);
        if (lauf.Schritt() == Laufende::Ueberlauf) return kUeberlauf;
    } while (lauf.Pruefe() == Laufende::Weiter);
    if (lauf.Pruefe() == Laufende::Bedingung) DatenZeile(m, a, spalten, ausgabe);
    return kGerechnet;
}

int Rechne(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
           Fehlerausgabe& meldungen) {
    Aufruf a;
    try {
        a = LeseAufruf(argumente);
    } catch (const Aufruffehler& f) {
        fehler << "Fehler: " << f.text << "\n"
               << "Hilfe: quintor-batch --help\n";
        return kAufrufFehler;
    }
    if (a.hilfe) {
        errno = 0;
        aus << kHilfe;
        PruefeAusgabe(aus);
        return kGerechnet;
    }

    Dokument dokument;
    std::vector<std::int32_t> spalten;
    try {
        if (const std::optional<int> status = OeffneModell(a, dokument, meldungen)) return *status;
        const Modell& m = dokument.Daten();
        if (a.spalten) {
            for (const std::string& name : *a.spalten) spalten.push_back(Variablennummer(m, name));
        } else {
            for (std::int32_t i = 1; i <= m.Variablenzahl; ++i) spalten.push_back(i);
        }
    } catch (const Aufruffehler& f) {
        fehler << "Fehler: " << f.text << "\n";
        return kAufrufFehler;
    }
    if (!dokument.StartwerteUebernehmen(meldungen)) return kUeberlauf;

    Modell& m = dokument.Daten();
    m.Zufallszustand = a.saat ? *a.saat
                              : static_cast<std::uint32_t>(
                                    std::chrono::steady_clock::now().time_since_epoch().count());
    Lauf lauf(m);
    if (!lauf.SetzeBedingung(dokument.Abbruch())) {
        fehler << "Fehler: Die Abbruchbedingung \"" << Bedingungstext(*dokument.Abbruch())
               << "\" nennt keine Variable des Modells.\n";
        return kAufrufFehler;
    }
    lauf.Starte();
    Ausgabe ausgabe(aus);
    const int status = a.ergebnis ? Ergebnis(lauf, m, a.wiederholungen, ausgabe)
                                  : Tabelle(lauf, m, a, spalten, ausgabe);
    ausgabe.Leeren();
    PruefeAusgabe(aus);
    if (status == kUeberlauf) meldungen.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
    if (lauf.Pruefe() == Laufende::Bedingung)
        meldungen.Melde(Meldungsart::Information,
                        Abbruchmeldung(*dokument.Abbruch(), lauf.Schritte()));
    return status;
}

}  // namespace

int Batchlauf(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler) {
    Fehlerausgabe meldungen(fehler);
    try {
        return Rechne(argumente, aus, fehler, meldungen);
    } catch (const Ausgabefehler& f) {
        meldungen.Melde(Meldungsart::Fehler,
                        "Die Ausgabe kann nicht geschrieben werden. " + Systemgrund(f.nummer));
    } catch (const std::bad_alloc&) {
        meldungen.Melde(Meldungsart::Fehler, "Der Speicher reicht für dieses Modell nicht aus.");
    }
    return kAufrufFehler;
}

}  // namespace quintor
