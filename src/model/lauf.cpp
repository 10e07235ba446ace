#include "lauf.h"

#include <algorithm>
#include <cmath>

#include "auswertung.h"
#include "meldungen.h"
#include "tabellentext.h"
#include "text.h"
#include "zahltext.h"

namespace quintor {

namespace {

std::string_view Getrimmt(std::string_view s) {
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

bool Erfuellt(Abbruchbedingung::Vergleich v, float x, float grenze) {
    switch (v) {
        case Abbruchbedingung::Kleiner:
            return x < grenze;
        case Abbruchbedingung::KleinerGleich:
            return x <= grenze;
        case Abbruchbedingung::Groesser:
            return x > grenze;
        case Abbruchbedingung::GroesserGleich:
            return x >= grenze;
    }
    return false;
}

}  // namespace

const char* Vergleichszeichen(Abbruchbedingung::Vergleich v) {
    static constexpr const char* kZeichen[] = {"<", "<=", ">", ">="};
    return kZeichen[v];
}

std::optional<Abbruchbedingung::Vergleich> VergleichAusZeichen(std::string_view zeichen) {
    for (auto v : {Abbruchbedingung::Kleiner, Abbruchbedingung::KleinerGleich,
                   Abbruchbedingung::Groesser, Abbruchbedingung::GroesserGleich})
        if (zeichen == Vergleichszeichen(v)) return v;
    return std::nullopt;
}

std::optional<Abbruchbedingung> LeseAbbruchbedingung(std::string_view text, std::string* fehler) {
    const auto scheitern = [&](std::string grund) -> std::optional<Abbruchbedingung> {
        if (fehler) *fehler = std::move(grund);
        return std::nullopt;
    };
    const std::size_t pos = text.find_first_of("<>");
    if (pos == std::string_view::npos)
        return scheitern("In der Abbruchbedingung \"" + std::string(text) +
                         "\" fehlt der Vergleich (<, <=, > oder >=).");
    const std::size_t laenge = pos + 1 < text.size() && text[pos + 1] == '=' ? 2 : 1;
    Abbruchbedingung b;
    b.vergleich = *VergleichAusZeichen(text.substr(pos, laenge));
    b.Name = Grossbuchstaben(Getrimmt(text.substr(0, pos)));
    if (b.Name.empty())
        return scheitern("In der Abbruchbedingung \"" + std::string(text) +
                         "\" fehlt vor dem Vergleich der Name der Variablen.");
    const std::string zahl = KommaZuPunkt(Getrimmt(text.substr(pos + laenge)));
    const std::optional<long double> wert = zahl.empty() ? std::nullopt : LeseZahl(zahl);
    const std::optional<float> single = wert ? AlsSingle(*wert) : std::nullopt;
    if (!single)
        return scheitern("In der Abbruchbedingung \"" + std::string(text) +
                         "\" steht nach dem Vergleich keine gültige Zahl.");
    b.Wert = *single;
    return b;
}

std::string Bedingungstext(const Abbruchbedingung& b) {
    std::string wert = KuerzesterText(b.Wert);
    for (char& c : wert)
        if (c == '.') c = ',';
    return b.Name + " " + Vergleichszeichen(b.vergleich) + " " + wert;
}

std::string Abbruchmeldung(const Abbruchbedingung& b, std::int64_t schritte) {
    return "Abbruch: " + Bedingungstext(b) + " nach " + std::to_string(schritte) +
           (schritte == 1 ? " Schritt" : " Schritten");
}

std::string Bedingungswarnung(const Abbruchbedingung& b) {
    return "Abbruchbedingung " + Bedingungstext(b) + " ohne Wirkung: " + b.Name +
           " ist keine Variable des Modells";
}

bool Lauf::SetzeBedingung(const std::optional<Abbruchbedingung>& b) {
    bedingungVariable_ = 0;
    if (!b) return true;
    for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i) {
        if (modell_.Variablen[static_cast<std::size_t>(i)].Name == b->Name) {
            bedingungVariable_ = i;
            bedingungVergleich_ = b->vergleich;
            bedingungWert_ = b->Wert;
            return true;
        }
    }
    return false;
}

void Lauf::Starte() {
    for (std::int32_t k = 1; k <= modell_.Variablenzahl; ++k)
        modell_.Variablen[static_cast<std::size_t>(k)].Wert =
            modell_.StartwertListe[static_cast<std::size_t>(k)];
    schritte_ = 0;
    gestartet_ = true;
    gehalten_ = false;
    ende_ = Laufende::Weiter;
    erledigt_ = 0;
}

Laufende Lauf::Schritt(Ergebnisanzeige* anzeige) {
    if (erledigt_ > 0) [[unlikely]]
        return Restzeilen(anzeige);
    ++schritte_;
    try {
        Rechenschritt(modell_, anzeige);
    } catch (const Gleitkommaueberlauf&) {
        if (UeberlaufBeendet) ende_ = Laufende::Ueberlauf;
        return Laufende::Ueberlauf;
    }
    return Laufende::Weiter;
}

bool Lauf::Zeile(std::int32_t e, Ergebnisanzeige* anzeige) {
    const TGleichung& g = modell_.Gleichungsliste[static_cast<std::size_t>(e)];
    if (g.Ziel < 1 || g.Ziel > kMaxVariablen) return true;  // no target: never written
    // The tree walk: the compiled step gives the same values bit for bit, and keeping it
    // leaves the compiled step as it is.
    double x = Funktionsberechnung(modell_, g.Baum.get());
    if (!std::isfinite(x)) x = Fehlerwert;
    if (!(std::fabs(x) < 0x1.ffffffp+127)) return false;
    const float v = static_cast<float>(x);
    modell_.Variablen[static_cast<std::size_t>(g.Ziel)].Wert = v;
    if (anzeige) anzeige->Ergebnis(g.Ziel, v);
    return true;
}

Laufende Lauf::Zeilenschritt(Ergebnisanzeige* anzeige) {
    const std::int32_t anzahl = std::min<std::int32_t>(modell_.Gleichungszahl, kMaxGleichungen);
    const std::int32_t e = erledigt_ + 1;
    bool gespeichert = true;
    if (e <= anzahl) {
        letzteZeile_ = e;
        gespeichert = Zeile(e, anzeige);
    }
    if (gespeichert && e < anzahl) {
        erledigt_ = e;
        return Laufende::Weiter;
    }
    // The last line, or an overflow that ends the step as it ends a whole one.
    erledigt_ = 0;
    ++schritte_;
    if (gespeichert) return Laufende::Weiter;
    if (UeberlaufBeendet) ende_ = Laufende::Ueberlauf;
    return Laufende::Ueberlauf;
}

Laufende Lauf::Restzeilen(Ergebnisanzeige* anzeige) {
    Laufende ende = Laufende::Weiter;
    do ende = Zeilenschritt(anzeige);
    while (erledigt_ > 0);
    return ende;
}

Laufende Lauf::Pruefe() const {
    if (ende_ != Laufende::Weiter) return ende_;
    if (gehalten_) return Laufende::Abbruch;
    // Only after a step: the start values themselves end nothing.
    if (bedingungVariable_ > 0 && schritte_ > 0 &&
        Erfuellt(bedingungVergleich_,
                 modell_.Variablen[static_cast<std::size_t>(bedingungVariable_)].Wert,
                 bedingungWert_))
        return Laufende::Bedingung;
    if (Hoechstzahl > 0 && schritte_ >= Hoechstzahl) return Laufende::Anzahl;
    if (GrenzVariable >= 1 && GrenzVariable <= modell_.Variablenzahl &&
        modell_.Variablen[static_cast<std::size_t>(GrenzVariable)].Wert >= Grenze)
        return Laufende::Grenze;
    return Laufende::Weiter;
}

}  // namespace quintor
