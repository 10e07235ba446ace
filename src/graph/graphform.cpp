#include "graphform.h"

namespace quintor {

TGraphForm::TGraphForm(QWidget* parent) : TDialogFenster("Graph", 464, 357, parent) {}

}  // namespace quintor
