// The constants, comment and info dialogs: picking a constant and every way of closing without
// a pick, the table's contents, help, the comment kept between showings, the about box.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <functional>
#include <memory>

#include "dokumentobjekt.h"
#include "infoform.h"
#include "kommentarform.h"
#include "konstform.h"
#include "testdialoge.h"

using namespace quintor;

namespace {

// Runs `was` once `dialog` is the modal window and has been activated (so that it has the
// focus), however long that takes; exec() goes on meanwhile.
void Sobald(QDialog* dialog, std::function<void()> was) {
    auto* wecker = new QTimer(dialog);
    wecker->setInterval(10);
    QObject::connect(wecker, &QTimer::timeout, [wecker, dialog, was] {
        if (QApplication::activeModalWidget() != dialog || QApplication::activeWindow() != dialog)
            return;
        wecker->stop();
        wecker->deleteLater();
        was();
    });
    wecker->start();
}

int Zeige(QDialog* dialog, std::function<void()> was) {
    Sobald(dialog, std::move(was));
    return dialog->exec();
}

enum class Schliessen { Abbrechen, Escape, Schliessfeld, DoppelklickAnsicht, DoppelklickKopf };

}  // namespace

Q_DECLARE_METATYPE(Schliessen)

class DialogeTest : public QObject {
    Q_OBJECT

    test::TestHilfe hilfe;
    std::unique_ptr<test::ModalWaechter> waechter;
    std::unique_ptr<TKonstForm> k;

    int Zeile(const QString& name) {
        const auto treffer = k->StringGrid1->findItems(name, Qt::MatchExactly);
        return treffer.size() == 1 ? treffer[0]->row() : -1;
    }
    // As the window system delivers it: press and release, then the double click.
    void Doppelklick(int zeile) {
        QTableWidgetItem* item = k->StringGrid1->item(zeile, 0);
        k->StringGrid1->scrollToItem(item);
        const QPoint p = k->StringGrid1->visualItemRect(item).center();
        QTest::mouseClick(k->StringGrid1->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(k->StringGrid1->viewport(), Qt::LeftButton, {}, p);
    }
    // Shows the dialog in pick mode, as the main window does, and double-clicks `name`.
    void Waehle(const QString& name) {
        k->Label1->show();
        Zeige(k.get(), [this, name] { Doppelklick(Zeile(name)); });
    }

  private slots:
    void init() {
        waechter = std::make_unique<test::ModalWaechter>();
        hilfe.aufrufe.clear();
        k = std::make_unique<TKonstForm>(hilfe);
    }
    void cleanup() {
        k.reset();
        QVERIFY2(waechter->ausgeloest.isEmpty(),
                 qPrintable("offen geblieben: " + waechter->ausgeloest));
    }

    // ---- Constants ----

    void TabelleEnthaeltDieKonstanten() {
        QTableWidget* g = k->StringGrid1;
        QCOMPARE(g->columnCount(), 2);
        QCOMPARE(g->horizontalHeaderItem(0)->text(), QString("Bezeichnung"));
        QCOMPARE(g->horizontalHeaderItem(1)->text(), QString("Maßzahl im m-K-s-A-System"));
        const std::pair<const char*, const char*> erwartet[] = {
            {"Gravitationskonstante", "6,670E-11"},
            {"Boltzmannkonstante", "1,38062E-23"},
            {"Lichtgeschwindigkeit", "2,9979E8"},
            {"el. Feldkonstante", "8,8542E-12"},
            {"magn. Feldkonstante", "1,2566E-6"},
            {"Plancksches Wirkungsquantum", "6,6262E-34"},
            {"Elementarladung", "1,6022E-19"},
            {"spezifische Elektronenladung", "1,7588E11"},
            {"spezifische Protonenladung", "9,5788E7"},
            {"Elektronenmasse", "9,1095E-31"},
            {"Neutronenmasse", "1,6749E-27"},
            {"Protonenmasse", "1,6726E-27"},
            {"Erdbeschleunigung", "9,81"},
            {"Kreiszahl", "3,14159"},
        };
        QCOMPARE(g->rowCount(), int(std::size(erwartet)));
        for (int z = 0; z < g->rowCount(); ++z) {
            QCOMPARE(g->item(z, 0)->text(), QString(erwartet[z].first));
            QCOMPARE(g->item(z, 1)->text(), QString(erwartet[z].second));
        }
        QCOMPARE(g->columnWidth(0), 215);
        QCOMPARE(g->columnWidth(1), 159);
        QCOMPARE(k->KonstWert, QString());
        // Read-only: neither typing nor F2 opens an editor on the current cell.
        k->show();
        g->setFocus();
        g->setCurrentCell(12, 1);
        QTest::keyClick(g, Qt::Key_1);
        QTest::keyClick(g, Qt::Key_F2);
        QVERIFY(g->viewport()->findChildren<QLineEdit*>().isEmpty());
        QCOMPARE(g->item(12, 1)->text(), QString("9,81"));
        k->hide();
    }

    void DoppelklickWaehltImAuswahlmodus() {
        Waehle("Erdbeschleunigung");
        QVERIFY(!k->isVisible());
        QCOMPARE(k->KonstWert, QString("9,81"));
        // The next pick takes its own row, scrolled back to the top, not the earlier one.
        Waehle("Gravitationskonstante");
        QCOMPARE(k->KonstWert, QString("6,670E-11"));
        Waehle("Protonenmasse");
        QCOMPARE(k->KonstWert, QString("1,6726E-27"));
    }

    void OhneAuswahlBleibtDerWertLeer_data() {
        QTest::addColumn<Schliessen>("art");
        QTest::newRow("Abbrechen") << Schliessen::Abbrechen;
        QTest::newRow("Escape") << Schliessen::Escape;
        QTest::newRow("Schliessfeld") << Schliessen::Schliessfeld;
        QTest::newRow("Doppelklick im Ansichtsmodus") << Schliessen::DoppelklickAnsicht;
        QTest::newRow("Doppelklick auf die Kopfzeile") << Schliessen::DoppelklickKopf;
    }
    void OhneAuswahlBleibtDerWertLeer() {
        QFETCH(Schliessen, art);
        // Always after an earlier pick, whose value must not come back.
        Waehle("Erdbeschleunigung");
        QCOMPARE(k->KonstWert, QString("9,81"));

        if (art == Schliessen::DoppelklickAnsicht) k->Label1->hide();
        Zeige(k.get(), [this, art] {
            QTableWidget* g = k->StringGrid1;
            switch (art) {
                case Schliessen::Abbrechen:
                    k->CancelBtn->click();
                    break;
                case Schliessen::Escape:
                    g->setFocus();
                    QTest::keyClick(g, Qt::Key_Escape);
                    break;
                case Schliessen::Schliessfeld:
                    k->close();
                    break;
                case Schliessen::DoppelklickAnsicht:
                    Doppelklick(Zeile("Kreiszahl"));
                    break;
                case Schliessen::DoppelklickKopf: {
                    g->setCurrentCell(Zeile("Kreiszahl"), 0);  // a row is current all the same
                    QHeaderView* kopf = g->horizontalHeader();
                    const QPoint p(kopf->sectionViewportPosition(1) + kopf->sectionSize(1) / 2,
                                   kopf->height() / 2);
                    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, p);
                    QTest::mouseDClick(kopf->viewport(), Qt::LeftButton, {}, p);
                    break;
                }
            }
        });
        QVERIFY(!k->isVisible());
        QCOMPARE(k->KonstWert, QString());
    }

