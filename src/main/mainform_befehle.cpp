// The main window's commands: the run, editor and grid, files, edit commands, views,
// calculator, constants, help, activation.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <chrono>
#include <cmath>

#include "ansichtsgroesse.h"
#include "dateibefehle.h"
#include "dialoge.h"
#include "dokumentobjekt.h"
#include "hilfe.h"
#include "infoform.h"
#include "intedit.h"
#include "kommentarform.h"
#include "konstform.h"
#include "mainform.h"
#include "memotext.h"
#include "rechnerfenster.h"
#include "rotaryswitch.h"
#include "stringgrid.h"

namespace quintor {

// ---- The run ----

void TMainForm::BerechneKnopfClick() {
    if (schliesst_ || ScanfehlerGezeigt() || !dokument().Lauffaehig()) return;
    lauf_->Iteration();
}

void TMainForm::EinzelKnopfClick() {
    if (schliesst_ || ScanfehlerGezeigt() || !dokument().Lauffaehig()) return;
    lauf_->Einzelschritt(ZaehlerEdit->Number());
}

void TMainForm::ZeilenschrittClick() {
    if (schliesst_ || ScanfehlerGezeigt() || !dokument().Lauffaehig()) return;
    lauf_->Zeilenschritt(ZaehlerEdit->Number());
}

void TMainForm::AbbruchKnopfClick() {
    AbbruchKnopf->setEnabled(false);
    Abbruch1->setEnabled(false);
    lauf_->Abbruch();
}

void TMainForm::SpinEdit1Change() {
    // A text that is no whole number counts as the minimum, 0.
    dokument().Wiederholungen = SpinEdit1->Zahl();
}

void TMainForm::RotaryKnob1Change() {
    // Halves round to even, as the original's rounding does.
    const long teiler = std::lrint(RotaryKnob1->Value() + 5.0);
    Verzoegerung = teiler > 0 ? static_cast<std::int32_t>(2000 / teiler) : 400;
}

// ---- Editor and grid ----

void TMainForm::SCANNEN() {
    dokument().Scanne(dialoge_);
}

bool TMainForm::StartwerteInit() {
    return lauf_->StartwerteUebernehmen();
}

void TMainForm::Memo1Change() {
    if (!zeigt_) dokument().SetzeZeilen(memoText_->Zeilen());
}

void TMainForm::StringGrid1Exit() {
    // Only new start values: the current values of a run or a step stay otherwise.
    lauf_->StartwerteUebernehmen(true);
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
    fenster_.Konst->Label1->show();
    fenster_.Konst->exec();
    if (!fenster_.Konst->KonstWert.isEmpty())
        StringGrid1->SetzeZelle(1, StringGrid1->AktuelleZeile(),
                                fenster_.Konst->KonstWert.toStdString());
}

void TMainForm::KonstButtonClick() {
    fenster_.Konst->Label1->hide();
    fenster_.Konst->exec();
}

// ---- Files ----

void TMainForm::FilePrint() {
    dateien_->Drucken(Memo1->font(), MemoText::Text(Memo1).split(QLatin1Char('\n')));
}
void TMainForm::StartWerteKnopfClick() {
    dateien_->HoleStartwerte();
    ZaehlerEdit->setNumber(0);
}

void TMainForm::Startwerte1Click() {
    SCANNEN();
    StringGrid1->setFocus();
}

// ---- Edit commands: on the editor, whichever control has the focus ----

void TMainForm::EditUndo() {
    Memo1->undo();
}

void TMainForm::EditRedo() {
    Memo1->redo();
}

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
    if (const auto f = Schriftwahl(EditorSchrift())) {
        editorSchrift_ = *f;
        Memo1->setFont(Vergroessert(*f, faktor_));
    }
}

void TMainForm::GleichungenClick() {
    Memo1->setFocus();
}

void TMainForm::Kommentar1Click() {
    fenster_.Kommentar->exec();
}

// ---- Views ----

void TMainForm::OeffneAnsicht(QDialog* fenster) {
    if (ScanfehlerGezeigt()) return;
    if (Daten().Variablenzahl == 0) {
        dialoge_.Melde(Meldungsart::Information,
                       "Geben Sie die Gleichungen des Modells ein\n"
                       "und klicken Sie dann in die Tabelle für die Startwerte!");
        return;
    }
    if (Daten().Variablenzahl < 2) {
        dialoge_.Melde(Meldungsart::Warnung, "Das System muß mindestens 2 Variablen besitzen");
        return;
    }
    // A start value that failed ends the command: the window would show old values.
    if (!lauf_->StartwerteUebernehmen()) return;
    fenster->exec();
    ZaehlerEdit->setNumber(0);
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

void TMainForm::HelpAbout() {
    fenster_.Info->exec();
}

// ---- Leaving and activation ----

void TMainForm::FormActivate() {
    RotaryKnob1->setValue(0);  // its change handler sets Verzoegerung to 400
    Daten().Zufallszustand = static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // The measurement file is announced once: every box closing activates the window again.
    if (messdateiGemeldet_) return;
    messdateiGemeldet_ = true;
    if (!argumente_.isEmpty()) {
        dokument().Messdatei = argumente_.first().toStdString();
        dialoge_.Melde(Meldungsart::Information,
                       "Ihre mit Framlux aufgezeichneten Messdaten\n"
                       "werden in die graphische Darstellung übernommen.");
    } else {
        dokument().Messdatei.clear();
    }
}

}  // namespace quintor
