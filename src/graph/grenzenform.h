// The graph settings: limits of the coordinate system, line or point mode with the point
// modulus, and the colours of graph and coordinate system.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

#include "dialogfenster.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quintor {

class Dialoge;
class Hilfe;
class TKoordinatensystem;
class TIntEdit;
class TSingEdit;

// A filled square with a white outline that reports a press of any mouse button.
class TFarbfeld : public QWidget {
    Q_OBJECT

  public:
    explicit TFarbfeld(const QColor& farbe, QWidget* parent = nullptr);
    QColor Farbe() const { return farbe_; }
    void setFarbe(const QColor& farbe);

  signals:
    void MouseDown();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    QColor farbe_;
};

class TGrenzenForm : public TDialogFenster {
    Q_OBJECT

  public:
    TGrenzenForm(Dialoge& dialoge, Hilfe& hilfe, QWidget* parent = nullptr);

    // The control that OK gives the two colours to; none: the colours stay here.
    void SetzeKoordinatensystem(TKoordinatensystem* ks) { ks_ = ks; }

    QGroupBox* GrenzenBox = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    TSingEdit *x1Edit = nullptr, *x2Edit = nullptr, *y1Edit = nullptr, *y2Edit = nullptr;
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr, *HelpBtn = nullptr;
    QGroupBox* Darstellung = nullptr;
    QRadioButton *Streckenzug = nullptr, *Punkte = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QGroupBox* Farben = nullptr;
    TFarbfeld *Shape1 = nullptr, *Shape2 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr;
    // Off: a graph run ends at the right limit or a halt only.
    QCheckBox* SchrittgrenzeBox = nullptr;  // "höchstens"
    TIntEdit* SchrittgrenzeEdit = nullptr;
    QLabel* Label7 = nullptr;  // "Schritte"

    // 0 "Streckenzug", 1 "Punkte", -1 neither.
    int DarstellungIndex() const;
    void setDarstellungIndex(int index);

    // Set by a refused OK; keeps the dialog open.
    bool Abweisen = false;

    // The colour dialog: gets the colour to start with, returns the chosen one or an invalid
    // colour when the user cancels. Tests replace it.
    std::function<QColor(const QColor& start)> Farbwahl;

    void FormActivate();
    void OKBtnClick();
    bool FormCloseQuery() const { return !Abweisen; }
    void Shape1MouseDown();
    void Shape2MouseDown();

    // Cancel, Escape and the close box always close, so a refused OK never traps the user.
    void reject() override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void WaehleFarbe(TFarbfeld* feld);

    Dialoge& dialoge_;
    Hilfe& hilfe_;
    TKoordinatensystem* ks_ = nullptr;
    QButtonGroup* darstellungGruppe_ = nullptr;
    QColor letzteFarbe_ = Qt::black;  // the colour dialog starts with its last choice
};

}  // namespace quintor
