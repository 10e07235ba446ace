// The main window's help with runs: the stop-condition dialog and the hint list.
#include "dialoge.h"
#include "dokumentobjekt.h"
#include "mainform.h"

namespace quintor {

void BaueLaufhilfen(TMainForm& f, Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe) {
    (void)f;
    (void)dokument;
    (void)dialoge;
    (void)hilfe;
}

}  // namespace quintor
