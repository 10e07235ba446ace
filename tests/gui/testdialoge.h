// Message boxes for window tests: every box is recorded instead of shown, questions are
// answered from a list, and a box nobody expected fails the test instead of hanging it.
#pragma once

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialoge.h"
#include "hilfe.h"

namespace quintor::test {

class TestDialoge : public Dialoge {
  public:
    struct Eintrag {
        Meldungsart art;
        QString text;
    };
    std::vector<Eintrag> meldungen;
    std::deque<bool> antworten;  // for questions, in order
    // For questions with "Abbrechen"; while empty, `antworten` answers them (Ja or Nein).
    std::deque<Antwort> wahl;
    QStringList fragen;

    void Melde(Meldungsart art, const std::string& text) override {
        meldungen.push_back({art, QString::fromStdString(text)});
    }
    bool Frage(const std::string& text) override {
        fragen << QString::fromStdString(text);
        if (antworten.empty()) {
            QTest::qFail(qPrintable("unerwartete Frage: " + fragen.last()), __FILE__, __LINE__);
            return false;
        }
        const bool a = antworten.front();
        antworten.pop_front();
        return a;
    }
    Antwort FrageMitAbbruch(const std::string& text) override {
        if (wahl.empty()) return Frage(text) ? Antwort::Ja : Antwort::Nein;
        fragen << QString::fromStdString(text);
        const Antwort a = wahl.front();
        wahl.pop_front();
        return a;
    }
    QStringList Texte() const {
        QStringList t;
        for (const auto& m : meldungen) t << m.text;
        return t;
    }
    void Leeren() {
        meldungen.clear();
        fragen.clear();
        antworten.clear();
        wahl.clear();
    }
};

class TestHilfe : public Hilfe {
  public:
    QStringList aufrufe;
    void Inhalt() override { aufrufe << "Inhalt"; }
    void Suche() override { aufrufe << "Suche"; }
    void Benutzung() override { aufrufe << "Benutzung"; }
    void Kontext(int nummer) override { aufrufe << QString("Kontext %1").arg(nummer); }
};

// Closes the next modal dialog that opens (after `aktion` has looked at it), so that a test
// that opens a window does not wait forever.
inline void SchliesseNaechstenDialog(std::function<void(QDialog*)> aktion = {}) {
    auto* wecker = new QTimer;
    wecker->setInterval(10);
    QObject::connect(wecker, &QTimer::timeout, [wecker, aktion] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        wecker->stop();
        wecker->deleteLater();
        if (aktion) aktion(d);
        d->reject();
    });
    wecker->start();
}

// Closes the next `anzahl` modal dialogs as they come up (a window may open a dialog of its own
// first) and records their titles.
inline void SchliesseDialoge(QStringList* titel, int anzahl) {
    auto* wecker = new QTimer;
    wecker->setInterval(10);
    QObject::connect(wecker, &QTimer::timeout, [wecker, titel, anzahl] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        *titel << d->windowTitle();
        if (titel->size() >= anzahl) {
            wecker->stop();
            wecker->deleteLater();
        }
        d->reject();
    });
    wecker->start();
}

// Fails the test instead of hanging it when a modal window stays open that no test step closes:
// when the same window is still the active modal one after 20 of the watcher's rounds, in each
// of which the event loop went idle (so every closer had its turn), it is closed and
// `ausgeloest` names it. Counted in idle rounds, not in time: on a busy machine they only come
// later, and a window busy with a run is never taken for a stuck one.
class ModalWaechter {
  public:
    ModalWaechter() {
        QObject::connect(QAbstractEventDispatcher::instance(),
                         &QAbstractEventDispatcher::aboutToBlock, &wecker_,
                         [this] { leerlauf_ = true; });
        wecker_.setInterval(100);
        QObject::connect(&wecker_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w != offen_) {
                offen_ = w;
                runden_ = 0;
            } else if (w && leerlauf_ && ++runden_ >= 20) {
                ausgeloest =
                    w->windowTitle().isEmpty() ? QStringLiteral("(ohne Titel)") : w->windowTitle();
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
                else
                    w->close();
            }
            leerlauf_ = false;
        });
        wecker_.start();
    }
    QString ausgeloest;

  private:
    QTimer wecker_;
    QWidget* offen_ = nullptr;
    int runden_ = 0;
    bool leerlauf_ = false;
};

// Waits, dispatching events, until `bedingung` holds. The bound only ends a hang; nothing
// depends on how long the wait takes.
constexpr int kOhneFrist = 24 * 60 * 60 * 1000;
template <typename Bedingung>
bool WarteBis(Bedingung bedingung) {
    return QTest::qWaitFor(bedingung, kOhneFrist);
}

// Waits until `fenster` is active for Qt Widgets too: the platform reports the activation
// before the application hands it on, and shortcuts go by the application's active window.
inline bool WarteBisAktiv(QWidget* fenster) {
    return QTest::qWaitForWindowActive(fenster, kOhneFrist) &&
           WarteBis([fenster] { return QApplication::activeWindow() == fenster->window(); });
}

}  // namespace quintor::test
