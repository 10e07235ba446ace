// The free comment on the model. It edits the document's comment: every change goes there, and
// a comment the document gets (opened, or emptied by New) shows here.
#pragma once

#include <QPlainTextEdit>

#include "dialogfenster.h"
#include "dokumentobjekt.h"

namespace quintor {

class TKommentarForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TKommentarForm(Dokumentobjekt& dokument, QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;

  private:
    void Veraendert(Dokument::Teil teil);

    Dokumentobjekt& dokument_;
    bool zeigt_ = false;  // the memo is being set to the document's comment
};

}  // namespace quintor
