#include "tabellenform.h"

namespace quintor {

TTabellenform::TTabellenform(QWidget* parent) : TDialogFenster("Tabelle", 520, 370, parent) {}

}  // namespace quintor
