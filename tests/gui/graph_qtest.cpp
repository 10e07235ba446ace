// The graph window: its runs in line and point mode, halt, abort, zoom, coordinates, measured
// data, limits it refuses, re-showing by the window system, and closing during a run; its
// settings kept in the document. Runs are halted, aborted or closed at a counted step, never
// after a time.
#include <QtTest/qtestspontaneevent.h>

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QtEndian>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>

#include "dokumentobjekt.h"
#include "graphform.h"
#include "grenzenform.h"
#include "intedit.h"
#include "ks.h"
#include "kurven.h"
#include "singedit.h"
#include "testdialoge.h"
#include "varwahlform.h"

using namespace quintor;

namespace {

constexpr QRgb kSchwarz = 0xff000000u;
constexpr float kInf = std::numeric_limits<float>::infinity();

// Waits for a condition that the event loop brings about; the bound only ends a test that hangs.
bool Warte(const std::function<bool()>& bedingung) {
    return QTest::qWaitFor(bedingung, 120'000);
}

int Schwarze(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == kSchwarz;
    return n;
}

}  // namespace

class GraphTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe hilfe;
    std::unique_ptr<Dokumentobjekt> dokument;
    std::unique_ptr<QWidget> haupt;  // in place of the main window, the parent of them all
    std::unique_ptr<test::ModalWaechter> waechter;
    TGraphForm* g = nullptr;
    TVarWahlForm* vw = nullptr;
    TGrenzenForm* gf = nullptr;
    TKoordinatensystem* ks = nullptr;
    QTimer dialogwecker;

