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

QString Pfad(const std::string& s) {
    return QString::fromStdString(s);
}
std::string Pfad(const QString& s) {
    return s.toStdString();
}

QString Begleiter(const QString& dateiname, const char* endung) {
    return Pfad(Begleitdatei(Pfad(dateiname), endung));
}

// The bytes of a text file of this kind ("Modelldatei" ...), or nullopt with the message given.
std::optional<std::string> LiesText(const QString& pfad, const char* art, Dialoge& dialoge) {
    Gelesen g = LeseTextdatei(Pfad(pfad));
    if (!g) {
        dialoge.Melde(Meldungsart::Fehler, Lesemeldung(Pfad(pfad), g, art));
        return std::nullopt;
    }
    return std::move(g.bytes);
}

// The bytes of a companion file about to be replaced ("" when there is none), or nullopt with
// a message when it must stay: a file that is no text file of its kind (a word processor's
// document named like the model) is never written over.
std::optional<std::string> Ersetzbar(const QString& pfad, const char* art, const char* wasNicht,
                                     Dialoge& dialoge) {
    // Nothing there, or a folder or pipe: writing then fails (or not) as it would anyway.
    if (!QFileInfo(pfad).isFile()) return std::string();
    Gelesen g = LeseTextdatei(Pfad(pfad));
    if (g) return std::move(g.bytes);
    if (g.fehler == Lesefehler::NichtLesbar)
        dialoge.Melde(Meldungsart::Fehler, Lesemeldung(Pfad(pfad), g, art));
    else
        dialoge.Melde(Meldungsart::Fehler, "Die Datei " + Pfad(pfad) + " ist keine " + art +
                                               " und bleibt unverändert.\n" + wasNicht);
    return std::nullopt;
}

}  // namespace

bool TMainForm::SchreibeDatei(const QString& pfad, const std::string& inhalt, QString* grund) {
    std::string warum;
    const bool ok = ErsetzeDatei(Pfad(pfad), inhalt, &warum);
    if (!ok && grund) *grund = Pfad(warum);
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
    // Nothing of the current model goes before the file has proved to be one.
    const std::optional<std::string> bytes = LiesText(pfad, "Modelldatei", dialoge_);
    if (!bytes) return;
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
    const std::optional<std::string> bytes = LiesText(ini, "Einstellungsdatei", dialoge_);
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
    const std::optional<std::string> bytes = LiesText(doc, "Kommentardatei", dialoge_);
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
    if (!Ersetzbar(doc, "Kommentardatei", "Der Kommentar wurde nicht gesichert!", dialoge_)) return;
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
    const std::optional<std::string> alt =
        Ersetzbar(ini, "Einstellungsdatei", "Die Startwerte wurden nicht gesichert!", dialoge_);
    if (!alt) return;
    Profildatei profil = Profildatei::AusBytes(*alt);
    std::string ohneSchluessel;
    for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i) {
        const std::string& name = modell_.Variablen[static_cast<std::size_t>(i)].Name;
        if (!profil.Schreibe("Startwerte", name, StringGrid1->Zelle(1, i)))
            ohneSchluessel += (ohneSchluessel.empty() ? "" : ", ") + name;
    }
    if (!ohneSchluessel.empty())
        dialoge_.Melde(Meldungsart::Warnung,
                       "Diese Startwerte können nicht gesichert werden: " + ohneSchluessel +
                           "\nIhre Namen enthalten \"=\" oder beginnen mit \"[\".");
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
    if (!info.fileName().contains(QLatin1Char('.'))) {
        pfad += QStringLiteral(".SIM");
        // The dialog asked about the name without extension, not about this file.
        if (QFileInfo::exists(pfad) &&
            !dialoge_.Frage("Die Datei " + Pfad(QFileInfo(pfad).fileName()) +
                            " existiert bereits.\nSoll sie überschrieben werden?"))
            return;
    }
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
