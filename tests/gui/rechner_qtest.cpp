// The calculator of our own: results of the model language's compiler and evaluator, the number
// text on the clipboard as the start-value grid reads it, and the main window opening it when
// no desktop calculator starts.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <memory>

#include "anwendung.h"
#include "mainform.h"
#include "rechnerfenster.h"
#include "stringgrid.h"
#include "testdialoge.h"
#include "zahltext.h"

using namespace quintor;

class RechnerTest : public QObject {
    Q_OBJECT

    struct Stumm : Meldungen {
        int anzahl = 0;
        void Melde(Meldungsart, const std::string&) override { ++anzahl; }
    };

  private slots:
    void Ergebnisse_data() {
        QTest::addColumn<QString>("ausdruck");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<bool>("zahl");
        QTest::newRow("Drittel") << "1/3"
                                 << "0,3333333333333333" << true;
        QTest::newRow("Potenz") << "2^10"
                                << "1024" << true;
        QTest::newRow("Vorzeichen vor Potenz") << "-2^2"
                                               << "-4" << true;
        QTest::newRow("links assoziativ") << "2^3^2"
                                          << "64" << true;
        QTest::newRow("Wurzel") << "SQRT(2)"
                                << "1,4142135623730951" << true;
        QTest::newRow("klein geschrieben, Blanks") << "sqr( 1.5 )"
                                                   << "2,25" << true;
        QTest::newRow("Sinus 0") << "SIN(0)"
                                 << "0" << true;
        QTest::newRow("kleine Zahl") << "1E-5"
                                     << "1E-5" << true;
        QTest::newRow("Grenze fest") << "0.0001"
                                     << "0,0001" << true;
        QTest::newRow("groß fest") << "10^15"
                                   << "1000000000000000" << true;
        QTest::newRow("groß Exponent") << "10^16"
                                       << "1E16" << true;
        QTest::newRow("Überlauf") << "1E400"
                                  << "Gleitkommaüberlauf" << false;
        QTest::newRow("Vorzeichen nach Operator") << "A*-B"
                                                  << "Kein gültiger Ausdruck" << false;
        QTest::newRow("leer") << ""
                              << "Kein gültiger Ausdruck" << false;
        QTest::newRow("nur Blanks") << "   "
                                    << "Kein gültiger Ausdruck" << false;
        QTest::newRow("Name") << "X+1"
                              << "Unbekannter Name: X" << false;
        QTest::newRow("zwei Namen") << "dt*G"
                                    << "Unbekannte Namen: DT, G" << false;
        QTest::newRow("Funktion ohne Klammer") << "SIN"
                                               << "Unbekannter Name: SIN" << false;
        QTest::newRow("Definitionsbereich") << "SQRT(-1)"
                                            << "1E30 (Fehlerwert)" << true;
        QTest::newRow("Fehler im Teilbaum") << "1+LN(0)"
                                            << "1E30 (Fehlerwert)" << true;
        QTest::newRow("Division durch 0") << "1/0"
                                          << "-1E30" << true;
        QTest::newRow("jenseits single") << "1E39"
                                         << "1E39 (zu groß für einen Startwert)" << true;
        QTest::newRow("zu lang") << QString(129, '1') << "Ausdruck zu lang (höchstens 128 Zeichen)"
                                 << false;
    }
    void Ergebnisse() {
        QFETCH(QString, ausdruck);
        QFETCH(QString, anzeige);
        QFETCH(bool, zahl);
        std::uint32_t zufall = 1;
        const Rechenergebnis r = Berechne(ausdruck, zufall);
        QCOMPARE(r.Anzeige, anzeige);
        QCOMPARE(r.Zahl, zahl);
        QCOMPARE(r.Zahltext.isEmpty(), !zahl);
    }

    void ZufallZiehtAusDemGenerator() {
        std::uint32_t zufall = 7;
        const Rechenergebnis r = Berechne("RANDOM(10)", zufall);
        QCOMPARE(zufall, 7u * 134775813u + 1u);
        QCOMPARE(r.Wert, 10.0 * (static_cast<double>(zufall) / 4294967296.0));
    }

