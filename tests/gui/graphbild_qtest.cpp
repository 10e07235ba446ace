// The graph's picture in a file and on paper: PNG at the window's size and at a chosen width,
// SVG, and a printed page (PDF read back as text and as an image).
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include "dokumentobjekt.h"
#include "graphbild.h"
#include "graphform.h"
#include "ks.h"
#include "testdialoge.h"

using namespace quintor;

namespace {

constexpr QRgb kBlau = 0xff0000ffu;  // the graph colour of these tests

int Blaue(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            n += c.blue() > 200 && c.red() < 80 && c.green() < 80;
        }
    return n;
}

}  // namespace

class GraphbildTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe hilfe;
    std::unique_ptr<Dokumentobjekt> dokument;
    std::unique_ptr<QWidget> haupt;
    TGraphForm* g = nullptr;
    TKoordinatensystem* ks = nullptr;
    QTemporaryDir ordner;

    // Y = 5 against T from 0 to 10: a horizontal line in the graph colour.
    void Gezeichnet() {
        Dokument& dok = dokument->Inhalt();
        dok.SetzeZeilen({"T:=T+1", "Y:=5"});
        dok.Scanne(d);
        dok.SetzeStartwerttext(1, "0");
        dok.SetzeStartwerttext(2, "5");
        QVERIFY(dok.StartwerteUebernehmen(d));
        Graphwerte w = dok.Graph();
        w.horizontal = 1;
        w.vertikal = 2;
        w.AchsenGewaehlt = true;
        dok.SetzeGraph(w);
        dok.SetzeDateiname("/tmp/gerade.sim");
        g->show();
        QVERIFY(QTest::qWaitFor([&] { return g->Laeufe() > 0 && !g->LaeuftGerade(); }, 120'000));
    }
    QString Speichere(const QString& name, int breite) {
        const QString pfad = ordner.filePath(name);
        g->BildDateiDialog = [pfad] { return pfad; };
        g->BildbreiteDialog = [breite](int) { return breite; };
        g->BildSpeichernClick();
        return pfad;
    }

  private slots:
    void init() {
        d.Leeren();
        dokument = std::make_unique<Dokumentobjekt>();
        haupt = std::make_unique<QWidget>();
        g = new TGraphForm(*dokument, d, hilfe, haupt.get());
        ks = g->Koordinatensystem1;
        ks->setGraphFarbe(QColor(kBlau));
    }
    void cleanup() {
        g->reject();
        haupt.reset();
        dokument.reset();
    }

    void pngInFenstergroesseUndBreiter_data() {
        QTest::addColumn<int>("breite");
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<int>("strich");  // fully coloured pixels of the line across a column
        QTest::newRow("Fenster") << 454 << QSize(454, 276) << 1;
        QTest::newRow("1920") << 1920 << QSize(1920, 1167) << 3;
    }
    void pngInFenstergroesseUndBreiter() {
        QFETCH(int, breite);
        QFETCH(QSize, groesse);
        QFETCH(int, strich);
        Gezeichnet();
        const QImage bild(Speichere(QStringLiteral("graph.png"), breite));
        QVERIFY(d.meldungen.empty());
        QCOMPARE(bild.size(), groesse);
        // Drawn at the new size: the line lies where the limits put it, as thick as the scale.
        const double f = double(groesse.width()) / ks->width();
        const QPoint mitte = ks->Pixel(5, 5);
        const int x = qRound(mitte.x() * f);
        int dicke = 0;
        for (int y = 0; y < bild.height(); ++y) dicke += bild.pixel(x, y) == kBlau;
        QVERIFY2(dicke >= strich && dicke <= strich + 2, qPrintable(QString::number(dicke)));
        QCOMPARE(bild.pixel(x, qRound(mitte.y() * f)), kBlau);

        // What "Zeichnung löschen" took away is not in the picture either.
        g->LoeschKnopfClick();
        QCOMPARE(Blaue(QImage(Speichere(QStringLiteral("leer.png"), breite))), 0);
    }

    void svgMitDerKurve() {
        Gezeichnet();
        QFile datei(Speichere(QStringLiteral("graph.svg"), 0));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&datei);
        int punkte = 0;
        QString wurzel;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (wurzel.isEmpty()) wurzel = xml.name().toString();
            if (xml.name() == QStringLiteral("polyline"))
                punkte = std::max<int>(punkte, xml.attributes()
                                                   .value(QStringLiteral("points"))
                                                   .split(u' ', Qt::SkipEmptyParts)
                                                   .size());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(wurzel, QStringLiteral("svg"));
        QCOMPARE(punkte, 11);  // the start point and ten steps
    }

    void fehlenderOrdnerWirdGemeldet() {
        Gezeichnet();
        const QString pfad = Speichere(QStringLiteral("fehlt/graph.png"), 454);
        QVERIFY(!QFile::exists(pfad));
        QCOMPARE(d.meldungen.size(), std::size_t(1));
        QVERIFY(d.meldungen[0].text.startsWith("Das Bild konnte nicht gespeichert werden: "));
    }

    void gedruckteSeite() {
        Gezeichnet();
        const QString pdf = ordner.filePath(QStringLiteral("graph.pdf"));
        g->DruckDialog = [pdf](QPrinter& drucker) {
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
            return true;
        };
        // Ctrl+P in the graph window, as the menu shows.
        QVERIFY(test::WarteBisAktiv(g));
        QTest::keyClick(g, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(QFile::exists(pdf));
        QVERIFY(d.meldungen.empty());
        const QStringList kopf = Graphkopf("/tmp/gerade.sim", g->Bildinhalt(), QDate(2026, 3, 5));
        QCOMPARE(kopf, QStringList({"/tmp/gerade.sim",
                                    "Graph von Y über T, ausgedruckt am 05.03.26 von Quintor"}));

        for (const char* programm : {"pdftotext", "pdftoppm"})
            if (QStandardPaths::findExecutable(programm).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(programm)));
        QProcess leser;
        leser.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(leser.waitForFinished(-1));
        const QString text = QString::fromUtf8(leser.readAllStandardOutput());
        QVERIFY2(text.contains("/tmp/gerade.sim") && text.contains("Graph von Y über T"),
                 qPrintable(text));
        QProcess bild;
        bild.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), pdf, ordner.filePath(QStringLiteral("seite"))});
        QVERIFY(bild.waitForFinished(-1));
        const QImage seite(ordner.filePath(QStringLiteral("seite.png")));
        QVERIFY(!seite.isNull());
        QVERIFY(seite.width() > seite.height());  // landscape, as the graph is
        // The line from T = 0 to 10 spans half the plot area, which fills most of the page's width.
        QVERIFY2(Blaue(seite) > seite.width() / 3, qPrintable(QString::number(Blaue(seite))));
    }
};

QTEST_MAIN(GraphbildTest)
#include "graphbild_qtest.moc"
