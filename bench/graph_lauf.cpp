// Steps per second of a graph run of 200,000 steps: the model computed, every step drawn into
// the picture, the event loop run after every step, the screen refreshed at most ~60 times/s.
// Three runs: the plain graph, the same with a stop condition that is checked after every step
// and never met, and six curves (three more equations give the model enough variables).
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "anwendung.h"
#include "dialoge.h"
#include "graphform.h"
#include "hilfe.h"
#include "lauf.h"
#include "mainform.h"

namespace {

enum class Fall { Einfach, Bedingung, SechsKurven };

struct Rate {
    double wand;  // steps per second of wall time
    double cpu;   // per second of the process's CPU time, steadier on a busy machine
};

// One run of `schritte` steps of T against X.
Rate Miss(quintor::Anwendung& a, quintor::StderrDialoge& dialoge, Fall fall, long long schritte) {
    quintor::TGraphForm* g = a.fenster.GraphForm;
    quintor::Dokument& d = a.dokument.Inhalt();
    std::vector<std::string> zeilen = {"T:=T+1", "X:=X+V*DT", "V:=V-X*DT"};
    if (fall == Fall::SechsKurven) zeilen.insert(zeilen.end(), {"A:=X+V", "B:=X-V", "C:=-X"});
    d.SetzeZeilen(zeilen);
    d.Scanne(dialoge);
    // T, X, V, DT in this order (A, B, C follow in the six-curve model).
    d.SetzeStartwerttext(2, "1");
    d.SetzeStartwerttext(4, "0,0005");
    d.StartwerteUebernehmen(dialoge);
    d.SetzeAbbruch(fall == Fall::Bedingung ? quintor::LeseAbbruchbedingung("X>100", nullptr)
                                           : std::nullopt);
    // The run ends when T reaches the right limit, after exactly `schritte` steps.
    quintor::Graphwerte w = d.Graph();
    w.horizontal = 1;
    w.vertikal = 2;
    w.AchsenGewaehlt = true;
    w.WeitereKurven.clear();
    if (fall == Fall::SechsKurven) w.WeitereKurven = {3, 4, 5, 6, 7};
    w.SetzeGrenzen(0, static_cast<float>(schritte), -1.5f, 1.5f);
    d.SetzeGraph(w);

    // Opening the window starts the run; it ends on its own when T reaches the right limit.
    QElapsedTimer uhr;
    double sekunden = 0, cpuSekunden = 0;
    std::clock_t cpuStart = 0;
    const long long vorher = g->Laeufe();
    QTimer fertig;
    fertig.setInterval(1);
    QObject::connect(&fertig, &QTimer::timeout, g, [&] {
        if (g->Laeufe() > vorher && !g->LaeuftGerade()) {
            sekunden = static_cast<double>(uhr.nsecsElapsed()) / 1e9;
            cpuSekunden = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            fertig.stop();
            g->accept();
        }
    });
    fertig.start();
    cpuStart = std::clock();
    uhr.start();
    g->exec();
    const auto n = static_cast<double>(g->Schritte());
    return {n / sekunden, n / cpuSekunden};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const long long schritte = argc > 1 ? std::atoll(argv[1]) : 200000;
    quintor::StderrDialoge dialoge;
    quintor::KeineHilfe hilfe;
    quintor::Anwendung a(dialoge, hilfe, {});
    a.fenster.MainForm->show();
    QApplication::processEvents();
    const struct {
        Fall fall;
        const char* name;
    } faelle[] = {{Fall::Einfach, "ohne Bedingung, eine Kurve"},
                  {Fall::Bedingung, "mit Abbruchbedingung X > 100"},
                  {Fall::SechsKurven, "sechs Kurven"}};
    for (const auto& f : faelle) {
        const Rate r = Miss(a, dialoge, f.fall, schritte);
        std::printf("Graph, %s: %lld Schritte, %.0f Schritte/s, %.0f je CPU-Sekunde (%s)\n", f.name,
                    schritte, r.wand, r.cpu, qPrintable(QGuiApplication::platformName()));
    }
    return 0;
}
