#include "dialogfenster.h"

#include <QScreen>
#include <QShowEvent>

namespace quintor {

TDialogFenster::TDialogFenster(const char* titel, int breite, int hoehe, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(titel));
    resize(breite, hoehe);
    setModal(true);
}

void TDialogFenster::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

}  // namespace quintor
