// CPU time against wall time of a main-window run of 20 steps at the slowest speed: the pause
// between steps must sleep on the event loop, not spin.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <cstdio>

#include "anwendung.h"
#include "dialoge.h"
#include "hilfe.h"
#include "mainform.h"
#include "stringgrid.h"

namespace {

double CpuSekunden() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quintor::StderrDialoge dialoge;
    quintor::KeineHilfe hilfe;
    quintor::Anwendung a(dialoge, hilfe, {});
    quintor::TMainForm* f = a.fenster.MainForm;
    f->show();
    QApplication::processEvents();
    f->Memo1->setPlainText("X:=X+V*DT\nV:=V-X*DT");
    f->SCANNEN();
    f->StringGrid1->SetzeZelle(1, 1, "1");
    f->StringGrid1->SetzeZelle(1, 3, "0,1");
    f->StartwerteInit();
    f->SpinEdit1->setValue(20);
    f->FormActivate();  // speed knob at 0: 1200 ms per step

    const double cpu0 = CpuSekunden();
    QElapsedTimer uhr;
    uhr.start();
    f->BerechneKnopfClick();
    const double wand = static_cast<double>(uhr.elapsed()) / 1000.0;
    const double cpu = CpuSekunden() - cpu0;
    std::printf("Lauf: 20 Schritte, Pause %d ms je Schritt (%s)\n", 3 * f->Verzoegerung,
                qPrintable(QGuiApplication::platformName()));
    std::printf("Wanduhr %.2f s, CPU %.3f s, Anteil %.2f %%\n", wand, cpu, 100.0 * cpu / wand);
    return 0;
}
