// The document as the windows see it: the plain document, and a signal after every change.
// Windows read it and change it only through the document's operations.
#pragma once

#include <QObject>
#include <QString>

#include "dokument.h"

namespace quintor {

class Dokumentobjekt : public QObject {
    Q_OBJECT

  public:
    explicit Dokumentobjekt(QObject* parent = nullptr);

    Dokument& Inhalt() { return dokument_; }
    const Dokument& Inhalt() const { return dokument_; }

    // A line for the main window's status line, from whichever window has something to say
    // ("Abbruch: Y < 0 nach 143 Schritten").
    void Melde(const QString& text) { emit Statusmeldung(text); }
    // A window's run of the model has ended: the values are those it stopped at.
    void Gelaufen() { emit LaufBeendet(); }

  signals:
    // After every change of the document, naming the part that changed.
    void Veraendert(quintor::Dokument::Teil teil);
    void Statusmeldung(const QString& text);
    void LaufBeendet();

  private:
    Dokument dokument_;
};

}  // namespace quintor
