#pragma once

#include "dialogfenster.h"

namespace quintor {

class TVarWahlForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TVarWahlForm(QWidget* parent = nullptr);
};

}  // namespace quintor
