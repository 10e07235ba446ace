#include "hilfe.h"

namespace quintor {

void KeineHilfe::Inhalt() {}
void KeineHilfe::Suche() {}
void KeineHilfe::Benutzung() {}
void KeineHilfe::Kontext(int) {}

}  // namespace quintor
