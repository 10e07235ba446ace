#include <QApplication>
#include <QSettings>

#include "anwendung.h"
#include "anwendung_einrichten.h"
#include "hilfefenster.h"
#include "mainform.h"
#include "meldungsboxen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quintor::RichteAnwendungEin(app);
    quintor::Meldungsboxen dialoge;
    quintor::THilfeFenster hilfe;
    QStringList argumente = QApplication::arguments();
    argumente.removeFirst();
    quintor::Anwendung anwendung(dialoge, hilfe, argumente);
    // The text size chosen last time, from the user's own settings.
    QSettings einstellungen(QStringLiteral("Quintor"), QStringLiteral("Quintor"));
    anwendung.ansicht.Lade(einstellungen);
    QObject::connect(&anwendung.ansicht, &quintor::Ansichtsgroesse::Geaendert,
                     [&] { anwendung.ansicht.Speichere(einstellungen); });
    anwendung.fenster.MainForm->show();
    anwendung.fenster.MainForm->activateWindow();
    return app.exec();
}
