// The graph window: its runs in line and point mode, halt, abort, zoom, coordinates, measured
// data, limits it refuses, re-showing by the window system, and closing during a run. Runs are
// halted, aborted or closed at a counted step, never after a time.
#include <QtTest/qtestspontaneevent.h>

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QtEndian>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>

#include "anwendung.h"
#include "graphform.h"
#include "ks.h"
#include "mainform.h"
#include "stringgrid.h"
#include "testdialoge.h"

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
    std::unique_ptr<Anwendung> a;
    std::unique_ptr<test::ModalWaechter> waechter;
    TMainForm* f = nullptr;
    TGraphForm* g = nullptr;
    TKoordinatensystem* ks = nullptr;

    // A scanned model with start values; the graph set to plot variable h against v.
    void Modell(const QString& text, const QStringList& startwerte, int h, int v) {
        f->Memo1->setPlainText(text);
        f->SCANNEN();
        for (int i = 0; i < startwerte.size(); ++i)
            f->StringGrid1->SetzeZelle(1, i + 1, startwerte[i].toStdString());
        f->StartwerteInit();
        g->horizontal = h;
        g->vertikal = v;
        g->AchsenGewaehlt = true;
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
    float Wert(int nr) { return f->Daten().Variablen[static_cast<std::size_t>(nr)].Wert; }
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
        a = std::make_unique<Anwendung>(d, hilfe, QStringList{});
        f = a->fenster.MainForm;
        g = a->fenster.GraphForm;
        ks = g->Koordinatensystem1;
    }
    void cleanup() {
        g->reject();
        a.reset();
        QVERIFY2(waechter->ausgeloest.isEmpty(),
                 qPrintable("offen geblieben: " + waechter->ausgeloest));
    }

    void FenstergroesseUndStartzustand() {
        QCOMPARE(ks->size(), QSize(454, 276));
        QCOMPARE(g->windowTitle(), QString("Graph"));
        QCOMPARE(g->Koordinatentext(0), QString("  0.00"));
        QCOMPARE(g->Koordinatentext(-46000), QString("-4.6E+0004"));
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
            g->Streckenzug = false;
            g->Punktmodul = fall.modul;
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
        Ziehe({300, 200}, {100, 50});
        QCOMPARE(ks->x1(), x1);
        QCOMPARE(ks->x2(), x2);
        QCOMPARE(ks->y1(), y1);
        QCOMPARE(ks->y2(), y2);
        QVERIFY(!g->LaeuftGerade());
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
        f->Messdatei = pfad;
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
        f->Messdatei = ordner.filePath("fehlt.dat");
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
        QVERIFY(!g->AchsenGewaehlt);
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
            f->Messdatei = datei.fileName();
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
};

QTEST_MAIN(GraphTest)
#include "graph_qtest.moc"
