#include "modelldateien.h"

#include <filesystem>
#include <system_error>

#include "lauf.h"
#include "profil.h"
#include "tabellentext.h"
#include "text.h"
#include "textdatei.h"
#include "zahltext.h"

namespace quintor {

namespace {

constexpr const char* kStartwerte = "Startwerte";
constexpr const char* kKoordinaten = "Koordinatensystem";
constexpr const char* kAbbruch = "Abbruchbedingung";
constexpr const char* kZusatz = "Graphzusatz";

// A regular file (through a link); a folder or a pipe is none.
bool IstDatei(const std::string& pfad) {
    std::error_code fehler;
    return std::filesystem::is_regular_file(pfad, fehler);
}

// The bytes of a text file of this kind ("Modelldatei" ...), or nullopt after the message.
std::optional<std::string> LiesText(const std::string& pfad, const char* art,
                                    Meldungen& meldungen) {
    Gelesen g = LeseTextdatei(pfad);
    if (!g) {
        meldungen.Melde(Meldungsart::Fehler, Lesemeldung(pfad, g, art));
        return std::nullopt;
    }
    return std::move(g.bytes);
}

// The bytes of a companion file about to be replaced ("" when there is none), or nullopt after a
// message when it must stay: a file that is no text file of its kind (a word processor's
// document named like the model) is never written over.
std::optional<std::string> Ersetzbar(const std::string& pfad, const char* art, const char* wasNicht,
                                     Meldungen& meldungen) {
    // Nothing there, or a folder or pipe: writing then fails (or not) as it would anyway.
    if (!IstDatei(pfad)) return std::string();
    Gelesen g = LeseTextdatei(pfad);
    if (g) return std::move(g.bytes);
    if (g.fehler == Lesefehler::NichtLesbar)
        meldungen.Melde(Meldungsart::Fehler, Lesemeldung(pfad, g, art));
    else
        meldungen.Melde(Meldungsart::Fehler, "Die Datei " + pfad + " ist keine " + art +
                                                 " und bleibt unverändert.\n" + wasNicht);
    return std::nullopt;
}

// Writes a model or comment file; false after the message.
bool SchreibeText(const std::string& pfad, const std::string& bytes, Meldungen& meldungen) {
    std::string grund;
    if (ErsetzeDatei(pfad, bytes, &grund)) return true;
    meldungen.Melde(Meldungsart::Fehler,
                    "Datei \"" + pfad + "\" kann nicht erstellt werden. " + grund);
    return false;
}

// "3,5" and back; nullopt for anything but up to kWeitereKurven integers.
std::optional<std::vector<std::int32_t>> LeseKurven(std::string_view text) {
    std::vector<std::int32_t> kurven;
    if (text.find_first_not_of(" \t") == std::string_view::npos) return kurven;
    for (std::size_t von = 0;;) {
        const std::size_t bis = text.find(',', von);
        std::string_view teil = text.substr(von, bis == std::string_view::npos ? bis : bis - von);
        teil.remove_prefix(std::min(teil.size(), teil.find_first_not_of(" \t")));
        teil.remove_suffix(teil.size() - std::min(teil.size(), teil.find_last_not_of(" \t") + 1));
        const std::optional<std::int32_t> i = LeseGanzzahl(teil);
        if (!i || kurven.size() == Graphwerte::kWeitereKurven) return std::nullopt;
        kurven.push_back(*i);
        if (bis == std::string_view::npos) return kurven;
        von = bis + 1;
    }
}

std::string KurvenText(const std::vector<std::int32_t>& kurven) {
    std::string text;
    for (const std::int32_t i : kurven) text += (text.empty() ? "" : ",") + std::to_string(i);
    return text;
}

// [Graphzusatz]: the step limit and the further curves. A file without it gives the defaults; a
// value that cannot be read is reported and gives its default. Curves that name no variable of
// this model are left out.
void LeseZusatz(const Profildatei& profil, const std::string& ini, std::int32_t variablenzahl,
                Graphwerte& g, Meldungen& meldungen) {
    const Graphwerte vorgabe;
    bool fehlerhaft = false;
    const std::string an = profil.LiesText(kZusatz, "SchrittgrenzeAn", "false");
    g.SchrittgrenzeAn = an == "true";
    fehlerhaft |= !g.SchrittgrenzeAn && an != "false";
    const std::optional<std::int32_t> grenze = LeseGanzzahl(
        profil.LiesText(kZusatz, "Schrittgrenze", std::to_string(vorgabe.Schrittgrenze)));
    const bool grenzeGut = grenze && *grenze >= 1;
    g.Schrittgrenze = grenzeGut ? *grenze : vorgabe.Schrittgrenze;
    fehlerhaft |= !grenzeGut;
    const auto kurven = LeseKurven(profil.LiesText(kZusatz, "WeitereKurven", ""));
    fehlerhaft |= !kurven;
    g.WeitereKurven.clear();
    for (const std::int32_t i : kurven.value_or(vorgabe.WeitereKurven))
        if (i >= 1 && i <= variablenzahl) g.WeitereKurven.push_back(i);
    if (fehlerhaft)
        meldungen.Melde(Meldungsart::Warnung, "Einige Graph-Einstellungen im Abschnitt [" +
                                                  std::string(kZusatz) + "] von " + ini +
                                                  " sind fehlerhaft; für sie gelten die Vorgaben.");
}

// [Koordinatensystem] over the document's graph settings. Limits that are no number are reported
// and read as 0; one beyond the single range keeps all four.
Graphwerte LeseGraph(const Profildatei& profil, const std::string& ini, const Dokument& dokument,
                     Meldungen& meldungen) {
    Graphwerte g = dokument.Graph();
    g.horizontal = profil.LiesZahl(kKoordinaten, "horizontal", 0);
    g.vertikal = profil.LiesZahl(kKoordinaten, "vertikal", 0);
    // Indices that name no variable of this model count as not chosen.
    const std::int32_t n = dokument.Daten().Variablenzahl;
    const auto imModell = [n](std::int32_t i) { return i >= 1 && i <= n; };
    g.AchsenGewaehlt = imModell(g.horizontal) && imModell(g.vertikal);
    try {
        const auto grenze = [&](const char* schluessel, const char* vorgabe) {
            return TextZuZahl(profil.LiesText(kKoordinaten, schluessel, vorgabe), meldungen);
        };
        const float x1 = grenze("x1", "-10"), x2 = grenze("x2", "10");
        const float y1 = grenze("y1", "-10"), y2 = grenze("y2", "10");
        // A pair the coordinate system cannot map (equal limits) keeps the document's.
        g.SetzeGrenzen(x1, x2, y1, y2);
    } catch (const Gleitkommaueberlauf&) {
        meldungen.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
    }
    g.Streckenzug = profil.LiesText(kKoordinaten, "Streckenzug", "true") == "true";
    g.Punktmodul = profil.LiesZahl(kKoordinaten, "PunktModul", 1);
    LeseZusatz(profil, ini, n, g, meldungen);
    return g;
}

// Writes [Graphzusatz] for the model's variables: a value that is the default only where the file
// has the key already, so that a model without these settings keeps the bytes it had.
void SchreibeZusatz(Profildatei& profil, const Graphwerte& g, std::int32_t variablenzahl) {
    const Graphwerte vorgabe;
    std::vector<std::int32_t> kurven;
    for (const std::int32_t i : g.WeitereKurven)
        if (i >= 1 && i <= variablenzahl) kurven.push_back(i);
    const auto schreibe = [&profil](const char* schluessel, const std::string& wert, bool anders) {
        if (anders || profil.Lies(kZusatz, schluessel)) profil.Schreibe(kZusatz, schluessel, wert);
    };
    schreibe("SchrittgrenzeAn", g.SchrittgrenzeAn ? "true" : "false",
             g.SchrittgrenzeAn != vorgabe.SchrittgrenzeAn);
    schreibe("Schrittgrenze", std::to_string(g.Schrittgrenze),
             g.Schrittgrenze != vorgabe.Schrittgrenze);
    schreibe("WeitereKurven", KurvenText(kurven), kurven != vorgabe.WeitereKurven);
}

// [Abbruchbedingung]: none without a variable name; a comparison or value that cannot be read is
// reported and leaves no condition, so that a run never stops on a guess.
std::optional<Abbruchbedingung> LeseAbbruch(const Profildatei& profil, const std::string& ini,
                                            Meldungen& meldungen) {
    const std::string name = Grossbuchstaben(profil.LiesText(kAbbruch, "Variable", ""));
    if (name.empty()) return std::nullopt;
    const auto vergleich = VergleichAusZeichen(profil.LiesText(kAbbruch, "Vergleich", ""));
    const std::string text = KommaZuPunkt(profil.LiesText(kAbbruch, "Wert", ""));
    const std::optional<long double> zahl = text.empty() ? std::nullopt : LeseZahl(text);
    const std::optional<float> wert = zahl ? AlsSingle(*zahl) : std::nullopt;
    if (!vergleich || !wert) {
        meldungen.Melde(Meldungsart::Warnung, "Die Abbruchbedingung in " + ini +
                                                  " ist fehlerhaft und wird nicht verwendet.");
        return std::nullopt;
    }
    return Abbruchbedingung{name, *vergleich, *wert};
}

// Writes the stop condition into its own section; with none, a file that never had one keeps
// its bytes and one that had one gets an empty variable name.
void SchreibeAbbruch(Profildatei& profil, const std::optional<Abbruchbedingung>& b) {
    if (!b) {
        if (!profil.LiesText(kAbbruch, "Variable", "").empty())
            profil.Schreibe(kAbbruch, "Variable", "");
        return;
    }
    profil.Schreibe(kAbbruch, "Variable", b->Name);
    profil.Schreibe(kAbbruch, "Vergleich", Vergleichszeichen(b->vergleich));
    profil.Schreibe(kAbbruch, "Wert", KuerzesterText(b->Wert));
}

// The settings file's new bytes: every key it has, the start-value texts and, once axes were
// chosen, the graph settings. Names the file cannot hold as keys are reported.
std::string Einstellungstext(const Dokument& dokument, std::string_view alt, Meldungen& meldungen) {
    Profildatei profil = Profildatei::AusBytes(alt);
    const Modell& m = dokument.Daten();
    std::string ohneSchluessel;
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i) {
        const std::string& name = m.Variablen[static_cast<std::size_t>(i)].Name;
        if (!profil.Schreibe(kStartwerte, name, dokument.Startwerttext(i)))
            ohneSchluessel += (ohneSchluessel.empty() ? "" : ", ") + name;
    }
    if (!ohneSchluessel.empty())
        meldungen.Melde(Meldungsart::Warnung,
                        "Diese Startwerte können nicht gesichert werden: " + ohneSchluessel +
                            "\nIhre Namen enthalten \"=\" oder beginnen mit \"[\".");
    const Graphwerte& g = dokument.Graph();
    if (g.AchsenGewaehlt) {
        profil.Schreibe(kKoordinaten, "horizontal", std::to_string(g.horizontal));
        profil.Schreibe(kKoordinaten, "vertikal", std::to_string(g.vertikal));
        profil.Schreibe(kKoordinaten, "x1", ZahlZuText(g.x1));
        profil.Schreibe(kKoordinaten, "x2", ZahlZuText(g.x2));
        profil.Schreibe(kKoordinaten, "y1", ZahlZuText(g.y1));
        profil.Schreibe(kKoordinaten, "y2", ZahlZuText(g.y2));
        profil.Schreibe(kKoordinaten, "Streckenzug", g.Streckenzug ? "true" : "false");
        profil.Schreibe(kKoordinaten, "Punktmodul", std::to_string(g.Punktmodul));
        SchreibeZusatz(profil, g, m.Variablenzahl);
    }
    SchreibeAbbruch(profil, dokument.Abbruch());
    return profil.Bytes();
}

void SpeichereKommentar(const Dokument& dokument, Dateikodierung kodierung, Meldungen& meldungen) {
    const std::string doc = Begleitdatei(dokument.Dateiname(), ".doc");
    if (!Ersetzbar(doc, "Kommentardatei", "Der Kommentar wurde nicht gesichert!", meldungen))
        return;
    SchreibeText(doc, ZeilenZuDateitext(TeileZeilen(dokument.Kommentar()), kodierung), meldungen);
}

void SpeichereEinstellungen(const Dokument& dokument, Meldungen& meldungen) {
    const std::string ini = Begleitdatei(dokument.Dateiname(), ".ini");
    const std::optional<std::string> alt =
        Ersetzbar(ini, "Einstellungsdatei", "Die Startwerte wurden nicht gesichert!", meldungen);
    if (!alt) return;
    if (!ErsetzeDatei(ini, Einstellungstext(dokument, *alt, meldungen)))
        meldungen.Melde(Meldungsart::Fehler, "In " + ini + " kann nicht geschrieben werden");
}

}  // namespace

