#include "rechnerfenster.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <charconv>
#include <chrono>
#include <cmath>
#include <string>

#include "auswertung.h"
#include "meldungen.h"
#include "modell.h"
#include "schrift.h"
#include "uebersetzer.h"
#include "zahltext.h"

namespace quintor {

namespace {

constexpr qsizetype kVerlaufMax = 50;

const char* const kHinweis =
    "Ausdrücke wie auf der rechten Seite einer Gleichung, z. B. SQRT(2)*SIN(0.5);\n"
    "Zahlen mit Dezimalpunkt. Das Ergebnis kommt in die Zwischenablage,\n"
    "ein Rechtsklick in die Startwert-Tabelle übernimmt es.";

// The compiler only reports a full variable table, which a scratch model cannot reach; kept
// anyway so that no text of it is lost.
class Sammler : public Meldungen {
  public:
    QString text;
    void Melde(Meldungsart, const std::string& t) override {
        if (text.isEmpty()) text = QString::fromStdString(t);
    }
};

}  // namespace

QString Dezimaltext(double x) {
    if (x == 0.0 || !std::isfinite(x)) return x == 0.0 ? QStringLiteral("0") : QString();
    // Shortest digits first; the position of the comma is ours.
    char puffer[40];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific);
    if (fehler != std::errc()) return QString();
    std::string_view s(puffer, static_cast<std::size_t>(ende - puffer));
    std::string aus;
    if (s.front() == '-') {
        aus += '-';
        s.remove_prefix(1);
    }
    const std::size_t e = s.find('e');
    std::string ziffern;
    for (char c : s.substr(0, e))
        if (c != '.') ziffern += c;
    std::string_view exponent = s.substr(e + 1);
    if (exponent.front() == '+') exponent.remove_prefix(1);
    int exp = 0;
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), exp);

    const int n = static_cast<int>(ziffern.size());
    if (exp >= -4 && exp < 16) {
        if (exp < 0) {
            aus += "0," + std::string(static_cast<std::size_t>(-exp - 1), '0') + ziffern;
        } else if (n <= exp + 1) {
            aus += ziffern + std::string(static_cast<std::size_t>(exp + 1 - n), '0');
        } else {
            const auto k = static_cast<std::size_t>(exp + 1);
            aus += ziffern.substr(0, k) + ',' + ziffern.substr(k);
        }
    } else {
        aus += ziffern[0];
        if (n > 1) aus += ',' + ziffern.substr(1);
        aus += 'E' + std::to_string(exp);
    }
    return QString::fromStdString(aus);
}

Rechenergebnis Berechne(const QString& ausdruck, std::uint32_t& zufall) {
    Rechenergebnis r;
    const std::string text = ausdruck.toStdString();
    // The compiler would silently drop the rest; a calculator must not answer another question.
    if (text.size() > kMaxRechteSeite) {
        r.Anzeige = QStringLiteral("Ausdruck zu lang (höchstens %1 Zeichen)").arg(kMaxRechteSeite);
        return r;
    }
    Modell modell;
    Sammler meldungen;
    PKnoten baum;
    try {
        baum = Uebersetze(text, modell, meldungen);
    } catch (const Gleitkommaueberlauf&) {
        r.Anzeige = QString::fromUtf8(kGleitkommaueberlauf);
        return r;
    }
    if (!baum) {
        r.Anzeige =
            meldungen.text.isEmpty() ? QStringLiteral("Kein gültiger Ausdruck") : meldungen.text;
        return r;
    }
    // Every name became a variable of the scratch model; a calculator has no values for them.
    if (modell.Variablenzahl > 0) {
        QStringList namen;
        for (int i = 1; i <= modell.Variablenzahl; ++i)
            namen << QString::fromStdString(modell.Variablen[static_cast<std::size_t>(i)].Name);
        r.Anzeige = (namen.size() == 1 ? QStringLiteral("Unbekannter Name: ")
                                       : QStringLiteral("Unbekannte Namen: ")) +
                    namen.join(QStringLiteral(", "));
        return r;
    }
    modell.Zufallszustand = zufall;
    const double wert = Funktionsberechnung(modell, baum.get());
    zufall = modell.Zufallszustand;
    if (!std::isfinite(wert)) {  // the evaluator never returns this; no number to show if it did
        r.Anzeige = QString::fromUtf8(kGleitkommaueberlauf);
        return r;
    }
    r.Zahl = true;
    r.Wert = wert;
    r.Zahltext = Dezimaltext(wert);
    r.Anzeige = r.Zahltext;
    if (wert == Fehlerwert)
        r.Anzeige += QStringLiteral(" (Fehlerwert)");
    else if (!AlsSingle(wert))
        r.Anzeige += QStringLiteral(" (zu groß für einen Startwert)");
    return r;
}

