// A small calculator of our own for desktops without one: evaluates one expression of the model
// language with the program's own compiler and evaluator and puts the result on the clipboard,
// where the start-value grid's right-click paste takes it.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quintor {

struct Rechenergebnis {
    bool Zahl = false;  // a value came out (the failure value included)
    double Wert = 0.0;  // valid when Zahl
    QString Anzeige;    // what the result field shows: the number with hints, or the reason
    QString Zahltext;   // the number alone, for the clipboard; empty when Zahl is false
};

// Compiles `ausdruck` into a scratch model (names are refused: a calculator has no variables)
// and evaluates it; `zufall` is the state of RANDOM's generator and advances with it.
Rechenergebnis Berechne(const QString& ausdruck, std::uint32_t& zufall);

// The shortest decimal text that reads back as the same double, with a decimal comma, and with
// an "E" exponent below 1e-4 and from 1e16 on: "0,3333333333333333", "1024", "-1E30", "1,5E-7".
QString Dezimaltext(double x);

class TRechnerFenster : public QDialog {
    Q_OBJECT

  public:
    explicit TRechnerFenster(QWidget* parent = nullptr);

    QLineEdit* AusdruckEdit = nullptr;
    QPushButton* RechnenKnopf = nullptr;
    QLineEdit* ErgebnisEdit = nullptr;
    QPushButton* KopierenKnopf = nullptr;
    QPushButton* SchliessenKnopf = nullptr;
    QLabel* HinweisLabel = nullptr;

    // Earlier expressions, newest last; Up and Down in the expression field walk through them.
    const QStringList& Verlauf() const { return verlauf_; }

  public slots:
    void RechnenKnopfClick();
    void KopierenKnopfClick();

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    void Merke(const QString& ausdruck);

    QString zahltext_;  // of the last result, for "Kopieren"
    QStringList verlauf_;
    qsizetype verlaufPos_ = 0;  // == verlauf_.size() while editing a new line
};

}  // namespace quintor
