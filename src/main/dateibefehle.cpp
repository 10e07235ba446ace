#include "dateibefehle.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "ausdruck.h"
#include "dialoge.h"
#include "dokumentobjekt.h"
#include "modelldateien.h"

namespace quintor {

namespace {

std::string Verbunden(const std::vector<std::string>& zeilen) {
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) text += (i ? "\n" : "") + zeilen[i];
    return text;
}

}  // namespace

QString Beispielordner() {
    QStringList orte{QCoreApplication::applicationDirPath() +
                     QStringLiteral("/../share/quintor/beispiele")};
#ifdef QUINTOR_QUELLBEISPIELE
    orte << QStringLiteral(QUINTOR_QUELLBEISPIELE);
#endif
    orte << QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                      QStringLiteral("quintor/beispiele"),
                                      QStandardPaths::LocateDirectory);
    for (const QString& ort : orte)
        if (QFileInfo(ort).isDir()) return QDir(ort).canonicalPath();
    return QString();
}

Dateibefehle::Dateibefehle(Dokumentobjekt& dokument, Dialoge& dialoge, QWidget* fenster)
    : dokument_(dokument), dialoge_(dialoge), fenster_(fenster) {
    const QString filter = QStringLiteral("Simulation (*.sim)");
    OeffnenDialog = [this, filter](const QString& ordner) {
        QFileDialog d(fenster_, QStringLiteral("Öffnen"), ordner, filter);
        d.setFileMode(QFileDialog::ExistingFile);
        d.setDefaultSuffix(QStringLiteral("sim"));
        return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
    };
    SpeichernDialog = [this, filter] {
        // Asks before overwriting; the folder must exist; no default extension.
        QFileDialog d(fenster_, QStringLiteral("Speichern unter"), QString(), filter);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
    };
    DruckDialog = [this](QPrinter& drucker) {
        return QPrintDialog(&drucker, fenster_).exec() == QDialog::Accepted;
    };
}

Dateibefehle::~Dateibefehle() = default;

bool Dateibefehle::Sicherungsfrage(const std::string& frage) {
    if (!dokument_.Inhalt().Geaendert()) return true;
    switch (dialoge_.FrageMitAbbruch(frage)) {
        case Dialoge::Antwort::Ja:
            return Speichern();
        case Dialoge::Antwort::Nein:
            return true;
        case Dialoge::Antwort::Abbrechen:
            break;
    }
    return false;
}

void Dateibefehle::Neu() {
    if (!Sicherungsfrage("Sollen die alten Daten gesichert werden?")) return;
    kodierung_ = Dateikodierung::Win1252;
    dokument_.Inhalt().Neu();
}

void Dateibefehle::Oeffnen(const QString& ordner) {
    if (!Sicherungsfrage("Sollen die alten Daten gesichert werden?")) return;
    const QString pfad = OeffnenDialog ? OeffnenDialog(ordner) : QString();
    if (pfad.isEmpty()) return;
    if (!QFileInfo(pfad).isFile()) {
        dialoge_.Melde(Meldungsart::Fehler, "Die Datei existiert nicht!");
        return;
    }
    // Nothing of the current model goes before the file has proved to be one.
    const std::optional<Modelltext> text = LeseModelldatei(pfad.toStdString(), dialoge_);
    if (!text) return;
    kodierung_ = text->kodierung;  // a model read as UTF-8 is written back as UTF-8
    Dokument& dok = dokument_.Inhalt();
    dok.SetzeZeilen(text->zeilen);
    dok.Scanne(dialoge_);
    dok.SetzeDateiname(QFileInfo(pfad).absoluteFilePath().toStdString());
    LeseEinstellungen(dok, dialoge_);
    const auto kommentar = LeseKommentar(dok.Dateiname(), dialoge_);
    dok.SetzeKommentar(kommentar ? Verbunden(*kommentar) : std::string());
    if (kommentar && KommentarZeigen) KommentarZeigen();
    if (StartwerteUebernehmen) StartwerteUebernehmen();
    // Empty lines the scan removed are an edit: the model then counts as changed.
    if (dok.Zeilen().size() == text->zeilen.size()) dok.Gesichert();
}

void Dateibefehle::Beispiele() {
    const QString ordner = Beispielordner();
    if (ordner.isEmpty()) {
        dialoge_.Melde(Meldungsart::Fehler,
                       "Der Ordner mit den Beispielmodellen wurde nicht gefunden.\n"
                       "Öffnen Sie ein Modell mit \"Öffnen...\".");
        return;
    }
    Oeffnen(ordner);
}

bool Dateibefehle::Speichern() {
    if (dokument_.Inhalt().Dateiname().empty()) return SpeichernUnter();
    return SpeichereModell(dokument_.Inhalt(), kodierung_, dialoge_);
}

bool Dateibefehle::SpeichernUnter() {
    QString pfad = SpeichernDialog ? SpeichernDialog() : QString();
    if (pfad.isEmpty()) return false;
    if (!QFileInfo(pfad).fileName().contains(QLatin1Char('.'))) {
        pfad += QStringLiteral(".SIM");
        // The dialog asked about the name without extension, not about this file.
        if (QFileInfo::exists(pfad) &&
            !dialoge_.Frage("Die Datei " + QFileInfo(pfad).fileName().toStdString() +
                            " existiert bereits.\nSoll sie überschrieben werden?"))
            return false;
    }
    if (QFileInfo(pfad).suffix().toUpper() != QStringLiteral("SIM")) {
        dialoge_.Melde(Meldungsart::Fehler,
                       "Hier darf nur die Extension \".sim\" benutzt werden.\n"
                       "Die Datei wurde nicht gesichert!");
        return false;
    }
    dokument_.Inhalt().SetzeDateiname(QFileInfo(pfad).absoluteFilePath().toStdString());
    // Marked as saved only once the model file is written.
    return SpeichereModell(dokument_.Inhalt(), kodierung_, dialoge_);
}

void Dateibefehle::HoleStartwerte() {
    Dokument& dok = dokument_.Inhalt();
    const QString pfad = QString::fromStdString(dok.Dateiname());
    if (!pfad.isEmpty() && QFileInfo(pfad).isFile()) {
        if (dok.Daten().Variablenzahl == 0) dok.Scanne(dialoge_);
        LeseEinstellungen(dok, dialoge_);
    }
    if (StartwerteUebernehmen) StartwerteUebernehmen();
}

QPrinter& Dateibefehle::Drucker() {
    if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker_;
}

void Dateibefehle::Drucken(const QFont& schrift, const QStringList& gleichungen) {
    QPrinter& drucker = Drucker();
    if (!DruckDialog || !DruckDialog(drucker)) return;
    const Dokument& dok = dokument_.Inhalt();
    std::vector<std::pair<QString, QString>> startwerte;
    for (std::int32_t i = 1; i <= dok.Daten().Variablenzahl; ++i)
        startwerte.emplace_back(
            QString::fromStdString(dok.Daten().Variablen[static_cast<std::size_t>(i)].Name),
            QString::fromStdString(dok.Startwerttext(i)));
    const QStringList zeilen = Ausdruckzeilen(QString::fromStdString(dok.Dateiname()),
                                              QDate::currentDate(), gleichungen, startwerte);
    QString fehler;
    if (!DruckeAuflistung(drucker, schrift, zeilen, &fehler))
        dialoge_.Melde(Meldungsart::Fehler, fehler.toStdString());
}

void Dateibefehle::Druckereinrichtung() {
    QPageSetupDialog(&Drucker(), fenster_).exec();
}

}  // namespace quintor
