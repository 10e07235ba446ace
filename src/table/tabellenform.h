// The table window: runs the model on its own and lists chosen variables as text, one line per
// step; the run ends on the model's stop condition, can be stopped, continued, restarted from the
// start values, and a marked part copied.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "csv.h"
#include "dialogfenster.h"
#include "lauf.h"

class QPlainTextEdit;
class QPrinter;
class QAction;
class QPushButton;
class QToolButton;

namespace quintor {

class Dialoge;
class Dokumentobjekt;
class Hilfe;
class TTabVarWahlForm;

class TTabellenform : public TDialogFenster {
    Q_OBJECT

  public:
    TTabellenform(Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe,
                  QWidget* parent = nullptr);
    ~TTabellenform() override;
    void SetzeFenster(TTabVarWahlForm* auswahl);
    // The table's text `faktor` times its designed size, the window as much wider.
    void SetzeSchriftfaktor(double faktor);

    // The text area holds at most this many lines and characters; reaching either ends the run
    // as a failure does. A full table then needs about 0.4 GB, copying all of it about 0.7 GB.
    static constexpr long long kKapazitaet = 1'000'000;
    static constexpr long long kKapazitaetZeichen = 100'000'000;
    long long Kapazitaet = kKapazitaet;
    long long KapazitaetZeichen = kKapazitaetZeichen;
    // The frame around the window that the layout rule counts in its height.
    static constexpr int kRahmenhoehe = 27;

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton *StopBtn = nullptr, *WeiterBtn = nullptr, *NeuBtn = nullptr, *CopyBtn = nullptr,
                *HelpButton = nullptr, *OKBtn = nullptr;
    // Beyond the designed buttons, so that the window keeps its size: "Speichern als CSV…",
    // "Kopieren für Tabellenkalkulation" and "Tabelle drucken" (Ctrl+P too), in the menu of the
    // small button right of "OK" and in the text's context menu.
    QToolButton* MehrBtn = nullptr;
    QAction *CsvBtn = nullptr, *KalkulationBtn = nullptr, *DruckBtn = nullptr;
    // The name of the CSV file to write; tests replace it. Empty means cancelled.
    std::function<QString()> CsvDialog;
    // The print dialog on the kept printer; tests replace it. False means cancelled.
    std::function<bool(QPrinter&)> DruckDialog;

    bool Fertig = false;
    bool SpeicherVoll = false;

    static QString Auffuellen(const QString& name);
    static QString TabZahlText(float x);
    QString TitelZeile() const;
    QString DatenZeile() const;
    void Arbeite();

    // The whole text as it stands, every line written so far included.
    QString Text();
    long long Zeilenzahl() const { return zeilen_; }
    // The table's values for a spreadsheet: the marked lines when a part of the text is marked,
    // else all. Without values a warning and nullopt.
    std::optional<std::string> Austauschtext(Austauschform form);
    bool LaeuftGerade() const { return tiefe_ > 0; }
    long long Laeufe() const { return laeufe_; }

  public slots:
    void StopBtnClick();
    void WeiterBtnClick();
    void NeuBtnClick();
    void CopyBtnClick();
    void CsvBtnClick();
    void KalkulationBtnClick();
    void DruckBtnClick();
    void FormActivate();
    void done(int ergebnis) override;

  protected:
    void showEvent(QShowEvent* e) override;
    // Escape does not close the window: only "OK" and the close box throw a table away.
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void FormResize();
    void BaueMehrBefehle();
    // The lines [first, second) of the text that the spreadsheet and print commands take: the
    // marked ones, else all.
    std::pair<std::size_t, std::size_t> Ausschnitt() const;
    // False, after a warning, when those lines hold no values.
    bool HatWerte(std::size_t von, std::size_t bis);
    // A run's message in the caption and the main window's status line; empty clears both.
    void Meldung(const QString& text);
    // The document's stop condition for the next run; the warning when it names no variable.
    QString SetzeBedingung();
    // The document's columns once the dialog of this opening was confirmed, else none.
    std::vector<std::int32_t> Spalten() const;
    // Lines go into a buffer that reaches the text area at most about 60 times a second.
    void HaengeAn(const QString& zeile);
    void Leere();
    void Schreibe();

    Dokumentobjekt& dokument_;
    Modell& modell_;
    Dialoge& dialoge_;
    Hilfe& hilfe_;
    TTabVarWahlForm* auswahl_ = nullptr;
    Lauf lauf_;
    bool gewaehlt_ = false;  // the column dialog of this opening ended with OK

    Tabellenwerte werte_;  // the values of every line, beside the text
    QString puffer_;
    long long zeilen_ = 0;   // lines in the text area and the buffer together
    long long zeichen_ = 0;  // their characters, line breaks included
    QElapsedTimer seitSchreiben_;
    int tiefe_ = 0;  // nested runs ("Neu" during a run)
    bool schliesst_ = false;
    long long laeufe_ = 0;
    std::unique_ptr<QPrinter> drucker_;  // its settings are kept between printouts
};

}  // namespace quintor
