// Lines per second of a table run: 100,000 steps with 5 columns, every line written, the event
// loop run after every step, the text area refreshed at most ~60 times a second.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "anwendung.h"
#include "dialoge.h"
#include "hilfe.h"
#include "mainform.h"
#include "tabellenform.h"
#include "tabvarwahlform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int schritte = argc > 1 ? std::atoi(argv[1]) : 100000;
    quintor::StderrDialoge dialoge;
    quintor::KeineHilfe hilfe;
    quintor::Anwendung a(dialoge, hilfe, {});
    quintor::TTabellenform* t = a.fenster.Tabellenform;
    quintor::TTabVarWahlForm* wahl = a.fenster.TabVarWahlForm;
    a.fenster.MainForm->show();
    QApplication::processEvents();

    quintor::Dokument& d = a.dokument.Inhalt();
    d.SetzeZeilen({"T:=T+DT", "X:=X+V*DT", "V:=V-X*DT", "E:=X*X+V*V"});
    d.Scanne(dialoge);
    d.SetzeStartwerttext(2, "1");
    d.SetzeStartwerttext(5, "0,001");
    d.StartwerteUebernehmen(dialoge);
    d.Wiederholungen = schritte;  // beyond the spin edit's 10,000, for the measurement

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
