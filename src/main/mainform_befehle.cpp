// The main window's commands: editor and grid handling, edit commands, views, calculator,
// constants, help, activation and closing.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <chrono>

#include "dialoge.h"
#include "graphform.h"
#include "hilfe.h"
#include "infoform.h"
#include "intedit.h"
#include "kommentarform.h"
#include "konstform.h"
#include "mainform.h"
#include "memotext.h"
#include "rechner.h"
#include "rechnerfenster.h"
#include "rotaryswitch.h"
#include "scan.h"
#include "stringgrid.h"
#include "tabellenform.h"

namespace quintor {

namespace {

bool Gehoert(const QWidget* w, const QWidget* zu) {
    return w && (w == zu || zu->isAncestorOf(w));
}

}  // namespace

// ---- Editor and grid ----

void TMainForm::SCANNEN() {
    quintor::SCANNEN(modell_, *memoText_, *StringGrid1, dialoge_);
}

bool TMainForm::StartwerteInit() {
    return quintor::StartwerteInit(modell_, *StringGrid1, dialoge_);
}

void TMainForm::StringgridLoeschen() {
    quintor::StringgridLoeschen(*StringGrid1);
}

void TMainForm::Memo1Change() {
    Gesichert = false;
    // The graph window's chosen axes are forgotten too (it keeps that flag itself).
    if (fenster_.GraphForm) fenster_.GraphForm->AchsenGewaehlt = false;
    TextGeaendert(modell_, *StringGrid1);
    ZaehlerEdit->setNumber(0);
}

void TMainForm::Memo1Exit() {
    SCANNEN();
}

void TMainForm::StringGrid1Exit() {
    StartwerteInit();
}

// Leaving the editor or the grid for another control of this window; a dialog taking the focus
// or the window losing it is no exit.
void TMainForm::FokusWechsel(QWidget* alt, QWidget* neu) {
    if (!neu || neu->window() != this) return;
    if (Gehoert(alt, Memo1) && !Gehoert(neu, Memo1)) Memo1Exit();
    if (Gehoert(alt, StringGrid1) && !Gehoert(neu, StringGrid1)) StringGrid1Exit();
}

void TMainForm::StringGrid1MouseUp(Qt::MouseButton knopf) {
    if (knopf != Qt::RightButton) return;
    if (!dialoge_.Frage("Soll die Zwischenablage des Taschenrechners\n"
                        "in die aktuelle Zelle übernommen werden?"))
        return;
    const QMimeData* daten = QApplication::clipboard()->mimeData();
    if (daten && daten->hasText())
        StringGrid1->SetzeZelle(1, StringGrid1->AktuelleZeile(), daten->text().toStdString());
    else
        dialoge_.Melde(Meldungsart::Fehler, "Zwischenablage hat falsches Format.");
}

void TMainForm::StringGrid1DblClick() {
    fenster_.KonstForm->Label1->show();
    fenster_.KonstForm->exec();
    if (!fenster_.KonstForm->KonstWert.isEmpty())
        StringGrid1->SetzeZelle(1, StringGrid1->AktuelleZeile(),
                                fenster_.KonstForm->KonstWert.toStdString());
}

void TMainForm::KonstButtonClick() {
    fenster_.KonstForm->Label1->hide();
    fenster_.KonstForm->exec();
}

// ---- Edit commands: on the editor, whichever control has the focus ----

void TMainForm::EditCut() {
    Memo1->cut();
}

void TMainForm::EditCopy() {
    if (Memo1->textCursor().hasSelection())
        Memo1->copy();
    else
        dialoge_.Melde(Meldungsart::Warnung,
                       "Sie müssen zuerst den gewünschten Ausschnitt markieren!");
}

void TMainForm::EditPaste() {
    Memo1->paste();
}

void TMainForm::Schrift1Click() {
    // Always the editor's first font, whatever it shows now.
    if (const auto f = Schriftwahl(EditorSchrift())) Memo1->setFont(*f);
}

void TMainForm::GleichungenClick() {
    Memo1->setFocus();
}

void TMainForm::Kommentar1Click() {
    fenster_.KommentarForm->exec();
}

// ---- Views ----

void TMainForm::OeffneAnsicht(QWidget* fenster) {
    if (modell_.Variablenzahl == 0) {
        dialoge_.Melde(Meldungsart::Information,
                       "Geben Sie die Gleichungen des Modells ein\n"
                       "und klicken Sie dann in die Tabelle für die Startwerte!");
        return;
    }
    if (modell_.Variablenzahl < 2) {
        dialoge_.Melde(Meldungsart::Warnung, "Das System muß mindestens 2 Variablen besitzen");
        return;
    }
    // A start value that failed ends the command: the window would show old values.
    if (!StartwerteInit()) return;
    static_cast<QDialog*>(fenster)->exec();
    ZaehlerEdit->setNumber(0);
}

void TMainForm::Graph1Click() {
    OeffneAnsicht(fenster_.GraphForm);
}

void TMainForm::Tabelle1Click() {
    OeffneAnsicht(fenster_.Tabellenform);
}

// ---- Calculator, help, about ----

void TMainForm::TRKnopfClick() {
    if (Rechnerstart() > 32) return;
    // No desktop calculator: our own one, reused so that it keeps its history.
    if (!rechner_) rechner_ = new TRechnerFenster(this);
    rechner_->show();
    rechner_->raise();
    rechner_->activateWindow();
}

void TMainForm::HelpContents() {
    hilfe_.Inhalt();
}
void TMainForm::HelpSearch() {
    hilfe_.Suche();
}
void TMainForm::HelpHowToUse() {
    hilfe_.Benutzung();
}
void TMainForm::HelpAbout() {
    fenster_.InfoForm->exec();
}

// ---- Leaving ----

void TMainForm::FileExit() {
    close();
}

// ---- Activation and closing ----

void TMainForm::FormActivate() {
    RotaryKnob1->setValue(0);  // its change handler sets Verzoegerung to 400
    modell_.Zufallszustand = static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // The measurement file is announced once: every box closing activates the window again.
    if (messdateiGemeldet_) return;
    messdateiGemeldet_ = true;
    if (!argumente_.isEmpty()) {
        Messdatei = argumente_.first();
        dialoge_.Melde(Meldungsart::Information,
                       "Ihre mit Framlux aufgezeichneten Messdaten\n"
                       "werden in die graphische Darstellung übernommen.");
    } else {
        Messdatei.clear();
    }
}

void TMainForm::FormClose() {
    if (!Gesichert && dialoge_.Frage("Sollen die Daten gesichert werden?")) FileSaveAs();
}

}  // namespace quintor
