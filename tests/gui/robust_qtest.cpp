// The three runs (main window, graph, table) under random clicks: 100 rounds each of halting,
// aborting, stopping, continuing, restarting, resizing and closing while a run goes on. No
// crash, no leak (in the sanitizer build), and every window ends idle. Which clicks land while a
// run goes on depends on the machine's speed; no check does: a round ends when every click has
// been made and the window, which is always closed last, is closed and idle.
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include "anwendung.h"
#include "dialoge.h"
#include "graphform.h"
#include "hilfe.h"
#include "ks.h"
#include "mainform.h"
#include "rotaryswitch.h"
#include "stringgrid.h"
#include "tabellenform.h"
#include "tabvarwahlform.h"
#include "testdialoge.h"

using namespace quintor;

namespace {

// Every box is answered with "Nein" and counted; nothing waits for a user.
class Stumm : public Dialoge {
  public:
    int meldungen = 0, fragen = 0;
    void Melde(Meldungsart, const std::string&) override { ++meldungen; }
    bool Frage(const std::string&) override {
        ++fragen;
        return false;
    }
    Antwort FrageMitAbbruch(const std::string&) override {
        ++fragen;
        return Antwort::Nein;
    }
};

constexpr int kRunden = 100;

}  // namespace

class RobustTest : public QObject {
    Q_OBJECT

    QRandomGenerator zufall{20261208};
    Stumm dialoge;
    KeineHilfe hilfe;

    int offen = 0;  // actions not yet fired

    int Zahl(int bis) { return static_cast<int>(zufall.bounded(bis)); }

    // Fires `anzahl` of the given actions at random moments of the next `ms` milliseconds, as
    // long as the window is on screen (a closed window takes no clicks), and then `schliessen`.
    void Zufallsaktionen(QWidget* fenster, const std::vector<std::function<void()>>& aktionen,
                         int anzahl, int ms, const std::function<void()>& schliessen) {
        const auto spaeter = [this, fenster](int wann, const std::function<void()>& aktion) {
            ++offen;
            QTimer::singleShot(wann, fenster, [this, fenster, aktion] {
                --offen;
                if (fenster->isVisible()) aktion();
            });
        };
        for (int i = 0; i < anzahl; ++i)
            spaeter(Zahl(ms),
                    aktionen[static_cast<std::size_t>(Zahl(static_cast<int>(aktionen.size())))]);
        spaeter(ms, schliessen);  // the window always closes
    }

    // Every action fired, the window closed and no run going on.
    bool Ruhig(QWidget* fenster, const std::function<bool()>& laeuft) {
        return test::WarteBis([&] {
            return offen == 0 && !fenster->isVisible() && !laeuft() &&
                   !QApplication::activeModalWidget();
        });
    }

    std::unique_ptr<Anwendung> Neu(const QString& modell, const QStringList& startwerte) {
        auto a = std::make_unique<Anwendung>(dialoge, hilfe, QStringList{});
        TMainForm* f = a->fenster.MainForm;
        f->Memo1->setPlainText(modell);
        f->SCANNEN();
        for (int i = 0; i < startwerte.size(); ++i)
            f->StringGrid1->SetzeZelle(1, i + 1, startwerte[i].toStdString());
        f->StartwerteInit();
        return a;
    }

  private slots:
    void Hauptfenster() {
        for (int runde = 0; runde < kRunden; ++runde) {
            auto a = Neu("X:=X+1\nY:=SQRT(X-5)\nZ:=Z*1.5", {"0", "0", "1"});
            TMainForm* f = a->fenster.MainForm;
            f->show();
            f->Verzoegerung = Zahl(3);
            f->SpinEdit1->setValue(Zahl(50));
            Zufallsaktionen(f,
                            {[f] { f->AbbruchKnopf->click(); }, [f] { f->EinzelKnopfClick(); },
                             [f, this] { f->SpinEdit1->setValue(Zahl(100)); },
                             [f, this] { f->RotaryKnob1->setValue(Zahl(101)); },
                             [f, this] { f->resize(400 + Zahl(400), 300 + Zahl(300)); },
                             [f] { f->Memo1->insertPlainText(QStringLiteral(" ")); },
                             [f] { f->close(); }, [f] { f->BerechneKnopfClick(); }},
                            8, 60, [f] { f->close(); });
            f->BerechneKnopfClick();
            QVERIFY(Ruhig(f, [f] { return f->LaeuftGerade(); }));
            QVERIFY(!f->AbbruchKnopf->isEnabled());
            QVERIFY(f->BerechneKnopf->isEnabled());
        }
    }

