// The main window: equation editor, repetition count, start-value grid, run buttons, step
// counter, speed knob, tool bar, menu and status line. The program's only non-modal window.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "fensterliste.h"
#include "modell.h"
#include "rechner.h"
#include "schritt.h"
#include "spinedit.h"
#include "win1252.h"

class QAction;
class QEventLoop;
class QLabel;
class QFrame;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QToolButton;

namespace quintor {

class Dialoge;
class Hilfe;
class TIntEdit;
class TRotarySwitch;
class TStringGrid;
class MemoText;
class TRechnerFenster;

class TMainForm : public QMainWindow {
    Q_OBJECT

  public:
    // `argumente` are the command-line parameters without the program name.
    TMainForm(Modell& modell, Dialoge& dialoge, Hilfe& hilfe, QStringList argumente,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // The other windows, known once all are created.
    void SetzeFenster(const Fensterliste& fenster) { fenster_ = fenster; }

    Modell& Daten() { return modell_; }

    // Document state.
    QString Dateiname;
    bool Gesichert = true;
    QString Messdatei;

    // The run: repetition count and delay factor (pause 3 x Verzoegerung ms after each step).
    std::int32_t Wiederholungen = 0;
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

    QMenu *FileMenu = nullptr, *EditMenu = nullptr, *Simulation = nullptr, *HelpMenu = nullptr;
    QAction *FileNewItem = nullptr, *FileOpenItem = nullptr, *FileSaveItem = nullptr,
            *FileSaveAsItem = nullptr, *FilePrintItem = nullptr, *FilePrintSetupItem = nullptr,
            *FileExitItem = nullptr;
    QAction *EditCutItem = nullptr, *EditCopyItem = nullptr, *EditPasteItem = nullptr,
            *Schrift1 = nullptr;
    QAction *Gleichungen = nullptr, *Kommentar1 = nullptr, *Startwerte1 = nullptr,
            *Iteration1 = nullptr, *Graph1 = nullptr, *Tabelle1 = nullptr;
    QAction *HelpContentsItem = nullptr, *HelpSearchItem = nullptr, *HelpHowToUseItem = nullptr,
            *Taschenrechner1 = nullptr, *Konstanten1 = nullptr, *HelpAboutItem = nullptr;

    // Scan and start values, with the grid (also used by the files and the table window).
    void SCANNEN();
    // False when a start value failed (the message is shown): the command that reads them ends.
    bool StartwerteInit();
    void StringgridLoeschen();

  public slots:
    // The run.
    void BerechneKnopfClick();
    void EinzelKnopfClick();
    void AbbruchKnopfClick();
    void SpinEdit1Change();
    void RotaryKnob1Change();

    // Editor and grid.
    void Memo1Change();
    void Memo1Exit();
    void StringGrid1Exit();
    void StringGrid1MouseUp(Qt::MouseButton knopf);
    void StringGrid1DblClick();

    // Commands.
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void FilePrint();
    void FilePrintSetup();
    void FileExit();
    void EditCut();
    void EditCopy();
    void EditPaste();
    void Schrift1Click();
    void GleichungenClick();
    void Kommentar1Click();
    void StartWerteKnopfClick();
    void Startwerte1Click();
    void Graph1Click();
    void Tabelle1Click();
    void TRKnopfClick();
    void KonstButtonClick();
    void HelpContents();
    void HelpSearch();
    void HelpHowToUse();
    void HelpAbout();

    void FormActivate();

  public:
    // Pauses for more than `ms` milliseconds while the window stays alive: waits on the event
    // loop, it does not spin. Ends early when the window is closing.
    void Warte(int ms);

    // True while an iteration run is in progress.
    bool LaeuftGerade() const { return laeuft_; }

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void BaueFenster();
    void BaueMenue();
    void BaueWerkzeugleiste();
    void SetzeLaufzustand(bool laeuft);
    void FormClose();
    // Graph1Click and Tabelle1Click differ only in the window shown.
    void OeffneAnsicht(QWidget* fenster);
    void FokusWechsel(QWidget* alt, QWidget* neu);
    // The editor's font, also the font dialog's preset.
    static QFont EditorSchrift();

  public:
    // The model's companion files, and the question before a command replaces the model.
    void HoleStartwerte();
    void HoleKommentar();
    void SpeichereKommentar();
    void Sicherungsfrage();

    // The file choices; tests replace them. An empty path means cancelled.
    std::function<QString()> OeffnenDialog;
    std::function<QString()> SpeichernDialog;
    // The printer and its settings, kept between printouts; tests replace the print dialog.
    QPrinter& Drucker();
    std::function<bool(QPrinter&)> DruckDialog;
    // Starts a desktop calculator and returns the launcher code; tests replace it.
    std::function<int()> Rechnerstart = [] { return StarteRechner(); };
    // The font dialog, opened on the given font; the chosen font, or none when cancelled.
    // Tests replace it.
    std::function<std::optional<QFont>(const QFont&)> Schriftwahl;

  private:
    // Writes a file whole or not at all; false with the system's reason.
    static bool SchreibeDatei(const QString& pfad, const std::string& inhalt, QString* grund);
    std::unique_ptr<QPrinter> drucker_;
    Dateikodierung kodierung_ = Dateikodierung::Win1252;  // of the model file as it was read

    Modell& modell_;
    Dialoge& dialoge_;
    Hilfe& hilfe_;
    QStringList argumente_;
    Fensterliste fenster_;
    MemoText* memoText_ = nullptr;
    TRechnerFenster* rechner_ = nullptr;  // our own calculator, created on first need

    class Ergebnisspalte;
    Ergebnisanzeige* ergebnisse_ = nullptr;  // the grid's result column

    bool laeuft_ = false;
    bool schliesst_ = false;
    bool messdateiGemeldet_ = false;
    QPointer<QEventLoop> warteSchleife_;
};

}  // namespace quintor
