// The free comment on the model. Its text lives only in Memo1, across showings; the model
// files load, empty and save it there.
#pragma once

#include "dialogfenster.h"

class QPlainTextEdit;

namespace quintor {

class TKommentarForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TKommentarForm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;
};

}  // namespace quintor
