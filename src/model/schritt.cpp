#include "schritt.h"

#include "meldungen.h"
#include "programm.h"

namespace quintor {

Modell::Modell() = default;
Modell::~Modell() = default;

Schrittprogramm& Modell::Programm() {
    if (!programm_) programm_ = std::make_unique<Schrittprogramm>();
    if (programmVeraltet_) {
        programm_->Baue(*this);
        programmVeraltet_ = false;
    }
    return *programm_;
}

void Rechenschritt(Modell& modell, Ergebnisanzeige* anzeige) {
    if (modell.Programm().Fuehreaus(modell, anzeige) != 0) throw Gleitkommaueberlauf();
}

}  // namespace quintor
