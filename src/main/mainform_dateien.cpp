// The model on disk and on paper: New, Open, Save, Save As, the companion settings and comment
// files, the start-value commands, printing.
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>

#include "ausdruck.h"
#include "dialoge.h"
#include "graphform.h"
#include "intedit.h"
#include "kommentarform.h"
#include "ks.h"
#include "mainform.h"
#include "memotext.h"
#include "profil.h"
#include "stringgrid.h"
#include "textdatei.h"
#include "win1252.h"
#include "zahltext.h"

namespace quintor {

namespace {

// A model has at most 100 lines; anything far beyond is no model.
constexpr qint64 kGroessteModelldatei = 1 << 20;

QString Pfad(const std::string& s) {
    return QString::fromStdString(s);
}
std::string Pfad(const QString& s) {
    return s.toStdString();
}

QString Begleiter(const QString& dateiname, const char* endung) {
    return Pfad(Begleitdatei(Pfad(dateiname), endung));
}

// The file's bytes, or an empty optional with the message already given.
std::optional<std::string> Lies(const QString& pfad, Dialoge& dialoge) {
    std::string grund;
    std::optional<std::string> bytes = LeseDatei(Pfad(pfad), &grund);
    if (!bytes)
        dialoge.Melde(Meldungsart::Fehler,
                      "Datei " + Pfad(pfad) + " kann nicht geöffnet werden. " + grund);
    return bytes;
}

// Why these bytes are no model text, or empty when they are one.
QString KeinModell(const QString& pfad, const std::string& bytes) {
    if (static_cast<qint64>(bytes.size()) > kGroessteModelldatei)
        return QStringLiteral("Die Datei %1 ist keine Modelldatei:\nSie ist %2 KB groß.")
            .arg(pfad)
            .arg(bytes.size() / 1024);
    std::size_t steuerzeichen = 0;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0)
            return QStringLiteral("Die Datei %1 ist keine Modelldatei:\nSie enthält keinen Text.")
                .arg(pfad);
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n' && b != '\f' && b != 0x1A)
            ++steuerzeichen;
    }
    if (steuerzeichen * 100 > bytes.size())
        return QStringLiteral("Die Datei %1 ist keine Modelldatei:\nSie enthält keinen Text.")
            .arg(pfad);
    return {};
}

}  // namespace

bool TMainForm::SchreibeDatei(const QString& pfad, const std::string& inhalt, QString* grund) {
    QSaveFile datei(pfad);
    errno = 0;
    const bool ok = datei.open(QIODevice::WriteOnly) &&
                    datei.write(inhalt.data(), static_cast<qint64>(inhalt.size())) ==
                        static_cast<qint64>(inhalt.size()) &&
                    datei.commit();
    if (!ok && grund) *grund = errno != 0 ? Pfad(Systemgrund(errno)) : datei.errorString();
    return ok;
}

void TMainForm::Sicherungsfrage() {
    // There is no way out of the command here: either save first or not.
    if (!Gesichert && dialoge_.Frage("Sollen die alten Daten gesichert werden?")) FileSaveAs();
}

void TMainForm::FileNew() {
    Sicherungsfrage();
    kodierung_ = Dateikodierung::Win1252;
    Memo1->clear();
    fenster_.KommentarForm->Memo1->clear();
    Gesichert = true;
    Dateiname.clear();
    modell_.Variablenzahl = 0;
    StringgridLoeschen();
    setWindowTitle(QStringLiteral("Quintor"));
    fenster_.GraphForm->KSInit();
}

void TMainForm::FileOpen() {
    Sicherungsfrage();
    const QString pfad = OeffnenDialog ? OeffnenDialog() : QString();
    if (pfad.isEmpty()) return;
    if (!QFileInfo(pfad).isFile()) {
        dialoge_.Melde(Meldungsart::Fehler, "Die Datei existiert nicht!");
        return;
    }
    const std::optional<std::string> bytes = Lies(pfad, dialoge_);
    if (!bytes) return;
    // Nothing of the current model goes before the file has proved to be one.
    if (const QString grund = KeinModell(pfad, *bytes); !grund.isEmpty()) {
        dialoge_.Melde(Meldungsart::Fehler, grund.toStdString());
        return;
    }
    Dateiname = QFileInfo(pfad).absoluteFilePath();
    // A model read as UTF-8 is written back as UTF-8.
    kodierung_ = KodierungVon(*bytes);
    QStringList zeilen;
    for (const std::string& z : DateitextZuZeilen(*bytes)) zeilen << QString::fromStdString(z);
    const QString text = zeilen.join(QLatin1Char('\n'));
    if (MemoText::Text(Memo1) != text) Memo1->setPlainText(text);
    Gesichert = true;
    SCANNEN();
    setWindowTitle(QStringLiteral("Quintor [") + Dateiname + QStringLiteral("]"));
    HoleStartwerte();
    HoleKommentar();
    for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i) {
        try {
            const float v = TextZuZahl(StringGrid1->Zelle(1, i), dialoge_);
            modell_.Variablen[static_cast<std::size_t>(i)].Wert = v;
            modell_.StartwertListe[static_cast<std::size_t>(i)] = v;
        } catch (const Gleitkommaueberlauf&) {
            dialoge_.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
            return;
        }
    }
}

