#include "kommentarform.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "schrift.h"

namespace quintor {

TKommentarForm::TKommentarForm(QWidget* parent) : TDialogFenster("Kommentar", 317, 214, parent) {
    setFixedSize(317, 214);
    setFont(Schrift("MS Sans Serif", 11, true));
    Memo1 = new QPlainTextEdit(this);
    // Wrapping is display only: the text keeps just the line breaks the user typed.
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setTabChangesFocus(false);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Memo1);
}

}  // namespace quintor
