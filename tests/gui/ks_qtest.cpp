// The coordinate system control: world to pixel conversions, limits, drawing with the pen modes,
// the grid with its labels, the rubber band, the clipboard and the picture on the screen.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <utility>

#include "ks.h"
#include "testdialoge.h"

using namespace quintor;

namespace {

constexpr QRgb kWeiss = 0xffffffffu;

// A control of the graph window's initial size, cleared and scaled as the owner does it.
std::unique_ptr<TKoordinatensystem> Neu(int b = 454, int h = 276) {
    auto ks = std::make_unique<TKoordinatensystem>();
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(13);
    ks->setFont(f);
    ks->resize(b, h);
    ks->Leeren();
    ks->Skalieren();
    return ks;
}

// All four limits at once, widened first so that no new limit is exchanged with an old one.
void Grenzen(TKoordinatensystem& ks, float x1, float x2, float y1, float y2) {
    ks.setx1(-1e20f);
    ks.setx2(1e20f);
    ks.sety1(-1e20f);
    ks.sety2(1e20f);
    ks.setx1(x1);
    ks.setx2(x2);
    ks.sety1(y1);
    ks.sety2(y2);
}

std::set<std::pair<int, int>> Gesetzt(const QImage& bild) {
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) != kWeiss) s.insert({x, y});
    return s;
}

int Zaehle(const QImage& bild, QRect r, QRgb farbe, bool gleich = true) {
    int n = 0;
    r &= bild.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((bild.pixel(x, y) == farbe) == gleich) ++n;
    return n;
}

}  // namespace

class KsTest : public QObject {
    Q_OBJECT

  private slots:
    void anfangswerte() {
        TKoordinatensystem ks;
        QVERIFY(ks.Skalenart() == TSkala::teilweise && ks.Rasteranzahl() == 4);
        QVERIFY(ks.GraphFarbe() == Qt::black && ks.KSFarbe() == QColor(255, 0, 0));
        QCOMPARE(ks.Stiftart(), QPainter::CompositionMode_Source);
        QCOMPARE(QSize(ks.Zeichenbreite(), ks.Zeichenhoehe()), ks.size() - QSize(80, 60));
        QCOMPARE(QPoint(ks.xint(), ks.yint()), QPoint(ks.xPixel(0.5f), ks.yPixel(0.5f)));
        QCOMPARE(ks.cursor().shape(), Qt::CrossCursor);
        QCOMPARE(Zaehle(ks.Bild(), ks.Bild().rect(), kWeiss, false), 0);
    }

    void pixelDerEcken() {
        auto ks = Neu();
        QCOMPARE(ks->Zeichenbreite(), 374);
        QCOMPARE(ks->Zeichenhoehe(), 216);
        const std::pair<QPointF, QPoint> faelle[] = {
            {{0, 0}, {237, 138}}, {{-10, -10}, {50, 246}}, {{10, 10}, {424, 30}}};
        for (const auto& [welt, pixel] : faelle) {
            ks->GeheZu(float(welt.x()), float(welt.y()));
            QCOMPARE(QPoint(ks->xint(), ks->yint()), pixel);
        }
        // Drawing moves the pixel fields but never the x and y properties.
        QCOMPARE(ks->x(), 0.0f);
        ks->setx(10);
        ks->sety(-10);
        QCOMPARE(QPoint(ks->xint(), ks->yint()), QPoint(424, 246));
    }

    void haelftenZurGeradenZahl() {
        auto ks = Neu(455, 277);  // 375 and 217 wide: u = 0.5 gives exact halves
        QCOMPARE(ks->xPixel(0.5f), 50 + 188);
        QCOMPARE(ks->yPixel(0.5f), 277 - (108 + 30));
        ks->resize(453, 276);
        ks->Skalieren();
        QCOMPARE(ks->xPixel(0.5f), 50 + 186);  // 186.5
        QCOMPARE(ks->xPixel(-0.5f), 50 - 186);
    }

    void zeilenGeklemmt() {
        auto ks = Neu();
        QCOMPARE(ks->yPixel(246.0f / 216), 0);
        QCOMPARE(ks->yPixel(247.0f / 216), -10);
        QCOMPARE(ks->yPixel(-30.0f / 216), 276);
        QCOMPARE(ks->yPixel(-31.0f / 216), 276);
        ks->GeheZu(0, 1e6f);
        QCOMPARE(ks->yint(), -10);
        ks->GeheZu(0, -1e6f);
        QCOMPARE(ks->yint(), 276);
        // Columns are not clamped to the picture, only far from wrapping.
        QCOMPARE(ks->xPixel(2.0f), 50 + 748);
        QCOMPARE(ks->xPixel(2.4e16f), 1 << 30);
        QCOMPARE(ks->xPixel(-2.4e16f), -(1 << 30));
    }

