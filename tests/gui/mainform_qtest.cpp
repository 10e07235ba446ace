// The main window: scan on leaving the editor, start values on leaving the grid, the iteration
// run with its controls, and the commands' checks and messages.
#include <QAction>
#include <QClipboard>
#include <QFontDialog>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>
#include <memory>

#include "anwendung.h"
#include "anwendung_einrichten.h"
#include "intedit.h"
#include "konstform.h"
#include "lauf.h"
#include "mainform.h"
#include "rotaryswitch.h"
#include "stringgrid.h"
#include "tabvarwahlform.h"
#include "testdialoge.h"
#include "zahltext.h"

using namespace quintor;

namespace {


// Records the title of every dialog that opens and closes it again at once.
class Fensterfaenger : public QObject {
  public:
    QStringList titel;
    Fensterfaenger() { qApp->installEventFilter(this); }
    ~Fensterfaenger() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* dialog = qobject_cast<QDialog*>(o);
        if (dialog && e->type() == QEvent::Show) {
            titel << dialog->windowTitle();
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

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
        QVERIFY(test::WarteBisAktiv(f));
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
    Dokument& Dok() { return a->dokument.Inhalt(); }
    QString Ergebnis(int zeile) { return f->StringGrid1->Text(2, zeile); }
    float Wert(int nr) { return f->Daten().Variablen[static_cast<std::size_t>(nr)].Wert; }
    // The editor line and the grid row (from 1) whose result cell a line step marked; 0: none.
    QPair<int, int> Marken() {
        const auto zeilen = f->Memo1->extraSelections();
        int zelle = 0;
        for (int r = 1; r <= f->Daten().Variablenzahl; ++r)
            if (f->StringGrid1->item(r - 1, 1)->data(Qt::BackgroundRole).isValid()) zelle = r;
        return {zeilen.isEmpty() ? 0 : zeilen[0].cursor.blockNumber() + 1, zelle};
    }
    bool Leerlauf() {
        return f->BerechneKnopf->isEnabled() && f->Iteration1->isEnabled() &&
               !f->AbbruchKnopf->isEnabled();
    }

  private slots:
    // As the program runs: German standard texts, font substitutes, tool tip pause.
    void initTestCase() { RichteAnwendungEin(*qApp); }
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
        QCOMPARE(Dok().Wiederholungen, 20);
        QCOMPARE(f->ZaehlerEdit->text(), QString("0"));
        QVERIFY(Leerlauf());
        QVERIFY(Dok().Messdatei.empty());
        QVERIFY(d.meldungen.empty());
        // Tool buttons never take the focus, so a click leaves the editor where it is.
        for (QToolButton* k : f->SpeedBar->findChildren<QToolButton*>())
            QCOMPARE(k->focusPolicy(), Qt::NoFocus);
        QCOMPARE(f->SpeedBar->findChildren<QToolButton*>().size(), 18);
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
        QVERIFY(Dok().Geaendert());
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

    // Each line step stores one line in order and marks it and its result cell; the counter
    // counts the step after its last line. Line 2 uses the new X.
    void ZeilenschrittZeileFuerZeile() {
        Modell("X:=X+V*DT\nV:=V-X*DT");
        Startwerte({"1", "0", "0,5"});
        const char* ergebnisse[] = {"   1.000", "  -0.500", "   0.750"};
        for (int i = 0; i < 3; ++i) {
            i == 1 ? f->ZeilenschrittKnopf->click() : f->Zeilenschritt1->trigger();
            QCOMPARE(Marken(), qMakePair(i % 2 + 1, i % 2 + 1));
            QCOMPARE(f->ZaehlerEdit->Number(), (i + 1) / 2);
            QCOMPARE(Ergebnis(i % 2 + 1), QString(ergebnisse[i]));
        }
    }

    // X:=X+1, Y:=X*2 from 0, two steps and one line (X = 3, Y = 4): Einzelschritt completes the
    // step (Y = 6, X stays), Iteration and changes drop it and its marks. Then one more line.
    void ZeilenschrittGemischt_data() {
        QTest::addColumn<int>("aktion");
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("zaehler");
        QTest::newRow("Einzelschritt vollendet") << 0 << 4.0f << 3;
        QTest::newRow("Iteration beginnt vorn") << 1 << 2.0f << 1;
        QTest::newRow("neuer Startwert") << 2 << 11.0f << 0;
        QTest::newRow("neue Gleichung") << 3 << 1.0f << 0;
    }
    void ZeilenschrittGemischt() {
        QFETCH(int, aktion);
        Modell("X:=X+1\nY:=X*2");
        Startwerte({"0", "0"});
        f->EinzelKnopfClick();
        f->EinzelKnopfClick();
        f->ZeilenschrittClick();
        QVERIFY(Wert(1) == 3 && Wert(2) == 4 && f->ZaehlerEdit->Number() == 2);
        f->SpinEdit1->setValue(1);
        if (aktion == 0) f->EinzelKnopfClick();
        if (aktion == 1) f->BerechneKnopfClick();
        if (aktion == 2) Startwerte({"10", "0"});
        if (aktion == 3) Modell("X:=X+1\nY:=X*3");
        QCOMPARE(Marken(), qMakePair(0, 0));
        f->ZeilenschrittClick();
        QTEST(Wert(1), "x");
        QTEST(f->ZaehlerEdit->Number(), "zaehler");
    }

    void AbbruchNachDemLaufendenSchritt() {
        Modell("X:=X+1");
        Startwerte({"0"});
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

    // Without the pause a run ends on the values and count of the plain run; with it (the start
    // state) every step pauses and shows its count.
    void OhnePauseRechnen_data() {
        QTest::addColumn<bool>("ohnePause");
        QTest::addColumn<int>("schritte");
        QTest::addColumn<int>("pausen");
        QTest::addColumn<int>("anzeigen");
        QTest::newRow("mit Pause") << false << 200 << 200 << 200;
        // The clock stands still: only the end is shown.
        QTest::newRow("ohne Pause") << true << 10000 << 0 << 1;
    }
    void OhnePauseRechnen() {
        QFETCH(bool, ohnePause);
        QFETCH(int, schritte);
        QVERIFY(f->OhnePause1->isCheckable() && !f->OhnePause1->isChecked());
        Modell("X:=X+V*DT\nV:=V-X*DT");
        Startwerte({"1", "0", "0,01"});
        f->SpinEdit1->setValue(schritte);
        if (ohnePause) f->OhnePause1->trigger();
        int pausen = 0;
        f->Iteration().Pause = [&pausen] { return ++pausen, 0; };
        f->Iteration().Uhr = [] { return std::int64_t{0}; };
        QSignalSpy anzeigen(&f->Iteration(), &Iterationslauf::Zaehler);
        f->BerechneKnopfClick();
        QTEST(pausen, "pausen");
        QTEST(static_cast<int>(anzeigen.count()), "anzeigen");
        QCOMPARE(f->ZaehlerEdit->Number(), schritte);
        QVERIFY(Leerlauf());
        const float x = Wert(1), v = Wert(2);
        QCOMPARE(Ergebnis(1), QString::fromStdString(ZahlZuText(x)));
        QCOMPARE(Ergebnis(2), QString::fromStdString(ZahlZuText(v)));
        Lauf lauf(f->Daten());
        lauf.Starte();
        for (int i = 0; i < schritte; ++i) lauf.Schritt();
        QVERIFY(Wert(1) == x && Wert(2) == v);
        f->Iteration().Pause = [] { return 0; };
    }

    void OhnePauseAbbruchNachDemGezaehltenSchritt() {
        Modell("X:=X+1");
        Startwerte({"0"});
        f->SpinEdit1->setValue(10000);
        f->OhnePause1->trigger();
        // Each step finds the display due, so every count is shown.
        f->Iteration().Uhr = [t = std::int64_t{0}]() mutable { return t += 20'000'000; };
        connect(&f->Iteration(), &Iterationslauf::Zaehler, f, [this](std::int64_t n) {
            if (n == 5) f->AbbruchKnopf->click();
        });
        f->BerechneKnopfClick();
        QCOMPARE(f->ZaehlerEdit->Number(), 5);
        QCOMPARE(Wert(1), 5.0f);
        QCOMPARE(Ergebnis(1), QString("   5.000"));
        QVERIFY(Leerlauf());
    }

    void WiederholungenNullTutNichts() {
        Modell("X:=X+1");
        Startwerte({"0"});
        f->SpinEdit1->setValue(0);
        QCOMPARE(Dok().Wiederholungen, 0);
        f->BerechneKnopfClick();
        QCOMPARE(f->ZaehlerEdit->Number(), 0);
        QCOMPARE(Wert(1), 0.0f);
        QVERIFY(Leerlauf());
        // A text that is no whole number counts as 0 as well.
        f->SpinEdit1->setValue(35);
        QCOMPARE(Dok().Wiederholungen, 35);
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
        // The pause lets events through, and closing the window ends even a long one.
        bool zugestellt = false;
        QTimer::singleShot(0, f, [&] { zugestellt = true; });
        f->Warte(0);
        QVERIFY(zugestellt);
        QTimer::singleShot(0, f, [this] { f->close(); });
        f->Warte(24 * 3600 * 1000);
        QVERIFY(!f->isVisible());
    }

    void UeberlaufBeendetDenLauf_data() {
        QTest::addColumn<bool>("ohnePause");
        QTest::newRow("mit Pause") << false;
        QTest::newRow("ohne Pause") << true;
    }
    void UeberlaufBeendetDenLauf() {
        Modell("N:=N*10");
        Startwerte({"1"});
        f->SpinEdit1->setValue(100);
        QFETCH(bool, ohnePause);
        f->OhnePause1->setChecked(ohnePause);
        f->BerechneKnopfClick();
        QCOMPARE(d.Texte(), QStringList{"Gleitkommaüberlauf"});
        QCOMPARE(d.meldungen[0].art, Meldungsart::Fehler);
        QCOMPARE(f->ZaehlerEdit->Number(), 39);
        QCOMPARE(Wert(1), 1e38f);
        QCOMPARE(Ergebnis(1), QString::fromStdString(ZahlZuText(1e38f)));
        QVERIFY(Leerlauf());
    }

    void IterationDirektNachEinerAenderung() {
        Modell("X:=X+1");
        Startwerte({"5"});
        f->Memo1->setFocus();
        f->Memo1->setPlainText("X:=X+2");  // no scan: the editor keeps the focus
        f->Iteration1->trigger();
        // No scanned model: the last scan's equations do not run.
        QCOMPARE(Wert(1), 5.0f);
        QCOMPARE(f->ZaehlerEdit->Number(), 0);
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

    void StartwertfehlerBeendetGraphUndTabelle_data() {
        QTest::addColumn<bool>("graph");
        QTest::newRow("Graph") << true;
        QTest::newRow("Tabelle") << false;
    }
    void StartwertfehlerBeendetGraphUndTabelle() {
        QFETCH(bool, graph);
        Modell("X:=X+V\nV:=1");
        Startwerte({"2", "3"});
        Startwerte({"1E40", "4"});
        d.Leeren();
        Fensterfaenger offen;
        graph ? f->Graph1Click() : f->Tabelle1Click();
        QCOMPARE(d.Texte(), QStringList{"Gleitkommaüberlauf"});
        QCOMPARE(offen.titel, QStringList());
    }

    QStringList Starttexte(int zeilen) {
        QStringList t;
        for (int i = 1; i <= zeilen; ++i) t << f->StringGrid1->Text(1, i);
        return t;
    }

    // Start values belong to the variable names: a scan keeps them, also after an undo or a
    // new line.
    void StartwerteBleibenBeimWechselInDenEditor() {
        Modell("X:=X+V\nV:=1");
        Startwerte({"2,5", "7"});
        f->Memo1->setFocus();
        f->StringGrid1->setFocus();
        QCOMPARE(Starttexte(2), (QStringList{"2,5", "7"}));
        f->Memo1->setFocus();
        f->Memo1->moveCursor(QTextCursor::End);
        f->Memo1->insertPlainText("\nY:=X");
        f->StringGrid1->setFocus();
        QCOMPARE(Starttexte(3), (QStringList{"2,5", "7", "0"}));
        f->Memo1->setFocus();
        f->Memo1->undo();
        f->StringGrid1->setFocus();
        QCOMPARE(Starttexte(3), (QStringList{"2,5", "7", ""}));
        QCOMPARE(f->Daten().StartwertListe[1], 2.5f);
    }

    void NeuesModellRechnetMitDenGezeigtenWerten() {
        Modell("N:=N+1\nM:=M+1");
        Startwerte({"100", "32"});
        d.antworten = {false};
        f->FileNew();
        Modell("N:=N+1\nM:=M+2");
        QCOMPARE(Starttexte(2), (QStringList{"0", "0"}));
        f->SpinEdit1->setValue(3);
        f->BerechneKnopfClick();  // the grid not left: still exactly what it shows
        QCOMPARE(Wert(1), 3.0f);
        QCOMPARE(Wert(2), 6.0f);
    }

    void ScanfehlerVerhindertJedenLauf_data() {
        QTest::addColumn<int>("befehl");
        QTest::newRow("Iteration") << 0;
        QTest::newRow("Einzelschritt") << 1;
        QTest::newRow("Graph") << 2;
        QTest::newRow("Tabelle") << 3;
    }
    void ScanfehlerVerhindertJedenLauf() {
        QFETCH(int, befehl);
        Modell("X:=X+1\nY:=X");
        f->Memo1->setFocus();
        f->Memo1->setPlainText("X:=X+1\nY=X\nZ:=1");
        f->StringGrid1->setFocus();
        const QStringList meldung{"In der Zeile 2 fehlt das :=."};
        QCOMPARE(d.Texte(), meldung);
        d.Leeren();
        Fensterfaenger offen;
        QAction* befehle[] = {f->Iteration1, nullptr, f->Graph1, f->Tabelle1};
        befehl == 1 ? f->EinzelKnopf->click() : befehle[befehl]->trigger();
        QCOMPARE(d.Texte(), meldung);
        QCOMPARE(d.meldungen[0].art, Meldungsart::Fehler);
        QCOMPARE(f->Memo1->textCursor().blockNumber(), 1);
        QCOMPARE(f->Memo1->textCursor().positionInBlock(), 0);
        QCOMPARE(f->ZaehlerEdit->Number(), 0);
        QCOMPARE(Ergebnis(1), QString());
        QCOMPARE(offen.titel, QStringList());
    }

    void EinzelschrittNachNeuemStartwertBeginntVorn() {
        Modell("X:=X+1");
        Startwerte({"0"});
        for (int i = 0; i < 5; ++i) f->EinzelKnopfClick();
        QCOMPARE(f->ZaehlerEdit->Number(), 5);
        Startwerte({"10"});
        f->EinzelKnopfClick();
        QCOMPARE(f->ZaehlerEdit->Number(), 1);
        QCOMPARE(Ergebnis(1), QString("  11.000"));
        // Into the grid and out again without a change: the steps go on.
        f->StringGrid1->setFocus();
        f->SpinEdit1->setFocus();
        f->EinzelKnopfClick();
        QCOMPARE(f->ZaehlerEdit->Number(), 2);
        QCOMPARE(Wert(1), 12.0f);
    }

    void TabImEditorWechseltDenFokus_data() {
        QTest::addColumn<bool>("vor");
        QTest::newRow("Tab") << true;
        QTest::newRow("Umschalt+Tab") << false;
    }
    void TabImEditorWechseltDenFokus() {
        QFETCH(bool, vor);
        f->Memo1->setFocus();
        f->Memo1->setPlainText("X:=X+1");
        f->Memo1->moveCursor(QTextCursor::End);
        QTest::keyClick(f->Memo1, vor ? Qt::Key_Tab : Qt::Key_Backtab,
                        vor ? Qt::NoModifier : Qt::ShiftModifier);
        QCOMPARE(f->Memo1->toPlainText(), QString("X:=X+1"));
        QCOMPARE(QApplication::focusWidget(),
                 vor ? static_cast<QWidget*>(f->StringGrid1) : f->SpinEdit1);
        QCOMPARE(f->Daten().Variablenzahl, 1);  // leaving the editor scanned it
    }

    void SchriftOhneAenderungBehaeltDenEditor() {
        const QFontInfo vorher(f->Memo1->font());
        QList<QFont> vorgaben;
        // The real dialog, left with OK without a change.
        f->Schriftwahl = [&](const QFont& vorgabe) -> std::optional<QFont> {
            vorgaben << vorgabe;
            QFontDialog dialog(vorgabe);
            dialog.accept();
            return dialog.selectedFont();
        };
        f->Schrift1Click();
        const QFontInfo nachher(f->Memo1->font());
        QCOMPARE(nachher.family(), vorher.family());
        QVERIFY(nachher.fixedPitch() && nachher.bold() && !nachher.italic());
        QCOMPARE(nachher.pointSizeF(), vorher.pointSizeF());
        QCOMPARE(nachher.pixelSize(), vorher.pixelSize());
        // Whatever the editor shows, the dialog opens on the same font.
        f->Memo1->setFont(QFont("Liberation Serif", 30));
        f->Schrift1Click();
        QCOMPARE(vorgaben.size(), 2);
        QCOMPARE(vorgaben[1], vorgaben[0]);
        QCOMPARE(QFontInfo(f->Memo1->font()).family(), vorher.family());
    }

    void LeeresZahlenfeldIstNull_data() {
        QTest::addColumn<bool>("tabelle");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pfeil");
        QTest::addColumn<int>("wert");
        for (const bool tabelle : {false, true}) {
            const char* feld = tabelle ? "Zeilen auslassen" : "Wiederhole";
            QTest::addRow("%s leer", feld) << tabelle << "" << false << 0;
            QTest::addRow("%s Leerzeichen", feld) << tabelle << "  " << false << 0;
            QTest::addRow("%s 35", feld) << tabelle << "35" << false << 35;
            QTest::addRow("%s leer, Pfeil", feld) << tabelle << "" << true << (tabelle ? 1 : 5);
        }
    }
    void LeeresZahlenfeldIstNull() {
        QFETCH(bool, tabelle);
        QFETCH(QString, text);
        QFETCH(bool, pfeil);
        QFETCH(int, wert);
        TTabVarWahlForm* wahl = a->fenster.TabVarWahlForm;
        QSpinBox* feld = tabelle ? wahl->SpinEdit1 : f->SpinEdit1;
        if (tabelle) {
            wahl->show();
            wahl->activateWindow();
            QVERIFY(test::WarteBisAktiv(wahl));
        }
        feld->setValue(7);
        feld->setFocus();
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Delete);
        QTest::keyClicks(feld, text);
        if (pfeil) QTest::keyClick(feld, Qt::Key_Up);
        // Leaving the field, then reading it as the table window and the run do.
        (tabelle ? static_cast<QWidget*>(wahl->OKBtn) : f->Memo1)->setFocus();
        QCOMPARE(tabelle ? wahl->Auslassen() : Dok().Wiederholungen, wert);
        QCOMPARE(feld->text().trimmed(), QString::number(wert));
        if (tabelle) wahl->hide();
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
        QCOMPARE(Dok().Messdatei, std::string("/tmp/messung.dat"));
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

    // Each key reaches its command from the editor and from the grid, and none under a dialog.
    void TastenErreichenIhreBefehle_data() {
        QTest::addColumn<int>("nr");
        QTest::addColumn<bool>("gitter");
        for (int nr = 0; nr < 6; ++nr)
            for (bool gitter : {false, true}) QTest::addRow("%d %d", nr, gitter) << nr << gitter;
    }
    void TastenErreichenIhreBefehle() {
        QFETCH(int, nr);
        QFETCH(bool, gitter);
        const QKeyCombination taste = QList<QKeyCombination>{
            Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_O,        Qt::CTRL | Qt::Key_S,
            Qt::CTRL | Qt::Key_P, QKeyCombination(Qt::Key_F5), QKeyCombination(Qt::Key_F6)}[nr];
        QAction* aktion = QList<QAction*>{f->FileNewItem,   f->FileOpenItem, f->FileSaveItem,
                                          f->FilePrintItem, f->Iteration1,   f->Einzelschritt1}[nr];
        QCOMPARE(aktion->shortcut(), QKeySequence(taste));  // shown in the menu
        f->Dateien().OeffnenDialog = [](const QString&) { return QString(); };
        f->Dateien().SpeichernDialog = [] { return QString(); };
        f->Dateien().DruckDialog = [](QPrinter&) { return false; };
        d.wahl = {Dialoge::Antwort::Abbrechen};
        Modell("X:=X+1");
        QWidget* ziel = gitter ? static_cast<QWidget*>(f->StringGrid1) : f->Memo1;
        ziel->setFocus();
        QSignalSpy erreicht(aktion, &QAction::triggered);
        test::SchliesseNaechstenDialog([&](QDialog* dialog) {
            QVERIFY(test::WarteBisAktiv(dialog));
            QTest::keyClick(ziel, taste.key(), taste.keyboardModifiers());
        });
        f->KonstButtonClick();
        QCOMPARE(erreicht.size(), 0);
        f->activateWindow();
        QVERIFY(test::WarteBisAktiv(f));
        f->Verzoegerung = 0;  // the activation set the pause back
        QTest::keyClick(ziel, taste.key(), taste.keyboardModifiers());
        QCOMPARE(erreicht.size(), 1);
    }

    void EscapeBrichtNurEinenLaufAb() {
        Modell("X:=X+1");
        QSignalSpy abbruch(f->Abbruch1, &QAction::triggered);
        QTest::keyClick(f->StringGrid1, Qt::Key_Escape);
        QCOMPARE(abbruch.size(), 0);
        connect(f->ZaehlerEdit, &QLineEdit::textChanged, f, [this](const QString& t) {
            if (t == "5") QTest::keyClick(f->Memo1, Qt::Key_Escape);
        });
        f->BerechneKnopfClick();
        QCOMPARE(f->ZaehlerEdit->Number(), 5);
        QVERIFY(Leerlauf() && !f->Abbruch1->isEnabled());
    }

    // Undo and redo act on the editor from the grid too, enabled as the editor can.
    void RueckgaengigUndWiederholen() {
        QTest::keyClicks(f->Memo1, "X:=1");
        f->StringGrid1->setFocus();
        QVERIFY(f->EditUndoItem->isEnabled() && !f->EditRedoItem->isEnabled());
        f->EditUndoItem->trigger();
        QCOMPARE(f->Memo1->toPlainText(), QString());
        QVERIFY(!f->EditUndoItem->isEnabled() && f->EditRedoItem->isEnabled());
        QTest::keyClick(f->StringGrid1, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f->Memo1->toPlainText(), QString("X:=1"));
    }

    void SchliessenFragtUndBeendetEinenLauf() {
        Modell("X:=X+1");
        Startwerte({"0"});
        f->Verzoegerung = 400;
        f->SpinEdit1->setValue(10000);
        d.antworten = {false};
        connect(f->ZaehlerEdit, &QLineEdit::textChanged, f, [this](const QString& t) {
            if (t == "1") QTimer::singleShot(0, f, [this] { f->close(); });
        });
        f->BerechneKnopfClick();  // returns once the window closed, without the long pause
        QCOMPARE(d.fragen, QStringList{"Sollen die Daten gesichert werden?"});
        QCOMPARE(f->ZaehlerEdit->Number(), 1);
        QVERIFY(!f->isVisible());
        QVERIFY(Leerlauf());
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_qtest.moc"
