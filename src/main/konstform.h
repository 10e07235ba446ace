#pragma once

#include <QString>

#include "dialogfenster.h"

class QLabel;

namespace quintor {

class TKonstForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TKonstForm(QWidget* parent = nullptr);

    // Shown in pick mode only.
    QLabel* Label1 = nullptr;
    // The constant picked by a double click; empty otherwise.
    QString KonstWert;
};

}  // namespace quintor
