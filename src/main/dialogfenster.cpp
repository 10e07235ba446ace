#include "dialogfenster.h"

namespace quintor {

TDialogFenster::TDialogFenster(const char* titel, int breite, int hoehe, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(titel));
    resize(breite, hoehe);
    setModal(true);
}

}  // namespace quintor
