// The model files through the main window: Open, Save, Save As with the settings and comment
// files, the save questions, the title, the extension rule, failures, and the examples kept byte
// for byte.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <memory>

#include "anwendung.h"
#include "dateibefehle.h"
#include "graphform.h"
#include "intedit.h"
#include "kommentarform.h"
#include "ks.h"
#include "mainform.h"
#include "stringgrid.h"
#include "testdialoge.h"
#include "textdatei.h"

using namespace quintor;

Q_DECLARE_METATYPE(quintor::Dialoge::Antwort)

namespace {

QByteArray Bytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

}  // namespace

class DateienTest : public QObject {
    Q_OBJECT

    test::TestDialoge d;
    test::TestHilfe hilfe;
    std::unique_ptr<Anwendung> a;
    std::unique_ptr<test::ModalWaechter> waechter;
    std::unique_ptr<QTemporaryDir> ordner;
    TMainForm* f = nullptr;
    TGraphForm* g = nullptr;

    QString Pfad(const QString& name) { return ordner->filePath(name); }
    Dokument& Dok() { return a->dokument.Inhalt(); }
    QString Datei() { return QString::fromStdString(Dok().Dateiname()); }
    const Graphwerte& G() { return Dok().Graph(); }
    // Opens a file; the comment window that a .doc brings is closed again.
    void Oeffne(const QString& pfad, QStringList* fenster = nullptr) {
        f->Dateien().OeffnenDialog = [pfad](const QString&) { return pfad; };
        QStringList titel;
        if (QFile::exists(QFileInfo(pfad).path() + "/" + QFileInfo(pfad).completeBaseName() +
                          ".doc"))
            test::SchliesseDialoge(&titel, 1);
        f->FileOpen();
        if (fenster) *fenster = titel;
    }
    void SpeichereUnter(const QString& pfad) {
        f->Dateien().SpeichernDialog = [pfad] { return pfad; };
        f->FileSaveAs();
    }
    void Modell(const QString& text) {
        f->Memo1->setPlainText(text);
        f->SCANNEN();
    }

  private slots:
    void init() {
        waechter = std::make_unique<test::ModalWaechter>();
        ordner = std::make_unique<QTemporaryDir>();
        d.Leeren();
        a = std::make_unique<Anwendung>(d, hilfe, QStringList{});
        f = a->fenster.MainForm;
        g = a->fenster.GraphForm;
    }
    void cleanup() {
        a.reset();
        QVERIFY2(waechter->ausgeloest.isEmpty(),
                 qPrintable("offen geblieben: " + waechter->ausgeloest));
    }

    // The examples are opened, run and saved by the program without a byte changed.
    void BeispieleBleibenByteGleich() {
        const QStringList namen =
            QDir(QStringLiteral(QUINTOR_BEISPIELE), QStringLiteral("*.sim")).entryList();
        QVERIFY(namen.size() >= 15);
        for (QString name : namen) {
            name.chop(4);
            for (const char* endung : {".sim", ".ini", ".doc"})
                QVERIFY(QFile::copy(QStringLiteral(QUINTOR_BEISPIELE "/") + name + endung,
                                    Pfad(name + QString(endung))));
            QStringList fenster;
            Oeffne(Pfad(name + QString(".sim")), &fenster);
            QCOMPARE(fenster, QStringList{"Kommentar"});  // the comment comes up on opening
            QVERIFY(d.meldungen.empty());
            QVERIFY(!Dok().Geaendert());
            QCOMPARE(f->windowTitle(), "Quintor [" + Pfad(name + QString(".sim")) + "]");
            QVERIFY(G().AchsenGewaehlt);
            f->Verzoegerung = 0;
            f->BerechneKnopfClick();
            QCOMPARE(f->ZaehlerEdit->text(), QString("20"));
            f->FileSave();
            for (const char* endung : {".sim", ".ini", ".doc"})
                QCOMPARE(Bytes(Pfad(name + QString(endung))),
                         Bytes(QStringLiteral(QUINTOR_BEISPIELE "/") + name + endung));
        }
    }