    void pixelfehler() {
        auto ks = Neu();
        QVERIFY_THROWS_EXCEPTION(Pixelfehler, ks->xPixel(2.5e16f));  // beyond 2^63
        QVERIFY_THROWS_EXCEPTION(Pixelfehler, ks->GeheZu(1e30f, 0));
        QVERIFY_THROWS_EXCEPTION(Pixelfehler, ks->GeheZu(0, -1e30f));
        QVERIFY_THROWS_EXCEPTION(Pixelfehler,
                                 ks->GeheZu(std::numeric_limits<float>::quiet_NaN(), 0));
        QVERIFY_THROWS_EXCEPTION(Pixelfehler,
                                 ks->GeheZu(0, std::numeric_limits<float>::infinity()));

        // A failed line draws nothing and leaves the pen where it was.
        ks->GeheZu(0, 0);
        const QImage vorher = ks->Bild().copy();
        QVERIFY_THROWS_EXCEPTION(Pixelfehler, ks->LinieZu(1e30f, 0));
        QVERIFY_THROWS_EXCEPTION(Pixelfehler, ks->PunktZeichnen(0, 1e30f));
        QVERIFY_THROWS_EXCEPTION(Pixelfehler, ks->KaestchenZeichnen(1e30f, 0));
        QCOMPARE(ks->Bild(), vorher);
        ks->LinieZu(-10, 0);
        QCOMPARE(ks->Bild().pixel(237, 138), qRgb(0, 0, 0));

        // Equal limits: the setters do not throw, the old pixel stays, drawing fails.
        ks->setx(5);
        ks->setx1(5);
        const int xint = ks->xint();
        ks->setx2(5);
        QCOMPARE(ks->dx(), 0.0f);
        QCOMPARE(ks->xint(), xint);
        QVERIFY_THROWS_EXCEPTION(Pixelfehler, ks->GeheZu(5, 0));
        QVERIFY_THROWS_EXCEPTION(Pixelfehler, ks->GeheZu(6, 0));
    }

    void grenzen() {
        auto ks = Neu();
        ks->setx2(10);
        ks->setx1(20);
        QCOMPARE(ks->x1(), 10.0f);
        QCOMPARE(ks->x2(), 20.0f);
        QCOMPARE(ks->dx(), 10.0f);

        // One after another, a new limit can meet an old one; as a whole it cannot.
        Grenzen(*ks, -10, 10, -10, 10);
        ks->setx1(20);
        ks->setx2(30);
        QCOMPARE(ks->x1(), 10.0f);
        Grenzen(*ks, 20, 30, -3, -2);
        QCOMPARE(QList<float>({ks->x1(), ks->x2(), ks->y1(), ks->y2()}),
                 QList<float>({20, 30, -3, -2}));
        Grenzen(*ks, 7, -3, 4, 2);
        QCOMPARE(QList<float>({ks->x1(), ks->x2(), ks->y1(), ks->y2()}),
                 QList<float>({-3, 7, 2, 4}));
        QCOMPARE(ks->dx(), 10.0f);
        QCOMPARE(ks->dy(), 2.0f);
    }

    void pixelZuWelt() {
        auto ks = Neu();
        ks->GeheZu(3, 3);
        const QPoint vorher(ks->xint(), ks->yint());
        ks->setxint(50);
        ks->setyint(30);
        QCOMPARE(ks->x(), ks->x1());
        QCOMPARE(ks->y(), ks->y2());
        QCOMPARE(QPoint(ks->xint(), ks->yint()), vorher);
        ks->setxint(424);
        ks->setyint(246);
        QCOMPARE(ks->x(), 10.0f);
        QCOMPARE(ks->y(), -10.0f);
        ks->setxint(237);
        QCOMPARE(ks->x(), 0.0f);
    }

    void punktUndKaestchen() {
        auto ks = Neu();
        ks->PunktZeichnen(0, 0);
        QCOMPARE(Gesetzt(ks->Bild()), (std::set<std::pair<int, int>>{{237, 138}}));

        ks->Leeren();
        ks->KaestchenZeichnen(0, 0);
        std::set<std::pair<int, int>> rand;
        for (int d = -2; d <= 2; ++d)
            for (const auto& p :
                 {std::pair{237 + d, 136}, {237 + d, 140}, {235, 138 + d}, {239, 138 + d}})
                rand.insert(p);
        QCOMPARE(rand.size(), size_t(16));
        QCOMPARE(Gesetzt(ks->Bild()), rand);
    }

