#include "dokumentobjekt.h"

namespace quintor {

Dokumentobjekt::Dokumentobjekt(QObject* parent) : QObject(parent) {
    dokument_.beiAenderung = [this](Dokument::Teil teil) { emit Veraendert(teil); };
}

}  // namespace quintor
