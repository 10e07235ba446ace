// Test helper: saves a model over and over, switching between two versions, until it is killed.
// Argument: the model file to write.
#include <QApplication>
#include <QPlainTextEdit>
#include <cstdio>

#include "anwendung.h"
#include "dialoge.h"
#include "hilfe.h"
#include "kommentarform.h"
#include "mainform.h"
#include "stringgrid.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    quintor::StderrDialoge dialoge;
    quintor::KeineHilfe hilfe;
    quintor::Anwendung a(dialoge, hilfe, {});
    quintor::TMainForm* f = a.fenster.MainForm;
    f->Dateiname = QString::fromLocal8Bit(argv[1]);
    for (long runde = 0;; ++runde) {
        // Versions 1 and 2 differ in every file (not in the names, whose keys the settings file
        // keeps); big enough that a write takes a while.
        const QChar ziffer = runde % 2 ? QLatin1Char('2') : QLatin1Char('1');
        QString text;
        for (int i = 0; i < 20; ++i)
            text += "V" + QString::number(i) + ":=0." + QString(2000, ziffer) + "\n";
        f->Memo1->setPlainText(text + "X:=1");
        f->SCANNEN();
        for (int i = 1; i <= f->Daten().Variablenzahl; ++i)
            f->StringGrid1->SetzeZelle(1, i, QString(200, ziffer).toStdString());
        a.fenster.KommentarForm->Memo1->setPlainText(QString(50000, ziffer));
        // The test counts the kills that hit a save in progress.
        std::printf("s\n");
        std::fflush(stdout);
        f->FileSave();
        std::printf("e\n");
        std::fflush(stdout);
    }
}
