// The text size for the projector: the zoom levels and their keys, what each window shows at a
// level, the fields that grow with the main window, and the level kept in the user's settings.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "anwendung.h"
#include "anwendung_einrichten.h"
#include "graphform.h"
#include "intedit.h"
#include "ks.h"
#include "mainform.h"
#include "rotaryswitch.h"
#include "stringgrid.h"
#include "tabellenform.h"
#include "testdialoge.h"

using namespace quintor;

class AnsichtTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe h;
    std::unique_ptr<Anwendung> a;
    TMainForm* f = nullptr;

    // Where the controls of the main window sit, relative to the window.
    QList<QRect> Orte() const {
        QList<QRect> orte;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 f->Panel1, f->Panel2, f->StatusLine, f->Memo1, f->SpinEdit1, f->StringGrid1,
                 f->StartWerteKnopf, f->ZaehlerEdit, f->EinzelKnopf, f->BerechneKnopf,
                 f->RotaryKnob1, f->AbbruchKnopf})
            orte << QRect(w->mapTo(f, QPoint()), w->size());
        return orte;
    }
    void Groesse(int breite, int hoehe) {
        f->resize(breite, hoehe);
        QVERIFY(test::WarteBis([&] { return f->size() == QSize(breite, hoehe); }));
        QCoreApplication::processEvents();
    }

  private slots:
    void initTestCase() { RichteAnwendungEin(*qApp); }
    void init() {
        a = std::make_unique<Anwendung>(d, h, QStringList{});
        f = a->fenster.MainForm;
        f->show();
        QVERIFY(test::WarteBisAktiv(f));
    }
    void cleanup() { a.reset(); }

    void StufenUndFaktoren_data() {
        QTest::addColumn<int>("groesser");
        QTest::addColumn<int>("kleiner");
        QTest::addColumn<double>("faktor");
        QTest::addRow("Normal") << 0 << 0 << 1.0;
        QTest::addRow("zweimal größer") << 2 << 0 << 1.5;
        QTest::addRow("ganz groß") << 20 << 0 << 3.0;
        QTest::addRow("ganz klein") << 0 << 20 << 0.8;
        QTest::addRow("hin und zurück") << 3 << 3 << 1.0;
    }
    // The menu items at their ends are greyed, and the window texts follow the factor.
    void StufenUndFaktoren() {
        QFETCH(int, groesser);
        QFETCH(int, kleiner);
        QFETCH(double, faktor);
        for (int i = 0; i < groesser; ++i)
            if (f->Groesser1->isEnabled()) f->Groesser1->trigger();
        for (int i = 0; i < kleiner; ++i)
            if (f->Kleiner1->isEnabled()) f->Kleiner1->trigger();
        QCOMPARE(a->ansicht.Faktor(), faktor);
        QCOMPARE(f->Groesser1->isEnabled(), faktor < 3.0);
        QCOMPARE(f->Kleiner1->isEnabled(), faktor > 0.8);
        QCOMPARE(f->Memo1->font().pointSizeF(), EditorSchrift().pointSizeF() * faktor);
        const auto mal = [faktor](int px) { return int(std::lround(px * faktor)); };
        QCOMPARE(f->StringGrid1->font().pixelSize(), mal(12));
        QCOMPARE(f->StringGrid1->rowHeight(0), mal(20));
        QCOMPARE(a->fenster.GraphForm->Koordinatensystem1->font().pixelSize(), mal(13));
        QCOMPARE(a->fenster.Tabellenform->Memo1->font().pixelSize(), mal(16));
        QCOMPARE(a->fenster.Tabellenform->width(), std::max(512, mal(512)));
        // Without growing fields the window's layout is the designed one.
        QCOMPARE(f->StringGrid1->geometry(), QRect(16, 40, 216, 241));
        QCOMPARE(f->Label1->font().pixelSize(), 16);
    }

    void TastenErreichenDieStufen() {
        QTest::keyClick(f->Memo1, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(f->StringGrid1, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(a->ansicht.Stufe(), 2);
        QTest::keyClick(f->Memo1, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(a->ansicht.Stufe(), 1);
        QTest::keyClick(f->Memo1, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(a->ansicht.Stufe(), 0);
        QCOMPARE(f->Memo1->toPlainText(), QString());  // no key reached the editor
        // The table and the graph are modal over the menu and carry the keys themselves.
        for (QWidget* fenster : {static_cast<QWidget*>(a->fenster.GraphForm),
                                 static_cast<QWidget*>(a->fenster.Tabellenform)}) {
            QAction* groesser = nullptr;
            for (QAction* b : fenster->actions())
                if (b->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Plus))) groesser = b;
            QVERIFY(groesser);
            groesser->trigger();
        }
        QCOMPARE(a->ansicht.Stufe(), 2);
    }

    // The font chosen in "Schrift" is scaled as well, and the dialog still opens on the first.
    void GewaehlteSchriftWirdMitvergroessert() {
        QFont gewaehlt(QStringLiteral("Liberation Mono"));
        gewaehlt.setPointSize(10);
        QList<QFont> vorgaben;
        f->Schriftwahl = [&](const QFont& vorgabe) -> std::optional<QFont> {
            vorgaben << vorgabe;
            return gewaehlt;
        };
        f->Groesser1->trigger();
        f->Schrift1Click();
        QCOMPARE(f->Memo1->font().pointSizeF(), 12.5);
        f->Normal1->trigger();
        QCOMPARE(f->Memo1->font().pointSizeF(), 10.0);
        QCOMPARE(vorgaben.value(0), EditorSchrift());
    }

    // At the designed size the growing fields sit as designed; a larger window gives the editor
    // and the grid the room, the buttons stay at the bottom, and switching off restores it all.
    void FelderWachsenMitDemFenster() {
        const QList<QRect> entworfen = Orte();
        QVERIFY(!(f->windowFlags() & Qt::WindowMaximizeButtonHint));
        f->Mitwachsen1->trigger();
        QVERIFY(f->windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(test::WarteBis([this] { return f->isVisible(); }));
        QCOMPARE(Orte(), entworfen);

        Groesse(1260, 920);
        const int zuwachs = f->centralWidget()->height() - f->Panel1->height();
        QCOMPARE(f->Panel1->width(), 768);  // the designed share of the width
        QVERIFY(f->Memo1->width() > 2 * 353 - 40 && f->Memo1->height() > 2 * 321 - 80);
        QVERIFY(f->StringGrid1->width() > 2 * 216 - 40);
        QCOMPARE(f->StringGrid1->columnWidth(0), f->StringGrid1->columnWidth(1));
        QVERIFY(f->StringGrid1->columnWidth(1) > 66);
        QCOMPARE(f->AbbruchKnopf->geometry().bottom(), f->Memo1->geometry().bottom());
        QCOMPARE(f->AbbruchKnopf->geometry().right(), f->EinzelKnopf->geometry().right());
        QVERIFY(zuwachs > 0);

        f->Groesser1->trigger();
        f->Groesser1->trigger();
        QCOMPARE(f->Label1->font().pixelSize(), 24);
        QCOMPARE(f->BerechneKnopf->height(), 50);
        QVERIFY(f->Memo1->geometry().bottom() < f->Panel1->height());
        // Back at the designed size, the buttons grow only as far as the window leaves room.
        Groesse(630, 460);
        QCOMPARE(f->Label1->font().pixelSize(), 16);
        QCOMPARE(Orte().mid(6), entworfen.mid(6));

        f->Mitwachsen1->trigger();
        QVERIFY(!(f->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(test::WarteBis([this] { return f->isVisible(); }));
        QCOMPARE(f->Label1->font().pixelSize(), 16);
        QCOMPARE(f->StringGrid1->geometry(), QRect(16, 40, 216, 241));
        QCOMPARE(f->Memo1->geometry(), QRect(16, 40, 353, 321));
        QCOMPARE(f->Panel1->width(), 384);
    }

    void EinstellungenBleiben_data() {
        QTest::addColumn<QString>("stufe");
        QTest::addColumn<QString>("wachsen");
        QTest::addColumn<int>("erwartet");
        QTest::addColumn<bool>("erwartetWachsen");
        QTest::addRow("gespeichert") << "2"
                                     << "true" << 2 << true;
        QTest::addRow("kleinste") << "-2"
                                  << "false" << -2 << false;
        QTest::addRow("zu groß") << "7"
                                 << "true" << 0 << true;
        QTest::addRow("keine Zahl") << "groß"
                                    << "ja" << 0 << false;
        QTest::addRow("fehlt") << ""
                               << "" << 0 << false;
    }
    void EinstellungenBleiben() {
        QFETCH(QString, stufe);
        QFETCH(QString, wachsen);
        QFETCH(int, erwartet);
        QFETCH(bool, erwartetWachsen);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("Quintor.conf");
        {
            QSettings s(datei, QSettings::IniFormat);
            if (!stufe.isEmpty()) s.setValue("Ansicht/Stufe", stufe);
            if (!wachsen.isEmpty()) s.setValue("Ansicht/Mitwachsen", wachsen);
        }
        Ansichtsgroesse ansicht;
        ansicht.SetzeStufe(4);
        ansicht.Lade(QSettings(datei, QSettings::IniFormat));
        QCOMPARE(ansicht.Stufe(), erwartet);
        QCOMPARE(ansicht.Mitwachsen(), erwartetWachsen);
        {
            QSettings s(datei, QSettings::IniFormat);
            ansicht.Speichere(s);
        }
        Ansichtsgroesse wieder;
        wieder.Lade(QSettings(datei, QSettings::IniFormat));
        QCOMPARE(wieder.Stufe(), erwartet);
        QCOMPARE(wieder.Mitwachsen(), erwartetWachsen);
    }
};

QTEST_MAIN(AnsichtTest)
#include "ansicht_qtest.moc"
