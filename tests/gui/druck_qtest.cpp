// The printed listing: its lines, the channel's page layout on images, and a real printout to PDF.
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "ausdruck.h"
#include "druckkanal.h"
#include "schrift.h"

using namespace quintor;

namespace {

// One drawn text as "page (x,y) text", pages counted from 0.
QString Bei(qsizetype seite, int x, int y, const QString& text) {
    return QStringLiteral("%1 (%2,%3) %4").arg(seite).arg(x).arg(y).arg(text);
}

// Image pages that also note what was drawn where.
class Protokoll : public BildSeiten {
  public:
    Protokoll(QSize groesse, const QFont& schrift) : BildSeiten(groesse, 300, schrift) {}
    bool Text(int x, int y, const QString& text) override {
        texte << Bei(Bilder().size() - 1, x, y, text);
        return BildSeiten::Text(x, y, text);
    }
    QStringList texte;
};

QFont Mono(int punkte) {
    QFont f(QStringLiteral("Courier New"));
    f.setPointSize(punkte);
    f.setBold(true);
    return f;
}

// Measures of the font at the pages' resolution, for sizing the test pages.
struct Mass {
    int zehn, drei, hoehe, mittel;  // "0123456789", "abc", character height, average width
};

Mass Messe(const QFont& f) {
    Protokoll p(QSize(100, 100), f);
    return {p.TextBreite(QStringLiteral("0123456789")), p.TextBreite(QStringLiteral("abc")),
            p.Zeichenhoehe(), p.MittlereZeichenbreite()};
}

const QStringList kOszillator{QStringLiteral("X:=X+V*DT"), QStringLiteral("V:=V-X*DT")};
const std::vector<std::pair<QString, QString>> kOszillatorStart{
    {QStringLiteral("X"), QStringLiteral("1")},
    {QStringLiteral("V"), QStringLiteral("0")},
    {QStringLiteral("DT"), QStringLiteral("0,1")}};

}  // namespace

class DruckTest : public QObject {
    Q_OBJECT

  private slots:
    // ---- Listing lines ----

    void auflistungDesOszillators() {
        const QStringList z = Ausdruckzeilen(QStringLiteral("/home/lehrer/Oszi.SIM"),
                                             QDate(2024, 3, 5), kOszillator, kOszillatorStart);
        const QStringList erwartet{
            QStringLiteral("/home/lehrer/Oszi.SIM ausgedruckt am 05.03.24 von Quintor"),
            "", "", "[Programm]", "", "X:=X+V*DT", "V:=V-X*DT", "", "", "[Startwerte]", "",
            "X = 1", "V = 0", "DT = 0,1"};
        QCOMPARE(z, erwartet);
    }

    void auflistungRandfaelle() {
        // Untitled, no variables: header begins with the fixed text, nothing after the title.
        QStringList z = Ausdruckzeilen(QString(), QDate(2031, 12, 24), {}, {});
        QVERIFY(z.first().startsWith(QStringLiteral(" ausgedruckt am 24.12.31")));
        QCOMPARE(z.mid(z.size() - 2), QStringList({"[Startwerte]", ""}));

        // Editor lines as they are (empty, blank, tab), an empty cell gives the bare name.
        const QStringList memo{"", "A:=B\t", "  "};
        z = Ausdruckzeilen(QStringLiteral("m.sim"), QDate(2024, 1, 1), memo,
                           {{"A", ""}, {"B", " 2,50 "}});
        QCOMPARE(z.mid(5, 3), memo);
        QCOMPARE(z.mid(z.size() - 2), QStringList({"A = ", "B =  2,50 "}));
    }

    // ---- Layout on image pages ----

