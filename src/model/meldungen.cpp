#include "meldungen.h"

namespace quintor {

std::string_view Titel(Meldungsart art) {
    switch (art) {
        case Meldungsart::Warnung:
            return "Warnung";
        case Meldungsart::Fehler:
            return "Fehler";
        case Meldungsart::Information:
            return "Informationen";
        case Meldungsart::Bestaetigung:
            return "Bestätigung";
    }
    return "Fehler";
}

}  // namespace quintor
