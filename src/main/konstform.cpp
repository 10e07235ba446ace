#include "konstform.h"

#include <QLabel>

namespace quintor {

TKonstForm::TKonstForm(QWidget* parent) : TDialogFenster("Konstanten", 426, 265, parent) {
    Label1 = new QLabel(QStringLiteral("Klicken Sie die gewünschte Konstante doppelt an."), this);
    Label1->setGeometry(16, 224, 193, 26);
    Label1->setWordWrap(true);
}

}  // namespace quintor
