// The document as the windows see it: the plain document, and a signal after every change.
// Windows read it and change it only through the document's operations.
#pragma once

#include <QObject>

#include "dokument.h"

namespace quintor {

class Dokumentobjekt : public QObject {
    Q_OBJECT

  public:
    explicit Dokumentobjekt(QObject* parent = nullptr);

    Dokument& Inhalt() { return dokument_; }
    const Dokument& Inhalt() const { return dokument_; }

  signals:
    // After every change of the document, naming the part that changed.
    void Veraendert(quintor::Dokument::Teil teil);

  private:
    Dokument dokument_;
};

}  // namespace quintor
