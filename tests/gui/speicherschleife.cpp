// Test helper: saves a model three times through the program's own file routines, switching
// between two versions, and halts at a chosen point of the second or third save until it is
// killed. Arguments: the model file to write, and the number of the halting point (1 is the
// first point of the second save; 0 never halts).
//
// The halting points are the calls by which a save touches the disk: this program defines
// write() and rename() itself, so every write and rename into the model's folder (from our own
// code or from Qt) passes here. At the chosen point it prints "h <stage> <version> <file>" and
// waits to be killed; after the third save it prints "fertig" and ends. Stages: "schreibt"
// (before a write call), "halb" (half of its bytes written), "geschrieben" (before the rename
// that puts the file in place), "umbenannt" (after it), "zwischen" (between two saves).
#include <dlfcn.h>
#include <unistd.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "anwendung.h"
#include "dialoge.h"
#include "hilfe.h"
#include "kommentarform.h"
#include "mainform.h"
#include "stringgrid.h"

namespace {

bool scharf = false;  // only the second and third save have halting points
long haltepunkt = 0, punkte = 0;
char version = '1';
std::string ordner;  // the model's folder, with a trailing slash

template <typename F>
F Echt(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool ImOrdner(const char* pfad) {
    return scharf && std::strncmp(pfad, ordner.c_str(), ordner.size()) == 0;
}

bool ImOrdner(int fd) {
    if (!scharf) return false;
    char link[64], pfad[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, pfad, sizeof pfad - 1);
    if (n <= 0) return false;
    pfad[n] = '\0';
    return ImOrdner(pfad);
}

void Punkt(const char* stufe, const char* pfad = "-") {
    if (!scharf || ++punkte != haltepunkt) return;
    const char* name = std::strrchr(pfad, '/');
    std::printf("h %s %c %s\n", stufe, version, name ? name + 1 : pfad);
    std::fflush(stdout);
    for (;;) ::pause();
}

}  // namespace

extern "C" ssize_t write(int fd, const void* daten, size_t anzahl) {
    static const auto echt = Echt<ssize_t (*)(int, const void*, size_t)>("write");
    if (anzahl < 2 || !ImOrdner(fd)) return echt(fd, daten, anzahl);
    Punkt("schreibt");
    const auto* bytes = static_cast<const char*>(daten);
    const size_t haelfte = anzahl / 2;
    size_t fertig = 0;
    while (fertig < haelfte) {
        const ssize_t n = echt(fd, bytes + fertig, haelfte - fertig);
        if (n <= 0) return fertig > 0 ? static_cast<ssize_t>(fertig) : n;
        fertig += static_cast<size_t>(n);
    }
    Punkt("halb");
    const ssize_t n = echt(fd, bytes + fertig, anzahl - fertig);
    return n < 0 ? static_cast<ssize_t>(fertig) : static_cast<ssize_t>(fertig) + n;
}

extern "C" int rename(const char* alt, const char* neu) noexcept {
    static const auto echt = Echt<int (*)(const char*, const char*)>("rename");
    if (!ImOrdner(neu)) return echt(alt, neu);
    Punkt("geschrieben", neu);
    const int ergebnis = echt(alt, neu);
    Punkt("umbenannt", neu);
    return ergebnis;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return 2;
    quintor::StderrDialoge dialoge;
    quintor::KeineHilfe hilfe;
    quintor::Anwendung a(dialoge, hilfe, {});
    quintor::TMainForm* f = a.fenster.MainForm;
    a.dokument.Inhalt().SetzeDateiname(argv[1]);
    ordner = std::string(argv[1]).substr(0, std::string(argv[1]).rfind('/') + 1);
    haltepunkt = std::atol(argv[2]);
    for (int runde = 0; runde < 3; ++runde) {
        // Versions 1 and 2 differ in every file (not in the names, whose keys the settings file
        // keeps).
        version = runde % 2 ? '2' : '1';
        const QChar ziffer = QLatin1Char(version);
        QString text;
        for (int i = 0; i < 20; ++i)
            text += "V" + QString::number(i) + ":=0." + QString(2000, ziffer) + "\n";
        f->Memo1->setPlainText(text + "X:=1");
        f->SCANNEN();
        for (int i = 1; i <= f->Daten().Variablenzahl; ++i)
            f->StringGrid1->SetzeZelle(1, i, QString(200, ziffer).toStdString());
        a.fenster.KommentarForm->Memo1->setPlainText(QString(50000, ziffer));
        scharf = runde > 0;
        f->FileSave();
        Punkt("zwischen");
    }
    std::printf("fertig\n");
    return 0;
}