TRechnerFenster::TRechnerFenster(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Taschenrechner"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    setFont(Schrift("MS Sans Serif", 11, true));
    const QFont feldschrift = Schrift("Courier New", 14, true);  // as in the equation editor

    auto* ausdruckLabel = new QLabel(QStringLiteral("&Ausdruck:"), this);
    AusdruckEdit = new QLineEdit(this);
    AusdruckEdit->setFont(feldschrift);
    AusdruckEdit->setMaxLength(static_cast<int>(kMaxRechteSeite));
    AusdruckEdit->setMinimumWidth(300);
    AusdruckEdit->installEventFilter(this);
    ausdruckLabel->setBuddy(AusdruckEdit);
    RechnenKnopf = new QPushButton(QStringLiteral("&Rechnen"), this);
    RechnenKnopf->setDefault(true);  // Enter in the expression field

    auto* ergebnisLabel = new QLabel(QStringLiteral("Ergebnis:"), this);
    ErgebnisEdit = new QLineEdit(this);
    ErgebnisEdit->setFont(feldschrift);
    ErgebnisEdit->setReadOnly(true);
    ErgebnisEdit->setFocusPolicy(Qt::ClickFocus);
    KopierenKnopf = new QPushButton(QStringLiteral("&Kopieren"), this);
    KopierenKnopf->setEnabled(false);
    KopierenKnopf->setAutoDefault(false);

    HinweisLabel = new QLabel(QString::fromUtf8(kHinweis), this);
    HinweisLabel->setFont(Schrift("MS Sans Serif", 11, false));

    SchliessenKnopf = new QPushButton(QStringLiteral("&Schließen"), this);
    SchliessenKnopf->setAutoDefault(false);

    auto* raster = new QGridLayout(this);
    raster->addWidget(ausdruckLabel, 0, 0);
    raster->addWidget(AusdruckEdit, 0, 1);
    raster->addWidget(RechnenKnopf, 0, 2);
    raster->addWidget(ergebnisLabel, 1, 0);
    raster->addWidget(ErgebnisEdit, 1, 1);
    raster->addWidget(KopierenKnopf, 1, 2);
    raster->addWidget(HinweisLabel, 2, 0, 1, 3);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(SchliessenKnopf);
    raster->addLayout(unten, 3, 0, 1, 3);
    raster->setColumnStretch(1, 1);
    setTabOrder(AusdruckEdit, RechnenKnopf);
    setTabOrder(RechnenKnopf, KopierenKnopf);
    setTabOrder(KopierenKnopf, SchliessenKnopf);

    connect(RechnenKnopf, &QPushButton::clicked, this, &TRechnerFenster::RechnenKnopfClick);
    connect(KopierenKnopf, &QPushButton::clicked, this, &TRechnerFenster::KopierenKnopfClick);
    connect(SchliessenKnopf, &QPushButton::clicked, this, &QDialog::close);
    AusdruckEdit->setFocus();
}

void TRechnerFenster::RechnenKnopfClick() {
    const QString ausdruck = AusdruckEdit->text();
    // RANDOM draws from a fresh seed each time, like a run after the main window's activation.
    auto zufall = static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const Rechenergebnis r = Berechne(ausdruck, zufall);
    ErgebnisEdit->setText(r.Anzeige);
    ErgebnisEdit->setCursorPosition(0);
    zahltext_ = r.Zahltext;
    KopierenKnopf->setEnabled(r.Zahl);
    if (r.Zahl) KopierenKnopfClick();
    Merke(ausdruck);
    AusdruckEdit->setFocus();
    AusdruckEdit->selectAll();
}

void TRechnerFenster::KopierenKnopfClick() {
    if (!zahltext_.isEmpty()) QApplication::clipboard()->setText(zahltext_);
}

void TRechnerFenster::Merke(const QString& ausdruck) {
    if (!ausdruck.trimmed().isEmpty() && (verlauf_.isEmpty() || verlauf_.last() != ausdruck)) {
        verlauf_ << ausdruck;
        if (verlauf_.size() > kVerlaufMax) verlauf_.removeFirst();
    }
    verlaufPos_ = verlauf_.size();
}

bool TRechnerFenster::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == AusdruckEdit && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (taste == Qt::Key_Up && verlaufPos_ > 0) {
            AusdruckEdit->setText(verlauf_[--verlaufPos_]);
            return true;
        }
        if (taste == Qt::Key_Down && verlaufPos_ < verlauf_.size()) {
            ++verlaufPos_;
            AusdruckEdit->setText(verlaufPos_ < verlauf_.size() ? verlauf_[verlaufPos_]
                                                                : QString());
            return true;
        }
    }
    return QDialog::eventFilter(objekt, e);
}

}  // namespace quintor
