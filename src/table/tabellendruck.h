// The printed table: the lines as the window wrote them, paged, each page headed by the model's
// file name, the date, its number and the line of names.
#pragma once

#include <QDate>
#include <QFont>
#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;

namespace quintor {

class Seite;

struct Tabellendruck {
    QString dateiname;  // empty while the model has no file
    QDate datum;
    QString titel;       // the line of names, repeated on every page
    QStringList zeilen;  // the lines below it, without the window's own title lines
};

// The lines of the text that go below the names: a title line equal to `titel` and the empty
// line after it are left out, since every page begins with the names anyway.
QStringList Tabellenrumpf(const QStringList& text, const QString& titel);

// Monospaced, so that the columns stay under their names.
QFont Tabellenschrift();

// What goes on the pages, top to bottom: a line longer than the page is continued on the next
// line rather than cut, and empty lines are left out at the top of a page.
struct Tabellenseite {
    QStringList titel;   // the names (more than one line only when they are wider than the page)
    QStringList zeilen;  // the body
};
std::vector<Tabellenseite> Tabellenseiten(const Tabellendruck& t, int zeichenProZeile,
                                          int zeilenProSeite);

// Prints onto `seite`, which is ended in every case; false and `fehler` (if given) on failure.
bool DruckeTabelle(Seite& seite, const Tabellendruck& t, QString* fehler);
// The same on a printer or PDF writer, in Tabellenschrift().
bool DruckeTabelle(QPagedPaintDevice& geraet, const Tabellendruck& t, QString* fehler);

}  // namespace quintor
