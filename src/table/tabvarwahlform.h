// The table's column choice: the variables not chosen in a sorted source list, the chosen ones
// in column order in a destination list, and how many lines the table leaves out.
#pragma once

#include <array>
#include <cstdint>

#include "dialogfenster.h"
#include "spinedit.h"

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace quintor {

class Dokumentobjekt;

class TTabVarWahlForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TTabVarWahlForm(Dokumentobjekt& dokument, QWidget* parent = nullptr);

    QLabel *SrcLabel = nullptr, *DstLabel = nullptr, *Label1 = nullptr, *Image1 = nullptr;
    QListWidget *SrcList = nullptr, *DstList = nullptr;
    QToolButton *IncludeBtn = nullptr, *IncAllBtn = nullptr, *ExcludeBtn = nullptr,
                *ExAllBtn = nullptr;
    TSpinEdit* SpinEdit1 = nullptr;  // lines to leave out; kept for the program's lifetime
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr;

    // The chosen columns (variable numbers from 1), valid after OK; 0 after every opening. OK
    // also gives them and the skip count to the document.
    std::int32_t AuswahlAnzahl = 0;
    std::array<std::int32_t, 101> Auswahl{};

    // The skip count; text that is no whole number reads as 0.
    int Auslassen() const;

    void FormActivate();
    void IncludeBtnClick();
    void ExcludeBtnClick();
    void IncAllBtnClick();
    void ExcAllBtnClick();
    void SetButtons();
    void OKBtnClick();

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    Dokumentobjekt& dokument_;
};

}  // namespace quintor
