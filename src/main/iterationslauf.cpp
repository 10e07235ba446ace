#include "iterationslauf.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "dialoge.h"
#include "dokument.h"

namespace quintor {

Iterationslauf::Iterationslauf(Dokument& dokument, Dialoge& dialoge, Ergebnisanzeige& anzeige,
                               QObject* parent)
    : QObject(parent),
      dokument_(dokument),
      dialoge_(dialoge),
      anzeige_(anzeige),
      lauf_(dokument.Daten()) {}

bool Iterationslauf::StartwerteUebernehmen(bool nurNeue) {
    const std::uint64_t stand = dokument_.Startwertstand();
    if (nurNeue && stand == uebernommen_) return true;
    uebernommen_ = stand;
    const bool ok = dokument_.StartwerteUebernehmen(dialoge_);
    emit StartwerteGelesen();
    return ok;
}

void Iterationslauf::Hoechstzahl() {
    // A count of 0 or less ends the run after the step made: the driver would take it as none.
    lauf_.Hoechstzahl = std::max<std::int64_t>(1, dokument_.Wiederholungen);
}

bool Iterationslauf::Schritt(Lauf& lauf) {
    if (lauf.Schritt(&anzeige_) != Laufende::Ueberlauf) return true;
    if (laeuft_) {
        laeuft_ = false;
        emit Laufzustand(false);
    }
    dialoge_.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
    return false;
}

void Iterationslauf::Iteration() {
    if (dokument_.Wiederholungen <= 0 || laeuft_ || beendet_) return;
    if (!StartwerteUebernehmen()) return;
    gestartet_ = dokument_.Startwertstand();
    lauf_.Starte();
    laeuft_ = true;
    emit Laufzustand(true);
    for (;;) {
        emit Zaehler(lauf_.Schritte() + 1);
        if (!Schritt(lauf_)) return;
        Warte(Pause());
        QCoreApplication::processEvents();
        // Read afresh: the spin edit acts at once.
        Hoechstzahl();
        if (beendet_ || lauf_.Pruefe() != Laufende::Weiter) break;
    }
    laeuft_ = false;
    emit Laufzustand(false);
}

void Iterationslauf::Einzelschritt(std::int64_t gezeigt) {
    // During a run the step goes in between, from the run's current values.
    const bool neu = !laeuft_ && dokument_.Startwertstand() != gestartet_;
    if (neu) {
        if (!StartwerteUebernehmen()) return;
        gestartet_ = dokument_.Startwertstand();
        lauf_.Starte();
        gezeigt = 0;
    }
    emit Zaehler(gezeigt + 1);
    Lauf einzeln(dokument_.Daten());  // counts nothing for the run
    Schritt(einzeln);
}

void Iterationslauf::Beende() {
    beendet_ = true;
    lauf_.Halte();
    if (warteSchleife_) warteSchleife_->quit();
}

void Iterationslauf::Warte(int ms) {
    QElapsedTimer uhr;
    uhr.start();
    QCoreApplication::processEvents();  // at least once, also for 0 ms
    while (!beendet_ && uhr.elapsed() <= ms) {
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
