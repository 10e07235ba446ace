#include "lauf.h"

#include "meldungen.h"

namespace quintor {

void Lauf::Starte() {
    for (std::int32_t k = 1; k <= modell_.Variablenzahl; ++k)
        modell_.Variablen[static_cast<std::size_t>(k)].Wert =
            modell_.StartwertListe[static_cast<std::size_t>(k)];
    schritte_ = 0;
    gestartet_ = true;
    gehalten_ = false;
    ende_ = Laufende::Weiter;
}

Laufende Lauf::Schritt(Ergebnisanzeige* anzeige) {
    ++schritte_;
    try {
        Rechenschritt(modell_, anzeige);
    } catch (const Gleitkommaueberlauf&) {
        if (UeberlaufBeendet) ende_ = Laufende::Ueberlauf;
        return Laufende::Ueberlauf;
    }
    return Laufende::Weiter;
}

Laufende Lauf::Pruefe() const {
    if (ende_ != Laufende::Weiter) return ende_;
    if (gehalten_) return Laufende::Abbruch;
    if (Hoechstzahl > 0 && schritte_ >= Hoechstzahl) return Laufende::Anzahl;
    if (GrenzVariable >= 1 && GrenzVariable <= modell_.Variablenzahl &&
        modell_.Variablen[static_cast<std::size_t>(GrenzVariable)].Wert >= Grenze)
        return Laufende::Grenze;
    return Laufende::Weiter;
}

}  // namespace quintor