    Dokument& D() { return dokument->Inhalt(); }
    void Einstellen(const std::function<void(Graphwerte&)>& aenderung) {
        Graphwerte w = D().Graph();
        aenderung(w);
        D().SetzeGraph(w);
    }
    // A scanned model with start values, taken over as the main window does before it opens
    // the graph; the graph set to plot variable h against v.
    void Modell(const QString& text, const QStringList& startwerte, int h, int v) {
        std::vector<std::string> zeilen;
        for (const QString& z : text.split('\n')) zeilen.push_back(z.toStdString());
        D().SetzeZeilen(zeilen);
        D().Scanne(d);
        for (int i = 0; i < startwerte.size(); ++i)
            D().SetzeStartwerttext(i + 1, startwerte[i].toStdString());
        QVERIFY(D().StartwerteUebernehmen(d));
        Einstellen([&](Graphwerte& w) {
            w.horizontal = h;
            w.vertikal = v;
            w.AchsenGewaehlt = true;
        });
    }
    // Works `aktion` in the dialog once it is the modal one; the action closes it.
    void ImDialog(QDialog* dialog, std::function<void()> aktion) {
        dialogwecker.disconnect();
        connect(&dialogwecker, &QTimer::timeout, this, [this, dialog, aktion] {
            if (QApplication::activeModalWidget() != dialog) return;
            dialogwecker.stop();
            aktion();
        });
        dialogwecker.start(0);
    }
    // Shows the window (its activation starts a run) and waits until that run has ended.
    void OeffneUndWarte() {
        const long long laeufe = g->Laeufe();
        g->show();
        QVERIFY(Warte([&] { return g->Laeufe() > laeufe && !g->LaeuftGerade(); }));
    }
    // Acts on the run after its n-th step, as a click between two steps does.
    void Nach(long long n, std::function<void()> aktion) {
        g->NachSchritt = [this, n, aktion] {
            if (g->Schritte() == n) aktion();
        };
    }
    // What the window system sends when a minimised window is restored.
    void Wiederhergestellt() {
        QHideEvent weg;
        QShowEvent da;
        for (QEvent* e : std::initializer_list<QEvent*>{&weg, &da}) {
            QSpontaneKeyEvent::setSpontaneous(e);
            QApplication::instance()->notify(g, e);
        }
    }
    QList<float> Grenzen() { return {ks->x1(), ks->x2(), ks->y1(), ks->y2()}; }
    QList<float> DokumentGrenzen() {
        return {D().Graph().x1, D().Graph().x2, D().Graph().y1, D().Graph().y2};
    }
    float Wert(int nr) { return D().Daten().Variablen[static_cast<std::size_t>(nr)].Wert; }
    void Maus(QEvent::Type art, QPoint p) {
        QMouseEvent e(art, p, ks->mapToGlobal(p), Qt::LeftButton,
                      art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(ks, &e);
    }
    void Ziehe(QPoint von, QPoint nach) {
        Maus(QEvent::MouseButtonPress, von);
        Maus(QEvent::MouseMove, nach);
        Maus(QEvent::MouseButtonRelease, nach);
    }

  private slots:
    void init() {
        waechter = std::make_unique<test::ModalWaechter>();
        d.Leeren();
        dokument = std::make_unique<Dokumentobjekt>();
        haupt = std::make_unique<QWidget>();
        vw = new TVarWahlForm(*dokument, d, hilfe, haupt.get());
        gf = new TGrenzenForm(d, hilfe, haupt.get());
        g = new TGraphForm(*dokument, d, hilfe, haupt.get());
        g->SetzeFenster(vw, gf);
        ks = g->Koordinatensystem1;
        gf->SetzeKoordinatensystem(ks);
    }
    void cleanup() {
        dialogwecker.stop();
        g->reject();
        haupt.reset();
        dokument.reset();
        QVERIFY2(waechter->ausgeloest.isEmpty(),
                 qPrintable("offen geblieben: " + waechter->ausgeloest));
    }

    void FenstergroesseUndStartzustand() {
        QCOMPARE(ks->size(), QSize(454, 276));
        QCOMPARE(g->windowTitle(), QString("Graph"));
        QCOMPARE(g->Koordinatentext(0), QString("  0.00"));
        QCOMPARE(g->Koordinatentext(-46000), QString("-4.6E+0004"));
        // The widest coordinates fit beside the curve buttons.
        const QRect label = g->Label1->geometry();
        QVERIFY(label.width() >=
                g->Label1->fontMetrics().horizontalAdvance("(-4.6E+0004; -4.6E+0004)"));
        for (QToolButton* k : {g->KurvenKnopf, g->BehaltenKnopf})
            QVERIFY(!label.intersects(k->geometry()) &&
                    g->KnopfPanel->rect().contains(k->geometry()));
    }

    void LaufEndetAmRechtenRandUndSetztZurueck() {
        Modell("T:=T+1\nY:=T*T", {"0", "0"}, 1, 2);
        OeffneUndWarte();
        QCOMPARE(g->Schritte(), 10LL);  // T reaches x2 = 10
        QCOMPARE(Wert(1), 0.0f);        // back at the start values
        QVERIFY(g->Stopp);
        QVERIFY(g->ZeigenKnopf->isEnabled() && g->VarWahlKnopf->isEnabled());
        QVERIFY(!g->Blinklabel1->isVisible());
        QVERIFY(d.meldungen.empty());
    }

    void StartJenseitsDesRandesMachtGenauEinenSchritt() {
        Modell("T:=T+1\nY:=1", {"12", "0"}, 1, 2);
        OeffneUndWarte();
        QCOMPARE(g->Schritte(), 1LL);
        QCOMPARE(Wert(1), 12.0f);
    }

    void PunktmodusZeichnetJedenNtenSchritt() {
        // Without grid and axes only the graph's own pixels are black.
        ks->setKSFarbe(Qt::white);
        const struct { int modul, punkte; } faelle[] = {{1, 11}, {3, 4}, {0, 1}};
        for (const auto& fall : faelle) {
            Modell("T:=T+1\nY:=T", {"0", "0"}, 1, 2);
            g->SetzeGrenzen(-0.5f, 10, -0.5f, 10);
            Einstellen([&](Graphwerte& w) {
                w.Streckenzug = false;
                w.Punktmodul = fall.modul;
            });
            OeffneUndWarte();
            QCOMPARE(Schwarze(ks->Bild()), fall.punkte);
            g->hide();
        }
    }

    void AnhaltenUndWeiterOhneStrich() {
        Modell("T:=T+1\nY:=T", {"0", "0"}, 1, 2);
        g->SetzeGrenzen(-10, 100, -10, 100);
        Nach(30, [this] { g->HaltKnopfClick(); });
        OeffneUndWarte();
        QCOMPARE(g->Schritte(), 30LL);
        QCOMPARE(Wert(1), 30.0f);  // kept, not reset
        QVERIFY(!g->Abgebrochen);
        // Continuing starts at the current point, not at the start values.
        Nach(5, [this] { g->HaltKnopfClick(); });
        g->ZeigenKnopfClick();
        QCOMPARE(Wert(1), 35.0f);
    }

    void AbbruchSetztZurueckUndDerNaechsteLaufLoescht() {
        Modell("X:=X+V*DT\nV:=V-X*DT", {"1", "0", "0,01"}, 1, 2);
        Nach(20, [this] { g->AbbruchKnopfClick(); });
        OeffneUndWarte();
        QVERIFY(g->Abgebrochen);
        QCOMPARE(Wert(1), 1.0f);
        ks->KaestchenZeichnen(5, 5);  // something the clearing must remove
        Nach(5, [this] { g->HaltKnopfClick(); });
        g->ZeigenKnopfClick();
        QVERIFY(ks->Bild().pixel(ks->xPixel(ks->xNorm(5)) + 2, ks->yPixel(ks->yNorm(5))) !=
                kSchwarz);
    }

    void ZoomInBeideRichtungenUndKlickOhneBewegung() {
        Modell("T:=T+1\nY:=1", {"0", "0"}, 1, 2);
        OeffneUndWarte();
        Ziehe({100, 50}, {300, 200});  // the run after the zoom ends at the new right edge
        const float x1 = ks->x1(), x2 = ks->x2(), y1 = ks->y1(), y2 = ks->y2();
        QVERIFY(x1 < x2 && y1 < y2);
        QVERIFY(!g->LaeuftGerade());
        g->SetzeGrenzen(-10, 10, -10, 10);
        ks->Skalieren();
        D().Gesichert();
        Ziehe({300, 200}, {100, 50});
        QCOMPARE(Grenzen(), QList<float>({x1, x2, y1, y2}));
        QVERIFY(!g->LaeuftGerade());
        // The zoom is a change of the model, in ascending order as the control has it.
        QVERIFY(D().Geaendert());
        QCOMPARE(DokumentGrenzen(), Grenzen());
        // A click without movement erases its own rectangle and keeps the limits.
        const QImage vorher = ks->Bild();
        Ziehe({120, 80}, {120, 80});
        QCOMPARE(ks->x1(), x1);
        QCOMPARE(ks->Bild(), vorher);
    }

    void KoordinatenUnterDerMaus() {
        Modell("T:=T+1\nY:=1", {"0", "0"}, 1, 2);
        g->SetzeGrenzen(-10, 10, -10, 10);
        OeffneUndWarte();
        Maus(QEvent::MouseMove, {237, 138});
        QCOMPARE(g->Label1->text(), QString("(  0.00;   0.00)"));
        QVERIFY(g->Label1->isVisible());
    }

    // Pasted and loaded points replace the command line's file, a bad line is counted once,
    // unreadable text keeps the old points, and "entfernen" leaves none.
    void MessdatenLadenEinfuegenEntfernen() {
        QTemporaryDir ordner;
        D().Messdatei = ordner.filePath("fehlt.dat").toStdString();
        Modell("T:=T+1\nY:=100", {"0", "100"}, 1, 2);
        g->SetzeGrenzen(-10, 10, -10, 10);
        using Punkte = std::vector<std::pair<float, float>>;
        QGuiApplication::clipboard()->setText("t\tx\n0\t1,5\n2\t-2,25\n");
        g->MessdatenEinfuegenAktion->trigger();
        QCOMPARE(g->Messpunkte(), (Punkte{{0, 1.5f}, {2, -2.25f}}));

        QFile datei(ordner.filePath("messung.csv"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("x;y\r\n1;2\r\nkaputt\r\n3;4\r\n");
        datei.close();
        g->MessdateiDialog = [&] { return datei.fileName(); };
        g->MessdatenLadenAktion->trigger();
        QCOMPARE(g->Messpunkte(), (Punkte{{1, 2}, {3, 4}}));
        QCOMPARE(d.Texte(), QStringList{"1 Zeile übersprungen."});
        d.Leeren();
        QGuiApplication::clipboard()->setText("keine Zahlen");
        g->MessdatenEinfuegenAktion->trigger();
        QCOMPARE(d.meldungen.size(), std::size_t{1});
        QCOMPARE(g->Messpunkte(), (Punkte{{1, 2}, {3, 4}}));

        OeffneUndWarte();  // a run draws the loaded points, not the missing file
        QCOMPARE(g->Messpunkte(), (Punkte{{1, 2}, {3, 4}}));
        QCOMPARE(d.meldungen.size(), std::size_t{1});
        g->MessdatenEntfernenAktion->trigger();
        QVERIFY(g->Messpunkte().empty());
    }
    void MessdatenAlsKaestchenUndFehlerEinmalJeOeffnung() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("messung.dat");
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        for (float w : {0.0f, 0.0f, 5.0f, 5.0f}) {
            const quint32 le = qToLittleEndian(std::bit_cast<quint32>(w));
            datei.write(reinterpret_cast<const char*>(&le), 4);
        }
        datei.write("abc", 3);  // a broken last record
        datei.close();
        D().Messdatei = pfad.toStdString();
        ks->setKSFarbe(Qt::white);
        Modell("T:=T+1\nY:=100", {"0", "100"}, 1, 2);  // the curve stays above the picture
        g->SetzeGrenzen(-10, 10, -10, 10);
        OeffneUndWarte();
        const QImage bild = ks->Bild();
        QCOMPARE(bild.pixel(237 - 2, 138 - 2), kSchwarz);  // the square around (0, 0)
        QCOMPARE(bild.pixel(237 + 2, 138 + 2), kSchwarz);
        QVERIFY(bild.pixel(237, 138) != kSchwarz);  // only its outline
        QCOMPARE(d.meldungen.size(), std::size_t{1});
        QVERIFY(d.meldungen[0].text.contains(pfad));
        g->ZeigenKnopfClick();  // the same opening: no second message
        QCOMPARE(d.meldungen.size(), std::size_t{1});
        D().Messdatei = ordner.filePath("fehlt.dat").toStdString();
        g->hide();
        OeffneUndWarte();
        QCOMPARE(d.meldungen.size(), std::size_t{2});
        QVERIFY(d.meldungen[1].text.contains("existiert nicht"));
        QVERIFY(!g->LaeuftGerade() && g->Stopp);
    }

    void UngueltigeAchsenOeffnenDieAuswahl() {
        Modell("T:=T+1\nY:=1", {"0", "0"}, 1, 7);
        QStringList titel;
        test::SchliesseDialoge(&titel, 1);
        g->show();
        QVERIFY(Warte([&] { return !titel.isEmpty(); }));
        QCOMPARE(titel, QStringList{"Variablenauswahl"});
        QVERIFY(!D().Graph().AchsenGewaehlt);
        QCOMPARE(g->Schritte(), 0LL);
    }

    // Restoring a minimised window is not a new opening: no clearing, no restart.
    void WiederherstellenIstKeinNeuesOeffnen() {
        Modell("T:=T+1\nY:=T", {"0", "0"}, 1, 2);
        g->SetzeGrenzen(-10, 1000, -10, 1000);
        g->NachSchritt = [this] {
            if (g->Schritte() == 20) Wiederhergestellt();  // the run goes on
            if (g->Schritte() == 30) g->HaltKnopfClick();
        };
        OeffneUndWarte();
        QCOMPARE(Wert(1), 30.0f);
        const QImage bild = ks->Bild();
        g->NachSchritt = nullptr;
        Wiederhergestellt();  // halted: it stays so, nothing is cleared
        QCoreApplication::processEvents();
        QCOMPARE(ks->Bild(), bild);
        QCOMPARE(Wert(1), 30.0f);
    }

    // A pair without a finite range in single precision never reaches the coordinate system:
    // that axis keeps its limits, as it does for an equal pair.
    void GrenzenOhneEndlicheSpanneBleiben() {
        const struct {
            float x1, x2, y1, y2;
            bool genommen;
            QList<float> danach;
        } faelle[] = {
            {-3e38f, 3e38f, 0, 1, false, {-10, 10, 0, 1}},
            {std::nanf(""), 1, 3e38f, -3e38f, false, {-10, 10, -10, 10}},
            {-1.7e38f, 1.7e38f, 7, -3, true, {-1.7e38f, 1.7e38f, -3, 7}},
        };
        for (const auto& fall : faelle) {
            g->SetzeGrenzen(-10, 10, -10, 10);
            QCOMPARE(g->SetzeGrenzen(fall.x1, fall.x2, fall.y1, fall.y2), fall.genommen);
            QCOMPARE(Grenzen(), fall.danach);
        }
        ks->setx1(-3e38f);  // the control's own setters keep such a limit too
        ks->sety2(kInf);
        QCOMPARE(Grenzen(), QList<float>({-1.7e38f, 1.7e38f, -3, 7}));
    }

    void ZuGrosseMessdateiWirdNichtGelesen() {
        QTemporaryDir ordner;
        ks->setKSFarbe(Qt::white);
        g->MessdateiHoechstens = 64;
        for (const qint64 groesse : {64, 72}) {
            d.Leeren();
            QFile datei(ordner.filePath(QString("m%1.dat").arg(groesse)));
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.resize(groesse));
            datei.close();
            D().Messdatei = datei.fileName().toStdString();
            Modell("T:=T+1\nY:=100", {"0", "100"}, 1, 2);  // the curve stays above the picture
            g->SetzeGrenzen(-10, 10, -10, 10);
            OeffneUndWarte();
            g->ZeigenKnopfClick();  // the same opening: at most one message
            // Every record is the point (0, 0): its square, or nothing.
            QCOMPARE(ks->Bild().pixel(237 - 2, 138 - 2) == kSchwarz, groesse == 64);
            QCOMPARE(d.Texte().join("").count(QString::fromUtf8("ist zu groß")),
                     groesse == 64 ? 0 : 1);
            g->hide();
        }
    }

    void SchliessenWaehrendDesLaufs() {
        Modell("X:=X+V*DT\nV:=V-X*DT", {"1", "0", "0,01"}, 1, 2);
        Nach(20, [this] { g->reject(); });
        g->show();
        QVERIFY(Warte([this] { return !g->isVisible() && !g->LaeuftGerade(); }));
        QCOMPARE(g->Schritte(), 20LL);
        QVERIFY(g->Stopp);
        QVERIFY(g->VarWahlKnopf->isEnabled());
    }

    // A model opened (its settings set in the document) brings its limits; a new one the defaults.
    void GrenzenKommenAusDemDokument() {
        Modell("T:=T+1\nY:=T", {"0", "0"}, 1, 2);
        Einstellen([](Graphwerte& w) { w.SetzeGrenzen(2, 8, 3, -1); });
        QCOMPARE(Grenzen(), QList<float>({2, 8, -1, 3}));
        OeffneUndWarte();
        QCOMPARE(Grenzen(), QList<float>({2, 8, -1, 3}));
        QCOMPARE(g->Schritte(), 8LL);  // T reaches the document's right limit
        g->hide();
        D().Neu();
        QCOMPARE(Grenzen(), QList<float>({-10, 10, -10, 10}));
    }

    void AchsenwahlUndEinstellungenAendernDasDokument() {
        Modell("T:=T+1\nY:=T*T", {"0", "0"}, 0, 0);
        Einstellen([](Graphwerte& w) { w.AchsenGewaehlt = false; });
        D().Gesichert();
        ImDialog(vw, [this] {
            for (const char* name : {"Y", "T"}) {
                vw->SrcList->clearSelection();
                vw->SrcList->findItems(name, Qt::MatchExactly).first()->setSelected(true);
                vw->IncludeBtn->click();
            }
            vw->OKBtn->click();
        });
        OeffneUndWarte();
        QVERIFY(D().Geaendert());
        QVERIFY(D().Graph().AchsenGewaehlt);
        QCOMPARE(D().Graph().horizontal, 2);
        QCOMPARE(D().Graph().vertikal, 1);

        D().Gesichert();
        ImDialog(gf, [this] {
            gf->x1Edit->setText("50");
            gf->x2Edit->setText("0");
            gf->y1Edit->setText("-5");
            gf->y2Edit->setText("5");
            gf->setDarstellungIndex(1);
            gf->SpinEdit1->setValue(3);
            gf->SchrittgrenzeBox->setChecked(true);
            gf->SchrittgrenzeEdit->setText("4");
            gf->OKBtn->click();
        });
        g->GrenzenKnopfClick();
        QVERIFY(D().Geaendert());
        QCOMPARE(DokumentGrenzen(), QList<float>({0, 50, -5, 5}));
        QCOMPARE(Grenzen(), DokumentGrenzen());
        QVERIFY(!D().Graph().Streckenzug);
        QCOMPARE(D().Graph().Punktmodul, 3);
        QVERIFY(D().Graph().SchrittgrenzeAn);
        QCOMPARE(D().Graph().Schrittgrenze, 4);
        QCOMPARE(g->Schritte(), 4LL);  // the run after the dialog
    }

    // The run starts from the start values, whatever values an earlier run left.
    void LaufBeginntBeiDenStartwerten() {
        Modell("T:=T+1\nY:=T", {"3", "0"}, 1, 2);
        D().Daten().Variablen[1].Wert = 9;
        OeffneUndWarte();
        QCOMPARE(g->Schritte(), 7LL);
    }

    // The stop condition ends the run after the step that met it, as the right limit would;
    // the step limit likewise. A condition on a name the model lacks runs to the limit.
    void BedingungUndSchrittgrenzeBeendenDenLauf() {
        const struct {
            const char* bedingung;
            int grenze;
            long long schritte;
            const char* meldung;
        } faelle[] = {
            {"Y<0", 0, 11, "Abbruch: Y < 0 nach 11 Schritten"},
            {"y <= 3,5", 0, 7, "Abbruch: Y <= 3,5 nach 7 Schritten"},
            {"Y<0", 5, 5, ""},
            {"Q<0", 0, 100,
             "Abbruchbedingung Q < 0 ohne Wirkung: Q ist keine Variable des Modells"},
        };
        for (const auto& fall : faelle) {
            Modell("T:=T+1\nY:=10-T", {"0", "0"}, 1, 2);
            g->SetzeGrenzen(-10, 100, -20, 20);
            D().SetzeAbbruch(LeseAbbruchbedingung(fall.bedingung, nullptr));
            Einstellen([&](Graphwerte& w) {
                w.SchrittgrenzeAn = fall.grenze > 0;
                w.Schrittgrenze = fall.grenze;
            });
            QSignalSpy status(dokument.get(), &Dokumentobjekt::Statusmeldung);
            QSignalSpy beendet(dokument.get(), &Dokumentobjekt::LaufBeendet);
            OeffneUndWarte();
            QCOMPARE(g->Schritte(), fall.schritte);
            QCOMPARE(Wert(1), 0.0f);  // idle at the start values
            QCOMPARE(beendet.size(), 1);
            QCOMPARE(status.first().first().toString(), QString());  // cleared at the start
            QCOMPARE(status.last().first().toString(), QString(fall.meldung));
            QCOMPARE(g->Meldungslabel->isVisible(), *fall.meldung != 0);
            QCOMPARE(g->Meldungslabel->text(), QString(fall.meldung));
            // The mouse over the picture shows the coordinates instead.
            Maus(QEvent::MouseMove, {237, 138});
            QVERIFY(!g->Meldungslabel->isVisible() && g->Label1->isVisible());
            g->hide();
        }
    }

    // Further curves in their palette colours over the same horizontal variable; the legend
    // names them in a corner away from the start.
    void WeitereKurvenInIhrenFarbenMitLegende() {
        Modell("T:=T+1\nA:=5\nB:=-5", {"0", "5", "-5"}, 1, 2);
        g->SetzeGrenzen(-10, 100, -10, 10);
        Einstellen([](Graphwerte& w) { w.WeitereKurven = {3}; });
        OeffneUndWarte();
        const QImage& bild = ks->Bild();
        QCOMPARE(bild.pixel(ks->Pixel(50, 5)), kSchwarz);
        QCOMPARE(QColor(bild.pixel(ks->Pixel(50, -5))), Kurvenfarbe(1, Qt::black));
        const QRect legende = g->Legende();
        const QPoint start = ks->Pixel(0, 5);
        QVERIFY(!legende.isEmpty());
        QVERIFY(legende.left() > start.x() && legende.top() > start.y());
        int blaue = 0;
        for (int y = legende.top(); y <= legende.bottom(); ++y)
            for (int x = legende.left(); x <= legende.right(); ++x)
                blaue += QColor(bild.pixel(x, y)) == Kurvenfarbe(1, Qt::black);
        QVERIFY(blaue > 0);
        // Fewer curves after a halt: the run goes on with a record of its own curves.
        Nach(3, [this] { g->HaltKnopfClick(); });
        g->ZeigenKnopfClick();
        Einstellen([](Graphwerte& w) { w.WeitereKurven.clear(); });
        g->ZeigenKnopfClick();
        QCOMPARE(g->Kurven().Aktuell().namen, std::vector<std::string>({"T", "A"}));
        QCOMPARE(g->Kurven().Aktuell().werte.size(), 2 * g->Kurven().Aktuell().Punkte());
    }

    // Kept runs stay in the lighter tint, named by the start value that differs, also after a
    // resize; "Graph löschen" clears them. At most ten are kept.
    void BehalteneLaeufeAufgehelltUndBenannt() {
        Modell("T:=T+1\nY:=K", {"0", "0", "2"}, 1, 2);
        g->SetzeGrenzen(-10, 100, -10, 10);
        g->BehaltenKnopf->setChecked(true);
        OeffneUndWarte();
        g->hide();
        D().SetzeStartwerttext(3, "4,5");
        QVERIFY(D().StartwerteUebernehmen(d));
        OeffneUndWarte();
        QCOMPARE(g->Kurven().Laufnamen(), std::vector<QString>({"K = 2", "K = 4,5"}));
        const auto pruefe = [this](const char* wann) {
            const QImage& bild = ks->Bild();
            QVERIFY2(QColor(bild.pixel(ks->Pixel(50, 2))) == Aufgehellt(Qt::black, 0), wann);
            QVERIFY2(bild.pixel(ks->Pixel(50, 4.5f)) == kSchwarz, wann);
            QVERIFY2(!g->Legende().isEmpty(), wann);
        };
        pruefe("nach dem zweiten Lauf");
        const long long laeufe = g->Laeufe();
        g->resize(g->width() + 40, g->height() + 30);
        QVERIFY(Warte([&] { return g->Laeufe() > laeufe && !g->LaeuftGerade(); }));
        pruefe("nach der Größenänderung");
        Ziehe(ks->Pixel(-5, -8), ks->Pixel(80, 8));  // the run after the zoom ends at T = 80
        QVERIFY(!g->LaeuftGerade());
        pruefe("nach dem Zoom");
        QCOMPARE(g->Kurven().Behaltene().size(), std::size_t(1));

        g->LoeschKnopfClick();
        QVERIFY(g->Kurven().Behaltene().empty());
        QCOMPARE(ks->Bild().pixel(ks->Pixel(50, 2)), qRgb(255, 255, 255));

        for (int k = 1; k <= 12; ++k) {
            g->hide();
            D().SetzeStartwerttext(3, std::to_string(k));
            QVERIFY(D().StartwerteUebernehmen(d));
            OeffneUndWarte();
        }
        QCOMPARE(g->Kurven().Behaltene().size(), Kurvenbuch::kHoechstensLaeufe);
        QCOMPARE(g->Kurven().Laufnamen().front(), QString("K = 2"));
    }

    // A long run keeps at most the cap of points, evenly thinned from the first.
    void LangerLaufWirdAusgeduennt() {
        Modell("T:=T+1\nY:=T", {"0", "0"}, 1, 2);
        Kurvenbuch buch;
        const std::int32_t kurve = 2;
        buch.NeuerLauf(D().Daten(), 1, &kurve, 1, true);
        const long long n = 3 * static_cast<long long>(Kurvenbuch::kHoechstensPunkte);
        for (long long i = 0; i < n; ++i) {
            const float w[2] = {static_cast<float>(i), 0};
            buch.Merke(w);
        }
        const Kurvenlauf& l = buch.Aktuell();
        QVERIFY(l.Punkte() <= Kurvenbuch::kHoechstensPunkte);
        QCOMPARE(l.abstand, 4LL);
        for (std::size_t p = 0; p < l.Punkte(); ++p) QCOMPARE(l.werte[2 * p], 4.0f * p);
    }

    // Point mode and its modulus apply to every curve alike.
    void PunktmodusFuerAlleKurven() {
        ks->setKSFarbe(Qt::white);
        Modell("T:=T+1\nA:=5\nB:=-5", {"0", "5", "-5"}, 1, 2);
        g->SetzeGrenzen(-0.5f, 10, -10, 10);
        Einstellen([](Graphwerte& w) {
            w.WeitereKurven = {3};
            w.Streckenzug = false;
            w.Punktmodul = 3;
        });
        OeffneUndWarte();
        // Outside the legend: as many blue points as black ones, the start and every third step.
        int blaue = 0, schwarze = 0;
        const QImage& bild = ks->Bild();
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                if (g->Legende().contains(x, y)) continue;
                blaue += QColor(bild.pixel(x, y)) == Kurvenfarbe(1, Qt::black);
                schwarze += bild.pixel(x, y) == kSchwarz;
            }
        QCOMPARE(blaue, 4);
        QCOMPARE(schwarze, 4);
    }

