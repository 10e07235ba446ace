#include "grenzenform.h"

namespace quintor {

TGrenzenForm::TGrenzenForm(QWidget* parent)
    : TDialogFenster("Koordinatensystem - Einstellungen", 420, 300, parent) {}

}  // namespace quintor