    void linien() {
        auto ks = Neu();
        ks->GeheZu(-10, 0);
        ks->LinieZu(0, 0);
        QCOMPARE(Zaehle(ks->Bild(), QRect(50, 138, 187, 1), qRgb(0, 0, 0)), 187);
        QCOMPARE(ks->Bild().pixel(237, 138), kWeiss);  // the end pixel
        ks->LinieZu(0, 10);                            // from where the last line ended
        QCOMPARE(ks->Bild().pixel(237, 138), qRgb(0, 0, 0));
        QCOMPARE(ks->Bild().pixel(237, 31), qRgb(0, 0, 0));
        QCOMPARE(ks->Bild().pixel(237, 30), kWeiss);

        // Ends far outside, on the clamped row and beyond the last column: cut at the borders.
        ks->Leeren();
        ks->GeheZu(0, 0);
        ks->LinieZu(0, 1e6f);
        QCOMPARE(Zaehle(ks->Bild(), QRect(237, 0, 1, 139), qRgb(0, 0, 0)), 139);
        ks->GeheZu(0, -5);
        ks->LinieZu(1e15f, -5);
        QCOMPARE(Zaehle(ks->Bild(), QRect(237, 192, 217, 1), qRgb(0, 0, 0)), 217);
        ks->GeheZu(-1e15f, 1e15f);
        ks->LinieZu(1e15f, -1e15f);  // both ends outside, across the whole picture
        QVERIFY(Gesetzt(ks->Bild()).size() > 139 + 217 + 200);
        // Along the clamped rows -10 and Height, just outside the picture: nothing.
        ks->Leeren();
        ks->GeheZu(-1e15f, 1e15f);
        ks->LinieZu(1e15f, 1e15f);
        ks->GeheZu(-10, -1e15f);
        ks->LinieZu(1e15f, -1e15f);
        QCOMPARE(Gesetzt(ks->Bild()).size(), size_t(0));
    }

    void stiftarten() {
        auto ks = Neu(100, 100);
        ks->setGraphFarbe(QColor(255, 0, 0));
        const std::pair<QPainter::CompositionMode, QRgb> faelle[] = {
            {QPainter::CompositionMode_Source, qRgb(255, 0, 0)},
            {QPainter::RasterOp_SourceXorDestination, qRgb(0, 255, 255)},
            {QPainter::RasterOp_NotSourceXorDestination, qRgb(255, 0, 0)},
            {QPainter::RasterOp_NotSource, qRgb(0, 255, 255)},
            {QPainter::RasterOp_SourceOrDestination, kWeiss},
            {QPainter::RasterOp_SourceAndDestination, qRgb(255, 0, 0)},
            {QPainter::RasterOp_NotDestination, qRgb(0, 0, 0)},
        };
        for (const auto& [art, erwartet] : faelle) {
            ks->Leeren();
            ks->setStiftart(art);
            ks->PunktZeichnen(0, 0);
            QCOMPARE(ks->Bild().pixel(ks->xint(), ks->yint()), erwartet);
        }
        // Exclusive or twice restores the picture, also where lines cross.
        ks->setStiftart(QPainter::RasterOp_SourceXorDestination);
        ks->Leeren();
        ks->RasterZeichnen();
        const QImage vorher = ks->Bild().copy();
        for (int i = 0; i < 2; ++i) {
            ks->GeheZu(-10, -10);
            ks->LinieZu(10, 7);
            ks->LinieZu(-3, 10);
            ks->KaestchenZeichnen(0, 0);
            if (i == 0) QVERIFY(ks->Bild() != vorher);
        }
        QCOMPARE(ks->Bild(), vorher);
    }

