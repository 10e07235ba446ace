#pragma once

#include "dialogfenster.h"

namespace quintor {

class TTabellenform : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TTabellenform(QWidget* parent = nullptr);
};

}  // namespace quintor
