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