    void raster() {
        auto ks = Neu();
        const QRgb grau = qRgb(128, 128, 128);
        ks->setKSFarbe(QColor(grau));
        ks->setRasteranzahl(10);
        const QImage& b = ks->Bild();
        // A grid column holds many dots; the horizontal lines add at most 11 to every column.
        QList<int> spalten, zeilen;
        for (int x = 0; x < b.width(); ++x)
            if (Zaehle(b, QRect(x, 30, 1, 217), grau) > 30) spalten << x;
        for (int y = 0; y < b.height(); ++y)
            if (y < 250 && Zaehle(b, QRect(50, y, 375, 1), grau) > 30) zeilen << y;
        QList<int> sollSpalten, sollZeilen;
        for (int i = 0; i <= 10; ++i) {
            sollSpalten << ks->xPixel(i / 10.0f);
            sollZeilen << ks->yPixel(i / 10.0f);
        }
        QCOMPARE(spalten, sollSpalten);
        QCOMPARE(zeilen, QList<int>(sollZeilen.rbegin(), sollZeilen.rend()));
        QCOMPARE(sollSpalten.first(), 50);
        QCOMPARE(sollZeilen.last(), 30);
        // Dotted: some pixels of a grid line stay white; the middle of a cell is white.
        QVERIFY(Zaehle(b, QRect(sollSpalten[3], 31, 1, 215), kWeiss) > 30);
        QCOMPARE(
            b.pixel((sollSpalten[3] + sollSpalten[4]) / 2, (sollZeilen[3] + sollZeilen[4]) / 2),
            kWeiss);

        // Labels below the border columns and left of the border rows only.
        const auto unten = [&](int i) { return QRect(sollSpalten[i] - 12, 256, 25, 20); };
        const auto links = [&](int i) { return QRect(0, sollZeilen[i] - 4, 45, 9); };
        const auto beschriftet = [&](QRect r) { return Zaehle(ks->Bild(), r, kWeiss, false) > 0; };
        QVERIFY(beschriftet(unten(0)) && beschriftet(unten(10)));
        QVERIFY(beschriftet(links(0)) && beschriftet(links(10)));
        QVERIFY(!beschriftet(unten(5)) && !beschriftet(links(5)));

        ks->setSkalenart(TSkala::ganz);
        ks->Leeren();
        ks->RasterZeichnen();
        QVERIFY(beschriftet(unten(5)) && beschriftet(links(5)));
        ks->setSkalenart(TSkala::keine);
        ks->Leeren();
        ks->RasterZeichnen();
        QVERIFY(!beschriftet(unten(0)) && !beschriftet(links(10)));
        QCOMPARE(Zaehle(ks->Bild(), QRect(sollSpalten[0], 30, 1, 217), grau) > 30, true);

        // No intervals, or a negative count: nothing at all.
        for (int n : {0, -3}) {
            ks->Leeren();
            ks->setRasteranzahl(n);
            QCOMPARE(Gesetzt(ks->Bild()).size(), size_t(0));
        }
    }

    void farbenZeichnenNichtNeu() {
        auto ks = Neu();
        ks->setRasteranzahl(10);
        ks->PunktZeichnen(3, 3);
        const QImage vorher = ks->Bild().copy();
        ks->setKSFarbe(Qt::blue);
        ks->setGraphFarbe(Qt::green);
        QCOMPARE(ks->Bild(), vorher);
        ks->PunktZeichnen(1, 1);
        QCOMPARE(ks->Bild().pixel(ks->xint(), ks->yint()), QColor(Qt::green).rgb());
    }

    void gummiband() {
        auto ks = Neu();
        ks->setRasteranzahl(10);
        ks->PunktZeichnen(2, 2);
        ks->Textausgabe(15, 5, QStringLiteral("X"));
        const QImage vorher = ks->Bild().copy();
        ks->Gummiband(100, 200, 300, 50);
        QVERIFY(ks->Bild() != vorher);
        QCOMPARE(Zaehle(ks->Bild(), QRect(150, 100, 100, 50), kWeiss, false),
                 Zaehle(vorher, QRect(150, 100, 100, 50), kWeiss, false));  // hollow
        ks->Gummiband(100, 200, 300, 50);
        QCOMPARE(ks->Bild(), vorher);
        // Corners given the other way round, and a rectangle partly outside.
        ks->Gummiband(300, 50, 100, 200);
        ks->Gummiband(100, 200, 300, 50);
        QCOMPARE(ks->Bild(), vorher);
        ks->Gummiband(-20, 260, 500, 10);
        ks->Gummiband(-20, 260, 500, 10);
        QCOMPARE(ks->Bild(), vorher);
    }

    void bildschirmUndZwischenablage() {
        auto ks = Neu();
        ks->show();
        QVERIFY(QTest::qWaitForWindowExposed(ks.get(), test::kOhneFrist));
        ks->setRasteranzahl(10);
        ks->KaestchenZeichnen(0, 0);
        ks->ZeigeSofort();
        QCOMPARE(ks->grab().toImage().convertToFormat(QImage::Format_RGB32), ks->Bild());

        ks->Kopieren();
        const QImage ablage = QApplication::clipboard()->image();
        QCOMPARE(ablage.size(), QSize(454, 276));
        QCOMPARE(ablage.convertToFormat(QImage::Format_RGB32), ks->Bild());

        // A new size gives a white picture of that size.
        ks->resize(300, 200);
        QCOMPARE(ks->Bild().size(), QSize(300, 200));
        QCOMPARE(Gesetzt(ks->Bild()).size(), size_t(0));
    }
};

QTEST_MAIN(KsTest)
#include "ks_qtest.moc"
