// The table window and its column dialog: counts and skips, continuing, restarting, stopping
// and closing during a run, failures and capacity, Escape, copy, the layout rule, and agreement
// with the batch runner. Buttons are pressed once a condition holds, never after a time.
#include <QClipboard>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <sstream>
#include <tuple>

#include "batch.h"
#include "dokumentobjekt.h"
#include "druckkanal.h"
#include "tabellendruck.h"
#include "tabellenform.h"
#include "tabvarwahlform.h"
#include "testdialoge.h"

using namespace quintor;

namespace {

const QString kVoll = "Der Speicher des Editors ist voll.";
const QString kKeineSpalte =
    "Verlassen Sie das Fenster und wählen Sie\nmindestens eine Variable aus!";
const QString kN = "  N         ";

// A value between 0.005 and 1000 in its column: fixed form, 10 wide, then two blanks.
QString Feld(double v) {
    return QString::number(v, 'f', 3).rightJustified(10) + "  ";
}

QStringList Daten(int von, int bis, int schritt = 1) {
    QStringList z;
    for (int v = von; v <= bis; v += schritt) z << Feld(v);
    return z;
}

QStringList Namen(const QListWidget* l, bool nurMarkierte = false) {
    QStringList n;
    for (int i = 0; i < l->count(); ++i)
        if (!nurMarkierte || l->item(i)->isSelected()) n << l->item(i)->text();
    return n;
}
void Markiere(QListWidget* l, const QStringList& namen) {
    l->clearSelection();
    for (const QString& n : namen) l->findItems(n, Qt::MatchExactly).first()->setSelected(true);
}
// As the mouse does it: the first click selects, the second one makes the double-click.
void Doppelklick(QListWidget* l, int zeile) {
    const QPoint p = l->visualItemRect(l->item(zeile)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
}

// Pages that keep what is drawn on them: per page each text with its top edge.
class MerkSeiten : public Seite {
  public:
    MerkSeiten(int breite, int hoehe)
        : Seite(Tabellenschrift(), QImage(1, 1, QImage::Format_RGB32)), b_(breite), h_(hoehe) {}
    int Breite() const override { return b_; }
    int Hoehe() const override { return h_; }
    bool NeueSeite() override {
        seiten.emplace_back();
        return true;
    }
    bool Text(int, int y, const QString& text) override {
        seiten.back().emplace_back(y, text);
        return true;
    }
    std::vector<std::vector<std::pair<int, QString>>> seiten{1};

  private:
    int b_, h_;
};

}  // namespace

class TabelleTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe hilfe;
    std::unique_ptr<Dokumentobjekt> dokument;
    std::unique_ptr<QWidget> haupt;  // in place of the main window, the parent of both
    std::unique_ptr<test::ModalWaechter> waechter;
    TTabellenform* t = nullptr;
    TTabVarWahlForm* w = nullptr;

    // Actions worked in order from the event loop, each once its condition holds: they reach
    // into the modal column dialog and into a running loop.
    std::deque<std::pair<std::function<bool()>, std::function<void()>>> auftraege;
    QTimer wecker;

