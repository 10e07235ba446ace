// The secondary windows are modal dialogs created once at program start.
#pragma once

#include <QDialog>

namespace quintor {

// A modal window with its caption and client size, centred on the screen when shown.
class TDialogFenster : public QDialog {
    Q_OBJECT

  public:
    TDialogFenster(const char* titel, int breite, int hoehe, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* e) override;
};

}  // namespace quintor
