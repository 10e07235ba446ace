#include "tabellendruck.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <algorithm>

#include "druckkanal.h"

namespace quintor {

namespace {

// Above the names: the file name with the page number, the date line, an empty line.
constexpr int kKopfzeilen = 3;

// A line in pieces of at most `n` characters; an empty line stays one empty piece.
QStringList Stuecke(const QString& zeile, int n) {
    if (zeile.size() <= n) return {zeile};
    QStringList s;
    for (qsizetype i = 0; i < zeile.size(); i += n) s << zeile.mid(i, n);
    return s;
}

// A long path loses its middle rather than running into the page number.
QString Gekuerzt(const Seite& seite, const QString& text, int breite) {
    if (seite.TextBreite(text) <= breite) return text;
    const QString mitte = QStringLiteral("…");
    for (qsizetype weg = 1; weg < text.size(); ++weg) {
        const qsizetype links = (text.size() - weg) / 2;
        const QString k = text.left(links) + mitte + text.right(text.size() - weg - links);
        if (seite.TextBreite(k) <= breite) return k;
    }
    return mitte;
}

}  // namespace

QStringList Tabellenrumpf(const QStringList& text, const QString& titel) {
    QStringList rumpf;
    bool nachTitel = false;
    for (const QString& z : text) {
        if (!titel.isEmpty() && z == titel) {
            nachTitel = true;
            continue;
        }
        if (!(nachTitel && z.isEmpty())) rumpf << z;
        nachTitel = false;
    }
    return rumpf;
}

QFont Tabellenschrift() {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(10);
    return f;
}

std::vector<Tabellenseite> Tabellenseiten(const Tabellendruck& t, int zeichenProZeile,
                                          int zeilenProSeite) {
    const int n = std::max(1, zeichenProZeile);
    Tabellenseite leer;
    leer.titel = Stuecke(t.titel, n);
    // At least one line of the body on each page, however small the page.
    const int platz = std::max(1, zeilenProSeite - kKopfzeilen - int(leer.titel.size()) - 1);
    std::vector<Tabellenseite> seiten{leer};
    for (const QString& zeile : t.zeilen) {
        for (const QString& stueck : Stuecke(zeile, n)) {
            if (seiten.back().zeilen.size() >= platz) seiten.push_back(leer);
            if (stueck.isEmpty() && seiten.back().zeilen.isEmpty()) continue;
            seiten.back().zeilen << stueck;
        }
    }
    return seiten;
}

bool DruckeTabelle(Seite& seite, const Tabellendruck& t, QString* fehler) {
    const int breite = seite.Breite();
    const int zeilenhoehe = seite.Zeichenhoehe() + 2;
    const int zeichen = breite / std::max(1, seite.TextBreite(QStringLiteral("0")));
    const std::vector<Tabellenseite> seiten =
        Tabellenseiten(t, zeichen, seite.Hoehe() / std::max(1, zeilenhoehe));
    const QString name = t.dateiname.isEmpty() ? QStringLiteral("Unbenanntes Modell") : t.dateiname;
    const QString datum = QStringLiteral("Tabelle, ausgedruckt am ") +
                          QLocale(QLocale::German).toString(t.datum, QLocale::ShortFormat) +
                          QStringLiteral(" von Quintor");
    bool ok = true;
    for (std::size_t i = 0; ok && i < seiten.size(); ++i) {
        if (i > 0) ok = seite.NeueSeite();
        const QString nummer = QStringLiteral("Seite %1 von %2").arg(i + 1).arg(seiten.size());
        const int nummerBreite = seite.TextBreite(nummer);
        ok = ok && seite.Text(0, 0, Gekuerzt(seite, name, breite - nummerBreite - zeilenhoehe)) &&
             seite.Text(std::max(0, breite - nummerBreite), 0, nummer) &&
             seite.Text(0, zeilenhoehe, datum);
        int y = kKopfzeilen * zeilenhoehe;
        for (const QString& z : seiten[i].titel) {
            ok = ok && seite.Text(0, y, z);
            y += zeilenhoehe;
        }
        y += zeilenhoehe;
        for (const QString& z : seiten[i].zeilen) {
            if (!z.isEmpty()) ok = ok && seite.Text(0, y, z);
            y += zeilenhoehe;
        }
    }
    // Ended after a failure too, so that the printer lets go of the job.
    if (!seite.Schliessen()) ok = false;
    if (!ok && fehler) *fehler = QStringLiteral("Beim Drucken ist ein Fehler aufgetreten.");
    return ok;
}

bool DruckeTabelle(QPagedPaintDevice& geraet, const Tabellendruck& t, QString* fehler) {
    GeraeteSeite seite(geraet, Tabellenschrift());
    if (!seite.Begonnen()) {
        if (fehler) *fehler = QStringLiteral("Der Druckauftrag konnte nicht begonnen werden.");
        return false;
    }
    return DruckeTabelle(seite, t, fehler);
}

}  // namespace quintor
