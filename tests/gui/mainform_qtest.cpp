// The main window: scan on leaving the editor, start values on leaving the grid, the iteration
// run with its controls, and the commands' checks and messages.
#include <QAction>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>
#include <memory>

#include "anwendung.h"
#include "intedit.h"
#include "konstform.h"
#include "mainform.h"
#include "rotaryswitch.h"
#include "stringgrid.h"
#include "testdialoge.h"

using namespace quintor;

class MainFormTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe h;
    std::unique_ptr<Anwendung> a;
    TMainForm* f = nullptr;
    std::unique_ptr<test::ModalWaechter> waechter;

    void Starte(QStringList argumente = {}) {
        a.reset();
        d.Leeren();
        a = std::make_unique<Anwendung>(d, h, argumente);
        f = a->fenster.MainForm;
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->Verzoegerung = 0;  // no pauses in tests
    }
    // Types a model and leaves the editor, which scans it.
    void Modell(const QString& text) {
        f->Memo1->setFocus();
        f->Memo1->setPlainText(text);
        f->StringGrid1->setFocus();
    }
    // Start values typed into the grid, read when the grid is left.
    void Startwerte(const QStringList& werte) {
        for (int i = 0; i < werte.size(); ++i)
            f->StringGrid1->SetzeZelle(1, i + 1, werte[i].toStdString());
        f->SpinEdit1->setFocus();
    }
    QString Ergebnis(int zeile) { return f->StringGrid1->Text(2, zeile); }
    float Wert(int nr) { return f->Daten().Variablen[static_cast<std::size_t>(nr)].Wert; }
    bool Leerlauf() {
        return f->BerechneKnopf->isEnabled() && f->Iteration1->isEnabled() &&
               !f->AbbruchKnopf->isEnabled();
    }

  private slots:
    void init() {
        waechter = std::make_unique<test::ModalWaechter>();
        Starte();
    }
    void cleanup() {
        a.reset();
        QVERIFY2(waechter->ausgeloest.isEmpty(),
                 qPrintable("offen geblieben: " + waechter->ausgeloest));
    }

    void StartzustandUndAufbau() {
        QCOMPARE(f->windowTitle(), QString("Quintor"));
        QCOMPARE(f->Wiederholungen, 20);
        QCOMPARE(f->ZaehlerEdit->text(), QString("0"));
        QVERIFY(Leerlauf());
        QCOMPARE(f->Messdatei, QString());
        QVERIFY(d.meldungen.empty());
        // Tool buttons never take the focus, so a click leaves the editor where it is.
        for (QToolButton* k : f->SpeedBar->findChildren<QToolButton*>())
            QCOMPARE(k->focusPolicy(), Qt::NoFocus);
        QCOMPARE(f->SpeedBar->findChildren<QToolButton*>().size(), 17);
        QVERIFY(f->TabelleBtn->toolTip().isEmpty());
        QCOMPARE(f->TabelleBtn->statusTip(), QString("Tabelle anzeigen"));
    }

    void ScanBeimVerlassenDesEditorsStartwerteBeimVerlassenDesGitters() {
        Modell("X:=X+V*DT\nV:=V-X*DT");
        QCOMPARE(f->Daten().Variablenzahl, 3);
        QCOMPARE(f->StringGrid1->Text(0, 0), QString("Bezeichner"));
        QCOMPARE(f->StringGrid1->Text(0, 3), QString("DT"));
        QCOMPARE(f->StringGrid1->Text(1, 2), QString("0"));
        Startwerte({"1", "0", "0,1"});
        QCOMPARE(f->Daten().StartwertListe[3], 0.1f);
        QCOMPARE(Wert(1), 1.0f);
        // Every edit empties the grid and forgets the variables.
        f->Memo1->setFocus();
        f->Memo1->insertPlainText("\n");
        QCOMPARE(f->Daten().Variablenzahl, 0);
        QCOMPARE(f->StringGrid1->Text(0, 1), QString());
        QVERIFY(!f->Gesichert);
    }

    void OffeneZelleZaehltBeimVerlassen() {
        Modell("X:=X+1");
        f->StringGrid1->setFocus();
        f->StringGrid1->SetzeAktuelleZeile(1);
        f->StringGrid1->setCurrentCell(0, 0);
        QTest::keyClick(f->StringGrid1, '2');  // typing opens the cell's editor
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != f->StringGrid1 && f->StringGrid1->isAncestorOf(editor));
        QTest::keyClicks(editor, ",5");
        QCOMPARE(f->Daten().StartwertListe[1], 0.0f);  // still inside the grid
        f->Memo1->setFocus();  // leaves the grid: the typed text is taken first
        QCOMPARE(f->Daten().StartwertListe[1], 2.5f);
    }

    void LaufZaehltUndEinzelschrittSetztFort() {
        Modell("X:=X+1");
        Startwerte({"0"});
        f->BerechneKnopfClick();
        QCOMPARE(Wert(1), 20.0f);
        QCOMPARE(f->ZaehlerEdit->Number(), 20);
        QCOMPARE(Ergebnis(1), QString("  20.000"));
        QVERIFY(Leerlauf());
        f->BerechneKnopfClick();  // starts over from the start values
        QCOMPARE(Wert(1), 20.0f);
        f->EinzelKnopfClick();
        QCOMPARE(Wert(1), 21.0f);
        QCOMPARE(f->ZaehlerEdit->Number(), 21);
    }

    void AbbruchNachDemLaufendenSchritt() {
        Modell("X:=X+1");
        Startwerte({"0"});
        f->Verzoegerung = 5;
        connect(f->ZaehlerEdit, &QLineEdit::textChanged, f, [this](const QString& t) {
            if (t == "5") {
                QVERIFY(f->AbbruchKnopf->isEnabled());
                QVERIFY(!f->BerechneKnopf->isEnabled() && !f->Iteration1->isEnabled());
                QTimer::singleShot(0, f->AbbruchKnopf, &QPushButton::click);
            }
        });
        f->BerechneKnopfClick();
        QCOMPARE(f->ZaehlerEdit->Number(), 5);
        QCOMPARE(Wert(1), 5.0f);
        QVERIFY(Leerlauf());
    }

    void WiederholungenNullTutNichts() {
        Modell("X:=X+1");
        Startwerte({"0"});
        f->SpinEdit1->setValue(0);
        QCOMPARE(f->Wiederholungen, 0);
        f->BerechneKnopfClick();
        QCOMPARE(f->ZaehlerEdit->Number(), 0);
        QCOMPARE(Wert(1), 0.0f);
        QVERIFY(Leerlauf());
        // A text that is no whole number counts as 0 as well.
        f->SpinEdit1->setValue(35);
        QCOMPARE(f->Wiederholungen, 35);
    }

    void GeschwindigkeitUndPause() {
        const struct {
            double knopf;
            int verzoegerung;
        } faelle[] = {{0, 400}, {100, 19}, {50, 36}, {0.5, 333}, {1.5, 333}, {2.5, 250}};
        for (const auto& fall : faelle) {
            f->RotaryKnob1->setValue(fall.knopf);
            QCOMPARE(f->Verzoegerung, fall.verzoegerung);
        }
        // The pause lasts more than its milliseconds and lets events through.
        bool zugestellt = false;
        QTimer::singleShot(10, f, [&] { zugestellt = true; });
        QElapsedTimer uhr;
        uhr.start();
        f->Warte(60);
        QVERIFY(uhr.elapsed() > 60);
        QVERIFY(zugestellt);
    }

    void UeberlaufBeendetDenLauf() {
        Modell("N:=N*10");
        Startwerte({"1"});
        f->SpinEdit1->setValue(100);
        f->BerechneKnopfClick();
        QCOMPARE(d.Texte(), QStringList{"Gleitkommaüberlauf"});
        QCOMPARE(d.meldungen[0].art, Meldungsart::Fehler);
        QCOMPARE(f->ZaehlerEdit->Number(), 39);
        QCOMPARE(Wert(1), 1e38f);
        QVERIFY(Leerlauf());
    }

    void IterationDirektNachEinerAenderung() {
        Modell("X:=X+1");
        Startwerte({"5"});
        f->Memo1->setFocus();
        f->Memo1->setPlainText("X:=X+2");  // no scan: the editor keeps the focus
        f->Iteration1->trigger();
        // The last scan's equations, from the current values: no start values are copied.
        QCOMPARE(Wert(1), 25.0f);
        QCOMPARE(f->Daten().Variablenzahl, 0);
    }

    void GraphUndTabelleVerlangenZweiVariablen() {
        f->Memo1->setFocus();
        f->GraphKnopf->click();  // the editor keeps the focus: no scan, no variables
        QCOMPARE(d.Texte(),
                 QStringList{"Geben Sie die Gleichungen des Modells ein\nund klicken Sie "
                             "dann in die Tabelle für die Startwerte!"});
        d.Leeren();
        Modell("X:=1");
        f->TabelleBtn->click();
        QCOMPARE(d.Texte(), QStringList{"Das System muß mindestens 2 Variablen besitzen"});
        QCOMPARE(d.meldungen[0].art, Meldungsart::Warnung);
        d.Leeren();
        Modell("X:=X+V\nV:=1");
        f->StringGrid1->SetzeZelle(1, 1, "7");  // read again before the window opens
        f->EinzelKnopfClick();
        QStringList titel;
        test::SchliesseDialoge(&titel, 2);  // no axes chosen yet: the graph asks for them first
        f->Graph1->trigger();
        QCOMPARE(titel, (QStringList{"Variablenauswahl", "Graph"}));
        QCOMPARE(f->Daten().StartwertListe[1], 7.0f);
        QCOMPARE(f->ZaehlerEdit->Number(), 0);
        QVERIFY(d.meldungen.empty());
    }

    void KopierenVerlangtEineMarkierung() {
        Modell("X:=X+1");
        QApplication::clipboard()->setText("vorher");
        f->EditCopy();
        QCOMPARE(d.Texte(), QStringList{"Sie müssen zuerst den gewünschten Ausschnitt markieren!"});
        f->EditCut();  // nothing marked: nothing happens
        QCOMPARE(f->Memo1->toPlainText(), QString("X:=X+1"));
        QCOMPARE(QApplication::clipboard()->text(), QString("vorher"));
        QTextCursor c = f->Memo1->textCursor();
        c.setPosition(0);
        c.setPosition(1, QTextCursor::KeepAnchor);
        f->Memo1->setTextCursor(c);
        f->EditCopy();
        QCOMPARE(QApplication::clipboard()->text(), QString("X"));
    }

    void RechtsklickUebernimmtDieZwischenablage() {
        Modell("X:=X+V\nV:=1");
        f->StringGrid1->SetzeAktuelleZeile(2);
        QApplication::clipboard()->setText("3,25");
        d.antworten = {true};
        QTest::mouseClick(f->StringGrid1->viewport(), Qt::RightButton, {}, QPoint(100, 5));
        QCOMPARE(f->StringGrid1->Text(1, 2), QString("3,25"));
        QCOMPARE(f->StringGrid1->AktuelleZeile(), 2);  // a right click does not move it
        QApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
        d.antworten = {true};
        f->StringGrid1MouseUp(Qt::RightButton);
        QCOMPARE(d.Texte(), QStringList{"Zwischenablage hat falsches Format."});
        d.antworten = {false};
        QApplication::clipboard()->setText("9");
        f->StringGrid1MouseUp(Qt::RightButton);
        QCOMPARE(f->StringGrid1->Text(1, 2), QString("3,25"));
        f->StringGrid1MouseUp(Qt::LeftButton);  // no question at all
        QCOMPARE(d.fragen.size(), 3);
    }

    void KonstantenImAuswahlmodus() {
        Modell("X:=X+V\nV:=1");
        test::SchliesseNaechstenDialog([&](QDialog*) {
            QVERIFY(a->fenster.KonstForm->Label1->isVisible());
            a->fenster.KonstForm->KonstWert = "9,81";
        });
        f->StringGrid1DblClick();
        QCOMPARE(f->StringGrid1->Text(1, f->StringGrid1->AktuelleZeile()), QString("9,81"));
        a->fenster.KonstForm->KonstWert.clear();
        test::SchliesseNaechstenDialog(
            [&](QDialog*) { QVERIFY(!a->fenster.KonstForm->Label1->isVisible()); });
        f->KonstButtonClick();
    }

    void MessdateiAusDerBefehlszeile() {
        Starte({"/tmp/messung.dat"});
        QCOMPARE(f->Messdatei, QString("/tmp/messung.dat"));
        QCOMPARE(d.Texte(), QStringList{"Ihre mit Framlux aufgezeichneten Messdaten\nwerden in die "
                                        "graphische Darstellung übernommen."});
        QCOMPARE(d.meldungen[0].art, Meldungsart::Information);
    }

    void AktivierungStelltDenKnopfZurueck() {
        f->RotaryKnob1->setValue(100);
        QCOMPARE(f->Verzoegerung, 19);
        f->FormActivate();
        QCOMPARE(f->RotaryKnob1->Value(), 0.0);
        QCOMPARE(f->Verzoegerung, 400);
    }

    void SchliessenFragtUndBeendetEinenLauf() {
        Modell("X:=X+1");
        Startwerte({"0"});
        f->Verzoegerung = 400;
        f->SpinEdit1->setValue(10000);
        d.antworten = {false};
        QTimer::singleShot(50, f, [this] { f->close(); });
        f->BerechneKnopfClick();  // returns once the window closed
        QCOMPARE(d.fragen, QStringList{"Sollen die Daten gesichert werden?"});
        QVERIFY(f->ZaehlerEdit->Number() < 3);
        QVERIFY(!f->isVisible());
        QVERIFY(Leerlauf());
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_qtest.moc"
