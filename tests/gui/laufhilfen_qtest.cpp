// The stop-condition dialog and the hint list of the main window: the dialog opens on the
// document's condition and hands it back, the Iteration run ends on it, and the hints of a
// scan and of a run reach the list and the status line.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusTipEvent>
#include <QTest>
#include <functional>
#include <memory>

#include "abbruchform.h"
#include "anwendung.h"
#include "anwendung_einrichten.h"
#include "hinweisfenster.h"
#include "intedit.h"
#include "lauf.h"
#include "mainform.h"
#include "singedit.h"
#include "stringgrid.h"
#include "testdialoge.h"

using namespace quintor;

namespace {

QStringList Zeilen(const QListWidget* liste) {
    QStringList z;
    for (int i = 0; i < liste->count(); ++i) z << liste->item(i)->text();
    return z;
}

}  // namespace

class LaufhilfenTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe h;
    std::unique_ptr<Anwendung> a;
    TMainForm* f = nullptr;
    std::unique_ptr<test::ModalWaechter> waechter;

    Dokument& Dok() { return a->dokument.Inhalt(); }
    QAction* Befehl(const char* name) { return f->Simulation->findChild<QAction*>(name); }
    // Typed into the editor, which keeps the focus: not scanned yet.
    void Tippe(const QString& text) {
        f->Memo1->setFocus();
        f->Memo1->setPlainText(text);
    }
    void Modell(const QString& text) {
        Tippe(text);
        f->StringGrid1->setFocus();
    }
    void Startwerte(const QStringList& werte) {
        for (int i = 0; i < werte.size(); ++i)
            f->StringGrid1->SetzeZelle(1, i + 1, werte[i].toStdString());
    }
    // Opens the dialog from the menu; `schritt` runs once it shows and must close it.
    void Bediene(std::function<void(TAbbruchForm*)> schritt) {
        auto* form = f->findChild<TAbbruchForm*>();
        QMetaObject::invokeMethod(
            form,
            [form, schritt] {
                QVERIFY(form->isVisible());
                schritt(form);
            },
            Qt::QueuedConnection);
        Befehl("Abbruchbedingung1")->trigger();
        QVERIFY(!form->isVisible());
    }
    void Iteration() {
        // Every activation of the window sets the pause back; none comes after this one.
        f->activateWindow();
        QVERIFY(test::WarteBisAktiv(f));
        f->Verzoegerung = 0;
        f->Iteration1->trigger();
    }

  private slots:
    void initTestCase() { RichteAnwendungEin(*qApp); }
    void init() {
        waechter = std::make_unique<test::ModalWaechter>();
        d.Leeren();
        a = std::make_unique<Anwendung>(d, h, QStringList{});
        f = a->fenster.MainForm;
        f->show();
        QVERIFY(test::WarteBisAktiv(f));
    }
    void cleanup() {
        a.reset();
        QVERIFY2(waechter->ausgeloest.isEmpty(),
                 qPrintable("offen geblieben: " + waechter->ausgeloest));
    }

    void DialogZeigtUndUebernimmtDieBedingung() {
        Tippe("Y:=Y+VY*DT\nVY:=VY-9.81*DT");  // the command scans first
        Bediene([](TAbbruchForm* a) {
            QVERIFY(a->KeineBtn->isChecked() && !a->VarListe->isEnabled());
            QCOMPARE(Zeilen(a->VarListe), QStringList({"Y", "VY", "DT"}));
            a->BedingungBtn->setChecked(true);
            a->VarListe->setCurrentRow(1);
            a->VergleichBox->setCurrentIndex(3);
            a->WertEdit->setText("-2,5");
            a->OKBtn->click();
        });
        QCOMPARE(Dok().Abbruch(),
                 std::optional(Abbruchbedingung{"VY", Abbruchbedingung::GroesserGleich, -2.5f}));
        Bediene([this](TAbbruchForm* a) {
            QVERIFY(a->BedingungBtn->isChecked());
            QCOMPARE(a->VarListe->currentItem()->text(), QString("VY"));
            QCOMPARE(a->VergleichBox->currentText(), QString(">="));
            QCOMPARE(a->WertEdit->text(), QString("-2,5"));
            // A bad number is refused; the dialog stays and the document keeps its condition.
            a->WertEdit->setText("2,5,0");
            a->OKBtn->click();
            QVERIFY(a->isVisible());
            QCOMPARE(d.Texte(), QStringList{"Fehler bei Zahleingabe"});
            QCOMPARE(Dok().Abbruch()->Wert, -2.5f);
            a->KeineBtn->setChecked(true);
            a->OKBtn->click();
        });
        QCOMPARE(Dok().Abbruch(), std::nullopt);
    }

    void VerlorenerNameBleibtStehen() {
        Modell("X:=X+1");
        Dok().SetzeAbbruch(Abbruchbedingung{"Q", Abbruchbedingung::Kleiner, 0.1f});
        Bediene([](TAbbruchForm* a) {
            QCOMPARE(Zeilen(a->VarListe), QStringList({"X", "Q"}));
            QCOMPARE(a->VarListe->currentRow(), 1);
            QCOMPARE(a->WertEdit->text(), QString("0,1"));
            a->OKBtn->click();
        });
        QCOMPARE(Dok().Abbruch()->Name, std::string("Q"));
    }

    void ScanfehlerZeigtKeinenDialog() {
        Modell("X:=X+1\nY=X");
        d.Leeren();
        Befehl("Abbruchbedingung1")->trigger();
        QCOMPARE(d.Texte(), QStringList{"In der Zeile 2 fehlt das :=."});
        QCOMPARE(f->Memo1->textCursor().blockNumber(), 1);
        QVERIFY(!f->findChild<TAbbruchForm*>()->isVisible());
    }

    void IterationEndetAufDerBedingung() {
        Modell("Y:=Y+VY*DT\nVY:=VY-9.81*DT");
        Startwerte({"1", "1", "0,2"});
        Bediene([](TAbbruchForm* a) {
            a->BedingungBtn->setChecked(true);
            a->WertEdit->setText("0");
            a->OKBtn->click();
        });
        // The condition cannot change while a run uses it.
        bool aenderbar = true;
        connect(f->ZaehlerEdit, &QLineEdit::textChanged, f,
                [&] { aenderbar = aenderbar && Befehl("Abbruchbedingung1")->isEnabled(); });
        Iteration();
        QVERIFY(!aenderbar && Befehl("Abbruchbedingung1")->isEnabled());
        QCOMPARE(f->ZaehlerEdit->Number(), 4);
        QCOMPARE(f->StringGrid1->Text(2, 1), QString("  -0.554"));
        QCOMPARE(f->StringGrid1->Text(2, 2), QString("  -6.848"));
        QCOMPARE(f->StatusLine->text(), QString("Abbruch: Y < 0 nach 4 Schritten"));
        QVERIFY(f->BerechneKnopf->isEnabled() && !f->AbbruchKnopf->isEnabled());
    }

    void HinweiseNachScanUndLauf() {
        Modell("Y:=X*2,5\nZ:=SIN(30)\nW:=LN(X)");
        auto* fenster = f->findChild<THinweisFenster*>();
        Befehl("Hinweise1")->trigger();
        QVERIFY(fenster->isVisible());
        const QStringList scan{"Zeile 1: Dezimalpunkt verwenden: 2.5",
                               "Zeile 1: X steht nur rechts und hat den Startwert 0 "
                               "(Konstante vergessen?)",
                               "Zeile 2: SIN rechnet im Bogenmaß"};
        QCOMPARE(Zeilen(fenster->Liste), scan);
        const QString zusammenfassung = "3 Hinweise, zuerst " + scan[0];
        QCOMPARE(f->StatusLine->text(), zusammenfassung);
        // A hovered item's hint covers the summary only while the mouse is on it.
        for (const QString& tipp : {QString("Neues Modell"), QString()}) {
            QStatusTipEvent e(tipp);
            QApplication::sendEvent(f, &e);
            QCOMPARE(f->StatusLine->text(), tipp.isEmpty() ? zusammenfassung : tipp);
        }

        // A run appends its hints; the status line keeps the run's message first.
        Dok().SetzeAbbruch(Abbruchbedingung{"Z", Abbruchbedingung::Kleiner, 0});
        Iteration();
        QCOMPARE(Zeilen(fenster->Liste),
                 scan + QStringList{"Zeile 3: W wurde 1E30: LN nicht berechenbar"});
        QCOMPARE(f->StatusLine->text(),
                 "Abbruch: Z < 0 nach 1 Schritt · 4 Hinweise, zuerst " + scan[0]);

        // A run of the graph or the table reports through the document alike.
        a->dokument.Melde("Abbruch: Z < 0 nach 2 Schritten");
        a->dokument.Gelaufen();
        QCOMPARE(f->StatusLine->text(),
                 "Abbruch: Z < 0 nach 2 Schritten · 4 Hinweise, zuerst " + scan[0]);

        // A double click (which begins with a click) puts the editor's cursor on the hint's line.
        const QPoint mitte = fenster->Liste->visualItemRect(fenster->Liste->item(2)).center();
        QTest::mouseClick(fenster->Liste->viewport(), Qt::LeftButton, {}, mitte);
        QTest::mouseDClick(fenster->Liste->viewport(), Qt::LeftButton, {}, mitte);
        QCOMPARE(f->Memo1->textCursor().blockNumber(), 1);

        // A start value for the constant, as opening a model sets it after the scan, ends its hint.
        const auto& m = Dok().Daten();
        for (std::int32_t i = 1; i <= m.Variablenzahl; ++i)
            if (m.Variablen[static_cast<std::size_t>(i)].Name == "X")
                Dok().SetzeStartwerttext(i, "2");
        QCOMPARE(Zeilen(fenster->Liste), (QStringList{scan[0], scan[2]}));

        // A model without hints: none listed, the summary gone.
        Modell("X:=X+1");
        QCOMPARE(Zeilen(fenster->Liste), QStringList{"Keine Hinweise zum Modell."});
        QCOMPARE(f->StatusLine->text(), QString());
    }
};

QTEST_MAIN(LaufhilfenTest)
#include "laufhilfen_qtest.moc"
