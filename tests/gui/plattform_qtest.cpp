// What the desktop provides: message boxes, German standard texts, tool tip delay, calculator.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "anwendung_einrichten.h"
#include "meldungsboxen.h"
#include "rechner.h"

using namespace quintor;

namespace {

struct Box {
    QString titel, text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QStringList knoepfe;
};

// Looks at the next message box, then presses the button with `druecke` in its text. The box's
// own event loop is the first to run after this, so the box is up when the call comes.
void PruefeNaechsteBox(Box& gesehen, const QString& druecke) {
    QTimer::singleShot(0, [&gesehen, druecke] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        gesehen.titel = box->windowTitle();
        gesehen.text = box->text();
        gesehen.symbol = box->icon();
        for (QAbstractButton* k : box->buttons()) {
            gesehen.knoepfe << k->text();
            if (k->text() == druecke) k->click();
        }
    });
}

}  // namespace

class PlattformTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RichteAnwendungEin(*qApp); }

    void MeldungenNachArt() {
        const struct {
            Meldungsart art;
            const char* titel;
            QMessageBox::Icon symbol;
        } arten[] = {{Meldungsart::Warnung, "Warnung", QMessageBox::Warning},
                     {Meldungsart::Fehler, "Fehler", QMessageBox::Critical},
                     {Meldungsart::Information, "Informationen", QMessageBox::Information},
                     {Meldungsart::Bestaetigung, "Bestätigung", QMessageBox::Question}};
        Meldungsboxen boxen;
        for (const auto& a : arten) {
            Box b;
            PruefeNaechsteBox(b, "OK");
            boxen.Melde(a.art, "Zeile 1\nZeile 2");
            QCOMPARE(b.titel, QString(a.titel));
            QCOMPARE(b.symbol, a.symbol);
            QCOMPARE(b.text, QString("Zeile 1\nZeile 2"));
            QCOMPARE(b.knoepfe, QStringList{"OK"});
        }
    }

    void FragenHabenJaUndNeinUndKeinAbbrechen() {
        Meldungsboxen boxen;
        Box b;
        PruefeNaechsteBox(b, "&Ja");
        QVERIFY(boxen.Frage("Sollen die Daten gesichert werden?"));
        QCOMPARE(b.titel, QString("Bestätigung"));
        QCOMPARE(b.knoepfe, (QStringList{"&Ja", "&Nein"}));
        Box c;
        PruefeNaechsteBox(c, "&Nein");
        QVERIFY(!boxen.Frage("?"));
    }

    void DeutscheStandardtexteUndTooltipPause() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 5000);
        QCOMPARE(QLocale().language(), QLocale::German);
    }

    void TaschenrechnerStartOderDateiNichtGefunden() {
        QCOMPARE(StarteRechner({"quintor-gibt-es-nicht"}), 2);
        QVERIFY(StarteRechner({"quintor-gibt-es-nicht", "true"}) > 32);
    }
};

QTEST_MAIN(PlattformTest)
#include "plattform_qtest.moc"
