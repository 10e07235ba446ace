// The iteration run of the main window: run, single step, abort, repetition count, speed.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "dialoge.h"
#include "intedit.h"
#include "mainform.h"
#include "meldungen.h"
#include "rotaryswitch.h"
#include "stringgrid.h"

namespace quintor {

void TMainForm::SetzeLaufzustand(bool laeuft) {
    laeuft_ = laeuft;
    AbbruchKnopf->setEnabled(laeuft);
    BerechneKnopf->setEnabled(!laeuft);
    Iteration1->setEnabled(!laeuft);
}

void TMainForm::BerechneKnopfClick() {
    if (Wiederholungen <= 0 || laeuft_ || schliesst_) return;
    SetzeLaufzustand(true);
    for (std::int32_t k = 1; k <= modell_.Variablenzahl; ++k)
        modell_.Variablen[static_cast<std::size_t>(k)].Wert =
            modell_.StartwertListe[static_cast<std::size_t>(k)];
    for (std::int32_t i = 1;; ++i) {
        ZaehlerEdit->setNumber(i);
        try {
            Rechenschritt(modell_, ergebnisse_);
        } catch (const Gleitkommaueberlauf&) {
            SetzeLaufzustand(false);
            dialoge_.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
            return;
        }
        Warte(3 * Verzoegerung);
        QCoreApplication::processEvents();
        // Both are read afresh: the spin edit and the abort button act at once.
        if (i >= Wiederholungen || !AbbruchKnopf->isEnabled() || schliesst_) break;
    }
    SetzeLaufzustand(false);
}

void TMainForm::EinzelKnopfClick() {
    ZaehlerEdit->setNumber(ZaehlerEdit->Number() + 1);
    try {
        Rechenschritt(modell_, ergebnisse_);
    } catch (const Gleitkommaueberlauf&) {
        dialoge_.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
    }
}

void TMainForm::AbbruchKnopfClick() {
    AbbruchKnopf->setEnabled(false);
}

void TMainForm::SpinEdit1Change() {
    // A text that is no whole number counts as the minimum, 0.
    Wiederholungen = SpinEdit1->Zahl();
}

void TMainForm::RotaryKnob1Change() {
    // Halves round to even, as the original's rounding does.
    const long teiler = std::lrint(RotaryKnob1->Value() + 5.0);
    Verzoegerung = teiler > 0 ? static_cast<std::int32_t>(2000 / teiler) : 400;
}

void TMainForm::Warte(int ms) {
    QElapsedTimer uhr;
    uhr.start();
    QCoreApplication::processEvents();  // at least once, also for 0 ms
    while (!schliesst_ && uhr.elapsed() <= ms) {
        QEventLoop schleife;
        QTimer wecker;
        wecker.setSingleShot(true);
        wecker.setTimerType(Qt::PreciseTimer);
        connect(&wecker, &QTimer::timeout, &schleife, &QEventLoop::quit);
        wecker.start(static_cast<int>(ms - uhr.elapsed() + 1));
        warteSchleife_ = &schleife;
        schleife.exec();  // sleeps until an event or the timer
        warteSchleife_ = nullptr;
    }
}

}  // namespace quintor