    void umbruchGenauAmRand() {
        const QFont f = Mono(10);
        const Mass m = Messe(f);
        const int h = m.hoehe + 2;
        Protokoll p(QSize(m.zehn, 40 * h), f);
        Druckkanal k(p);
        QVERIFY(k.Schreibe(QStringLiteral("0123456789")));  // fills the line to the edge exactly
        QVERIFY(k.Zeilenumbruch());
        QVERIFY(k.Schreibe(QStringLiteral("abc")));
        QVERIFY(k.Schreibe(QStringLiteral("0123456789ABCDEFGHIJKL")));
        QVERIFY(k.Ende());
        const QStringList erwartet{Bei(0, 0, 0, "0123456789"), Bei(0, 0, h, "abc"),
                                   Bei(0, m.drei, h, "0123456"), Bei(0, 0, 2 * h, "789ABCDEFG"),
                                   Bei(0, 0, 3 * h, "HIJKL")};
        QCOMPARE(p.texte, erwartet);
        // The first line's ink reaches its last character.
        const QImage& b = p.Bilder().first();
        bool tinte = false;
        for (int y = 0; y < h && !tinte; ++y)
            for (int x = m.zehn * 9 / 10; x < b.width() && !tinte; ++x)
                tinte = qGray(b.pixel(x, y)) < 128;
        QVERIFY(tinte);
    }

    void tabulatoren() {
        const QFont f = Mono(10);
        const Mass m = Messe(f);
        const int stopp = 8 * m.mittel;
        const int rand = 2 * stopp + 2 * m.mittel;  // room for one character after the second stop
        Protokoll p(QSize(rand, 1000), f);
        Druckkanal k(p);
        QVERIFY(k.Schreibe(QStringLiteral("A\tB\n")));
        QVERIFY(k.Schreibe(QStringLiteral("\t\tC\n")));
        QVERIFY(k.Schreibe(QStringLiteral("ABCDEFGHI\tD\n")));  // already past the first stop
        QVERIFY(k.Schreibe(QStringLiteral("E\t\t\tF")));        // the third stop lies past the edge
        const int h = m.hoehe + 2;
        QCOMPARE(p.texte.at(1), Bei(0, stopp, 0, "B"));
        QCOMPARE(p.texte.at(2), Bei(0, 2 * stopp, h, "C"));
        QCOMPARE(p.texte.at(4), Bei(0, 2 * stopp, 2 * h, "D"));
        QCOMPARE(p.texte.at(6), Bei(0, 0, 4 * h, "F"));

        // A line that holds only tabs has no text: it moves down by the bare character height.
        Protokoll q(QSize(rand, 1000), f);
        Druckkanal l(q);
        QVERIFY(l.Schreibe(QStringLiteral("\t\t\tG")));
        QCOMPARE(q.texte, QStringList{Bei(0, 0, m.hoehe, "G")});
    }

    void leereZeilen() {
        const QFont f = Mono(10);
        const Mass m = Messe(f);
        Protokoll p(QSize(500, 5000), f);
        Druckkanal k(p);
        QVERIFY(k.Zeilenumbruch() && k.Zeilenumbruch());
        QCOMPARE(k.Y(), 2 * m.hoehe);
        QVERIFY(k.Schreibe(QStringLiteral("A")) && k.Zeilenumbruch());
        QCOMPARE(k.Y(), 3 * m.hoehe + 2);
    }

