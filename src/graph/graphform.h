#pragma once

#include "dialogfenster.h"

namespace quintor {

class TGraphForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TGraphForm(QWidget* parent = nullptr);

    // The axis variables are chosen; an edit of the equations forgets the choice.
    bool AchsenGewaehlt = false;
};

}  // namespace quintor
