// The drawn glyphs: every symbol has pictures at the sizes the windows use, none is empty, no two
// are alike, and the disabled picture differs from the normal one.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QtTest>

#include "symbole.h"

using quintor::Symbol;
using quintor::SymbolIcon;

namespace {

constexpr int kAnzahl = static_cast<int>(Symbol::Programm) + 1;

QImage Bild(const QIcon& icon, int groesse, QIcon::Mode modus = QIcon::Normal) {
    return icon.pixmap(QSize(groesse, groesse), 1.0, modus)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// Pixels that are not (almost) transparent.
int Gedeckt(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += qAlpha(bild.pixel(x, y)) > 64;
    return n;
}

}  // namespace

class SymboleTest : public QObject {
    Q_OBJECT

  private slots:
    void JedesSymbolHatBilder() {
        for (int i = 0; i < kAnzahl; ++i) {
            const QIcon icon = SymbolIcon(Symbol(i));
            QVERIFY2(!icon.isNull(), qPrintable(QString::number(i)));
            for (int groesse : {16, 32}) {
                const QImage bild = Bild(icon, groesse);
                QCOMPARE(bild.size(), QSize(groesse, groesse));
                // A glyph covers a fair part of its square, and not all of it but for the
                // program icon.
                const int flaeche = groesse * groesse;
                QVERIFY2(Gedeckt(bild) > flaeche / 8, qPrintable(QString::number(i)));
                QVERIFY2(Gedeckt(bild) < flaeche || Symbol(i) == Symbol::Programm,
                         qPrintable(QString::number(i)));
            }
        }
    }

    void HochaufgeloesteBilder() {
        const QPixmap bild = SymbolIcon(Symbol::Graph).pixmap(QSize(16, 16), 2.0);
        QCOMPARE(bild.devicePixelRatio(), 2.0);
        QCOMPARE(bild.size(), QSize(32, 32));
        QCOMPARE(SymbolIcon(Symbol::Graph).pixmap(QSize(48, 48), 2.0).size(), QSize(96, 96));
    }

    void SymboleSindVerschieden() {
        QSet<QByteArray> gesehen;
        for (int i = 0; i < kAnzahl; ++i) {
            const QImage bild = Bild(SymbolIcon(Symbol(i)), 16);
            const QByteArray pixel(reinterpret_cast<const char*>(bild.constBits()),
                                   bild.sizeInBytes());
            QVERIFY2(!gesehen.contains(pixel), qPrintable(QString::number(i)));
            gesehen.insert(pixel);
        }
    }

    void GesperrtIstGrau() {
        for (int i = 0; i < kAnzahl; ++i) {
            const QIcon icon = SymbolIcon(Symbol(i));
            const QImage normal = Bild(icon, 16);
            const QImage gesperrt = Bild(icon, 16, QIcon::Disabled);
            QVERIFY(normal != gesperrt);
            // Still legible: about as much drawn as in the normal picture, all of it grey.
            QVERIFY(Gedeckt(gesperrt) > Gedeckt(normal) * 9 / 10);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const QColor c = QColor::fromRgba(gesperrt.pixel(x, y));
                    if (c.alpha() == 255) QVERIFY(qAbs(c.red() - c.blue()) <= 2);
                }
        }
    }
};

QTEST_MAIN(SymboleTest)
#include "symbole_qtest.moc"