std::optional<Modelltext> LeseModelldatei(const std::string& pfad, Meldungen& meldungen) {
    const std::optional<std::string> bytes = LiesText(pfad, "Modelldatei", meldungen);
    if (!bytes) return std::nullopt;
    // A model read as UTF-8 is written back as UTF-8.
    return Modelltext{DateitextZuZeilen(*bytes), KodierungVon(*bytes)};
}

Einstellungen LeseEinstellungen(Dokument& dokument, Meldungen& meldungen) {
    const std::string& sim = dokument.Dateiname();
    if (sim.empty() || !IstDatei(sim)) return Einstellungen::Keine;
    const std::string ini = Begleitdatei(sim, ".ini");
    if (!IstDatei(ini)) return Einstellungen::Keine;
    const std::optional<std::string> bytes = LiesText(ini, "Einstellungsdatei", meldungen);
    if (!bytes) return Einstellungen::Fehlerhaft;
    const Profildatei profil = Profildatei::AusBytes(*bytes);
    // What the files hold is no change: a document saved before stays so.
    const bool warGeaendert = dokument.Geaendert();
    const Modell& m = dokument.Daten();
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i)
        dokument.SetzeStartwerttext(
            i, profil.LiesText(kStartwerte, m.Variablen[static_cast<std::size_t>(i)].Name, "0"));
    dokument.SetzeGraph(LeseGraph(profil, ini, dokument, meldungen));
    dokument.SetzeAbbruch(LeseAbbruch(profil, ini, meldungen));
    if (!warGeaendert) dokument.Gesichert();
    return Einstellungen::Gelesen;
}

std::optional<std::vector<std::string>> LeseKommentar(const std::string& simPfad,
                                                      Meldungen& meldungen) {
    const std::string doc = Begleitdatei(simPfad, ".doc");
    if (!IstDatei(doc)) return std::nullopt;
    const std::optional<std::string> bytes = LiesText(doc, "Kommentardatei", meldungen);
    if (!bytes) return std::nullopt;
    return DateitextZuZeilen(*bytes);
}

bool SpeichereModell(Dokument& dokument, Dateikodierung kodierung, Meldungen& meldungen) {
    // An unnamed model has no file to go to; the caller asks for a name first.
    if (dokument.Dateiname().empty()) return false;
    if (!SchreibeText(dokument.Dateiname(), ZeilenZuDateitext(dokument.Zeilen(), kodierung),
                      meldungen))
        return false;
    dokument.Gesichert();
    if (!dokument.Kommentar().empty()) SpeichereKommentar(dokument, kodierung, meldungen);
    if (dokument.Daten().Variablenzahl > 0) SpeichereEinstellungen(dokument, meldungen);
    return true;
}

}  // namespace quintor
