#include "dokument.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "zahltext.h"

namespace quintor {

namespace {

// Passes every message on and keeps the errors, so that a failed scan can repeat them.
class Mitschrift : public Meldungen {
  public:
    explicit Mitschrift(Meldungen& weiter) : weiter_(weiter) {}
    void Melde(Meldungsart art, const std::string& text) override {
        if (art == Meldungsart::Fehler) fehler.push_back(text);
        weiter_.Melde(art, text);
    }
    std::vector<std::string> fehler;

  private:
    Meldungen& weiter_;
};

}  // namespace

bool GrenzenGueltig(float a, float b) {
    // The span is kept as a single, so it must fit there, not only in extended precision.
    return a != b && std::isfinite(a) && std::isfinite(b) &&
           std::isfinite(static_cast<float>(std::fabs(static_cast<long double>(b) - a)));
}

bool Graphwerte::SetzeGrenzen(float nx1, float nx2, float ny1, float ny2) {
    const bool xGut = GrenzenGueltig(nx1, nx2);
    const bool yGut = GrenzenGueltig(ny1, ny2);
    // Each pair in ascending order, as the coordinate system keeps it.
    if (xGut) std::tie(x1, x2) = std::minmax(nx1, nx2);
    if (yGut) std::tie(y1, y2) = std::minmax(ny1, ny2);
    return xGut && yGut;
}

Dokument::Dokument() = default;

void Dokument::Melde(Teil teil) {
    if (beiAenderung) beiAenderung(teil);
}

void Dokument::Aendere(Teil teil) {
    const bool war = geaendert_;
    geaendert_ = true;
    Melde(teil);
    if (!war) Melde(Teil::Geaendert);
}

void Dokument::SetzeZeilen(std::vector<std::string> zeilen) {
    if (zeilen == zeilen_) return;
    zeilen_ = std::move(zeilen);
    // Until the next scan there is no model to run; the axes chosen for the old one are gone.
    modell_.Variablenzahl = 0;
    fehler_.reset();
    graph_.AchsenGewaehlt = false;
    Aendere(Teil::Text);
}

Scanergebnis Dokument::Scanne(Meldungen& meldungen) {
    std::vector<std::string> kompakt = OhneLeerzeilen(zeilen_);
    if (kompakt.size() != zeilen_.size()) {
        zeilen_ = std::move(kompakt);
        Aendere(Teil::Text);
    }
    Mitschrift mitschrift(meldungen);
    int zeile = 0;
    const Scanergebnis ergebnis = ScanneZeilen(modell_, zeilen_, mitschrift, &zeile);
    fehler_.reset();
    if (ergebnis == Scanergebnis::Abgebrochen) {
        modell_.Variablenzahl = 0;
        fehler_ = Scanfehler{std::move(mitschrift.fehler), zeile};
    }
    // Start-value texts belong to names: kept for names that remain, "0" for new ones.
    std::map<std::string, std::string> texte;
    for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i) {
        const std::string& name = modell_.Variablen[static_cast<std::size_t>(i)].Name;
        const auto alt = starttexte_.find(name);
        texte[name] = alt != starttexte_.end() ? alt->second : "0";
    }
    if (ergebnis == Scanergebnis::Fertig) starttexte_ = std::move(texte);
    ++startwertstand_;
    Melde(Teil::Modell);
    return ergebnis;
}

std::string Dokument::Startwerttext(std::int32_t i) const {
    if (i < 1 || i > modell_.Variablenzahl) return {};
    const auto it = starttexte_.find(modell_.Variablen[static_cast<std::size_t>(i)].Name);
    return it != starttexte_.end() ? it->second : std::string("0");
}

void Dokument::SetzeStartwerttext(std::int32_t i, const std::string& text) {
    if (i < 1 || i > modell_.Variablenzahl) return;
    std::string& alt = starttexte_[modell_.Variablen[static_cast<std::size_t>(i)].Name];
    if (alt == text) return;
    alt = text;
    ++startwertstand_;
    Aendere(Teil::Startwerte);
}

bool Dokument::StartwerteUebernehmen(Meldungen& meldungen) {
    for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i) {
        float v = 0.0f;
        try {
            v = TextZuZahl(Startwerttext(i), meldungen);
        } catch (const Gleitkommaueberlauf&) {
            meldungen.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
            return false;
        }
        modell_.Variablen[static_cast<std::size_t>(i)].Wert = v;
        modell_.StartwertListe[static_cast<std::size_t>(i)] = v;
    }
    return true;
}

void Dokument::SetzeGraph(const Graphwerte& g) {
    if (g == graph_) return;
    graph_ = g;
    Aendere(Teil::Graph);
}

void Dokument::SetzeTabelle(const Tabellenwahl& t) {
    if (t == tabelle_) return;
    tabelle_ = t;
    Aendere(Teil::Tabelle);
}

void Dokument::SetzeKommentar(const std::string& text) {
    if (text == kommentar_) return;
    kommentar_ = text;
    Aendere(Teil::Kommentar);
}

void Dokument::SetzeAbbruch(const std::optional<Abbruchbedingung>& b) {
    if (b == abbruch_) return;
    abbruch_ = b;
    Aendere(Teil::Abbruch);
}

void Dokument::SetzeDateiname(const std::string& pfad) {
    if (pfad == dateiname_) return;
    dateiname_ = pfad;
    Melde(Teil::Datei);
}

void Dokument::Gesichert() {
    if (!geaendert_) return;
    geaendert_ = false;
    Melde(Teil::Geaendert);
}

void Dokument::Neu() {
    zeilen_.clear();
    modell_.Variablenzahl = 0;
    modell_.Gleichungszahl = 0;
    modell_.GleichungenGeaendert();
    fehler_.reset();
    starttexte_.clear();
    ++startwertstand_;
    // The point modulus is a habit of the user, not of the model: it stays.
    const std::int32_t punktmodul = graph_.Punktmodul;
    graph_ = Graphwerte{};
    graph_.Punktmodul = punktmodul;
    tabelle_ = Tabellenwahl{};
    kommentar_.clear();
    abbruch_.reset();
    dateiname_.clear();
    geaendert_ = false;
    for (Teil t : {Teil::Text, Teil::Modell, Teil::Startwerte, Teil::Graph, Teil::Tabelle,
                   Teil::Kommentar, Teil::Abbruch, Teil::Datei, Teil::Geaendert})
        Melde(t);
}

}  // namespace quintor
