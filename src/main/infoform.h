#pragma once

#include "dialogfenster.h"

namespace quintor {

class TInfoForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TInfoForm(QWidget* parent = nullptr);
};

}  // namespace quintor
