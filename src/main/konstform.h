// The table of physical constants. In view mode it only shows them; in pick mode (Label1
// visible) a double click on a row hands that row's value back to the main window.
#pragma once

#include <QString>

#include "dialogfenster.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QShowEvent;
class QTableWidget;

namespace quintor {

class Hilfe;

class TKonstForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TKonstForm(Hilfe& hilfe, QWidget* parent = nullptr);

    QFrame* Bevel1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;  // the header row is the table's header
    // Shown in pick mode only.
    QLabel* Label1 = nullptr;
    QPushButton *CancelBtn = nullptr, *HelpBtn = nullptr;

    // The constant picked by a double click; empty otherwise.
    QString KonstWert;

    void FormCreate();
    // Picks the current row's value in pick mode, then closes in either mode.
    void StringGrid1DblClick();
    void CancelBtnClick();

  protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    Hilfe& hilfe_;
};

}  // namespace quintor
