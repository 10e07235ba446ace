// Lines per second of a table run: 100,000 steps with 5 columns, every line written, the event
// loop run after every step, the text area refreshed at most ~60 times a second.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "anwendung.h"
#include "dialoge.h"
#include "hilfe.h"
#include "mainform.h"
#include "stringgrid.h"
#include "tabellenform.h"
#include "tabvarwahlform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int schritte = argc > 1 ? std::atoi(argv[1]) : 100000;
    quintor::StderrDialoge dialoge;
    quintor::KeineHilfe hilfe;
    quintor::Anwendung a(dialoge, hilfe, {});
    quintor::TMainForm* f = a.fenster.MainForm;
    quintor::TTabellenform* t = a.fenster.Tabellenform;
    quintor::TTabVarWahlForm* wahl = a.fenster.TabVarWahlForm;
    f->show();
    QApplication::processEvents();
    f->Memo1->setPlainText("T:=T+DT\nX:=X+V*DT\nV:=V-X*DT\nE:=X*X+V*V");
    f->SCANNEN();
    f->StringGrid1->SetzeZelle(1, 2, "1");
    f->StringGrid1->SetzeZelle(1, 5, "0,001");
    f->StartwerteInit();
    f->Wiederholungen = schritte;  // beyond the spin edit's 10,000, for the measurement

    QElapsedTimer uhr;
    double sekunden = 0;
    long long zeilen = 0;
    QTimer takt;
    takt.setInterval(1);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() == wahl) {
            wahl->IncAllBtnClick();  // all five columns
            wahl->OKBtn->click();
            uhr.start();
        } else if (t->Laeufe() > 0 && !t->LaeuftGerade() && sekunden == 0) {
            sekunden = static_cast<double>(uhr.nsecsElapsed()) / 1e9;
            zeilen = t->Zeilenzahl() - 2;
            takt.stop();
            t->accept();
        }
    });
    takt.start();
    t->exec();
    std::printf("Tabelle: %lld Zeilen in %.3f s = %.0f Zeilen/s (%s)\n", zeilen, sekunden,
                static_cast<double>(zeilen) / sekunden,
                qPrintable(QGuiApplication::platformName()));
    return 0;
}
