// The graph window's dialogs: the axis choice with its two lists, and the settings with their
// limit check, colours and ways out after a refused OK.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <array>
#include <memory>

#include "dokumentobjekt.h"
#include "grenzenform.h"
#include "intedit.h"
#include "ks.h"
#include "kurvenwahl.h"
#include "listenwahl.h"
#include "modell.h"
#include "singedit.h"
#include "testdialoge.h"
#include "varwahlform.h"

using namespace quintor;

namespace {

QStringList Eintraege(const QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
    return t;
}

QStringList Markiert(const QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->isSelected()) t << l->item(i)->text();
    return t;
}

QPoint Ort(QListWidget* l, const QString& name) {
    const auto gefunden = l->findItems(name, Qt::MatchExactly);
    return gefunden.isEmpty() ? QPoint() : l->visualItemRect(gefunden.first()).center();
}

// Clicks the first name and control-clicks the others, as the user picks several entries.
void Klicke(QListWidget* l, const QStringList& namen) {
    for (int i = 0; i < namen.size(); ++i)
        QTest::mouseClick(l->viewport(), Qt::LeftButton,
                          i == 0 ? Qt::NoModifier : Qt::ControlModifier, Ort(l, namen[i]));
}

// A double click as the window system delivers it: press and release, then the double click.
void Doppelklick(QListWidget* l, const QString& name) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, Ort(l, name));
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, Ort(l, name));
}

}  // namespace

class GraphDialogeTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe h;
    std::unique_ptr<Dokumentobjekt> dokument;
    std::unique_ptr<test::ModalWaechter> waechter;
    std::unique_ptr<TVarWahlForm> vw;
    std::unique_ptr<TGrenzenForm> gf;

    // The variables straight into the document's model, as a scan leaves them.
    void Variablen(const QStringList& namen) {
        Modell* m = &dokument->Inhalt().Daten();
        m->Variablenzahl = static_cast<std::int32_t>(namen.size());
        for (int i = 0; i < namen.size(); ++i)
            m->Variablen[static_cast<std::size_t>(i + 1)].Name = namen[i].toStdString();
    }
    void Zeige(QDialog* f) {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f, 120'000));  // the bound only ends a hang
    }
    void Grenzen(const char* x1, const char* x2, const char* y1, const char* y2) {
        gf->x1Edit->setText(x1);
        gf->x2Edit->setText(x2);
        gf->y1Edit->setText(y1);
        gf->y2Edit->setText(y2);
    }

  private slots:
    void init() {
        waechter = std::make_unique<test::ModalWaechter>();
        d.Leeren();
        h.aufrufe.clear();
        dokument = std::make_unique<Dokumentobjekt>();
        Variablen({"Y", "X", "Z"});
        vw = std::make_unique<TVarWahlForm>(*dokument, d, h);
        gf = std::make_unique<TGrenzenForm>(d, h);
    }
    void cleanup() {
        vw.reset();
        gf.reset();
        dokument.reset();
        QVERIFY2(waechter->ausgeloest.isEmpty(),
                 qPrintable("offen geblieben: " + waechter->ausgeloest));
    }

    // ---- Axis choice ----

    void OeffnenFuelltDieQuellisteSortiert() {
        Zeige(vw.get());
        QCOMPARE(Eintraege(vw->SrcList), QStringList({"X", "Y", "Z"}));
        QVERIFY(Eintraege(vw->DstList).isEmpty());
        QVERIFY(vw->IncludeBtn->isEnabled());
        QVERIFY(!vw->ExcludeBtn->isEnabled());
        QCOMPARE(vw->focusWidget(), vw->OKBtn);
        QVERIFY(vw->OKBtn->isDefault());
        vw->reject();

        // Code order, not natural or blank-ignoring order: "X " before "X10" before "X2".
        Variablen({"X2", "X", "B", "X10", "X ", "A1"});
        Zeige(vw.get());
        QCOMPARE(Eintraege(vw->SrcList), QStringList({"A1", "B", "X", "X ", "X10", "X2"}));
    }

    void ZweiAufEinmalKommenUmgekehrtAn() {
        Zeige(vw.get());
        Klicke(vw->SrcList, {"X", "Z"});
        QCOMPARE(Markiert(vw->SrcList), QStringList({"X", "Z"}));
        QTest::mouseClick(vw->IncludeBtn, Qt::LeftButton);
        // The later one comes first and so becomes the horizontal axis.
        QCOMPARE(Eintraege(vw->DstList), QStringList({"Z", "X"}));
        QVERIFY(Markiert(vw->DstList).isEmpty());
        QCOMPARE(Eintraege(vw->SrcList), QStringList({"Y"}));
        QCOMPARE(Markiert(vw->SrcList), QStringList({"Y"}));
        QVERIFY(vw->ExcludeBtn->isEnabled());

        vw->OKBtn->click();
        QVERIFY(d.meldungen.empty());
        QVERIFY(!vw->isVisible());
        QCOMPARE(vw->result(), int(QDialog::Accepted));
        QVERIFY(vw->AchsenGewaehlt);
        QCOMPARE(vw->horizontal, 3);  // Z in the model's order Y, X, Z
        QCOMPARE(vw->vertikal, 2);
    }

    void ZurueckSortiertHinUndAmEndeAngehaengt() {
        Zeige(vw.get());
        Klicke(vw->SrcList, {"X", "Z"});
        vw->IncludeBtn->click();
        // Back into the sorted list: X goes before Y, not after it.
        Doppelklick(vw->DstList, "X");
        QCOMPARE(Eintraege(vw->SrcList), QStringList({"X", "Y"}));
        QCOMPARE(Eintraege(vw->DstList), QStringList({"Z"}));
        QCOMPARE(Markiert(vw->DstList), QStringList({"Z"}));  // index 1 held to the last entry
        // Into the unsorted list: Y goes after Z.
        Doppelklick(vw->SrcList, "Y");
        QCOMPARE(Eintraege(vw->DstList), QStringList({"Z", "Y"}));
        QCOMPARE(Eintraege(vw->SrcList), QStringList({"X"}));

        vw->OKBtn->click();
        QCOMPARE(vw->result(), int(QDialog::Accepted));
        QCOMPARE(vw->horizontal, 3);
        QCOMPARE(vw->vertikal, 1);
    }

    void EinzelnBisZurLeerenQuelliste() {
        Zeige(vw.get());
        Klicke(vw->SrcList, {"Y"});
        vw->IncludeBtn->click();
        // The entry that moved up into the freed place is selected next.
        QCOMPARE(Markiert(vw->SrcList), QStringList({"Z"}));
        vw->IncludeBtn->click();
        QCOMPARE(Markiert(vw->SrcList), QStringList({"X"}));
        vw->IncludeBtn->click();
        QCOMPARE(Eintraege(vw->DstList), QStringList({"Y", "Z", "X"}));
        QCOMPARE(vw->SrcList->count(), 0);
        QCOMPARE(GetFirstSelection(vw->SrcList), -1);
        QVERIFY(!vw->IncludeBtn->isEnabled());
        QVERIFY(vw->ExcludeBtn->isEnabled());

        QTest::mouseDClick(vw->SrcList->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(vw->SrcList->count(), 0);
        QCOMPARE(Eintraege(vw->DstList), QStringList({"Y", "Z", "X"}));
        QVERIFY(!vw->IncludeBtn->isEnabled());

        // Three axes are refused.
        vw->OKBtn->click();
        QCOMPARE(d.Texte(),
                 QStringList({QString::fromUtf8("In dieser Version müssen Sie genau 2 Variablen "
                                                "aussuchen!")}));
        QCOMPARE(d.meldungen[0].art, Meldungsart::Warnung);
        QVERIFY(vw->isVisible());
        QVERIFY(!vw->AchsenGewaehlt);
        QVERIFY(vw->Abweisen);
        vw->CancelBtn->click();
        QVERIFY(!vw->isVisible());
        QCOMPARE(vw->result(), int(QDialog::Rejected));
    }

    void AbgewiesenesOkUndDieWegeHinaus() {
        Zeige(vw.get());
        vw->HelpBtn->click();
        QCOMPARE(h.aufrufe, QStringList({"Kontext 1"}));

        Klicke(vw->SrcList, {"Z"});
        vw->IncludeBtn->click();
        vw->OKBtn->click();
        QCOMPARE(d.meldungen.size(), std::size_t(1));
        QVERIFY(vw->isVisible());
        vw->close();  // the close box
        QVERIFY(!vw->isVisible());
        QVERIFY(!vw->Abweisen);

        // A new showing starts from the model again; the refusal is gone.
        Zeige(vw.get());
        QCOMPARE(Eintraege(vw->SrcList), QStringList({"X", "Y", "Z"}));
        QVERIFY(!vw->ExcludeBtn->isEnabled());
        vw->OKBtn->click();
        QVERIFY(vw->isVisible());
        QTest::keyClick(vw.get(), Qt::Key_Escape);
        QVERIFY(!vw->isVisible());
        QCOMPARE(vw->result(), int(QDialog::Rejected));
    }

    void VerschiebenBehaeltDatenUndSortierung() {
        // The table's column dialog relies on the same operations.
        QListWidget quelle, ziel;
        quelle.setSelectionMode(QAbstractItemView::ExtendedSelection);
        ziel.setSelectionMode(QAbstractItemView::ExtendedSelection);
        ziel.setSortingEnabled(true);
        for (const char* n : {"C", "A", "D"}) {
            auto* e = new QListWidgetItem(n);
            e->setData(Qt::UserRole, QString(n).toLower());
            quelle.addItem(e);
        }
        ziel.addItems({"B", "E"});
        quelle.item(0)->setSelected(true);
        quelle.item(1)->setSelected(true);
        QCOMPARE(GetFirstSelection(&quelle), 0);
        MoveSelected(&quelle, &ziel);
        QCOMPARE(Eintraege(&ziel), QStringList({"A", "B", "C", "E"}));
        QCOMPARE(ziel.findItems("A", Qt::MatchExactly).first()->data(Qt::UserRole), QVariant("a"));
        QCOMPARE(Eintraege(&quelle), QStringList({"D"}));
        QCOMPARE(GetFirstSelection(&quelle), -1);
        SetItem(&quelle, 7);  // beyond the end: the last entry
        QCOMPARE(Markiert(&quelle), QStringList({"D"}));
        SetItem(&ziel, 1);  // each call adds to the selection
        SetItem(&ziel, 3);
        QCOMPARE(Markiert(&ziel), QStringList({"B", "E"}));
        QListWidget leer;
        SetItem(&leer, -1);
        QCOMPARE(GetFirstSelection(&leer), -1);
    }

    // ---- Settings ----

    void GleicheXGrenzenTrotzGuterYGrenzenAbgewiesen() {
        Zeige(gf.get());
        QCOMPARE(gf->x1Edit->text(), QString("-10.0000"));
        QCOMPARE(gf->x2Edit->text(), QString(" 10.0000"));
        QCOMPARE(gf->focusWidget(), gf->OKBtn);
        Grenzen("5", "5,0", "-1", "1");
        gf->OKBtn->click();
        QCOMPARE(d.Texte(), QStringList({QString::fromUtf8(
                                "Die angegebenen Intervallgrenzen dürfen nicht identisch sein!")}));
        QCOMPARE(d.meldungen[0].art, Meldungsart::Fehler);
        QVERIFY(gf->isVisible());
        QVERIFY(gf->Abweisen);

        // Reversed limits are fine; the coordinate system orders them.
        gf->x2Edit->setText("-5");
        gf->OKBtn->click();
        QCOMPARE(d.meldungen.size(), std::size_t(1));
        QVERIFY(!gf->isVisible());
        QCOMPARE(gf->result(), int(QDialog::Accepted));
        QCOMPARE(gf->x1Edit->Number(), 5.0f);
        QCOMPARE(gf->x2Edit->Number(), -5.0f);
    }

    void GleicheYGrenzenUndUeberlaufAbgewiesen() {
        Zeige(gf.get());
        Grenzen("0", "1", "0", "-0");  // zero and minus zero are the same limit
        gf->OKBtn->click();
        QCOMPARE(d.meldungen.size(), std::size_t(1));
        QVERIFY(gf->isVisible());
        // Both pairs equal: the y pair is not looked at once the x pair failed.
        Grenzen("2", "2", "3", "3");
        gf->OKBtn->click();
        QCOMPARE(d.meldungen.size(), std::size_t(2));
        QVERIFY(gf->isVisible());
        // A number beyond the single range is refused, not passed on.
        Grenzen("-10", "10", "1E50", "10");
        gf->OKBtn->click();
        QCOMPARE(d.Texte().last(), QString::fromUtf8("Gleitkommaüberlauf"));
        QCOMPARE(d.meldungen.back().art, Meldungsart::Fehler);
        QVERIFY(gf->isVisible());
        // So is a pair whose range leaves the single range, the x pair first.
        for (const auto& [x1, x2, y1, y2] :
             {std::array{"-10", "10", "-3E38", "3E38"}, std::array{"3E38", "-3E38", "1", "1"}}) {
            Grenzen(x1, x2, y1, y2);
            gf->OKBtn->click();
            QCOMPARE(d.Texte().last(),
                     "Die angegebenen Intervallgrenzen liegen zu weit auseinander!");
            QVERIFY(gf->isVisible() && gf->Abweisen);
        }
        gf->CancelBtn->click();
        QVERIFY(!gf->isVisible());
        QCOMPARE(gf->result(), int(QDialog::Rejected));
        // The widest range a single holds is fine.
        Zeige(gf.get());
        Grenzen("-1,7E38", "1,7E38", "-10", "10");
        gf->OKBtn->click();
        QCOMPARE(gf->result(), int(QDialog::Accepted));
    }

    void FarbenSchonNachAbgewiesenemOkImKoordinatensystem() {
        TKoordinatensystem ks;
        gf->SetzeKoordinatensystem(&ks);
        QList<QColor> anfang;
        QList<QColor> antworten{Qt::red, QColor(), Qt::blue};
        gf->Farbwahl = [&](const QColor& start) {
            anfang << start;
            return antworten.takeFirst();
        };
        QCOMPARE(gf->Shape1->Farbe(), QColor(Qt::black));
        QCOMPARE(gf->Shape2->Farbe(), QColor(128, 128, 128));
        Zeige(gf.get());
        QTest::mouseClick(gf->Shape1, Qt::LeftButton);
        QTest::mouseClick(gf->Shape2, Qt::RightButton);  // cancelled in the colour dialog
        QCOMPARE(gf->Shape2->Farbe(), QColor(128, 128, 128));
        QTest::mouseClick(gf->Shape2, Qt::LeftButton);
        // The dialog starts with its own last choice, not with the square's colour.
        QCOMPARE(anfang, QList<QColor>({Qt::black, Qt::red, Qt::red}));
        QCOMPARE(gf->Shape1->Farbe(), QColor(Qt::red));
        QCOMPARE(gf->Shape2->Farbe(), QColor(Qt::blue));
        QCOMPARE(ks.GraphFarbe(), QColor(Qt::black));  // not before OK

        Grenzen("1", "1", "0", "1");
        gf->OKBtn->click();
        QVERIFY(gf->isVisible());
        QCOMPARE(ks.GraphFarbe(), QColor(Qt::red));
        QCOMPARE(ks.KSFarbe(), QColor(Qt::blue));

        gf->close();  // the close box
        QVERIFY(!gf->isVisible());
        QCOMPARE(gf->result(), int(QDialog::Rejected));
        QVERIFY(!gf->Abweisen);
        // The squares keep their colours for the next showing.
        Zeige(gf.get());
        QCOMPARE(gf->Shape1->Farbe(), QColor(Qt::red));
        gf->HelpBtn->click();
        QCOMPARE(h.aufrufe, QStringList({"Kontext 1"}));
        gf->reject();
    }

    void DarstellungNurUeberDieGruppe() {
        gf->setDarstellungIndex(1);
        QVERIFY(gf->Punkte->isChecked());
        QCOMPARE(gf->DarstellungIndex(), 1);
        gf->setDarstellungIndex(-1);  // neither, as an exclusive group would not allow
        QCOMPARE(gf->DarstellungIndex(), -1);
        gf->setDarstellungIndex(0);
        QCOMPARE(gf->DarstellungIndex(), 0);
    }

    // The step limit: off at first; when checked, a count below 1 is refused.
    void SchrittgrenzeAusUndAbgewiesen() {
        Zeige(gf.get());
        QVERIFY(!gf->SchrittgrenzeBox->isChecked());
        QVERIFY(!gf->SchrittgrenzeEdit->isEnabled());
        gf->SchrittgrenzeBox->setChecked(true);
        QVERIFY(gf->SchrittgrenzeEdit->isEnabled());
        gf->SchrittgrenzeEdit->setText("0");
        gf->OKBtn->click();
        QCOMPARE(
            d.Texte(),
            QStringList({QString::fromUtf8("Die höchste Schrittzahl muss mindestens 1 sein!")}));
        QVERIFY(gf->isVisible());
        gf->SchrittgrenzeEdit->setText("250");
        gf->OKBtn->click();
        QVERIFY(!gf->isVisible());
        QCOMPARE(gf->SchrittgrenzeEdit->Number(), 250);
    }

    // Further curves: every variable but the two axes', at most five checked.
    void WeitereKurvenHoechstensFuenf() {
        Variablen({"T", "X", "A", "B", "C", "D", "E", "F"});
        TKurvenWahlForm kw;
        kw.Fuelle(dokument->Inhalt().Daten(), 1, 2, {4, 99});
        QCOMPARE(kw.Liste->count(), 6);
        QCOMPARE(kw.Liste->item(0)->text(), QString("A"));
        QCOMPARE(kw.Gewaehlt(), std::vector<std::int32_t>({4}));
        for (int r = 0; r < kw.Liste->count(); ++r) kw.Liste->item(r)->setCheckState(Qt::Checked);
        QCOMPARE(kw.Gewaehlt(), std::vector<std::int32_t>({3, 4, 5, 6, 7}));
        QVERIFY(!(kw.Liste->item(5)->flags() & Qt::ItemIsEnabled));
        kw.Liste->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(kw.Liste->item(5)->flags() & Qt::ItemIsEnabled);
    }
};

QTEST_MAIN(GraphDialogeTest)
#include "graphdialoge_qtest.moc"
