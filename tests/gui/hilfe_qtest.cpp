// The help viewer over the pages compiled into the program: context topics, keyword index, links,
// the keyword search, help opened from inside modal dialogs, and F1 in the windows.
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QWindow>
#include <memory>

#include "anwendung.h"
#include "graphform.h"
#include "grenzenform.h"
#include "hilfefenster.h"
#include "mainform.h"
#include "testdialoge.h"
#include "varwahlform.h"

using namespace quintor;

namespace {

struct Seite {
    QSet<QString> anker;  // as the viewer's scrollToAnchor finds them
    QStringList links, bilder;
    QColor titelfarbe;  // of the first heading; comes from the shared style sheet
};

Seite Lies(const QTextDocument* doc) {
    Seite s;
    auto merke = [&s](const QTextCharFormat& f) {
        if (f.isAnchor()) {
            for (const QString& n : f.anchorNames()) s.anker.insert(n);
            if (!f.anchorHref().isEmpty()) s.links << f.anchorHref();
        }
        if (f.isImageFormat()) s.bilder << f.toImageFormat().name();
    };
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 1 && !s.titelfarbe.isValid() && b.begin() != b.end())
            s.titelfarbe = b.begin().fragment().charFormat().foreground().color();
        merke(b.charFormat());
        for (auto it = b.begin(); !it.atEnd(); ++it) merke(it.fragment().charFormat());
    }
    return s;
}

bool IstExtern(const QUrl& url) {
    return QStringList{"http", "https", "mailto"}.contains(url.scheme());
}

// Runs `was` inside the event loop of an application-modal dialog, then closes it.
void ImModalenDialog(const std::function<void(QDialog&)>& was) {
    QDialog d;
    d.setWindowTitle("Modal");
    d.setModal(true);
    QTimer::singleShot(0, &d, [&] {
        was(d);
        d.reject();
    });
    d.exec();
}

// A click on the contents button that goes through the window system's modality check.
QString KlickeInhalt(THilfeFenster& h) {
    h.Browser->setSource(QUrl("qrc:/hilfe/hilfe_benutzen.html"));
    QWidget* knopf = h.findChild<QToolBar*>()->widgetForAction(h.InhaltAktion);
    QTest::mouseClick(h.windowHandle(), Qt::LeftButton, {},
                      knopf->mapTo(&h, knopf->rect().center()));
    return h.Browser->source().fileName();
}

}  // namespace

class HilfeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<THilfeFenster> h;
    QList<Stichwort> stichwoerter;

    QString Datei() const { return h->Browser->source().fileName(); }

  private slots:
    void init() {
        h = std::make_unique<THilfeFenster>();
        stichwoerter = THilfeFenster::LadeStichwoerter(THilfeFenster::kStichwoerter);
    }
    void cleanup() { h.reset(); }

    // ---- Topics ----

    void KontextseitenMitIhremTitel() {
        const struct {
            int nummer;
            const char *datei, *titelteil;
        } faelle[] = {{1, "graph.html", "Graph"},
                      {2, "tabelle.html", "Tabelle"},
                      {3, "konstanten.html", "Konstanten"},
                      {0, "inhalt.html", "Inhalt"},
                      {4, "inhalt.html", "Inhalt"}};
        for (const auto& fall : faelle) {
            h->Kontext(fall.nummer);
            QCOMPARE(Datei(), QString(fall.datei));
            QVERIFY2(h->Seitentitel().contains(fall.titelteil), qPrintable(h->Seitentitel()));
            QCOMPARE(h->TitelLabel->text(), h->Seitentitel());
        }
        QVERIFY(h->isVisible());
        QCOMPARE(h->windowTitle(), QString("Quintor-Hilfe"));
    }
    void InhaltBenutzungUndVerlauf() {
        h->Inhalt();
        QCOMPARE(Datei(), QString("inhalt.html"));
        QVERIFY(!h->ZurueckAktion->isEnabled());
        h->Benutzung();
        QCOMPARE(Datei(), QString("hilfe_benutzen.html"));
        QVERIFY(h->Seitentitel().contains("Hilfe"));
        h->ZurueckAktion->trigger();
        QCOMPARE(Datei(), QString("inhalt.html"));
        h->VorAktion->trigger();
        QCOMPARE(Datei(), QString("hilfe_benutzen.html"));
    }

    // ---- Index and pages ----

    void JedeZeileDesIndexIstEinStichwort() {
        QFile f(THilfeFenster::kStichwoerter);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList zeilen = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(zeilen.size() >= 10);
        QCOMPARE(stichwoerter.size(), zeilen.size());  // no line without its tab
    }
    void JedesStichwortOeffnetSeiteUndAnker() {
        for (const Stichwort& s : stichwoerter) {
            h->Zeige(s.ziel);
            const QUrl ziel(s.ziel);
            QVERIFY2(Datei() == ziel.fileName() && !h->Browser->document()->isEmpty() &&
                         !h->Browser->toPlainText().trimmed().isEmpty(),
                     qPrintable(s.wort + " -> " + s.ziel));
            if (ziel.hasFragment())
                QVERIFY2(Lies(h->Browser->document()).anker.contains(ziel.fragment()),
                         qPrintable(s.wort + " -> " + s.ziel));
        }
    }
    void JederLinkFuehrtZuSeiteUndAnker() {
        QMap<QString, Seite> seiten;
        for (QDirIterator it(":/hilfe", {"*.html"}); it.hasNext();) {
            const QString name = QFileInfo(it.next()).fileName();
            h->Zeige(name);
            QVERIFY2(!h->Seitentitel().isEmpty(), qPrintable(name + " ohne <title>"));
            seiten[name] = Lies(h->Browser->document());
            QCOMPARE(seiten[name].titelfarbe, QColor("#1f4e79"));
        }
        QVERIFY(seiten.contains("inhalt.html") && seiten.contains("hilfe_benutzen.html"));
        for (auto [name, seite] : seiten.asKeyValueRange()) {
            const QUrl basis("qrc:/hilfe/" + name);
            for (const QString& link : seite.links) {
                const QUrl ziel = basis.resolved(QUrl(link));
                if (IstExtern(ziel)) continue;
                const QString wo = name + ": " + link;
                QVERIFY2(ziel.scheme() == "qrc" && seiten.contains(ziel.fileName()),
                         qPrintable(wo));
                if (ziel.hasFragment())
                    QVERIFY2(seiten[ziel.fileName()].anker.contains(ziel.fragment()),
                             qPrintable(wo));
            }
            for (const QString& bild : seite.bilder)
                QVERIFY2(QFile::exists(":" + basis.resolved(QUrl(bild)).path()),
                         qPrintable(name + ": " + bild));
        }
    }

    // ---- Keyword search ----

    void SucheFaltetGrossschreibungUndUmlaute() {
        QCOMPARE(THilfeFenster::Suchform("Größe"), THilfeFenster::Suchform("GROESSE"));
        QCOMPARE(THilfeFenster::Suchform("ÄNDERN"), QString("aendern"));
        QCOMPARE(THilfeFenster::Suchform("  Zurück  "), THilfeFenster::Suchform("zurueck"));
    }
    void SucheFiltertBeimTippen() {
        THilfeSuche* s = h->SuchDialog;
        h->Suche();
        QVERIFY(s->isVisible());
        QVERIFY(s->StichwortEdit->text().isEmpty());
        QCOMPARE(s->Liste->count(), stichwoerter.size());

        const Stichwort gesucht = stichwoerter[stichwoerter.size() / 2];
        const QString anfang = gesucht.wort.left(3).toUpper();
        QTest::keyClicks(s->StichwortEdit, anfang);
        const QString f = THilfeFenster::Suchform(anfang);
        QVERIFY(s->Liste->count() > 0 && s->Liste->count() < stichwoerter.size());
        QVERIFY(!s->Liste->findItems(gesucht.wort, Qt::MatchExactly).isEmpty());
        bool vorn = true;  // the entries that start with it come first
        for (int i = 0; i < s->Liste->count(); ++i) {
            const QString w = THilfeFenster::Suchform(s->Liste->item(i)->text());
            QVERIFY2(w.contains(f), qPrintable(w));
            QVERIFY(vorn || !w.startsWith(f));
            vorn = w.startsWith(f);
        }
        QTest::keyClick(s->StichwortEdit, Qt::Key_Down);
        const QString ziel = s->Ziele().value(s->Liste->count() > 1 ? 1 : 0);
        QTest::keyClick(s->StichwortEdit, Qt::Key_Return);
        QVERIFY(!s->isVisible());
        QCOMPARE(h->Browser->source(), QUrl("qrc:/hilfe/").resolved(QUrl(ziel)));

        QTest::keyClicks(s->StichwortEdit, "xyzq");  // hidden dialog; the next search begins anew
        h->Suche();
        QVERIFY(s->StichwortEdit->text().isEmpty());
        QCOMPARE(s->Liste->count(), stichwoerter.size());
        QTest::keyClicks(s->StichwortEdit, "xyzq");
        QCOMPARE(s->Liste->count(), 0);
        QVERIFY(!s->AnzeigenKnopf->isEnabled());
    }
    void DoppelklickOeffnetEintrag() {
        THilfeSuche* s = h->SuchDialog;
        h->Suche();
        QListWidgetItem* item = s->Liste->item(s->Liste->count() - 1);
        s->Liste->scrollToItem(item);
        const QPoint p = s->Liste->visualItemRect(item).center();
        QTest::mouseClick(s->Liste->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(s->Liste->viewport(), Qt::LeftButton, {}, p);
        QVERIFY(!s->isVisible());
        QCOMPARE(h->Browser->source(),
                 QUrl("qrc:/hilfe/").resolved(QUrl(stichwoerter.last().ziel)));
    }

    // ---- Modal dialogs ----

    void HilfeAusModalemDialogNimmtEingaben() {
        QString klick, getippt;
        ImModalenDialog([&](QDialog&) {
            h->Kontext(1);
            klick = KlickeInhalt(*h);
            h->Suche();
            QTest::keyClick(h->SuchDialog->windowHandle(), Qt::Key_K);
            getippt = h->SuchDialog->StichwortEdit->text();
        });
        QCOMPARE(klick, QString("inhalt.html"));
        QCOMPARE(getippt, QString("k"));
    }
    void HilfeBleibtBenutzbarWennInnererDialogSchliesst() {
        QString innen, aussen;
        h->Inhalt();  // opened before any dialog
        ImModalenDialog([&](QDialog& d) {
            QVERIFY(QApplication::activeModalWidget() == &d);
            h->Kontext(1);
            ImModalenDialog([&](QDialog&) {
                h->Kontext(2);
                innen = KlickeInhalt(*h);
            });
            aussen = KlickeInhalt(*h);
        });
        QCOMPARE(innen, QString("inhalt.html"));
        QCOMPARE(aussen, QString("inhalt.html"));
        QVERIFY(h->windowHandle()->transientParent() == nullptr);  // free again
        QCOMPARE(KlickeInhalt(*h), QString("inhalt.html"));
    }

    // ---- F1 in the windows ----

    void F1OeffnetDasThemaDesFensters() {
        test::TestDialoge d;
        test::TestHilfe hilfe;
        test::ModalWaechter waechter;
        Anwendung a(d, hilfe, {});
        TMainForm* f = a.fenster.MainForm;
        f->show();
        f->activateWindow();
        QVERIFY(test::WarteBisAktiv(f));
        QTest::keyClick(f, Qt::Key_F1);
        QCOMPARE(hilfe.aufrufe, QStringList{"Inhalt"});

        QDialog* dialoge[] = {a.fenster.VarWahlForm, a.fenster.GrenzenForm, a.fenster.GraphForm};
        for (QDialog* dialog : dialoge) {
            hilfe.aufrufe.clear();
            if (dialog == a.fenster.GraphForm) {  // axes chosen, so it opens without the dialog
                f->Memo1->setPlainText("T:=T+1\nY:=T");
                f->SCANNEN();
                f->StartwerteInit();
                Graphwerte g = a.dokument.Inhalt().Graph();
                g.horizontal = 1;
                g.vertikal = 2;
                g.AchsenGewaehlt = true;
                a.dokument.Inhalt().SetzeGraph(g);
            }
            test::SchliesseNaechstenDialog([&](QDialog* offen) {
                QCOMPARE(offen, dialog);
                QVERIFY(test::WarteBisAktiv(offen));
                QTest::keyClick(offen, Qt::Key_F1);
            });
            dialog->exec();
            QCOMPARE(hilfe.aufrufe, QStringList{"Kontext 1"});
        }
        QVERIFY2(waechter.ausgeloest.isEmpty(), qPrintable(waechter.ausgeloest));
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe_qtest.moc"
