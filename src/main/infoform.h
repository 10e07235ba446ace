// The about box: program icon, product name and version.
#pragma once

#include "dialogfenster.h"

class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;

namespace quintor {

class TInfoForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TInfoForm(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel *ProgramIcon = nullptr, *ProductName = nullptr, *Version = nullptr;
    QPushButton* OKButton = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;
};

}  // namespace quintor
