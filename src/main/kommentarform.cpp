#include "kommentarform.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "dokumentobjekt.h"
#include "memotext.h"
#include "schrift.h"

namespace quintor {

TKommentarForm::TKommentarForm(Dokumentobjekt& dokument, QWidget* parent)
    : TDialogFenster("Kommentar", 317, 214, parent), dokument_(dokument) {
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
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (!zeigt_) dokument_.Inhalt().SetzeKommentar(MemoText::Text(Memo1).toStdString());
    });
    connect(&dokument_, &Dokumentobjekt::Veraendert, this, &TKommentarForm::Veraendert);
}

void TKommentarForm::Veraendert(Dokument::Teil teil) {
    if (teil != Dokument::Teil::Kommentar) return;
    const QString text = QString::fromStdString(dokument_.Inhalt().Kommentar());
    if (MemoText::Text(Memo1) == text) return;
    zeigt_ = true;
    Memo1->setPlainText(text);
    zeigt_ = false;
}

}  // namespace quintor
