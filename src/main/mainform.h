// The main window: equation editor, repetition count, start-value grid, run buttons, step
// counter, speed knob, tool bar, menu and status line. The program's only non-modal window. It
// shows the document and changes it only through the document's operations.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "dateibefehle.h"
#include "dokument.h"
#include "hilfe.h"
#include "iterationslauf.h"
#include "memotext.h"
#include "rechner.h"
#include "spinedit.h"
#include "stringgrid.h"

class QAction;
class QDialog;
class QLabel;
class QFrame;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace quintor {

class Ansichtsgroesse;
class Dialoge;
class Dokumentobjekt;
class TIntEdit;
class TInfoForm;
class TKommentarForm;
class TKonstForm;
class TRotarySwitch;
class TRechnerFenster;

class TMainForm : public QMainWindow {
    Q_OBJECT

  public:
    // `argumente` are the command-line parameters without the program name.
    TMainForm(Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe, QStringList argumente,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // The windows the main window opens. The graph and the table are plain dialogs to it.
    struct Nebenfenster {
        QDialog* Graph = nullptr;
        QDialog* Tabelle = nullptr;
        TKonstForm* Konst = nullptr;
        TKommentarForm* Kommentar = nullptr;
        TInfoForm* Info = nullptr;
    };
    // The other windows, known once all are created.
    void SetzeFenster(const Nebenfenster& fenster) { fenster_ = fenster; }

    Modell& Daten() { return dokument().Daten(); }
    Dateibefehle& Dateien() { return *dateien_; }
    Iterationslauf& Iteration() { return *lauf_; }

    // The delay factor: the pause after each step lasts 3 x Verzoegerung ms.
    std::int32_t Verzoegerung = 400;

    // Controls, named as the program's documentation names them.
    QWidget* SpeedBar = nullptr;
    QLabel* StatusLine = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    TSpinEdit* SpinEdit1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* StartWerteKnopf = nullptr;
    TIntEdit* ZaehlerEdit = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QPushButton* EinzelKnopf = nullptr;
    QPushButton* BerechneKnopf = nullptr;
    TRotarySwitch* RotaryKnob1 = nullptr;
    QPushButton* AbbruchKnopf = nullptr;

    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                *SpeedButton4 = nullptr, *SpeedButton5 = nullptr, *SpeedButton6 = nullptr,
                *SpeedButton7 = nullptr, *SpeedButton8 = nullptr, *SpeedButton9 = nullptr,
                *SpeedButton10 = nullptr, *GraphKnopf = nullptr, *TabelleBtn = nullptr,
                *TRKnopf = nullptr, *KonstButton = nullptr, *SpeedButton14 = nullptr,
                *SpeedButton15 = nullptr, *SpeedButton16 = nullptr;
    // Beside the graph and table buttons: the next equation line only.
    QToolButton* ZeilenschrittKnopf = nullptr;

    QMenu *FileMenu = nullptr, *EditMenu = nullptr, *Simulation = nullptr, *HelpMenu = nullptr;
    // "Ansicht": "Größer", "Kleiner", "Normal" and "Felder mit dem Fenster vergrößern".
    QMenu* AnsichtMenu = nullptr;
    QAction *Groesser1 = nullptr, *Kleiner1 = nullptr, *Normal1 = nullptr, *Mitwachsen1 = nullptr;
    QAction *FileNewItem = nullptr, *FileOpenItem = nullptr, *FileSaveItem = nullptr,
            *FileSaveAsItem = nullptr, *FilePrintItem = nullptr, *FilePrintSetupItem = nullptr,
            *FileExitItem = nullptr;
    // "Beispiele...": the Open dialog in the folder of the shipped lessons.
    QAction* Beispiele1 = nullptr;
    // "Rückgängig" and "Wiederholen": always on the editor, enabled as it can undo or redo.
    QAction *EditUndoItem = nullptr, *EditRedoItem = nullptr;
    QAction *EditCutItem = nullptr, *EditCopyItem = nullptr, *EditPasteItem = nullptr,
            *Schrift1 = nullptr;
    QAction *Gleichungen = nullptr, *Kommentar1 = nullptr, *Startwerte1 = nullptr,
            *Iteration1 = nullptr, *Graph1 = nullptr, *Tabelle1 = nullptr;
    // "Ohne Pause rechnen": a check item, off at start and not kept with the model.
    QAction* OhnePause1 = nullptr;
    // "Zeilenschritt": the next equation line only, disabled during a run like "Iteration".
    QAction* Zeilenschritt1 = nullptr;
    // "Einzelschritt" (F6) as the button; "Abbruch" (Escape) enabled only during a run.
    QAction *Einzelschritt1 = nullptr, *Abbruch1 = nullptr;
    QAction *HelpContentsItem = nullptr, *HelpSearchItem = nullptr, *HelpHowToUseItem = nullptr,
            *Taschenrechner1 = nullptr, *Konstanten1 = nullptr, *HelpAboutItem = nullptr;

    // Adds the "Ansicht" menu acting on `ansicht` and shows every change of it.
    void VerbindeAnsicht(Ansichtsgroesse& ansicht);
    // Docks the panels in an area of the given size and places the controls in them: as
    // designed, or grown with the window while the fields grow.
    void OrdneFelderAn(QSize flaeche);

    // Scans the equation text (the grid then shows the document's names and start values).
    void SCANNEN();
    // Converts the start values shown; false when one failed (the message is shown).
    bool StartwerteInit();

    // Starts a desktop calculator and returns the launcher code; tests replace it.
    std::function<int()> Rechnerstart = [] { return StarteRechner(); };
    // The font dialog, opened on the given font; the chosen font, or none when cancelled.
    // Tests replace it.
    std::function<std::optional<QFont>(const QFont&)> Schriftwahl;

    // Pauses for more than `ms` milliseconds on the event loop; ends early when closing.
    void Warte(int ms) { lauf_->Warte(ms); }
    // True while an iteration run is in progress.
    bool LaeuftGerade() const { return lauf_->Laeuft(); }

  public slots:
    // The run.
    void BerechneKnopfClick();
    void EinzelKnopfClick();
    void ZeilenschrittClick();
    void AbbruchKnopfClick();
    void SpinEdit1Change();
    void RotaryKnob1Change();

    // Editor and grid.
    void Memo1Change();
    void Memo1Exit() { SCANNEN(); }
    void StringGrid1Exit();
    void StringGrid1MouseUp(Qt::MouseButton knopf);
    void StringGrid1DblClick();

    // Commands.
    void FileNew() { dateien_->Neu(); }
    void FileOpen() { dateien_->Oeffnen(); }
    void BeispieleClick() { dateien_->Beispiele(); }
    void FileSave() { dateien_->Speichern(); }
    void FileSaveAs() { dateien_->SpeichernUnter(); }
    void FilePrint();
    void FilePrintSetup() { dateien_->Druckereinrichtung(); }
    void FileExit() { close(); }
    void EditUndo();
    void EditRedo();
    void EditCut();
    void EditCopy();
    void EditPaste();
    void Schrift1Click();
    void GleichungenClick();
    void Kommentar1Click();
    void StartWerteKnopfClick();
    void Startwerte1Click();
    void Graph1Click() { OeffneAnsicht(fenster_.Graph); }
    void Tabelle1Click() { OeffneAnsicht(fenster_.Tabelle); }
    void TRKnopfClick();
    void KonstButtonClick();
    void HelpContents() { hilfe_.Inhalt(); }
    void HelpSearch() { hilfe_.Suche(); }
    void HelpHowToUse() { hilfe_.Benutzung(); }
    void HelpAbout();

    void FormActivate();

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    Dokument& dokument();
    void Veraendert(Dokument::Teil teil);
    // The editor, the grid and the caption show the document.
    void ZeigeText();
    void ZeigeStartwerte();
    void ZeigeTitel();
    void SetzeLaufzustand(bool laeuft);
    // Marks the equation's editor line and its variable's result cell; 0 removes the marks.
    void ZeigeZeile(std::int32_t gleichung);
    // After a failed scan: its messages again, the cursor on the faulty line; true then.
    bool ScanfehlerGezeigt();
    // Graph1Click and Tabelle1Click differ only in the window shown.
    void OeffneAnsicht(QDialog* fenster);
    void FokusWechsel(QWidget* alt, QWidget* neu);
    // Text `faktor` times its designed size; with `wachsen` the fields fill the window.
    void ZeigeGroesse(double faktor, bool wachsen);
    // Labels, buttons and the status line `f` times their designed size.
    void ZeigeFeldschrift(double f);
    void OrdnePanelsAn(int breite, int hoehe, int links, int unten);
    void OrdneEditorseiteAn(double f, int breite, int hoehe);
    void OrdneGitterseiteAn(double f, int breite, int hoehe);

    Dokumentobjekt& dokument_;
    Dialoge& dialoge_;
    Hilfe& hilfe_;
    QStringList argumente_;
    Nebenfenster fenster_;
    std::unique_ptr<MemoText> memoText_;
    std::unique_ptr<Ergebnisanzeige> ergebnisse_;  // the grid's result column
    Iterationslauf* lauf_ = nullptr;
    std::unique_ptr<Dateibefehle> dateien_;
    TRechnerFenster* rechner_ = nullptr;  // our own calculator, created on first need

    bool zeigt_ = false;      // the editor is being set to the document's text
    bool zeigtTipp_ = false;  // the status line shows a hovered item's hint over stehend_
    QString stehend_;
    int markierteZelle_ = 0;  // the grid row whose result cell is marked; 0 for none
    bool schliesst_ = false;
    bool messdateiGemeldet_ = false;
    QFont editorSchrift_;  // the chosen editor font, before scaling
    double faktor_ = 1;
    bool wachsen_ = false;
    double feldfaktor_ = 1;  // of labels and buttons, applied last
};

// The editor's font, also the font dialog's preset.
QFont EditorSchrift();
// Builds the controls, the tool bar and the menu of the main window.
void BaueHauptfenster(TMainForm& f);
// Adds the stop-condition dialog and the hint list to the Simulation menu and keeps the status
// line's hint summary up to date.
void BaueLaufhilfen(TMainForm& f, Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe);

}  // namespace quintor