void TMainForm::HoleStartwerte() {
    if (Dateiname.isEmpty() || !QFileInfo(Dateiname).isFile()) return;
    const QString ini = Begleiter(Dateiname, ".ini");
    if (!QFileInfo(ini).isFile()) return;
    const std::optional<std::string> bytes = Lies(ini, dialoge_);
    if (!bytes) return;
    const Profildatei profil = Profildatei::AusBytes(*bytes);
    if (modell_.Variablenzahl == 0) SCANNEN();
    for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i)
        StringGrid1->SetzeZelle(
            1, i,
            profil.LiesText("Startwerte", modell_.Variablen[static_cast<std::size_t>(i)].Name,
                            "0"));
    modell_.StartwerteAusDatei = true;

    TGraphForm* graph = fenster_.GraphForm;
    graph->horizontal = profil.LiesZahl("Koordinatensystem", "horizontal", 0);
    graph->vertikal = profil.LiesZahl("Koordinatensystem", "vertikal", 0);
    // Indices that name no variable of this model count as not chosen.
    const auto imModell = [this](std::int32_t i) { return i >= 1 && i <= modell_.Variablenzahl; };
    graph->AchsenGewaehlt = imModell(graph->horizontal) && imModell(graph->vertikal);
    try {
        auto grenze = [&](const char* schluessel, const char* vorgabe) {
            return TextZuZahl(profil.LiesText("Koordinatensystem", schluessel, vorgabe), dialoge_);
        };
        float x1 = grenze("x1", "-10"), x2 = grenze("x2", "10");
        float y1 = grenze("y1", "-10"), y2 = grenze("y2", "10");
        // A pair of equal limits would give a range of zero: that axis keeps its limits.
        const TKoordinatensystem* ks = graph->Koordinatensystem1;
        if (x1 == x2) {
            x1 = ks->x1();
            x2 = ks->x2();
        }
        if (y1 == y2) {
            y1 = ks->y1();
            y2 = ks->y2();
        }
        graph->SetzeGrenzen(x1, x2, y1, y2);
    } catch (const Gleitkommaueberlauf&) {
        dialoge_.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
    }
    graph->Streckenzug = profil.LiesText("Koordinatensystem", "Streckenzug", "true") == "true";
    graph->Punktmodul = profil.LiesZahl("Koordinatensystem", "PunktModul", 1);
}

void TMainForm::HoleKommentar() {
    QPlainTextEdit* kommentar = fenster_.KommentarForm->Memo1;
    const QString doc = Begleiter(Dateiname, ".doc");
    if (!QFileInfo(doc).isFile()) {
        kommentar->clear();
        return;
    }
    const std::optional<std::string> bytes = Lies(doc, dialoge_);
    if (!bytes) {
        kommentar->clear();
        return;
    }
    QStringList zeilen;
    for (const std::string& z : DateitextZuZeilen(*bytes)) zeilen << QString::fromStdString(z);
    kommentar->setPlainText(zeilen.join(QLatin1Char('\n')));
    fenster_.KommentarForm->exec();
}

void TMainForm::SpeichereKommentar() {
    const QString doc = Begleiter(Dateiname, ".doc");
    QString grund;
    const std::string text = MemoText::Text(fenster_.KommentarForm->Memo1).toStdString();
    if (!SchreibeDatei(doc, ZeilenZuDateitext(TeileZeilen(text), kodierung_), &grund))
        dialoge_.Melde(Meldungsart::Fehler,
                       "Datei \"" + Pfad(doc) + "\" kann nicht erstellt werden. " + Pfad(grund));
}