    void seitenwechsel() {
        const QFont f = Mono(10);
        const int h = Messe(f).hoehe + 2;
        // Page of exactly ten lines: after line k the position is k*h; at 8*h it equals the page
        // height minus two lines and stays, at 9*h it has passed.
        Protokoll p(QSize(500, 10 * h), f);
        {
            Druckkanal k(p);
            for (int i = 1; i <= 12; ++i)
                QVERIFY(k.Schreibe(QString::number(i)) && k.Zeilenumbruch());
        }
        QCOMPARE(p.Bilder().size(), 2);
        QCOMPARE(p.texte.at(8), Bei(0, 0, 8 * h, "9"));
        QCOMPARE(p.texte.at(9), Bei(1, 0, 0, "10"));

        // Empty lines only start a page once the position has passed the page height.
        const int e = Messe(f).hoehe;
        Protokoll q(QSize(500, 4 * e), f);
        Druckkanal k(q);
        for (int i = 0; i < 4; ++i) QVERIFY(k.Zeilenumbruch());
        QCOMPARE(k.Y(), 4 * e);  // on the page's lower edge, not past it
        QVERIFY(k.Zeilenumbruch());
        QCOMPARE(k.Y(), 0);
        QVERIFY(k.Schreibe(QStringLiteral("a")));
        QCOMPARE(q.texte, QStringList{Bei(1, 0, 0, "a")});

        // A break announced by the very last line leaves no blank sheet behind.
        Protokoll r(QSize(500, 10 * h), f);
        Druckkanal l(r);
        for (int i = 1; i <= 9; ++i) QVERIFY(l.Schreibe(QStringLiteral("z")) && l.Zeilenumbruch());
        QCOMPARE(l.Y(), 0);
        QVERIFY(l.Ende());
        QCOMPARE(r.Bilder().size(), 1);
        QVERIFY(!l.Schreibe(QStringLiteral("danach")));
        QCOMPARE(r.texte.size(), 9);
    }

    void seitenvorschub() {
        Protokoll p(QSize(500, 5000), Mono(10));
        Druckkanal k(p);
        QVERIFY(k.Schreibe(QStringLiteral("A\fB")));
        QVERIFY(k.Schreibe(QStringLiteral("\f")));  // asked for, so the blank page is kept
        QVERIFY(k.Ende());
        QCOMPARE(p.texte, QStringList({Bei(0, 0, 0, "A"), Bei(1, 0, 0, "B")}));
        QCOMPARE(p.Bilder().size(), 3);
    }

    void groessereSchriftWenigerZeilen() {
        auto zeilenAufSeiteEins = [](int punkte) {
            Protokoll p(QSize(2000, 1500), Mono(punkte));
            Druckkanal k(p);
            for (int i = 0; i < 100; ++i) {
                k.Schreibe(QStringLiteral("Zeile %1").arg(i));
                k.Zeilenumbruch();
            }
            return std::count_if(p.texte.cbegin(), p.texte.cend(),
                                 [](const QString& t) { return t.startsWith(u'0'); });
        };
        const auto klein = zeilenAufSeiteEins(10), gross = zeilenAufSeiteEins(20);
        QVERIFY2(gross < klein, qPrintable(QStringLiteral("%1 / %2").arg(gross).arg(klein)));
        QVERIFY(gross > 5);
    }

    // ---- Real printout ----

    void pdfAusdruck() {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QString pdf = ordner.filePath(QStringLiteral("oszi.pdf"));
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        const QStringList zeilen = Ausdruckzeilen(QStringLiteral("/tmp/OSZI.SIM"),
                                                  QDate(2024, 3, 5), kOszillator, kOszillatorStart);
        QString fehler;
        // The editor's font as the main window sets it, in pixels.
        QVERIFY(DruckeAuflistung(drucker, Schrift("Courier New", 19, true), zeilen, &fehler));
        QVERIFY(fehler.isEmpty());
        QVERIFY(QFileInfo(pdf).size() > 0);

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess leser;
        leser.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
        QVERIFY(leser.waitForFinished(-1));
        QStringList gelesen;
        for (const QString& l : QString::fromUtf8(leser.readAllStandardOutput()).split('\n')) {
            const QString t = l.trimmed();
            if (!t.isEmpty() && t != QStringLiteral("\f")) gelesen << t;
        }
        QStringList erwartet;
        for (const QString& z : zeilen)
            if (!z.isEmpty()) erwartet << z;
        QCOMPARE(gelesen, erwartet);
    }

    void pdfOhneZielordner() {
        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.filePath(QStringLiteral("fehlt/oszi.pdf")));
        QString fehler;
        QVERIFY(!DruckeAuflistung(drucker, Mono(14), {QStringLiteral("X")}, &fehler));
        QVERIFY(!fehler.isEmpty());
    }
};

QTEST_MAIN(DruckTest)
#include "druck_qtest.moc"