    // "Beispiele..." starts the Open dialog in the lessons' folder; plain Open does not.
    void BeispieleImBeispielordner() {
        const QString beispiele = QDir(QStringLiteral(QUINTOR_BEISPIELE)).canonicalPath();
        QCOMPARE(Beispielordner(), beispiele);
        QString start;
        QTimer wecker;
        connect(&wecker, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                start = dialog->directory().canonicalPath();
                wecker.stop();
                dialog->reject();
            }
        });
        wecker.start(10);
        f->BeispieleClick();
        QCOMPARE(start, beispiele);
        QVERIFY(Datei().isEmpty());

        QString gefragt = "(nicht gefragt)";
        f->Dateien().OeffnenDialog = [&](const QString& ordner) {
            gefragt = ordner;
            return ordner + "/zerfall.sim";
        };
        QStringList fenster;
        test::SchliesseDialoge(&fenster, 1);
        f->BeispieleClick();
        QCOMPARE(gefragt, beispiele);
        QCOMPARE(fenster, QStringList{"Kommentar"});
        QCOMPARE(Datei(), beispiele + "/zerfall.sim");
        f->Dateien().OeffnenDialog = [&](const QString& ordner) {
            gefragt = ordner;
            return QString();
        };
        f->FileOpen();
        QCOMPARE(gefragt, QString());
    }

    void NeuesModellSpeichernUndWiederOeffnen() {
        Modell("X:=X+V*DT\nV:=V-X*DT");
        f->StringGrid1->SetzeZelle(1, 1, "1,5");
        f->StringGrid1->SetzeZelle(1, 3, "0,1");
        a->fenster.KommentarForm->Memo1->setPlainText("Schwingung\nmit Ω-Zeichen");
        Graphwerte gw = G();
        gw.horizontal = 1;
        gw.vertikal = 2;
        gw.AchsenGewaehlt = true;
        gw.SetzeGrenzen(-2, 2, -1234, 5);
        gw.Streckenzug = false;
        gw.Punktmodul = 3;
        Dok().SetzeGraph(gw);
        SpeichereUnter(Pfad("Modell"));  // no extension: .SIM is added
        QCOMPARE(Datei(), Pfad("Modell.SIM"));
        QCOMPARE(Bytes(Pfad("Modell.SIM")), QByteArray("X:=X+V*DT\r\nV:=V-X*DT"));
        QCOMPARE(
            Bytes(Pfad("Modell.ini")),
            QByteArray("[Startwerte]\r\nX=1,5\r\nV=0\r\nDT=0,1\r\n[Koordinatensystem]\r\n"
                       "horizontal=1\r\nvertikal=2\r\nx1=  -2.000\r\nx2=   2.000\r\n"
                       "y1=-1.2E+0003\r\ny2=   5.000\r\nStreckenzug=false\r\nPunktmodul=3\r\n"));
        // "Ω" does not fit Windows-1252: the comment is kept whole as UTF-8 with its mark.
        QCOMPARE(Bytes(Pfad("Modell.doc")), QByteArray("\xEF\xBB\xBFSchwingung\r\nmit Ω-Zeichen"));

        f->FileNew();
        QCOMPARE(f->windowTitle(), QString("Quintor"));
        QVERIFY(a->fenster.KommentarForm->Memo1->toPlainText().isEmpty());
        QCOMPARE(g->Koordinatensystem1->x1(), -10.0f);
        Oeffne(Pfad("Modell.SIM"));
        QCOMPARE(f->StringGrid1->Text(1, 1), QString("1,5"));
        QCOMPARE(f->Daten().StartwertListe[1], 1.5f);
        QCOMPARE(a->fenster.KommentarForm->Memo1->toPlainText(),
                 QString("Schwingung\nmit Ω-Zeichen"));
        QCOMPARE(g->Koordinatensystem1->y1(), -1200.0f);  // two significant digits in the file
        QVERIFY(!G().Streckenzug);
        QCOMPARE(G().Punktmodul, 3);
    }

    void AlteEinstellungsdateiMitEigenheiten() {
        Schreibe(Pfad("alt.sim"), "x:=x+v\r\n\r\nv:=1");
        Schreibe(Pfad("alt.ini"),
                 "[STARTWERTE]\r\n  x = 2,5 \r\nV=\xe4\r\nALT=7\r\n\r\n"
                 "[koordinatensystem]\r\nHorizontal=2\r\nVERTIKAL=1\r\nx1=-5\r\n"
                 "x2=5\r\ny1=3\r\ny2=3\r\nStreckenzug=True\r\nPunktModul=$10\r\n");
        Oeffne(Pfad("alt.sim"));
        QCOMPARE(f->StringGrid1->Text(1, 1), QString("2,5"));
        QCOMPARE(f->StringGrid1->Text(1, 2), QString("ä"));  // no number: reported, 0
        QCOMPARE(d.Texte(), QStringList{"Fehler bei Zahleingabe"});
        QVERIFY(Dok().Geaendert());  // the scan removed the empty line: an edit
        QVERIFY(G().AchsenGewaehlt);
        QCOMPARE(G().horizontal, 2);
        QCOMPARE(g->Koordinatensystem1->x1(), -5.0f);
        QCOMPARE(g->Koordinatensystem1->y1(), -10.0f);  // equal y limits: not applied
        QVERIFY(!G().Streckenzug);                      // only "true" counts
        QCOMPARE(G().Punktmodul, 16);
        // Saving keeps the keys it does not write and the file's own spelling.
        d.Leeren();
        Graphwerte ohneAchsen = G();
        ohneAchsen.AchsenGewaehlt = false;
        Dok().SetzeGraph(ohneAchsen);
        f->FileSave();
        const QByteArray ini = Bytes(Pfad("alt.ini"));
        // Unchanged values leave their lines alone, blanks and all.
        QVERIFY2(ini.startsWith("[STARTWERTE]\r\n  x = 2,5 \r\nV=\xe4\r\nALT=7\r\n"),
                 ini.constData());
        QVERIFY(ini.contains("Streckenzug=True\r\nPunktModul=$10\r\n"));  // section kept as it was
    }

    void AchsenAusserhalbDesModellsGeltenAlsNichtGewaehlt() {
        Schreibe(Pfad("a.sim"), "X:=1\r\nY:=2");
        Schreibe(Pfad("a.ini"), "[Koordinatensystem]\r\nhorizontal=1\r\nvertikal=9\r\n");
        Oeffne(Pfad("a.sim"));
        QVERIFY(!G().AchsenGewaehlt);
        QCOMPARE(f->StringGrid1->Text(1, 1), QString("0"));
    }

    void Dateiendungen() {
        Modell("X:=1");
        SpeichereUnter(Pfad("falsch.txt"));
        QCOMPARE(d.Texte(), QStringList{"Hier darf nur die Extension \".sim\" benutzt werden.\n"
                                        "Die Datei wurde nicht gesichert!"});
        QVERIFY(Datei().isEmpty());
        QVERIFY(!QFile::exists(Pfad("falsch.txt")));
        SpeichereUnter(Pfad("Klein.sim"));
        QCOMPARE(Datei(), Pfad("Klein.sim"));
        QVERIFY(QFile::exists(Pfad("Klein.sim")));
        // Cancelled: nothing changes.
        f->Dateien().SpeichernDialog = [] { return QString(); };
        f->FileSaveAs();
        QCOMPARE(Datei(), Pfad("Klein.sim"));
    }

    void LeererKommentarLaesstDieAlteDatei() {
        Modell("X:=1");
        a->fenster.KommentarForm->Memo1->setPlainText("alt");
        SpeichereUnter(Pfad("k.sim"));
        a->fenster.KommentarForm->Memo1->clear();
        f->FileSave();
        QCOMPARE(Bytes(Pfad("k.doc")), QByteArray("alt"));
    }

    void FragenVorDemErsetzen() {
        Modell("X:=1");
        QVERIFY(Dok().Geaendert());
        // Yes, then the save dialog cancelled: the command stops, the model stays.
        d.antworten = {true};
        f->Dateien().SpeichernDialog = [] { return QString(); };
        f->FileNew();
        QCOMPARE(d.fragen, QStringList{"Sollen die alten Daten gesichert werden?"});
        QCOMPARE(f->Memo1->toPlainText(), QString("X:=1"));
        QVERIFY(Dok().Geaendert());
        d.antworten = {false};
        f->FileNew();
        QVERIFY(f->Memo1->toPlainText().isEmpty());
        QVERIFY(!Dok().Geaendert());
        // Open asks as well; a missing file is refused.
        Modell("Y:=1");
        d.antworten = {false};
        f->Dateien().OeffnenDialog = [this](const QString&) { return Pfad("fehlt.sim"); };
        f->FileOpen();
        QCOMPARE(d.Texte(), QStringList{"Die Datei existiert nicht!"});
        QCOMPARE(f->Memo1->toPlainText(), QString("Y:=1"));
        // Abbrechen: no file is chosen, nothing changes.
        d.Leeren();
        d.wahl = {Dialoge::Antwort::Abbrechen};
        f->FileOpen();
        QVERIFY(d.meldungen.empty());
        QCOMPARE(f->Memo1->toPlainText(), QString("Y:=1"));
    }

    // Start values, comment and graph settings are changes of the model as its text is.
    void AenderungenZaehlen_data() {
        QTest::addColumn<int>("was");
        QTest::newRow("Startwert") << 0;
        QTest::newRow("Kommentar") << 1;
        QTest::newRow("Graph") << 2;
    }
    void AenderungenZaehlen() {
        QFETCH(int, was);
        Schreibe(Pfad("m.sim"), "X:=X+1\r\nY:=X");
        Oeffne(Pfad("m.sim"));
        QVERIFY(!Dok().Geaendert());
        Graphwerte gw = G();
        gw.Punktmodul = 5;
        if (was == 0) f->StringGrid1->SetzeZelle(1, 1, "3");
        if (was == 1) a->fenster.KommentarForm->Memo1->setPlainText("neu");
        if (was == 2) Dok().SetzeGraph(gw);
        QVERIFY(Dok().Geaendert());
    }

    // Closing with changes: Ja saves under the model's own name, Nein closes, Abbrechen and a
    // cancelled save dialog keep the window open and the model as it is.
    void SchliessenMitAenderungen_data() {
        QTest::addColumn<bool>("benannt");
        QTest::addColumn<Dialoge::Antwort>("antwort");
        QTest::addColumn<bool>("zu");
        QTest::addColumn<QByteArray>("ini");
        const QByteArray neu("[Startwerte]\r\nX=4\r\n"), alt("[Startwerte]\r\nX=1\r\n");
        QTest::newRow("Ja") << true << Dialoge::Antwort::Ja << true << neu;
        QTest::newRow("Nein") << true << Dialoge::Antwort::Nein << true << alt;
        QTest::newRow("Abbrechen") << true << Dialoge::Antwort::Abbrechen << false << alt;
        QTest::newRow("Ja, Dialog abgebrochen") << false << Dialoge::Antwort::Ja << false << alt;
    }
    void SchliessenMitAenderungen() {
        QFETCH(bool, benannt);
        QFETCH(Dialoge::Antwort, antwort);
        QFETCH(bool, zu);
        QFETCH(QByteArray, ini);
        Schreibe(Pfad("m.sim"), "X:=X+1");
        Schreibe(Pfad("m.ini"), "[Startwerte]\r\nX=1\r\n");
        benannt ? Oeffne(Pfad("m.sim")) : Modell("X:=X+1");
        f->show();
        f->StringGrid1->SetzeZelle(1, 1, "4");
        int dateidialoge = 0;
        f->Dateien().SpeichernDialog = [&] {
            ++dateidialoge;
            return QString();
        };
        d.wahl = {antwort};
        QCOMPARE(f->close(), zu);
        QCOMPARE(d.fragen, QStringList{"Sollen die Daten gesichert werden?"});
        QCOMPARE(dateidialoge, benannt ? 0 : 1);
        QCOMPARE(f->isVisible(), !zu);
        QCOMPARE(Bytes(Pfad("m.ini")), ini);
        QCOMPARE(f->StringGrid1->Text(1, 1), QString("4"));
    }

    void KeineModelldateiUndSchreibfehler() {
        Modell("X:=X+1");
        QByteArray binaer(4000, '\0');
        Schreibe(Pfad("bild.sim"), binaer);
        Schreibe(Pfad("gross.sim"), QByteArray(3 << 20, 'A'));
        for (const char* name : {"bild.sim", "gross.sim"}) {
            d.Leeren();
            d.antworten = {false};
            Oeffne(Pfad(name));
            QCOMPARE(d.meldungen.size(), std::size_t{1});
            QVERIFY(d.meldungen[0].text.startsWith("Die Datei " + Pfad(name) +
                                                   " ist keine Modelldatei"));
            QCOMPARE(f->Memo1->toPlainText(), QString("X:=X+1"));  // nothing of the model lost
            QVERIFY(Datei().isEmpty());
        }
        // A target the system refuses (a folder of that name): message, old state kept.
        QVERIFY(QDir(ordner->path()).mkdir("ordner.sim"));
        d.Leeren();
        SpeichereUnter(Pfad("ordner.sim"));
        QCOMPARE(d.meldungen.size(), std::size_t{1});
        QVERIFY(d.meldungen[0].text.startsWith("Datei \"" + Pfad("ordner.sim") +
                                               "\" kann nicht erstellt werden. "));
        QVERIFY(Dok().Geaendert());  // not saved, so closing still asks
        // The settings file cannot be written; the model file is, and stays whole.
        QVERIFY(QDir(ordner->path()).mkdir("m.ini"));
        d.Leeren();
        SpeichereUnter(Pfad("m.sim"));
        QCOMPARE(d.Texte(), QStringList{"In " + Pfad("m.ini") + " kann nicht geschrieben werden"});
        QCOMPARE(Bytes(Pfad("m.sim")), QByteArray("X:=X+1"));
        QVERIFY(!Dok().Geaendert());
    }

    void StartwerteLadenUndDrucken() {
        Schreibe(Pfad("s.sim"), "X:=X+1");
        Schreibe(Pfad("s.ini"), "[Startwerte]\r\nX=4\r\n");
        Oeffne(Pfad("s.sim"));
        f->StringGrid1->SetzeZelle(1, 1, "9");
        f->StartWerteKnopfClick();  // the stored values replace the typed ones
        QCOMPARE(f->StringGrid1->Text(1, 1), QString("4"));
        QCOMPARE(f->Daten().StartwertListe[1], 4.0f);
        QCOMPARE(f->ZaehlerEdit->text(), QString("0"));
        // The print command writes the listing to the chosen printer (a PDF file here).
        f->Dateien().DruckDialog = [this](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(Pfad("liste.pdf"));
            return true;
        };
        f->FilePrint();
        QVERIFY(d.meldungen.empty());
        QVERIFY(Bytes(Pfad("liste.pdf")).startsWith("%PDF"));
    }
    // A companion file that is no text file of its kind (a word processor's document named like
    // the model, a settings file in UTF-16, a file too large) is reported on opening, not shown,
    // not read into the model, and never written over; the model itself is saved.
    void FremdeBegleitdateiBleibtUnberuehrt_data() {
        QTest::addColumn<QString>("endung");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("grund");
        QByteArray word("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
        word.append(QByteArray(200000 - word.size(), '\0'));
        for (int i = 0; i < word.size(); i += 7) word[i] = static_cast<char>(i % 251);
        QTest::newRow("Word-Dokument") << ".doc" << word << "Sie enthält keinen Text.";
        QTest::newRow("UTF-16") << ".ini"
                                << QByteArray("\xFF\xFE") +
                                       QByteArray(reinterpret_cast<const char*>(u"[S]\r\nX=5"), 16)
                                << "Sie ist in UTF-16 geschrieben.";
        QTest::newRow("zu groß") << ".doc" << QByteArray(2 << 20, 'A')
                                 << "Sie ist 2048 KB groß, erlaubt sind 1024 KB.";
    }
    void FremdeBegleitdateiBleibtUnberuehrt() {
        QFETCH(QString, endung);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, grund);
        const bool kommentar = endung == ".doc";
        const QString art = kommentar ? "Kommentardatei" : "Einstellungsdatei";
        const QString begleiter = Pfad("m" + endung);
        Schreibe(Pfad("m.sim"), "X:=X+1");
        Schreibe(begleiter, inhalt);
        f->Dateien().OeffnenDialog = [this](const QString&) { return Pfad("m.sim"); };
        f->FileOpen();  // no comment window comes up
        QCOMPARE(d.Texte(),
                 QStringList{"Die Datei " + begleiter + " ist keine " + art + ":\n" + grund});
        QVERIFY(a->fenster.KommentarForm->Memo1->toPlainText().isEmpty());
        QCOMPARE(f->StringGrid1->Text(1, 1), QString("0"));

        // Saved with a comment and start values: the model is, the foreign file is not.
        d.Leeren();
        a->fenster.KommentarForm->Memo1->setPlainText("Notiz");
        f->Memo1->setPlainText("X:=X+2");
        f->SCANNEN();
        f->FileSave();
        QCOMPARE(d.Texte(), QStringList{"Die Datei " + begleiter + " ist keine " + art +
                                        " und bleibt unverändert.\n" +
                                        (kommentar ? "Der Kommentar wurde nicht gesichert!"
                                                   : "Die Startwerte wurden nicht gesichert!")});
        QVERIFY(Bytes(begleiter) == inhalt);
        QCOMPARE(Bytes(Pfad("m.sim")), QByteArray("X:=X+2"));
        QCOMPARE(Bytes(Pfad(kommentar ? "m.ini" : "m.doc")),
                 QByteArray(kommentar ? "[Startwerte]\r\nX=0\r\n" : "Notiz"));
        QVERIFY(!Dok().Geaendert());
    }

    // "Speichern unter" with a name without extension asks before it replaces the file that the
    // added ".SIM" names, as the dialog asks for a name typed with its extension.
    void OhneEndungFragtVorDemErsetzen_data() {
        QTest::addColumn<bool>("ja");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }
    void OhneEndungFragtVorDemErsetzen() {
        QFETCH(bool, ja);
        Schreibe(Pfad("Modell.SIM"), "ALT:=1");
        Modell("X:=1");
        d.antworten = {ja};
        SpeichereUnter(Pfad("Modell"));
        QCOMPARE(
            d.fragen,
            QStringList{"Die Datei Modell.SIM existiert bereits.\nSoll sie überschrieben werden?"});
        QCOMPARE(Bytes(Pfad("Modell.SIM")), QByteArray(ja ? "X:=1" : "ALT:=1"));
        QCOMPARE(Datei(), ja ? Pfad("Modell.SIM") : QString());
        QCOMPARE(!Dok().Geaendert(), ja);
        QCOMPARE(QFile::exists(Pfad("Modell.ini")), ja);
    }

    // A folder that takes no new file (the seam stands in for permissions, which do not stop
    // root): the model's files are saved in place.
    void OrdnerOhneNeueDateienSpeichertAnOrt() {
        Schreibe(Pfad("m.sim"), "X:=1");
        Schreibe(Pfad("m.ini"), "[Startwerte]\r\nX=1\r\n");
        Oeffne(Pfad("m.sim"));
        f->Memo1->setPlainText("X:=2");
        f->SCANNEN();
        testFehlerBeimAnlegen = EACCES;
        f->FileSave();
        testFehlerBeimAnlegen = 0;
        QVERIFY(d.meldungen.empty());
        QCOMPARE(Bytes(Pfad("m.sim")) + Bytes(Pfad("m.ini")), "X:=2[Startwerte]\r\nX=1\r\n");
    }

    // "X :=1" names the variable "X ": its start value is saved under the key X and read back.
    void NameMitLeerzeichenBehaeltSeinenStartwert() {
        Modell("X :=1");
        f->StringGrid1->SetzeZelle(1, 1, "2,5");
        SpeichereUnter(Pfad("b.sim"));
        QCOMPARE(Bytes(Pfad("b.ini")), QByteArray("[Startwerte]\r\nX=2,5\r\n"));
        f->FileNew();
        Oeffne(Pfad("b.sim"));
        QCOMPARE(f->StringGrid1->Text(1, 1), QString("2,5"));
        QVERIFY(d.meldungen.empty());
    }
};

QTEST_MAIN(DateienTest)
#include "dateien_qtest.moc"
