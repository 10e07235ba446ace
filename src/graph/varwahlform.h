// The axis choice of the graph window: the model's variables in a sorted source list, the chosen
// ones in a destination list; its first entry becomes the horizontal, its second the vertical
// axis.
#pragma once

#include <cstdint>

#include "dialogfenster.h"
#include "modell.h"

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace quintor {

class Dialoge;
class Dokumentobjekt;
class Hilfe;

class TVarWahlForm : public TDialogFenster {
    Q_OBJECT

  public:
    TVarWahlForm(Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe,
                 QWidget* parent = nullptr);

    QLabel *SrcLabel = nullptr, *Label1 = nullptr;
    QListWidget *SrcList = nullptr, *DstList = nullptr;
    QToolButton *IncludeBtn = nullptr, *ExcludeBtn = nullptr;
    QPushButton *HelpBtn = nullptr, *OKBtn = nullptr, *CancelBtn = nullptr;

    // Results, valid after the dialog closed with OK: variable indices from 1.
    std::int32_t horizontal = 0;
    std::int32_t vertikal = 0;
    bool AchsenGewaehlt = false;
    // Set by a refused OK; keeps the dialog open.
    bool Abweisen = false;

    void FormActivate();
    void IncludeBtnClick();
    void ExcludeBtnClick();
    void SetButtons();
    void OKBtnClick();
    void CancelBtnClick();
    bool FormCloseQuery() const { return !Abweisen; }

    // Cancel, Escape and the close box always close, so a refused OK never traps the user.
    void reject() override;

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    const Modell& Daten() const;

    Dokumentobjekt& dokument_;
    Dialoge& dialoge_;
    Hilfe& hilfe_;
};

}  // namespace quintor
