#pragma once

#include "dialogfenster.h"

namespace quintor {

class TGrenzenForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TGrenzenForm(QWidget* parent = nullptr);
};

}  // namespace quintor
