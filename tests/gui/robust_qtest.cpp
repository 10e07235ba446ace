// The three runs (main window, graph, table) under random clicks: 100 rounds each of halting,
// aborting, stopping, continuing, restarting, resizing and closing while a run goes on. No
// crash, no leak (in the sanitizer build), and every window ends idle.
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
};

constexpr int kRunden = 100;

}  // namespace

class RobustTest : public QObject {
    Q_OBJECT

    QRandomGenerator zufall{20261208};
    Stumm dialoge;
    KeineHilfe hilfe;

    int Zahl(int bis) { return static_cast<int>(zufall.bounded(bis)); }

    // Fires `anzahl` of the given actions at random moments of the next `ms` milliseconds, as
    // long as the window is on screen (a closed window takes no clicks).
    void Zufallsaktionen(QWidget* fenster, const std::vector<std::function<void()>>& aktionen,
                         int anzahl, int ms) {
        for (int i = 0; i < anzahl; ++i) {
            const auto aktion =
                aktionen[static_cast<std::size_t>(Zahl(static_cast<int>(aktionen.size())))];
            QTimer::singleShot(Zahl(ms), fenster, [fenster, aktion] {
                if (fenster->isVisible()) aktion();
            });
        }
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
                            8, 60);
            QTimer::singleShot(80, f, [f] { f->close(); });  // the window always closes
            f->BerechneKnopfClick();
            QTest::qWait(90);  // the actions still pending, while idle
            QTRY_VERIFY(!f->LaeuftGerade());
            QVERIFY(!f->AbbruchKnopf->isEnabled());
            QVERIFY(f->BerechneKnopf->isEnabled());
        }
    }

    void Graph() {
        for (int runde = 0; runde < kRunden; ++runde) {
            auto a = Neu("X:=X+V*DT\nV:=V-X*DT", {"1", "0", "0,01"});
            TGraphForm* g = a->fenster.GraphForm;
            TKoordinatensystem* ks = g->Koordinatensystem1;
            g->horizontal = 1;
            g->vertikal = 2;
            g->AchsenGewaehlt = true;
            g->Streckenzug = Zahl(2) == 0;
            g->Punktmodul = Zahl(4);
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
                10, 80);
            QTimer::singleShot(90, g, [g] { g->reject(); });  // the window always closes
            g->show();
            QTRY_VERIFY(!g->isVisible() && !g->LaeuftGerade());
            QTest::qWait(10);
            QVERIFY(g->Stopp);
            QVERIFY(g->VarWahlKnopf->isEnabled() && g->ZeigenKnopf->isEnabled());
            QVERIFY(!g->Blinklabel1->isVisible());
        }
    }

    void Tabelle() {
        for (int runde = 0; runde < kRunden; ++runde) {
            auto a = Neu("T:=T+1\nX:=X+V*DT\nV:=V-X*DT", {"0", "1", "0", "0,01"});
            TMainForm* f = a->fenster.MainForm;
            TTabellenform* t = a->fenster.Tabellenform;
            TTabVarWahlForm* wahl = a->fenster.TabVarWahlForm;
            f->Wiederholungen = 50 + Zahl(5000);
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
                8, 60);
            QTimer::singleShot(80, t, [t] { t->reject(); });
            t->show();
            QTRY_VERIFY(!t->isVisible() && !t->LaeuftGerade());
            QTest::qWait(10);
            takt.stop();
            QVERIFY(t->Fertig);
        }
    }
};

QTEST_MAIN(RobustTest)
#include "robust_qtest.moc"
