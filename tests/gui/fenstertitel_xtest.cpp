// Window captions as the X server has them: every window, dialog and message box carries its
// own caption and nothing more. Runs on the xcb platform against an X server of its own
// (mit_xvfb.sh); Qt's windowTitle() alone cannot show what the window system receives.
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>

#include "anwendung.h"
#include "anwendung_einrichten.h"
#include "dateibefehle.h"
#include "fensterliste.h"
#include "graphform.h"
#include "grenzenform.h"
#include "hilfefenster.h"
#include "infoform.h"
#include "kommentarform.h"
#include "konstform.h"
#include "mainform.h"
#include "meldungsboxen.h"
#include "rechnerfenster.h"
#include "tabellenform.h"
#include "tabvarwahlform.h"
#include "testdialoge.h"
#include "varwahlform.h"

using namespace quintor;

namespace {

xcb_connection_t* Verbindung() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(const char* name) {
    xcb_connection_t* c = Verbindung();
    auto* antwort = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = antwort ? antwort->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(antwort);
    return atom;
}

// A text property of a window as the server holds it: STRING is Latin-1, the rest UTF-8.
QString Eigenschaft(WId fenster, const char* name) {
    xcb_connection_t* c = Verbindung();
    const auto anfrage = xcb_get_property(c, 0, static_cast<xcb_window_t>(fenster), Atom(name),
                                          XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
    auto* antwort = xcb_get_property_reply(c, anfrage, nullptr);
    if (!antwort) return QStringLiteral("(keine Antwort)");
    const auto* daten = static_cast<const char*>(xcb_get_property_value(antwort));
    const int laenge = xcb_get_property_value_length(antwort);
    const QString text = antwort->type == XCB_ATOM_STRING ? QString::fromLatin1(daten, laenge)
                                                          : QString::fromUtf8(daten, laenge);
    std::free(antwort);
    return text;
}

// Both names a window has on the server; winId() creates the window without showing it.
QStringList Namen(QWidget* w) {
    const WId id = w->winId();
    return {Eigenschaft(id, "WM_NAME"), Eigenschaft(id, "_NET_WM_NAME")};
}

// Runs `tun` on the next dialog shown, from inside its modal loop.
class BeimZeigen : public QObject {
  public:
    explicit BeimZeigen(std::function<void(QDialog*)> tun) : tun_(std::move(tun)) {
        qApp->installEventFilter(this);
    }
    ~BeimZeigen() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* dialog = qobject_cast<QDialog*>(o);
        if (dialog && e->type() == QEvent::Show && tun_)
            QMetaObject::invokeMethod(
                dialog, [dialog, tun = std::exchange(tun_, {})] { tun(dialog); },
                Qt::QueuedConnection);
        return false;
    }

  private:
    std::function<void(QDialog*)> tun_;
};

}  // namespace

class FenstertitelTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe h;

  private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("braucht die xcb-Plattform auf einem X-Server (tests/gui/mit_xvfb.sh)");
        RichteAnwendungEin(*qApp);
    }

    void ProgrammfensterUndModellname() {
        Anwendung a(d, h, {});
        const Fensterliste& f = a.fenster;
        const std::pair<QWidget*, const char*> faelle[] = {
            {f.MainForm, "Quintor"},
            {f.VarWahlForm, "Variablenauswahl"},
            {f.GrenzenForm, "Koordinatensystem - Einstellungen"},
            {f.GraphForm, "Graph"},
            {f.InfoForm, "Infos"},
            {f.Tabellenform, "Tabelle"},
            {f.TabVarWahlForm, "Variablenwahl - Tabelle"},
            {f.KonstForm, "Konstanten"},
            {f.KommentarForm, "Kommentar"}};
        for (const auto& [fenster, titel] : faelle)
            QCOMPARE(Namen(fenster), QStringList(2, QString::fromUtf8(titel)));

        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("modell.sim");
        f.MainForm->Memo1->setPlainText("X:=X+1");
        f.MainForm->Dateien().SpeichernDialog = [&] { return pfad; };
        f.MainForm->FileSaveAs();
        QCOMPARE(Namen(f.MainForm), QStringList(2, "Quintor [" + pfad + "]"));

        // A modal dialog while it is open.
        QStringList gesehen;
        BeimZeigen beim([&](QDialog* dialog) {
            gesehen = Namen(dialog);
            dialog->reject();
        });
        f.GrenzenForm->exec();
        QCOMPARE(gesehen, QStringList(2, "Koordinatensystem - Einstellungen"));
    }

    void Meldungsboxen_data() {
        QTest::addColumn<bool>("frage");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Warnung") << false << "Warnung";
        QTest::newRow("Frage") << true << "Bestätigung";
    }
    void Meldungsboxen() {
        QFETCH(bool, frage);
        QFETCH(QString, titel);
        quintor::Meldungsboxen boxen;
        QStringList gesehen;
        BeimZeigen beim([&](QDialog* box) {
            gesehen = Namen(box);
            box->reject();
        });
        if (frage)
            boxen.Frage("Sollen die Daten gesichert werden?");
        else
            boxen.Melde(Meldungsart::Warnung, "Das System muß mindestens 2 Variablen besitzen");
        QCOMPARE(gesehen, QStringList(2, titel));
    }

    // Windows whose captions come from the toolkit or change with their content: exactly
    // their own caption.
    void HilfeRechnerUndStandarddialoge() {
        THilfeFenster hilfe;
        TRechnerFenster rechner;
        QFileDialog datei(nullptr, QStringLiteral("Öffnen"));
        QFontDialog schrift;
        QColorDialog farbe;
        QPrinter drucker;
        QPrintDialog druck(&drucker);
        QPageSetupDialog seite(&drucker);
        QWidget* fenster[] = {&hilfe,   hilfe.SuchDialog, &rechner, &datei,
                              &schrift, &farbe,           &druck,   &seite};
        for (QWidget* w : fenster) {
            QVERIFY(!w->windowTitle().isEmpty());
            QCOMPARE(Namen(w), QStringList(2, w->windowTitle()));
        }
    }
};

QTEST_MAIN(FenstertitelTest)
#include "fenstertitel_xtest.moc"