    // The clipboard text goes unchanged into the grid; reading the start values must give the
    // result in single precision, and the text itself must give back the very double.
    void ZwischenablageZurueckInStartwert_data() {
        QTest::addColumn<QString>("ausdruck");
        for (const char* a : {"1/3", "-2/3", "SQRT(2)", "EXP(1)*1E20", "1/7E8", "-1E-30",
                              "123456.789", "0.1+0.2", "2^-3", "SQRT(-1)", "1/0"})
            QTest::newRow(a) << QString(a);
    }
    void ZwischenablageZurueckInStartwert() {
        QFETCH(QString, ausdruck);
        TRechnerFenster f;
        f.AusdruckEdit->setText(ausdruck);
        QApplication::clipboard()->clear();
        f.RechnenKnopfClick();
        const QString text = QApplication::clipboard()->text();
        std::uint32_t z = 0;
        const double wert = Berechne(ausdruck, z).Wert;
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.contains('.') && !text.contains(' '), qPrintable(text));
        Stumm m;
        QCOMPARE(TextZuZahl(text.toStdString(), m), static_cast<float>(wert));
        QCOMPARE(m.anzahl, 0);
        QCOMPARE(std::strtod(KommaZuPunkt(text.toStdString()).c_str(), nullptr), wert);
    }

    void FensterBedienung() {
        TRechnerFenster f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f, test::kOhneFrist));
        QCOMPARE(f.windowTitle(), QString("Taschenrechner"));
        QVERIFY(f.ErgebnisEdit->isReadOnly());
        QVERIFY(!f.KopierenKnopf->isEnabled());
        QApplication::clipboard()->setText("vorher");
        // A failure leaves the clipboard alone and offers nothing to copy.
        f.AusdruckEdit->setFocus();
        f.AusdruckEdit->setText("X+1");
        QTest::keyClick(f.AusdruckEdit, Qt::Key_Return);  // Enter calculates
        QCOMPARE(f.ErgebnisEdit->text(), QString("Unbekannter Name: X"));
        QVERIFY(!f.KopierenKnopf->isEnabled());
        QCOMPARE(QApplication::clipboard()->text(), QString("vorher"));
        f.AusdruckEdit->setText("1/4");
        QTest::keyClick(f.AusdruckEdit, Qt::Key_Enter);
        QCOMPARE(f.ErgebnisEdit->text(), QString("0,25"));
        QCOMPARE(QApplication::clipboard()->text(), QString("0,25"));
        // "Kopieren" puts it back after something else was copied.
        QApplication::clipboard()->setText("anderes");
        QVERIFY(f.KopierenKnopf->isEnabled());
        f.KopierenKnopf->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("0,25"));
        // History: newest first with Up, empty line again below the newest.
        QCOMPARE(f.Verlauf(), QStringList({"X+1", "1/4"}));
        f.AusdruckEdit->clear();
        QTest::keyClick(f.AusdruckEdit, Qt::Key_Up);
        QCOMPARE(f.AusdruckEdit->text(), QString("1/4"));
        QTest::keyClick(f.AusdruckEdit, Qt::Key_Up);
        QTest::keyClick(f.AusdruckEdit, Qt::Key_Up);
        QCOMPARE(f.AusdruckEdit->text(), QString("X+1"));
        QTest::keyClick(f.AusdruckEdit, Qt::Key_Down);
        QTest::keyClick(f.AusdruckEdit, Qt::Key_Down);
        QCOMPARE(f.AusdruckEdit->text(), QString());
        QTest::keyClick(f.AusdruckEdit, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        f.show();
        f.SchliessenKnopf->click();
        QVERIFY(!f.isVisible());
    }

    void HauptfensterOeffnetEigenenRechner() {
        test::TestDialoge d;
        test::TestHilfe h;
        Anwendung a(d, h, {});
        TMainForm* m = a.fenster.MainForm;
        m->show();
        QVERIFY(test::WarteBisAktiv(m));
        m->Memo1->setFocus();
        m->Memo1->setPlainText("X:=X*K");
        m->StringGrid1->setFocus();  // scans: X and K
        QCOMPARE(a.modell.Variablenzahl, 2);
        int starts = 0;
        m->Rechnerstart = [&] { return ++starts, 42; };  // a desktop calculator started
        m->Taschenrechner1->trigger();
        QCOMPARE(starts, 1);
        QVERIFY(!m->findChild<TRechnerFenster*>());
        m->Rechnerstart = [&] { return ++starts, 2; };  // none found
        m->TRKnopf->click();
        auto* r = m->findChild<TRechnerFenster*>();
        QVERIFY(r);
        QVERIFY(r->isVisible());
        QVERIFY(!r->isModal());
        QVERIFY(QTest::qWaitForWindowExposed(r, test::kOhneFrist));
        r->AusdruckEdit->setText("2^-1");
        r->RechnenKnopf->click();
        r->close();
        m->Taschenrechner1->trigger();  // the same window again, with its history
        QCOMPARE(m->findChildren<TRechnerFenster*>().size(), 1);
        QVERIFY(r->isVisible());
        QCOMPARE(r->Verlauf(), QStringList{"2^-1"});
        // The right-click paste takes the result unchanged, and it reads as a start value.
        m->StringGrid1->SetzeAktuelleZeile(2);
        d.antworten = {true};
        m->StringGrid1MouseUp(Qt::RightButton);
        QCOMPARE(m->StringGrid1->Text(1, 2), QString("0,5"));
        m->StartwerteInit();
        QCOMPARE(a.modell.StartwertListe[2], 0.5f);
        QVERIFY(d.meldungen.empty());
    }
};

QTEST_MAIN(RechnerTest)
#include "rechner_qtest.moc"
