#include "iterationslauf.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "dialoge.h"
#include "dokument.h"

namespace quintor {

namespace {

// Nanoseconds between two displays (60 a second) and between two event handlings of a run
// without the pause: "Abbruch" and the other controls answer at once, the steps lose little.
constexpr std::int64_t kAnzeigetakt = 1'000'000'000 / 60 + 1;
constexpr std::int64_t kEreignistakt = 2'000'000;

}  // namespace

Iterationslauf::Iterationslauf(Dokument& dokument, Dialoge& dialoge, Ergebnisanzeige& anzeige,
                               QObject* parent)
    : QObject(parent),
      dokument_(dokument),
      dialoge_(dialoge),
      anzeige_(anzeige),
      lauf_(dokument.Daten()) {
    Uhr = [] {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
}

bool Iterationslauf::StartwerteUebernehmen(bool nurNeue) {
    const std::uint64_t stand = dokument_.Startwertstand();
    if (nurNeue && stand == uebernommen_) return true;
    uebernommen_ = stand;
    VerwirfZeilenschritt();  // its values are gone
    const bool ok = dokument_.StartwerteUebernehmen(dialoge_);
    emit StartwerteGelesen();
    return ok;
}

void Iterationslauf::Hoechstzahl() {
    // A count of 0 or less ends the run after the step made: the driver would take it as none.
    lauf_.Hoechstzahl = std::max<std::int64_t>(1, dokument_.Wiederholungen);
}

void Iterationslauf::Bedingung() {
    emit Meldung(QString());
    const auto& b = dokument_.Abbruch();
    if (!lauf_.SetzeBedingung(b)) emit Meldung(QString::fromStdString(Bedingungswarnung(*b)));
}

bool Iterationslauf::Schritt(Lauf& lauf, bool zeigen) {
    if (lauf.Schritt(zeigen ? &anzeige_ : nullptr) != Laufende::Ueberlauf) return true;
    return Ueberlauf(lauf, zeigen);
}

bool Iterationslauf::Ueberlauf(Lauf& lauf, bool zeigen) {
    // The message box stands over the values the run stopped at.
    if (!zeigen) ZeigeStand(lauf.Schritte());
    if (laeuft_) {
        laeuft_ = false;
        emit Laufzustand(false);
    }
    dialoge_.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
    return false;
}

bool Iterationslauf::Neubeginn() {
    if (!StartwerteUebernehmen()) return false;
    gestartet_ = dokument_.Startwertstand();
    lauf_.Starte();
    return true;
}

void Iterationslauf::Iteration() {
    if (dokument_.Wiederholungen <= 0 || laeuft_ || beendet_) return;
    if (!Neubeginn()) return;
    Bedingung();
    laeuft_ = true;
    emit Laufzustand(true);
    bool ungezeigt = false;  // steps without the pause made since the last display
    for (;;) {
        if (OhnePause) {
            if (!ungezeigt) gezeigtUm_ = ereignisseUm_ = Uhr();
            ungezeigt = true;
            if (!Schritt(lauf_, false)) return;
            Takt();
        } else {
            // A step with the pause shows all it stores.
            ungezeigt = false;
            emit Zaehler(lauf_.Schritte() + 1);
            if (!Schritt(lauf_)) return;
            Warte(Pause());
            QCoreApplication::processEvents();
        }
        // Read afresh: the spin edit acts at once.
        Hoechstzahl();
        if (beendet_ || lauf_.Pruefe() != Laufende::Weiter) break;
    }
    if (ungezeigt) ZeigeStand(lauf_.Schritte());
    if (lauf_.Pruefe() == Laufende::Bedingung)
        emit Meldung(
            QString::fromStdString(Abbruchmeldung(*dokument_.Abbruch(), lauf_.Schritte())));
    laeuft_ = false;
    emit Laufzustand(false);
}

void Iterationslauf::Takt() {
    const std::int64_t jetzt = Uhr();
    const bool zeigen = jetzt - gezeigtUm_ >= kAnzeigetakt;
    if (zeigen) {
        gezeigtUm_ = jetzt;
        ZeigeStand(lauf_.Schritte());
    }
    // A display is painted at once; "Abbruch" and the close event come through here too.
    if (zeigen || jetzt - ereignisseUm_ >= kEreignistakt) {
        ereignisseUm_ = jetzt;
        QCoreApplication::processEvents();
    }
}

void Iterationslauf::ZeigeStand(std::int64_t schritt) {
    emit Zaehler(schritt);
    const Modell& m = dokument_.Daten();
    for (std::int32_t e = 1; e <= m.Gleichungszahl; ++e) {
        const std::int32_t ziel = m.Gleichungsliste[static_cast<std::size_t>(e)].Ziel;
        if (ziel > 0) anzeige_.Ergebnis(ziel, m.Variablen[static_cast<std::size_t>(ziel)].Wert);
    }
}

void Iterationslauf::Einzelschritt(std::int64_t gezeigt) {
    // During a run the step goes in between, from the run's current values.
    const bool neu = !laeuft_ && dokument_.Startwertstand() != gestartet_;
    if (neu) {
        if (!Neubeginn()) return;
        gezeigt = 0;
    }
    emit Zeile(0);
    emit Zaehler(gezeigt + 1);
    // A step begun line by line is completed; otherwise the step counts nothing for the run.
    Lauf einzeln(dokument_.Daten());
    Schritt(lauf_.ErledigteZeilen() > 0 ? lauf_ : einzeln);
}

void Iterationslauf::Zeilenschritt(std::int64_t gezeigt) {
    if (laeuft_ || beendet_) return;
    if (dokument_.Startwertstand() != gestartet_) {
        if (!Neubeginn()) return;
        gezeigt = 0;
        emit Zaehler(0);
    }
    const Laufende ende = lauf_.Zeilenschritt(&anzeige_);
    emit Zeile(lauf_.LetzteZeile());
    if (lauf_.ErledigteZeilen() == 0) emit Zaehler(gezeigt + 1);
    if (ende == Laufende::Ueberlauf) Ueberlauf(lauf_, true);
}

void Iterationslauf::VerwirfZeilenschritt() {
    lauf_.VerwirfZeilen();
    emit Zeile(0);
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
