#include "kommentarform.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quintor {

TKommentarForm::TKommentarForm(QWidget* parent) : TDialogFenster("Kommentar", 317, 214, parent) {
    Memo1 = new QPlainTextEdit(this);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Memo1);
}

}  // namespace quintor
