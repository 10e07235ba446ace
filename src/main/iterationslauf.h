// The main window's run: "Iteration" repeats the steps with a pause after each (or, when asked,
// without it), "Einzelschritt" makes one more, "Abbruch" ends a run after its current step. It also
// keeps track of which start values the current values came from.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

#include "lauf.h"

class QEventLoop;

namespace quintor {

class Dialoge;
class Dokument;

class Iterationslauf : public QObject {
    Q_OBJECT

  public:
    // Results go to `anzeige` as they are stored; the repetition count is the document's.
    Iterationslauf(Dokument& dokument, Dialoge& dialoge, Ergebnisanzeige& anzeige,
                   QObject* parent = nullptr);

    // The pause after each step in milliseconds, read afresh after every step.
    std::function<int()> Pause = [] { return 0; };
    // Steps without the pause, read afresh after every step. Such steps show the count and the
    // results at most 60 times a second and once more when the run ends.
    bool OhnePause = false;
    // A steady clock in nanoseconds that paces those displays; tests replace it.
    std::function<std::int64_t()> Uhr;

    // The run: from exactly the start values shown, Wiederholungen steps.
    void Iteration();
    // One step: the first one of a new run when the start values or the model changed since the
    // last run started, else the next one; a step begun line by line is completed. `gezeigt` is
    // the counter as it reads now.
    void Einzelschritt(std::int64_t gezeigt);
    // The next equation line only: of a new step when the start values or the model changed
    // since the last run started, else of the current one. After the last line the counter
    // shows `gezeigt` + 1. Nothing during a run.
    void Zeilenschritt(std::int64_t gezeigt);
    // A step begun line by line no longer counts (an edit, new start values, a view's run).
    void VerwirfZeilenschritt();
    // The run ends after its current step.
    void Abbruch() { lauf_.Halte(); }
    // The window is closing: the run ends, a pause at once.
    void Beende();
    bool Laeuft() const { return laeuft_; }

    // Converts the start-value texts into start values and current values; with `nurNeue` only
    // when they changed since they were last converted. False after a failure (message shown).
    bool StartwerteUebernehmen(bool nurNeue = false);

    // Pauses for more than `ms` milliseconds while the window stays alive: waits on the event
    // loop, it does not spin. Ends early once Beende() was called.
    void Warte(int ms);

  signals:
    void Zaehler(std::int64_t schritt);
    void Laufzustand(bool laeuft);
    // The start values were converted: the results shown are no longer those of these values.
    void StartwerteGelesen();
    // A line for the status line: empty when a run starts, the stop condition's message when it
    // ended the run or names no variable.
    void Meldung(const QString& text);
    // The equation (from 1) a line step has just evaluated; 0 when no line is to be marked.
    void Zeile(std::int32_t gleichung);

  private:
    bool Schritt(Lauf& lauf, bool zeigen = true);
    bool Ueberlauf(Lauf& lauf, bool zeigen);
    // Current values := start values as a new run's: for a step after changes.
    bool Neubeginn();
    void Hoechstzahl();
    void Bedingung();
    // After a step without the pause: events and the display when their time has come.
    void Takt();
    // The count `schritt` and every equation's current result.
    void ZeigeStand(std::int64_t schritt);

    Dokument& dokument_;
    Dialoge& dialoge_;
    Ergebnisanzeige& anzeige_;
    Lauf lauf_;
    // The Startwertstand of the values last converted, and of the last run's start.
    std::uint64_t uebernommen_ = ~std::uint64_t{0};
    std::uint64_t gestartet_ = ~std::uint64_t{0};
    bool laeuft_ = false;
    bool beendet_ = false;
    // Clock readings of the last display and the last event handling in a run without the pause.
    std::int64_t gezeigtUm_ = 0;
    std::int64_t ereignisseUm_ = 0;
    QPointer<QEventLoop> warteSchleife_;
};

}  // namespace quintor