    void Sobald(std::function<bool()> wann, std::function<void()> was) {
        auftraege.emplace_back(std::move(wann), std::move(was));
        wecker.start();
    }
    void ImDialog(std::function<void()> wahl, bool ok = true) {
        Sobald([this] { return QApplication::activeModalWidget() == w; },
               [this, wahl, ok] {
                   if (wahl) wahl();
                   (ok ? w->OKBtn : w->CancelBtn)->click();
               });
    }
    // Columns one at a time, so in this order.
    void Waehle(const QStringList& spalten, int auslassen = 0, std::function<void()> zuletzt = {}) {
        ImDialog([this, spalten, auslassen, zuletzt] {
            for (const QString& s : spalten) {
                Markiere(w->SrcList, {s});
                w->IncludeBtn->click();
            }
            w->SpinEdit1->setValue(auslassen);
            if (zuletzt) zuletzt();
        });
    }
    // Opens the window afresh; returns once the opening and its run have ended.
    bool Oeffne() {
        if (t->isVisible()) t->reject();
        t->show();
        // The bound only ends a test that hangs.
        return QTest::qWaitFor([this] { return auftraege.empty() && !t->LaeuftGerade(); }, 120'000);
    }
    Dokument& D() { return dokument->Inhalt(); }
    // A scanned model with start values, taken over as the main window does before it opens
    // the table.
    void Modell(const QString& text, const QStringList& startwerte, int wiederholungen) {
        std::vector<std::string> zeilen;
        for (const QString& z : text.split('\n', Qt::SkipEmptyParts))
            zeilen.push_back(z.toStdString());
        D().SetzeZeilen(zeilen);
        D().Scanne(d);
        for (int i = 0; i < startwerte.size(); ++i)
            D().SetzeStartwerttext(i + 1, startwerte[i].toStdString());
        QVERIFY(D().StartwerteUebernehmen(d));
        D().Wiederholungen = wiederholungen;
    }
    float Wert(int nr = 1) { return D().Daten().Variablen[std::size_t(nr)].Wert; }
    QStringList Zeilen() { return t->Text().split('\n'); }
    bool Angehalten() { return !t->StopBtn->isEnabled() && t->WeiterBtn->isEnabled(); }

  private slots:
    void init() {
        waechter = std::make_unique<test::ModalWaechter>();
        d.Leeren();
        dokument = std::make_unique<Dokumentobjekt>();
        haupt = std::make_unique<QWidget>();
        t = new TTabellenform(*dokument, d, hilfe, haupt.get());
        w = new TTabVarWahlForm(*dokument, haupt.get());
        t->SetzeFenster(w);
        wecker.setInterval(0);
        connect(&wecker, &QTimer::timeout, this, [this] {
            if (auftraege.empty()) return wecker.stop();
            const auto naechster = auftraege.front();
            if (!naechster.first()) return;
            auftraege.pop_front();
            naechster.second();
        });
    }
    void cleanup() {
        wecker.disconnect();
        auftraege.clear();
        t->reject();
        w->reject();
        haupt.reset();
        dokument.reset();
        QVERIFY2(waechter->ausgeloest.isEmpty(),
                 qPrintable("offen geblieben: " + waechter->ausgeloest));
    }

    void AnzahlUndAuslassen() {
        const struct {
            int anzahl, k;
            QStringList daten;
            float n;
        } faelle[] = {
            {0, 0, Daten(1, 1), 2},  // one step and one line even for count 0
            {10, 2, Daten(1, 10, 3), 11}, {5, 1, Daten(1, 5, 2), 6},
            {4, 4, Daten(1, 1), 5},       {6, 4, Daten(1, 6, 5), 7},
        };
        for (const auto& fall : faelle) {
            Modell("N:=N+1", {"1"}, fall.anzahl);
            Waehle({"N"}, fall.k);
            QVERIFY(Oeffne());
            QCOMPARE(Zeilen(), QStringList({kN, ""}) + fall.daten);
            QCOMPARE(Wert(), fall.n);
            QVERIFY(Angehalten());
        }
        QVERIFY(d.meldungen.empty());
    }

    void WeiterSetztFortUndNeuLiestDieStartwerte() {
        Modell("N:=N+1", {"1"}, 20);
        D().Daten().Variablen[1].Wert = 50;  // left by an earlier run: the table starts at 1
        Waehle({"N"});
        QVERIFY(Oeffne());
        const QStringList erster = QStringList({kN, ""}) + Daten(1, 20);
        QCOMPARE(Zeilen(), erster);
        t->WeiterBtn->click();
        QCOMPARE(Zeilen(), erster + QStringList({"", "", kN, ""}) + Daten(21, 40));
        QVERIFY(Angehalten());
        // "Neu" keeps the columns, shows no dialog and takes the start values as they are now.
        D().SetzeStartwerttext(1, "100");
        t->NeuBtn->click();
        QCOMPARE(Zeilen(), QStringList({kN, ""}) + Daten(100, 119));
        QVERIFY(Angehalten());
        QVERIFY(d.meldungen.empty());
        // A start value beyond the single range ends "Neu" before the table changes.
        D().SetzeStartwerttext(1, "1E39");
        t->NeuBtn->click();
        QCOMPARE(d.Texte(), QStringList{QString::fromUtf8("Gleitkommaüberlauf")});
        QCOMPARE(Zeilen(), QStringList({kN, ""}) + Daten(100, 119));
        QVERIFY(Angehalten());
    }

    void SpaltenUndNamenslaengen() {
        const struct {
            QString modell;
            QStringList zusammen;  // moved with one ">"; none: ">>"
            QString titel, daten;
        } faelle[] = {
            {"Y:=Y+1\nX:=X+2\nZ:=Z+3", {"X", "Z"}, "  Z           X         ", Feld(3) + Feld(2)},
            {"Y:=Y+1\nX:=X+2\nZ:=Z+3",
             {},
             "  X           Y           Z         ",
             Feld(2) + Feld(1) + Feld(3)},
            // Ten characters fill the column exactly; twelve widen only the title.
            {"ABCDEFGHIJKL:=2\nABCDEFGHIJ:=1", {}, "  ABCDEFGHIJ  ABCDEFGHIJKL", Feld(2) + Feld(1)},
        };
        for (const auto& fall : faelle) {
            Modell(fall.modell, {"1", "2", "3"}, 1);
            ImDialog([this, &fall] {
                Markiere(w->SrcList, fall.zusammen);
                (fall.zusammen.isEmpty() ? w->IncAllBtn : w->IncludeBtn)->click();
            });
            QVERIFY(Oeffne());
            QCOMPARE(Zeilen(), QStringList({fall.titel, "", fall.daten}));
        }
    }

    void ZahlformenEinesLaufs() {
        const struct {
            const char *start, *text;
        } werte[] = {
            {"0", " 0.0E+0000"},      {"0,006", "     0.006"},    {"1000", " 1.0E+0003"},
            {"-999,9", "  -999.900"}, {"999,9996", "  1000.000"}, {"1234,5", " 1.2E+0003"},
            {"-0,004", "-4.0E-0003"}, {"0,005", " 5.0E-0003"},    {"-0,25", "    -0.250"},
        };
        QString modell, daten;
        QStringList start;
        for (std::size_t i = 0; i < std::size(werte); ++i) {
            modell += QString("%1:=%1\n").arg(QChar('A' + int(i)));
            start << werte[i].start;
            daten += QString(werte[i].text) + "  ";
        }
        Modell(modell + "N:=-N", start << "0", 2);  // zero turns into negative zero
        ImDialog([this] { w->IncAllBtn->click(); });
        QVERIFY(Oeffne());
        QCOMPARE(Zeilen().mid(2), QStringList({daten + " 0.0E+0000  ", daten + "-0.0E+0000  "}));
    }

    void UeberlaufEndetImDreizehntenSchritt() {
        Modell("X:=X*1000", {"1"}, 20);
        Waehle({"X"});
        QVERIFY(Oeffne());
        const QStringList z = Zeilen();
        QCOMPARE(z.size(), 2 + 13);
        QCOMPARE(z.last(), QString(" 1.0E+0036  "));
        QVERIFY(qFuzzyCompare(Wert(), 1e36f));
        QCOMPARE(d.Texte(), QStringList{kVoll});
        QVERIFY(t->SpeicherVoll && !t->StopBtn->isEnabled() && !t->WeiterBtn->isEnabled());
        t->NeuBtn->click();  // starts over and fails the same way
        QCOMPARE(Zeilen(), z);
        QCOMPARE(d.Texte(), QStringList({kVoll, kVoll}));
    }

    // Bounded in lines and in characters (line breaks included; a line here is 12 characters).
    void KapazitaetEndetDenLaufUndBehaeltJedeZeile() {
        const struct {
            long long kap, zeichen;
            QStringList zeilen;
            float n;
        } faelle[] = {
            {1, 1000, {kN}, 1},
            {2, 1000, {kN, ""}, 1},
            {10, 1000, QStringList({kN, ""}) + Daten(1, 8), 9},
            {22, 1000, QStringList({kN, ""}) + Daten(1, 20), 21},  // exactly full: no failure yet
            {1000, 12, {kN}, 1},
            {1000, 13, {kN, ""}, 1},
            {1000, 13 + 8 * 13 + 12, QStringList({kN, ""}) + Daten(1, 8), 9},
        };
        for (const auto& fall : faelle) {
            d.Leeren();
            Modell("N:=N+1", {"1"}, 20);
            t->Kapazitaet = fall.kap;
            t->KapazitaetZeichen = fall.zeichen;
            Waehle({"N"});
            QVERIFY(Oeffne());
            if (fall.kap == 22) {
                QVERIFY(Angehalten() && d.meldungen.empty());
                t->WeiterBtn->click();  // no room for the continuation
            }
            QCOMPARE(Zeilen(), fall.zeilen);
            QCOMPARE(Wert(), fall.n);
            QCOMPARE(d.Texte(), QStringList{kVoll});
            QVERIFY(!t->StopBtn->isEnabled() && !t->WeiterBtn->isEnabled());
        }
    }

    void OhneSpaltenWirdNichtsGeschrieben() {
        Modell("N:=N+1", {"1"}, 5);
        ImDialog({}, false);
        QVERIFY(Oeffne());
        t->NeuBtn->click();
        QCOMPARE(d.Texte(), QStringList({"Sie sollten mindestens eine Variable ausgewählt haben.\n"
                                         "Verlassen Sie dieses Fenster mit OK!",
                                         kKeineSpalte}));
        QCOMPARE(t->Text(), QString());
        QVERIFY(!t->StopBtn->isEnabled());
        d.Leeren();
        ImDialog({});  // OK with an empty destination list
        QVERIFY(Oeffne());
        QCOMPARE(d.Texte(), QStringList{kKeineSpalte});
        QCOMPARE(t->Text(), QString());
        QCOMPARE(Wert(), 1.0f);
    }

    void CopyNurMitMarkierung() {
        Modell("N:=N+1", {"1"}, 3);
        Waehle({"N"});
        QVERIFY(Oeffne());
        QApplication::clipboard()->setText("vorher");
        t->CopyBtn->click();
        QCOMPARE(d.Texte(), QStringList{"Sie müssen zuerst den gewünschten Ausschnitt markieren!"});
        QCOMPARE(QApplication::clipboard()->text(), QString("vorher"));
        QTextCursor c(t->Memo1->document()->findBlockByNumber(2));
        c.setPosition(t->Memo1->document()->findBlockByNumber(3).position() + 12,
                      QTextCursor::KeepAnchor);
        t->Memo1->setTextCursor(c);
        t->CopyBtn->click();
        QCOMPARE(QApplication::clipboard()->text(), Feld(1) + "\n" + Feld(2));
        QCOMPARE(d.meldungen.size(), std::size_t{1});
    }

    // For spreadsheets: all lines or the marked ones, one header also after "Weiter", the values
    // as they were computed; the file written whole or not at all.
    void CsvUndZwischenablageFuerTabellenkalkulation() {
        Modell("N:=N+1/3", {"1"}, 2);
        Waehle({"N"});
        QVERIFY(Oeffne());
        t->WeiterBtn->click();
        t->KalkulationBtn->trigger();
        QCOMPARE(QApplication::clipboard()->text(), "N\n1\n1,3333334\n1,6666667\n2\n");
        QTemporaryDir ordner;
        QString pfad = ordner.filePath("werte");
        t->CsvDialog = [&pfad] { return pfad; };
        t->CsvBtn->trigger();  // ".csv" added
        QFile datei(pfad + ".csv");
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), "\xEF\xBB\xBFN\r\n1\r\n1,3333334\r\n1,6666667\r\n2\r\n");
        datei.close();
        // Marked: from the middle of the second data line into the second title line.
        QTextCursor c(t->Memo1->document()->findBlockByNumber(3));
        c.movePosition(QTextCursor::Right);
        c.setPosition(t->Memo1->document()->findBlockByNumber(6).position() + 2,
                      QTextCursor::KeepAnchor);
        t->Memo1->setTextCursor(c);
        t->KalkulationBtn->trigger();
        QCOMPARE(QApplication::clipboard()->text(), "N\n1,3333334\n");
        pfad = ordner.filePath("fehlt/werte.csv");
        t->CsvBtn->trigger();
        QVERIFY(!QFile::exists(pfad));
        QCOMPARE(d.meldungen.size(), std::size_t{1});
        QVERIFY(
            d.Texte().last().startsWith("Die Datei " + pfad + " kann nicht geschrieben werden.\n"));
        // Lines without values: a warning, the clipboard as it was.
        c.setPosition(t->Memo1->document()->findBlockByNumber(4).position());
        c.setPosition(t->Memo1->document()->findBlockByNumber(7).position(),
                      QTextCursor::KeepAnchor);
        t->Memo1->setTextCursor(c);
        t->KalkulationBtn->trigger();
        QCOMPARE(d.Texte().last(), QString("Der markierte Ausschnitt enthält keine Werte."));
        QCOMPARE(QApplication::clipboard()->text(), "N\n1,3333334\n");
    }

    // Closing and "Stop" act after the current step: nothing is computed or written after it.
    void SchliessenUndStopWaehrendDesLaufs() {
        int zeilen = 0;
        for (QPushButton* knopf : {t->OKBtn, t->StopBtn}) {
            Modell("N:=N+1", {"1"}, 10000);
            Waehle({"N"});
            Sobald([this] { return t->Zeilenzahl() >= 7; },
                   [&zeilen, this, knopf] {
                       zeilen = int(t->Zeilenzahl());
                       knopf->click();
                   });
            QVERIFY(Oeffne());
            QCoreApplication::processEvents();
            QCOMPARE(Zeilen().size(), zeilen);
            QCOMPARE(Wert(), float(zeilen - 1));
            QCOMPARE(t->isVisible(), knopf == t->StopBtn);
        }
        QVERIFY(Angehalten());
        Sobald([&] { return t->Zeilenzahl() >= zeilen + 5; }, [this] { t->StopBtn->click(); });
        t->WeiterBtn->click();
        QCOMPARE(Zeilen().mid(zeilen - 1, 6),
                 QStringList({Feld(zeilen - 2), "", "", kN, "", Feld(zeilen - 1)}));
        QVERIFY(Angehalten());
    }

    void NeuWaehrendDesLaufs() {
        Modell("N:=N+1", {"1"}, 300);
        Waehle({"N"});
        Sobald([this] { return t->Zeilenzahl() >= 7; }, [this] { t->NeuBtn->click(); });
        const long long laeufe = t->Laeufe();
        QVERIFY(Oeffne());
        QCOMPARE(t->Laeufe(), laeufe + 2);
        // The inner run wrote the whole table; the interrupted one added nothing after it.
        QCOMPARE(Zeilen(), QStringList({kN, ""}) + Daten(1, 300));
        QCOMPARE(Wert(), 301.0f);
        QVERIFY(Angehalten());
    }

    // Escape keeps the window and its table; "OK" and the close box close it.
    void EscapeSchliesstNicht() {
        Modell("N:=N+1", {"1"}, 3);
        Waehle({"N"});
        QVERIFY(Oeffne());
        QTest::keyClick(t, Qt::Key_Escape);
        QTest::keyClick(t->Memo1, Qt::Key_Escape);
        QVERIFY(t->isVisible() && Angehalten());
        QCOMPARE(Zeilen().size(), 2 + 3);
        t->close();
        QVERIFY(!t->isVisible());
    }

    void FensterhoeheSetztTextfeldUndKnoepfe() {
        Modell("N:=N+1", {"1"}, 1);
        ImDialog({}, false);
        QVERIFY(Oeffne());
        t->HelpButton->click();
        QCOMPARE(hilfe.aufrufe, QStringList{"Kontext 2"});
        QCOMPARE(t->width(), 512);  // the extra commands' button fits the designed window
        const QPushButton* knoepfe[] = {t->StopBtn, t->WeiterBtn,  t->NeuBtn,
                                        t->CopyBtn, t->HelpButton, t->OKBtn};
        for (const auto& [hoehe, oben, text] :
             {std::tuple{373, 340, 330}, std::tuple{473, 440, 430}}) {
            t->resize(600, hoehe);
            QCOMPARE(t->Memo1->geometry(), QRect(0, 0, 600, text));
            for (int i = 0; i < 6; ++i) QCOMPARE(knoepfe[i]->pos(), QPoint(13 + 80 * i, oben));
            QCOMPARE(t->MehrBtn->y(), oben);
        }
    }

    // Every page: the file and its number, the names; the body in order, each page
    // filled before the next begins, nothing below the page's edge; a line wider than the page
    // goes on in the next one.
    void TabellenseitenGefuellt() {
        Tabellendruck t{"/tmp/oszi.sim", QDate(2026, 3, 5), "  N         ", {}};
        for (int i = 1; i <= 150; ++i) t.zeilen << Feld(i);
        MerkSeiten p(2000, 1000);
        QVERIFY(DruckeTabelle(p, t, nullptr));
        const int n = int(p.seiten.size()), zeile = p.Zeichenhoehe() + 2;
        QVERIFY(n > 2);
        QStringList rumpf;
        for (int i = 0; i < n; ++i) {
            const auto& s = p.seiten[std::size_t(i)];
            QCOMPARE(s[0].second, QString("/tmp/oszi.sim"));
            QCOMPARE(s[1].second, QString("Seite %1 von %2").arg(i + 1).arg(n));
            QCOMPARE(s[3].second, t.titel);
            for (std::size_t k = 4; k < s.size(); ++k) rumpf << s[k].second;
            QVERIFY(s.back().first + zeile <= p.Hoehe());
            if (i + 1 < n) QVERIFY(s.back().first + 2 * zeile > p.Hoehe());
        }
        QCOMPARE(rumpf, t.zeilen);
        const int zeichen = p.Breite() / p.TextBreite("0");
        const QString lang(zeichen + 5, QLatin1Char('7'));
        QCOMPARE(Tabellenseiten({{}, {}, "  N", {lang}}, zeichen, 100)[0].zeilen,
                 QStringList({lang.left(zeichen), lang.right(5)}));
    }

    // Printed from the window into a PDF: the names head every page once, the lines after
    // "Weiter" follow without their second header, every value once and in order; marked lines
    // alone.
    void TabelleDrucken() {
        Modell("N:=N+1", {"1"}, 150);
        Waehle({"N"});
        QVERIFY(Oeffne());
        t->WeiterBtn->click();
        QTemporaryDir ordner;
        const QString pdf = ordner.filePath("tabelle.pdf");
        t->DruckDialog = [pdf](QPrinter& drucker) {
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
            return true;
        };
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const auto seiten = [&] {
            QFile::remove(pdf);
            t->DruckBtn->trigger();
            QProcess leser;
            leser.start("pdftotext", {"-layout", pdf, "-"});
            leser.waitForFinished(-1);
            QStringList s = QString::fromUtf8(leser.readAllStandardOutput()).split('\f');
            s.removeAll(QString());
            return s;
        };
        QStringList s = seiten();
        QVERIFY(s.size() > 3);
        QStringList werte, erwartet;
        for (int i = 1; i <= 300; ++i) erwartet << QString::number(i) + ".000";
        for (int i = 0; i < s.size(); ++i) {
            const QStringList z = s[i].trimmed().split('\n');
            QVERIFY2(z[0].startsWith("Unbenanntes Modell") &&
                         z[0].endsWith(QString("Seite %1 von %2").arg(i + 1).arg(s.size())),
                     qPrintable(z[0]));
            QVERIFY(z[1].trimmed().startsWith("Tabelle, ausgedruckt am "));
            QCOMPARE(z.filter(QRegularExpression("^\\s*N\\s*$")).size(), 1);
            for (const QString& zeile : z)
                if (zeile.trimmed().endsWith(".000")) werte << zeile.trimmed();
        }
        QCOMPARE(werte, erwartet);
        QTextCursor c(t->Memo1->document()->findBlockByNumber(5));
        c.setPosition(t->Memo1->document()->findBlockByNumber(7).position(),
                      QTextCursor::KeepAnchor);
        t->Memo1->setTextCursor(c);
        s = seiten();
        QCOMPARE(s.size(), 1);
        QVERIFY2(
            s[0].contains(QRegularExpression("^\\s*N\\s*\\n\\s*\\n\\s*4.000\\s*\\n\\s*5.000\\s*$",
                                             QRegularExpression::MultilineOption)),
            qPrintable(s[0]));
        QVERIFY(d.meldungen.empty());
    }

    void Spaltendialog() {
        auto knoepfe = [this] {
            return QList<bool>{w->IncludeBtn->isEnabled(), w->IncAllBtn->isEnabled(),
                               w->ExcludeBtn->isEnabled(), w->ExAllBtn->isEnabled()};
        };
        w->show();  // no variables yet
        QTest::mouseDClick(w->SrcList->viewport(), Qt::LeftButton);
        QCOMPARE(w->SrcList->count() + w->DstList->count(), 0);
        QCOMPARE(knoepfe(), QList<bool>({false, false, false, false}));
        w->OKBtn->click();
        QCOMPARE(w->AuswahlAnzahl, 0);

        Modell("Y:=1\nX:=2\nZ:=3", {}, 1);
        w->show();
        QCOMPARE(Namen(w->SrcList), QStringList({"X", "Y", "Z"}));
        QCOMPARE(knoepfe(), QList<bool>({true, true, false, false}));
        w->IncludeBtn->click();  // nothing selected: moves nothing, selects the first
        QCOMPARE(Namen(w->SrcList, true), QStringList{"X"});
        Markiere(w->SrcList, {"X", "Z"});
        w->IncludeBtn->click();
        QCOMPARE(Namen(w->DstList), QStringList({"Z", "X"}));
        QCOMPARE(Namen(w->SrcList, true), QStringList{"Y"});
        Markiere(w->DstList, {"X"});
        w->ExcludeBtn->click();  // back to its alphabetical place
        QCOMPARE(Namen(w->SrcList), QStringList({"X", "Y"}));
        QCOMPARE(Namen(w->DstList, true), QStringList{"Z"});
        w->IncAllBtn->click();
        QCOMPARE(Namen(w->DstList), QStringList({"Z", "X", "Y"}));
        QCOMPARE(knoepfe(), QList<bool>({false, false, true, true}));
        w->SpinEdit1->setValue(5);
        D().Gesichert();
        w->OKBtn->click();
        QCOMPARE(w->AuswahlAnzahl, 3);
        QCOMPARE((std::array{w->Auswahl[1], w->Auswahl[2], w->Auswahl[3]}), (std::array{3, 2, 1}));
        // The choice is the document's, and a change of it.
        QCOMPARE(D().Tabelle().Spalten, (std::vector<std::int32_t>{3, 2, 1}));
        QCOMPARE(D().Tabelle().Auslassen, 5);
        QVERIFY(D().Geaendert());
        // Reopened: the choice is gone, the skip count stays.
        w->show();
        QCOMPARE(w->AuswahlAnzahl, 0);
        QCOMPARE(knoepfe(), QList<bool>({true, true, false, false}));
        QCOMPARE(w->Auslassen(), 5);
        w->IncAllBtn->click();
        w->ExAllBtn->click();
        QCOMPARE(Namen(w->SrcList), QStringList({"X", "Y", "Z"}));
        Doppelklick(w->SrcList, 1);
        QCOMPARE(Namen(w->DstList), QStringList{"Y"});
        Doppelklick(w->DstList, 0);
        QCOMPARE(Namen(w->SrcList), QStringList({"X", "Y", "Z"}));
        w->CancelBtn->click();
        QCOMPARE(w->AuswahlAnzahl, 0);
    }

    // The throw of the batch runner's test, by hand: step 4 meets Y < 0, and its values end the
    // table also where the skip count leaves them out; "Weiter" goes on and checks after each
    // step. A condition on a name the model lacks: the run goes without it and says so.
    void AbbruchbedingungBeendetDenLauf() {
        const auto zeile = [](double y, double vy) { return Feld(y) + Feld(vy); };
        const QStringList alle = {zeile(1, 1), zeile(1.2, -0.962), zeile(1.008, -2.924),
                                  zeile(0.423, -4.886), zeile(-0.554, -6.848)};
        const QString kopf = "  Y           VY        ",
                      abbruch = "Abbruch: Y < 0 nach 4 Schritten";
        const struct {
            const char* bis;
            int n, k;
            QStringList daten;
            QString meldung;
        } faelle[] = {
            {"Y<0", 20, 2, {alle[0], alle[3], alle[4]}, abbruch},
            {"Q<0", 5, 0, alle,
             "Abbruchbedingung Q < 0 ohne Wirkung: Q ist keine Variable des Modells"},
            {"Y<0", 20, 0, alle, abbruch},
        };
        QStringList status;
        int beendet = 0;
        QObject empfaenger;  // ends both connections with this test
        connect(dokument.get(), &Dokumentobjekt::Statusmeldung, &empfaenger,
                [&status](const QString& text) { status << text; });
        connect(dokument.get(), &Dokumentobjekt::LaufBeendet, &empfaenger,
                [&beendet] { ++beendet; });
        for (const auto& f : faelle) {
            Modell("Y:=Y+VY*DT\nVY:=VY-9.81*DT", {"1", "1", "0,2"}, f.n);
            D().SetzeAbbruch(LeseAbbruchbedingung(f.bis, nullptr));
            Waehle({"Y", "VY"}, f.k);
            status.clear();
            QVERIFY(Oeffne());
            QCOMPARE(Zeilen(), QStringList({kopf, ""}) + f.daten);
            QCOMPARE(status, QStringList({"", f.meldung}));
            QCOMPARE(t->windowTitle(), "Tabelle – " + f.meldung);
        }
        QCOMPARE(beendet, 3);
        status.clear();
        t->WeiterBtn->click();
        QCOMPARE(Zeilen().mid(7), QStringList({"", "", kopf, "", alle[4], zeile(-1.924, -8.81)}));
        QCOMPARE(status, QStringList({"", "Abbruch: Y < 0 nach 1 Schritt"}));
        QVERIFY(Angehalten());
    }

    // The window's text is the batch runner's output, line for line; its CSV is that of --csv.
    void GleicherTextWieQuintorBatch() {
        const char* kZufall = "X:=X+RANDOM(2)-1\nY:=RANDOM(1)/RANDOM(1)\nZ:=Z+RANDOM(X*Y)";
        const struct {
            const char* modell;
            QStringList start;
            QString spalten;
            int n, k, rc;
            const char* bis = nullptr;
        } faelle[] = {
            {"X:=X+V*DT\nV:=V-X*DT", {"1", "0", "0,1"}, "X,V", 100, 0, kGerechnet},
            {"X:=X+V*DT\nV:=V-X*DT", {"1", "0", "0,1"}, "V,DT,X", 200, 7, kGerechnet},
            {kZufall, {"0", "0", "0"}, "Z,Y,X", 60, 1, kGerechnet},
            {"X:=X*1000\nY:=Y+1", {"1", "0"}, "Y,X", 20, 0, kUeberlauf},
            {"X:=X+V*DT\nV:=V-X*DT", {"1", "0", "0,1"}, "V,X", 200, 3, kGerechnet, "x<=0"},
        };
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("modell.sim");
        for (const auto& fall : faelle) {
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
            datei.write(QByteArray(fall.modell) + "\n");
            datei.close();
            Modell(fall.modell, fall.start, fall.n);
            std::vector<std::string> arg = {
                "-n", std::to_string(fall.n),     "-k",     std::to_string(fall.k),
                "-c", fall.spalten.toStdString(), "--seed", "4711"};
            for (int i = 1; i <= fall.start.size(); ++i)
                arg.insert(arg.end(), {"-s", D().Daten().Variablen[std::size_t(i)].Name + "=" +
                                                 fall.start[i - 1].toStdString()});
            D().SetzeAbbruch(fall.bis ? LeseAbbruchbedingung(fall.bis, nullptr) : std::nullopt);
            if (fall.bis) arg.insert(arg.end(), {"--bis", fall.bis});
            arg.push_back(pfad.toStdString());
            std::ostringstream aus, fehler;
            QCOMPARE(Batchlauf(arg, aus, fehler), fall.rc);

            // The seed right before the run; activating the main window would draw a new one.
            Waehle(fall.spalten.split(','), fall.k, [this] { D().Daten().Zufallszustand = 4711; });
            QString text;
            std::string tabelle;
            const long long laeufe = t->Laeufe();
            Sobald([&] { return t->Laeufe() > laeufe && !t->LaeuftGerade(); },
                   [&] {
                       text = t->Text();
                       tabelle = t->Austauschtext(Austauschform::Csv).value_or("");
                       t->OKBtn->click();
                   });
            // As the main window opens it: the start values taken over, then modal.
            QVERIFY(D().StartwerteUebernehmen(d));
            t->exec();
            QVERIFY(auftraege.empty());
            QCOMPARE(QString::fromStdString(aus.str()), text + "\n");
            arg.insert(arg.begin(), "--csv");
            std::ostringstream csv, csvFehler;
            QCOMPARE(Batchlauf(arg, csv, csvFehler), fall.rc);
            QCOMPARE(csv.str(), tabelle);
        }
    }
};

QTEST_MAIN(TabelleTest)
#include "tabelle_qtest.moc"
