#include "varwahlform.h"

namespace quintor {

TVarWahlForm::TVarWahlForm(QWidget* parent)
    : TDialogFenster("Variablenauswahl", 390, 260, parent) {}

}  // namespace quintor
