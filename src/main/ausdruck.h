// The printed listing of a model: its lines, and their way onto a printer.
#pragma once

#include <QDate>
#include <QFont>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QPagedPaintDevice;

namespace quintor {

// Header, the editor's lines unchanged, and one "NAME = cell text" line per variable.
QStringList Ausdruckzeilen(const QString& dateiname, const QDate& datum,
                           const QStringList& gleichungen,
                           const std::vector<std::pair<QString, QString>>& startwerte);

// Prints the lines, each followed by a line break, in `schrift` at its size in points. The job is
// ended in every case; on failure `fehler` (if given) receives the reason.
bool DruckeAuflistung(QPagedPaintDevice& geraet, const QFont& schrift, const QStringList& zeilen,
                      QString* fehler);

}  // namespace quintor