    // The legend goes to the corner of the plot area farthest from the start point.
    void LegendeInDerFernstenEcke() {
        Modell("T:=T+1\nY:=T", {"0", "0"}, 1, 2);
        ks->Skalieren();
        Kurvenbuch buch;
        const QPoint mitte(ks->width() / 2, ks->height() / 2);
        const QPoint ecken[] = {ks->Pixel(-10, 10), ks->Pixel(10, 10), ks->Pixel(-10, -10),
                                ks->Pixel(10, -10)};
        for (const QPoint& start : ecken) {
            const QRect r = buch.ZeichneLegende(*ks, {"A", "B"}, start);
            QVERIFY(!r.contains(start));
            QCOMPARE(r.center().x() < mitte.x(), start.x() > mitte.x());
            QCOMPARE(r.center().y() < mitte.y(), start.y() > mitte.y());
        }
        QVERIFY(buch.ZeichneLegende(*ks, {"A"}, ecken[0]).isEmpty());  // one curve, no runs kept
        // Six curves and eleven runs: the oldest runs' rows give way to stay inside the plot.
        buch.SetzeBehalten(true);
        const std::int32_t kurve = 2;
        for (int k = 0; k < 12; ++k) {
            D().Daten().StartwertListe[1] = static_cast<float>(k);
            buch.NeuerLauf(D().Daten(), 1, &kurve, 1, true);
            const float w[2] = {0, 0};
            buch.Merke(w);
        }
        QCOMPARE(buch.Behaltene().size(), Kurvenbuch::kHoechstensLaeufe);
        const QRect flaeche(QPoint(ks->xPixel(0), ks->yPixel(1)),
                            QPoint(ks->xPixel(1), ks->yPixel(0)));
        QVERIFY(
            flaeche.contains(buch.ZeichneLegende(*ks, {"A", "B", "C", "D", "E", "F"}, ecken[0])));
    }
};

QTEST_MAIN(GraphTest)
#include "graph_qtest.moc"
