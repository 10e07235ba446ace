// The three input controls: integer and single-float edit fields and the rotary switch.
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <climits>
#include <cmath>
#include <numbers>

#include "intedit.h"
#include "meldungen.h"
#include "rotaryswitch.h"
#include "singedit.h"

using quintor::TIntEdit;
using quintor::TRotarySwitch;
using quintor::TSingEdit;

namespace {

constexpr double kPi = std::numbers::pi;

double Grad(double rad) {
    return rad / kPi * 180;
}

bool Nahe(double a, double b, double toleranz = 1e-9) {
    return std::fabs(a - b) <= toleranz;
}

// Colour distance summed over the channels.
int Abstand(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

QImage Bild(TRotarySwitch& knopf) {
    QImage bild(knopf.size(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    knopf.render(&bild);
    return bild;
}

// The point at the given mouse angle (degrees, clockwise from 3 o'clock) and distance from the
// centre, and the angle the control sees there after rounding to whole pixels.
QPoint Punkt(const TRotarySwitch& knopf, double grad, double abstand, double* gesehen = nullptr) {
    const int r = knopf.Radius();
    const QPoint p(r + int(std::lround(abstand * std::cos(grad / 180 * kPi))),
                   r + int(std::lround(abstand * std::sin(grad / 180 * kPi))));
    if (gesehen) {
        double w = std::atan2(p.y() - r, p.x() - r);
        if (w < 0) w += 2 * kPi;
        *gesehen = w;
    }
    return p;
}

}  // namespace

class SteuerelementeTest : public QObject {
    Q_OBJECT

  private slots:
    void intEditLiest_data();
    void intEditLiest();
    void intEditSchreibtUndZaehltWeiter();
    void singEditLiest_data();
    void singEditLiest();
    void singEditUeberlauf();
    void singEditSchreibt_data();
    void singEditSchreibt();

    void knopfVorgaben();
    void knopfWertUndWinkel();
    void knopfPfeiltasten();
    void knopfWertebereichOhneMinValue();
    void knopfEndwinkel();
    void knopfLeereBereiche();
    void knopfDrueckenOhneZiehen();
    void knopfZiehen();
    void knopfBild33();
};

void SteuerelementeTest::intEditLiest_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("zahl");
    QTest::newRow("blank davor") << " 42" << 42;
    QTest::newRow("blank dahinter") << "42 " << 0;
    QTest::newRow("leer") << "" << 0;
    QTest::newRow("nur vorzeichen") << "-" << 0;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("groesste") << "2147483647" << INT_MAX;
    QTest::newRow("zu gross") << "2147483648" << 0;
    QTest::newRow("kleinste") << "-2147483648" << INT_MIN;
    QTest::newRow("zu klein") << "-2147483649" << 0;
    QTest::newRow("dollar") << "$1F" << 31;
    QTest::newRow("0x") << "0x1f" << 31;
    QTest::newRow("x") << "X1f" << 31;
    QTest::newRow("hex negativ") << "-$10" << -16;
    QTest::newRow("hex ohne ziffern") << "0x" << 0;
    QTest::newRow("hex falsche ziffer") << "$1G" << 0;
    QTest::newRow("hex ziffer ohne praefix") << "1F" << 0;
    QTest::newRow("hex zu gross") << "$80000000" << 0;
    QTest::newRow("punkt") << "1.0" << 0;
}

void SteuerelementeTest::intEditLiest() {
    QFETCH(QString, text);
    QFETCH(int, zahl);
    TIntEdit feld;
    feld.setText(text);
    QCOMPARE(feld.Number(), zahl);
}

void SteuerelementeTest::intEditSchreibtUndZaehltWeiter() {
    TIntEdit feld;
    feld.setNumber(-15);
    QCOMPARE(feld.text(), QString("-15"));
    feld.setNumber(INT_MIN);
    QCOMPARE(feld.text(), QString("-2147483648"));
    QCOMPARE(feld.Number(), INT_MIN);
    // The step counter is advanced by reading and writing back.
    feld.setNumber(0);
    QCOMPARE(feld.text(), QString("0"));
    feld.setNumber(feld.Number() + 1);
    QCOMPARE(feld.text(), QString("1"));
    QCOMPARE(feld.property("Number").toInt(), 1);
}

void SteuerelementeTest::singEditLiest_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("zahl");
    QTest::newRow("komma") << "-10,5" << -10.5f;
    QTest::newRow("blank davor") << " 10.0000" << 10.0f;
    QTest::newRow("exponent") << "1e3" << 1000.0f;
    QTest::newRow("exponent mit vorzeichen") << "+2,5E-2" << 0.025f;
    QTest::newRow("blank dahinter") << "1.5 " << 0.0f;
    QTest::newRow("buchstaben") << "abc" << 0.0f;
    QTest::newRow("leer") << "" << 0.0f;
    QTest::newRow("punkt am ende") << "5." << 5.0f;
    QTest::newRow("punkt am anfang") << ".5" << 0.5f;
    QTest::newRow("zwei kommas") << "1,2,3" << 0.0f;
    QTest::newRow("exponentform zurueck") << " 1.2E+0003" << 1200.0f;
    QTest::newRow("unterlauf") << "1E-60" << 0.0f;
}

void SteuerelementeTest::singEditLiest() {
    QFETCH(QString, text);
    QFETCH(float, zahl);
    TSingEdit feld;
    feld.setText(text);
    QCOMPARE(feld.Number(), zahl);
}

void SteuerelementeTest::singEditUeberlauf() {
    TSingEdit feld;
    feld.setText("1E50");
    QVERIFY_THROWS_EXCEPTION(quintor::Gleitkommaueberlauf, feld.Number());
    feld.setText("-1e39");
    QVERIFY_THROWS_EXCEPTION(quintor::Gleitkommaueberlauf, feld.Number());
    feld.setText("3,4e38");
    QCOMPARE(feld.Number(), 3.4e38f);
}

void SteuerelementeTest::singEditSchreibt_data() {
    QTest::addColumn<float>("zahl");
    QTest::addColumn<QString>("text");
    QTest::newRow("10") << 10.0f << " 10.0000";
    QTest::newRow("-10") << -10.0f << "-10.0000";
    QTest::newRow("0") << 0.0f << "  0.0000";
    QTest::newRow("-123.5") << -123.5f << "-123.5000";
    QTest::newRow("1234") << 1234.0f << " 1.2E+0003";
    QTest::newRow("-2500") << -2500.0f << "-2.5E+0003";
    QTest::newRow("0.00004") << 0.00004f << "  0.0000";
    QTest::newRow("-0.00004") << -0.00004f << " -0.0000";
    QTest::newRow("999.9999") << 999.9999f << "999.9999";
    QTest::newRow("1000") << 1000.0f << " 1.0E+0003";
}

void SteuerelementeTest::singEditSchreibt() {
    QFETCH(float, zahl);
    QFETCH(QString, text);
    TSingEdit feld;
    feld.setText("x");
    feld.setNumber(zahl);
    QCOMPARE(feld.text(), text);
}

void SteuerelementeTest::knopfVorgaben() {
    TRotarySwitch knopf;
    QCOMPARE(knopf.size(), QSize(50, 50));
    QCOMPARE(knopf.focusPolicy(), Qt::StrongFocus);
    QCOMPARE(knopf.Angle(), kPi / 2);
    QCOMPARE(knopf.Value(), 0.0);
    QCOMPARE(knopf.MinAngle(), 90.0);
    QCOMPARE(knopf.MaxAngle(), 270.0);
    QCOMPARE(knopf.MinValue(), 0.0);
    QCOMPARE(knopf.MaxValue(), 100.0);
    QCOMPARE(knopf.LineSize(), 1);
    QVERIFY(knopf.Ctl3D());
    QCOMPARE(knopf.Radius(), 0);
    QCOMPARE(knopf.Color(), knopf.palette().color(QPalette::Button));
}

void SteuerelementeTest::knopfWertUndWinkel() {
    // The speed knob of the main window.
    TRotarySwitch knopf;
    knopf.setMinAngle(200);
    knopf.setMaxAngle(340);
    knopf.setMaxValue(100);
    knopf.setValue(50);
    QVERIFY(Nahe(Grad(knopf.Angle()), 270));
    QVERIFY(Nahe(knopf.Value(), 50));
    knopf.setValue(150);
    QVERIFY(Nahe(Grad(knopf.Angle()), 340));
    QVERIFY(Nahe(knopf.Value(), 100));
    knopf.setValue(-5);
    QVERIFY(Nahe(Grad(knopf.Angle()), 200));
    QCOMPARE(knopf.Value(), 0.0);
}

void SteuerelementeTest::knopfPfeiltasten() {
    TRotarySwitch knopf;
    knopf.setMinAngle(200);
    knopf.setMaxAngle(340);
    knopf.setLineSize(7);
    knopf.setValue(98);
    QSignalSpy spion(&knopf, &TRotarySwitch::OnChange);
    QTest::keyClick(&knopf, Qt::Key_Up);
    QVERIFY(Nahe(knopf.Value(), 100));
    QCOMPARE(spion.count(), 1);
    QCOMPARE(spion.at(0).at(0).value<TRotarySwitch*>(), &knopf);
    // At the end the angle stays, but the change is still reported.
    QTest::keyClick(&knopf, Qt::Key_Up);
    QVERIFY(Nahe(knopf.Value(), 100));
    QCOMPARE(spion.count(), 2);
    QTest::keyClick(&knopf, Qt::Key_Down);
    QVERIFY(Nahe(knopf.Value(), 93));
    QCOMPARE(spion.count(), 3);

    // The arrows are consumed here (they never move the focus); other keys go on.
    QKeyEvent hoch(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(&knopf, &hoch);
    QVERIFY(hoch.isAccepted());
    QKeyEvent rechts(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&knopf, &rechts);
    QVERIFY(!rechts.isAccepted());
    QCOMPARE(spion.count(), 4);
}

void SteuerelementeTest::knopfWertebereichOhneMinValue() {
    TRotarySwitch knopf;
    QSignalSpy spion(&knopf, &TRotarySwitch::OnChange);
    knopf.setMinValue(10);
    knopf.setMaxValue(20);
    QCOMPARE(spion.count(), 0);  // plain fields: no move, no report
    QCOMPARE(knopf.Value(), 0.0);
    knopf.setValue(10);
    QVERIFY(Nahe(Grad(knopf.Angle()), 270));
    QVERIFY(Nahe(knopf.Value(), 10));
}

void SteuerelementeTest::knopfEndwinkel() {
    TRotarySwitch knopf;
    QSignalSpy spion(&knopf, &TRotarySwitch::OnChange);
    knopf.setMinAngle(360);
    knopf.setMinAngle(-1);
    QCOMPARE(knopf.MinAngle(), 90.0);
    knopf.setMaxAngle(360);
    QCOMPARE(knopf.MaxAngle(), 360.0);
    knopf.setMaxAngle(89);
    QCOMPARE(knopf.MaxAngle(), 360.0);
    QCOMPARE(spion.count(), 0);

    // A minimum above the pointer pulls it along.
    knopf.setMinAngle(120);
    QVERIFY(Nahe(Grad(knopf.Angle()), 120));
    QCOMPARE(spion.count(), 1);
    // So does a maximum below it.
    knopf.setValue(100);
    knopf.setMaxAngle(300);
    QVERIFY(Nahe(Grad(knopf.Angle()), 300));
    QCOMPARE(spion.count(), 3);

    // The minimum is not compared with the maximum; the pointer then rests at the maximum.
    knopf.setMinAngle(330);
    QVERIFY(Nahe(knopf.MinAngle(), 330));
    QVERIFY(Nahe(Grad(knopf.Angle()), 300));
    // An angle between the two ends is clamped to the maximum, which is tested first.
    QTest::keyClick(&knopf, Qt::Key_Down);
    QVERIFY(Nahe(Grad(knopf.Angle()), 300));
}

void SteuerelementeTest::knopfLeereBereiche() {
    TRotarySwitch knopf;
    knopf.setMinAngle(270);  // equal to the maximum
    QCOMPARE(knopf.Value(), 0.0);
    knopf.setValue(50);
    QVERIFY(Nahe(Grad(knopf.Angle()), 270));
    QTest::keyClick(&knopf, Qt::Key_Down);
    QVERIFY(Nahe(Grad(knopf.Angle()), 270));

    TRotarySwitch knopf2;
    knopf2.setValue(50);
    knopf2.setMinValue(5);
    knopf2.setMaxValue(5);
    QCOMPARE(knopf2.Value(), 0.0);
    knopf2.setValue(30);
    QTest::keyClick(&knopf2, Qt::Key_Up);
    QVERIFY(Nahe(Grad(knopf2.Angle()), 180));
}

void SteuerelementeTest::knopfDrueckenOhneZiehen() {
    TRotarySwitch knopf;
    knopf.resize(100, 100);
    Bild(knopf);
    QCOMPARE(knopf.Radius(), 49);
    QSignalSpy spion(&knopf, &TRotarySwitch::OnChange);
    const QPoint mitte(49, 49);
    const QPoint aussen(96, 96);
    const QPoint innen = Punkt(knopf, 30, 30);

    for (QPoint druck : {mitte, aussen}) {
        QTest::mousePress(&knopf, Qt::LeftButton, {}, druck);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QTest::mouseMove(&knopf, innen);
        QTest::mouseRelease(&knopf, Qt::LeftButton, {}, innen);
    }
    // Only the left button turns the knob.
    QTest::mousePress(&knopf, Qt::RightButton, {}, Punkt(knopf, 0, 30));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QTest::mouseMove(&knopf, innen);
    QTest::mouseRelease(&knopf, Qt::RightButton, {}, innen);

    QCOMPARE(spion.count(), 0);
    QCOMPARE(knopf.Angle(), kPi / 2);
}

void SteuerelementeTest::knopfZiehen() {
    QWidget fenster;
    fenster.resize(200, 120);
    auto* knopf = new TRotarySwitch(&fenster);
    knopf->resize(100, 100);
    knopf->setMinAngle(0);  // room to turn both ways from 90 degrees
    auto* anderes = new QLineEdit(&fenster);
    anderes->move(110, 0);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowActive(&fenster, 60000));  // only a hung test waits that long
    // Focus goes by the application's active window, which follows the platform's a little later.
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &fenster; }, 60000));
    anderes->setFocus();
    Bild(*knopf);
    QSignalSpy spion(knopf, &TRotarySwitch::OnChange);

    // Clockwise by the mouse's angle; the pointer does not jump to the pressed point.
    double start = 0, ziel = 0;
    const QPoint p0 = Punkt(*knopf, 20, 40, &start);
    QTest::mousePress(knopf, Qt::LeftButton, {}, p0);
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    QVERIFY(knopf->hasFocus());
    QCOMPARE(knopf->Angle(), kPi / 2);
    const QPoint p1 = Punkt(*knopf, 65, 40, &ziel);
    QTest::mouseMove(knopf, p1);
    QVERIFY(Nahe(knopf->Angle(), kPi / 2 + (ziel - start)));
    QCOMPARE(spion.count(), 1);
    // A move to the same mouse angle, even outside the face, turns nothing.
    QTest::mouseMove(knopf, Punkt(*knopf, 65, 200));
    QCOMPARE(spion.count(), 1);

    // Across the 3 o'clock direction: from just below to just above it is a small turn back.
    const double vorher = knopf->Angle();
    const QPoint unten = Punkt(*knopf, 10, 40, &start);
    QTest::mouseMove(knopf, unten);
    const double nachUnten = knopf->Angle();
    QVERIFY(Nahe(nachUnten, vorher + (start - ziel)));
    QTest::mouseMove(knopf, Punkt(*knopf, 350, 40, &ziel));
    QVERIFY(Nahe(knopf->Angle(), nachUnten + (ziel - start - 2 * kPi)));
    QVERIFY(Grad(knopf->Angle() - nachUnten) > -25);
    QTest::mouseRelease(knopf, Qt::LeftButton, {}, Punkt(*knopf, 350, 40));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    // Past an end the pointer stops, and turning back moves it back at once.
    QTest::mousePress(knopf, Qt::LeftButton, {}, Punkt(*knopf, 0, 40, &start));
    QTest::mouseMove(knopf, Punkt(*knopf, 170, 40));
    QTest::mouseMove(knopf, Punkt(*knopf, 340, 40));
    QVERIFY(Nahe(Grad(knopf->Angle()), 270));
    QTest::mouseMove(knopf, Punkt(*knopf, 320, 40, &ziel));
    QVERIFY(Grad(knopf->Angle()) < 260);
    QTest::mouseRelease(knopf, Qt::LeftButton, {}, Punkt(*knopf, 320, 40));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void SteuerelementeTest::knopfBild33() {
    TRotarySwitch knopf;
    knopf.resize(33, 33);
    knopf.setColor(Qt::blue);
    QImage bild = Bild(knopf);
    QCOMPARE(knopf.Radius(), 15);
    const QColor rot(Qt::red);
    // Pointer straight down from the centre (15, 15) to (15, 28), one pixel wide.
    QVERIFY(Abstand(bild.pixelColor(15, 22), rot) < 30);
    QVERIFY(Abstand(bild.pixelColor(15, 27), rot) < 30);
    QVERIFY(Abstand(bild.pixelColor(14, 22), Qt::blue) < 30);
    QVERIFY(Abstand(bild.pixelColor(16, 22), Qt::blue) < 30);
    QVERIFY(Abstand(bild.pixelColor(15, 8), Qt::blue) < 30);
    // The darkest shadow peeks out furthest to the lower right.
    const QColor schatten = knopf.palette().color(QPalette::Shadow);
    QVERIFY(Abstand(bild.pixelColor(26, 26), schatten) < 60);

    // Straight up for the speed knob's middle value.
    knopf.setMinAngle(200);
    knopf.setMaxAngle(340);
    knopf.setValue(50);
    bild = Bild(knopf);
    QVERIFY(Abstand(bild.pixelColor(15, 8), rot) < 30);
    QVERIFY(Abstand(bild.pixelColor(15, 22), Qt::blue) < 30);

    knopf.setCtl3D(false);
    bild = Bild(knopf);
    QVERIFY(Abstand(bild.pixelColor(26, 26), schatten) > 60);

    knopf.setEnabled(false);
    bild = Bild(knopf);
    QVERIFY(Abstand(bild.pixelColor(15, 8), rot) > 100);
}

QTEST_MAIN(SteuerelementeTest)
#include "steuerelemente_qtest.moc"
