#include "rechner.h"

#include <QProcess>
#include <QStandardPaths>

namespace quintor {

QStringList Rechnerprogramme() {
    return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
}

int StarteRechner(const QStringList& programme) {
    for (const QString& name : programme) {
        const QString pfad = QStandardPaths::findExecutable(name);
        if (!pfad.isEmpty() && QProcess::startDetached(pfad, {})) return 33;
    }
    return 2;
}

}  // namespace quintor
