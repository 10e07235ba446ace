// Steps per second of a graph run of 200,000 steps: the model computed, every step drawn into
// the picture, the event loop run after every step, the screen refreshed at most ~60 times/s.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "anwendung.h"
#include "dialoge.h"
#include "graphform.h"
#include "hilfe.h"
#include "mainform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const long long schritte = argc > 1 ? std::atoll(argv[1]) : 200000;
    quintor::StderrDialoge dialoge;
    quintor::KeineHilfe hilfe;
    quintor::Anwendung a(dialoge, hilfe, {});
    quintor::TGraphForm* g = a.fenster.GraphForm;
    a.fenster.MainForm->show();
    QApplication::processEvents();

    quintor::Dokument& d = a.dokument.Inhalt();
    d.SetzeZeilen({"T:=T+1", "X:=X+V*DT", "V:=V-X*DT"});
    d.Scanne(dialoge);
    d.SetzeStartwerttext(2, "1");
    d.SetzeStartwerttext(4, "0,0005");
    d.StartwerteUebernehmen(dialoge);
    // T against X; the run ends when T reaches the right limit, after exactly `schritte` steps.
    quintor::Graphwerte w = d.Graph();
    w.horizontal = 1;
    w.vertikal = 2;
    w.AchsenGewaehlt = true;
    w.SetzeGrenzen(0, static_cast<float>(schritte), -1.5f, 1.5f);
    d.SetzeGraph(w);

    // Opening the window starts the run; it ends on its own when T reaches the right limit.
    QElapsedTimer uhr;
    double sekunden = 0;
    QTimer fertig;
    fertig.setInterval(1);
    QObject::connect(&fertig, &QTimer::timeout, g, [&] {
        if (g->Laeufe() > 0 && !g->LaeuftGerade()) {
            sekunden = static_cast<double>(uhr.nsecsElapsed()) / 1e9;
            fertig.stop();
            g->accept();
        }
    });
    fertig.start();
    uhr.start();
    g->exec();
    std::printf("Graph: %lld Schritte in %.3f s = %.0f Schritte/s (%s)\n", g->Schritte(), sekunden,
                static_cast<double>(g->Schritte()) / sekunden,
                qPrintable(QGuiApplication::platformName()));
    return 0;
}