void TMainForm::FileSave() {
    if (Dateiname.isEmpty()) {
        FileSaveAs();
        return;
    }
    QString grund;
    const std::string text = MemoText::Text(Memo1).toStdString();
    if (!SchreibeDatei(Dateiname, ZeilenZuDateitext(TeileZeilen(text), kodierung_), &grund)) {
        dialoge_.Melde(Meldungsart::Fehler, "Datei \"" + Pfad(Dateiname) +
                                                "\" kann nicht erstellt werden. " + Pfad(grund));
        return;
    }
    Gesichert = true;
    if (!MemoText::Text(fenster_.KommentarForm->Memo1).isEmpty()) SpeichereKommentar();
    if (modell_.Variablenzahl <= 0) return;

    // The settings file keeps every key it has; only these are written.
    const QString ini = Begleiter(Dateiname, ".ini");
    Profildatei profil;
    if (QFileInfo(ini).isFile()) {
        const std::optional<std::string> bytes = Lies(ini, dialoge_);
        if (!bytes) return;
        profil = Profildatei::AusBytes(*bytes);
    }
    for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i)
        profil.Schreibe("Startwerte", modell_.Variablen[static_cast<std::size_t>(i)].Name,
                        StringGrid1->Zelle(1, i));
    const TGraphForm* graph = fenster_.GraphForm;
    if (graph->AchsenGewaehlt) {
        const TKoordinatensystem* ks = graph->Koordinatensystem1;
        profil.Schreibe("Koordinatensystem", "horizontal", std::to_string(graph->horizontal));
        profil.Schreibe("Koordinatensystem", "vertikal", std::to_string(graph->vertikal));
        profil.Schreibe("Koordinatensystem", "x1", ZahlZuText(ks->x1()));
        profil.Schreibe("Koordinatensystem", "x2", ZahlZuText(ks->x2()));
        profil.Schreibe("Koordinatensystem", "y1", ZahlZuText(ks->y1()));
        profil.Schreibe("Koordinatensystem", "y2", ZahlZuText(ks->y2()));
        profil.Schreibe("Koordinatensystem", "Streckenzug", graph->Streckenzug ? "true" : "false");
        profil.Schreibe("Koordinatensystem", "Punktmodul", std::to_string(graph->Punktmodul));
    }
    if (!SchreibeDatei(ini, profil.Bytes(), &grund))
        dialoge_.Melde(Meldungsart::Fehler, "In " + Pfad(ini) + " kann nicht geschrieben werden");
}

void TMainForm::FileSaveAs() {
    QString pfad = SpeichernDialog ? SpeichernDialog() : QString();
    if (pfad.isEmpty()) return;
    const QFileInfo info(pfad);
    if (!info.fileName().contains(QLatin1Char('.'))) pfad += QStringLiteral(".SIM");
    if (QFileInfo(pfad).suffix().toUpper() != QStringLiteral("SIM")) {
        dialoge_.Melde(Meldungsart::Fehler,
                       "Hier darf nur die Extension \".sim\" benutzt werden.\n"
                       "Die Datei wurde nicht gesichert!");
        return;
    }
    Dateiname = QFileInfo(pfad).absoluteFilePath();
    setWindowTitle(QStringLiteral("Quintor [") + Dateiname + QStringLiteral("]"));
    // Marked as saved only once the model file is written (FileSave does that).
    FileSave();
}

void TMainForm::StartWerteKnopfClick() {
    HoleStartwerte();
    StartwerteInit();
    ZaehlerEdit->setNumber(0);
}

void TMainForm::Startwerte1Click() {
    SCANNEN();
    StringGrid1->setFocus();
}

// ---- Printing ----

QPrinter& TMainForm::Drucker() {
    if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker_;
}

void TMainForm::FilePrint() {
    QPrinter& drucker = Drucker();
    const bool ok = DruckDialog ? DruckDialog(drucker)
                                : QPrintDialog(&drucker, this).exec() == QDialog::Accepted;
    if (!ok) return;
    std::vector<std::pair<QString, QString>> startwerte;
    for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i)
        startwerte.emplace_back(
            QString::fromStdString(modell_.Variablen[static_cast<std::size_t>(i)].Name),
            StringGrid1->Text(1, i));
    const QStringList zeilen =
        Ausdruckzeilen(Dateiname, QDate::currentDate(),
                       MemoText::Text(Memo1).split(QLatin1Char('\n')), startwerte);
    QString fehler;
    if (!DruckeAuflistung(drucker, Memo1->font(), zeilen, &fehler))
        dialoge_.Melde(Meldungsart::Fehler, fehler.toStdString());
}

void TMainForm::FilePrintSetup() {
    QPageSetupDialog(&Drucker(), this).exec();
}

}  // namespace quintor
