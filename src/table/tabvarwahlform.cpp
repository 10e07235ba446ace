#include "tabvarwahlform.h"

namespace quintor {

TTabVarWahlForm::TTabVarWahlForm(QWidget* parent)
    : TDialogFenster("Variablenwahl - Tabelle", 362, 267, parent) {}

}  // namespace quintor
