// The program: the document and its windows, created once in a fixed order and destroyed in
// reverse order.
#pragma once

#include <QStringList>

#include "ansichtsgroesse.h"
#include "dokumentobjekt.h"
#include "fensterliste.h"
#include "modell.h"

namespace quintor {

class Dialoge;
class Hilfe;

class Anwendung {
  public:
    // `dialoge` and `hilfe` outlive the application; tests pass their own.
    Anwendung(Dialoge& dialoge, Hilfe& hilfe, QStringList argumente);
    ~Anwendung();

    Dokumentobjekt dokument;
    Modell& modell = dokument.Inhalt().Daten();
    // The text size for every window; the program loads and keeps it in the user's settings.
    Ansichtsgroesse ansicht;
    Fensterliste fenster;
};

}  // namespace quintor
