#include "infoform.h"

namespace quintor {

TInfoForm::TInfoForm(QWidget* parent) : TDialogFenster("Infos", 298, 213, parent) {}

}  // namespace quintor
