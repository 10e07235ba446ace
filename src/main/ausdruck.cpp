#include "ausdruck.h"

#include <QLocale>
#include <QPagedPaintDevice>

#include "druckkanal.h"

namespace quintor {

QStringList Ausdruckzeilen(const QString& dateiname, const QDate& datum,
                           const QStringList& gleichungen,
                           const std::vector<std::pair<QString, QString>>& startwerte) {
    QStringList z;
    z << dateiname + QStringLiteral(" ausgedruckt am ") +
             QLocale(QLocale::German).toString(datum, QLocale::ShortFormat) +
             QStringLiteral(" von Quintor");
    z << QString() << QString() << QStringLiteral("[Programm]") << QString();
    z << gleichungen;
    z << QString() << QString() << QStringLiteral("[Startwerte]") << QString();
    for (const auto& [name, text] : startwerte) z << name + QStringLiteral(" = ") + text;
    return z;
}

bool DruckeAuflistung(QPagedPaintDevice& geraet, const QFont& schrift, const QStringList& zeilen,
                      QString* fehler) {
    GeraeteSeite seite(geraet, schrift);
    if (!seite.Begonnen()) {
        if (fehler) *fehler = QStringLiteral("Der Druckauftrag konnte nicht begonnen werden.");
        return false;
    }
    Druckkanal kanal(seite);
    bool ok = true;
    for (const QString& zeile : zeilen) {
        if (!kanal.Schreibe(zeile) || !kanal.Zeilenumbruch()) {
            ok = false;
            break;
        }
    }
    // Ended after a failure too, so the printer lets go of the job.
    if (!kanal.Ende()) ok = false;
    if (!ok && fehler) *fehler = QStringLiteral("Beim Drucken ist ein Fehler aufgetreten.");
    return ok;
}

}  // namespace quintor
