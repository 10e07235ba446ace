// The program: the model and its windows, created once in a fixed order and destroyed in
// reverse order.
#pragma once

#include <QStringList>
#include <memory>

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

    Modell modell;
    Fensterliste fenster;
};

}  // namespace quintor