    void HilfeOeffnetKontextDrei() {
        Zeige(k.get(), [this] {
            k->HelpBtn->click();
            QTest::keyClick(k->StringGrid1, Qt::Key_F1);
            QVERIFY(k->isVisible());  // help leaves the dialog open
            k->CancelBtn->click();
        });
        QCOMPARE(hilfe.aufrufe, (QStringList{"Kontext 3", "Kontext 3"}));
    }

    // ---- Comment ----

    void KommentarBleibtZwischenZweiAnzeigen() {
        Dokumentobjekt dokument;
        TKommentarForm f(dokument);
        const QString lang = QString("lang ").repeated(40);
        Zeige(&f, [&] {
            f.Memo1->setFocus();
            QTest::keyClicks(f.Memo1, "Erste Zeile");
            QTest::keyClick(f.Memo1, Qt::Key_Return);
            QTest::keyClicks(f.Memo1, lang);
            // Long lines wrap on screen only; the text keeps the one typed break.
            QVERIFY(f.Memo1->document()->lastBlock().layout()->lineCount() > 1);
            f.close();
        });
        const QString text = "Erste Zeile\n" + lang;
        QCOMPARE(f.Memo1->toPlainText(), text);
        Zeige(&f, [&] {
            QCOMPARE(f.Memo1->toPlainText(), text);
            QTest::keyClick(f.Memo1, Qt::Key_Escape);
        });
        QVERIFY(!f.isVisible());
        QCOMPARE(f.Memo1->toPlainText(), text);
    }

    // ---- About box ----

    void InfoZeigtNameUndVersion() {
        TInfoForm f;
        QCOMPARE(f.windowTitle(), QString("Infos"));
        QCOMPARE(f.ProductName->text(), QString("Quintor"));
        QCOMPARE(f.Version->text(), QString("Version 1.4"));
        QVERIFY(!f.ProgramIcon->pixmap().isNull());
        const int ergebnis = Zeige(&f, [&] {
            QCOMPARE(QApplication::focusWidget(), f.OKButton);
            QTest::keyClick(f.OKButton, Qt::Key_Return);
        });
        QCOMPARE(ergebnis, int(QDialog::Accepted));
    }

    // ---- All three ----

    void FesteGroesse() {
        Dokumentobjekt dokument;
        TKommentarForm kommentar(dokument);
        TInfoForm info;
        const std::pair<QDialog*, QSize> faelle[] = {
            {k.get(), {426, 265}}, {&kommentar, {317, 214}}, {&info, {298, 213}}};
        for (const auto& [d, groesse] : faelle) {
            QCOMPARE(d->size(), groesse);
            QCOMPARE(d->minimumSize(), groesse);
            QCOMPARE(d->maximumSize(), groesse);
        }
        QCOMPARE(k->windowTitle(), QString("Konstanten"));
        QCOMPARE(kommentar.windowTitle(), QString("Kommentar"));
    }
};

QTEST_MAIN(DialogeTest)
#include "dialoge_qtest.moc"
