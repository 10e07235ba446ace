// The stop condition of every run: "keine", or a variable, a comparison and a value. OK hands it
// to the document, which saves it with the model.
#pragma once

#include <functional>

#include "dialogfenster.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quintor {

class Dialoge;
class Dokumentobjekt;
class TSingEdit;

class TAbbruchForm : public TDialogFenster {
    Q_OBJECT

  public:
    TAbbruchForm(Dokumentobjekt& dokument, Dialoge& dialoge, QWidget* parent = nullptr);

    QRadioButton *KeineBtn = nullptr, *BedingungBtn = nullptr;
    QLabel *VarLabel = nullptr, *VergleichLabel = nullptr, *WertLabel = nullptr;
    QListWidget* VarListe = nullptr;
    QComboBox* VergleichBox = nullptr;
    TSingEdit* WertEdit = nullptr;
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr, *HelpBtn = nullptr;

    // The help page on the stop condition.
    std::function<void()> Hilfeaufruf;

    // Fills the controls from the document's model and condition.
    void FormActivate();
    // Takes the condition over into the document; false (with a message, the document
    // unchanged) for a value that is no number or beyond the single range.
    bool OKBtnClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void SetzeFreigabe();

    Dokumentobjekt& dokument_;
    Dialoge& dialoge_;
};

}  // namespace quintor
