#pragma once

#include "dialogfenster.h"

namespace quintor {

class TTabVarWahlForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TTabVarWahlForm(QWidget* parent = nullptr);
};

}  // namespace quintor
