// The file commands of the main window: New, Open, Save, Save As, the start values stored with
// the model, printing. They work on the document; the windows show what it holds.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "win1252.h"

class QFont;
class QPrinter;
class QWidget;

namespace quintor {

class Dialoge;
class Dokumentobjekt;

// The folder of the shipped lessons: the installed one beside the program, else the source
// tree's when the program runs from its build folder, else one in the system's data folders;
// empty when there is none.
QString Beispielordner();

class Dateibefehle {
  public:
    // `fenster` is the parent of the file and print dialogs.
    Dateibefehle(Dokumentobjekt& dokument, Dialoge& dialoge, QWidget* fenster);
    ~Dateibefehle();

    // The file choices; tests replace them. An empty path means cancelled. The open dialog
    // starts in `ordner`, or where it last was when that is empty.
    std::function<QString(const QString& ordner)> OeffnenDialog;
    std::function<QString()> SpeichernDialog;
    // The print dialog on the kept printer; tests replace it.
    std::function<bool(QPrinter&)> DruckDialog;
    // Shows the comment window (an opened model with a comment shows it before going on).
    std::function<void()> KommentarZeigen;
    // Converts the start values after they were read (the run keeps track of them).
    std::function<bool()> StartwerteUebernehmen;

    // Before the model is replaced or the program ends: asks only when something changed. False
    // when the command is to stop (cancelled, or the save did not succeed).
    bool Sicherungsfrage(const std::string& frage);

    void Neu();
    void Oeffnen(const QString& ordner = QString());
    // Open in the folder of the shipped lessons.
    void Beispiele();
    // False when nothing was saved (cancelled or failed).
    bool Speichern();
    bool SpeichernUnter();
    // The start values and graph settings stored with the model replace the shown ones.
    void HoleStartwerte();

    // The listing of the model: the editor's lines in the editor's font.
    void Drucken(const QFont& schrift, const QStringList& gleichungen);
    void Druckereinrichtung();
    // The printer and its settings, kept between printouts.
    QPrinter& Drucker();

  private:
    Dokumentobjekt& dokument_;
    Dialoge& dialoge_;
    QWidget* fenster_;
    std::unique_ptr<QPrinter> drucker_;
    Dateikodierung kodierung_ = Dateikodierung::Win1252;  // of the model file as it was read
};

}  // namespace quintor