    void Graph() {
        for (int runde = 0; runde < kRunden; ++runde) {
            auto a = Neu("X:=X+V*DT\nV:=V-X*DT", {"1", "0", "0,01"});
            TGraphForm* g = a->fenster.GraphForm;
            TKoordinatensystem* ks = g->Koordinatensystem1;
            Graphwerte gw = a->dokument.Inhalt().Graph();
            gw.horizontal = 1;
            gw.vertikal = 2;
            gw.AchsenGewaehlt = true;
            gw.Streckenzug = Zahl(2) == 0;
            gw.Punktmodul = Zahl(4);
            a->dokument.Inhalt().SetzeGraph(gw);
            const auto maus = [ks](QEvent::Type art, QPoint p) {
                QMouseEvent e(art, p, ks->mapToGlobal(p), Qt::LeftButton,
                              art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoModifier);
                QApplication::sendEvent(ks, &e);
            };
            Zufallsaktionen(
                g,
                {[g] { g->HaltKnopfClick(); }, [g] { g->AbbruchKnopfClick(); },
                 [g] { g->LoeschKnopfClick(); }, [g] { g->CopyKnopfClick(); },
                 [g] { g->ZeigenKnopfClick(); },
                 [g, this] { g->resize(300 + Zahl(400), 200 + Zahl(300)); },
                 [maus, this] { maus(QEvent::MouseButtonPress, QPoint(Zahl(450), Zahl(280))); },
                 [maus, this] { maus(QEvent::MouseMove, QPoint(Zahl(450), Zahl(280))); },
                 [maus, this] { maus(QEvent::MouseButtonRelease, QPoint(Zahl(450), Zahl(280))); },
                 [g] { g->reject(); }},
                10, 80, [g] { g->reject(); });
            g->show();
            QVERIFY(Ruhig(g, [g] { return g->LaeuftGerade(); }));
            QVERIFY(g->Stopp);
            QVERIFY(g->VarWahlKnopf->isEnabled() && g->ZeigenKnopf->isEnabled());
            QVERIFY(!g->Blinklabel1->isVisible());
        }
    }

    void Tabelle() {
        for (int runde = 0; runde < kRunden; ++runde) {
            auto a = Neu("T:=T+1\nX:=X+V*DT\nV:=V-X*DT", {"0", "1", "0", "0,01"});
            TTabellenform* t = a->fenster.Tabellenform;
            TTabVarWahlForm* wahl = a->fenster.TabVarWahlForm;
            a->dokument.Inhalt().Wiederholungen = 50 + Zahl(5000);
            wahl->SpinEdit1->setValue(Zahl(3));
            // The column dialog is answered as soon as it is up.
            QTimer takt;
            takt.setInterval(1);
            connect(&takt, &QTimer::timeout, wahl, [wahl, this] {
                if (QApplication::activeModalWidget() != wahl) return;
                wahl->IncAllBtnClick();
                if (Zahl(10) == 0)
                    wahl->reject();
                else
                    wahl->OKBtn->click();
            });
            takt.start();
            Zufallsaktionen(
                t,
                {[t] { t->StopBtnClick(); },
                 [t] {
                     if (t->WeiterBtn->isEnabled()) t->WeiterBtnClick();
                 },
                 [t] { t->NeuBtnClick(); },
                 [t] {
                     t->Memo1->selectAll();
                     t->CopyBtnClick();
                 },
                 [t, this] { t->resize(300 + Zahl(400), 200 + Zahl(300)); }, [t] { t->reject(); }},
                8, 60, [t] { t->reject(); });
            t->show();
            QVERIFY(Ruhig(t, [t] { return t->LaeuftGerade(); }));
            takt.stop();
            QVERIFY(t->Fertig);
        }
    }
};

QTEST_MAIN(RobustTest)
#include "robust_qtest.moc"
