#include "ansichtsgroesse.h"

#include <QAction>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace quintor {

namespace {

// From kKleinste to kGroesste; twice "Größer" gives one and a half times the designed size.
constexpr double kFaktoren[] = {0.8, 0.9, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
static_assert(std::size(kFaktoren) == Ansichtsgroesse::kGroesste - Ansichtsgroesse::kKleinste + 1);

const QString kStufe = QStringLiteral("Ansicht/Stufe");
const QString kMitwachsen = QStringLiteral("Ansicht/Mitwachsen");

}  // namespace

double Ansichtsgroesse::Faktor() const {
    return kFaktoren[stufe_ - kKleinste];
}

void Ansichtsgroesse::SetzeStufe(int stufe) {
    stufe = std::clamp(stufe, kKleinste, kGroesste);
    if (stufe == stufe_) return;
    stufe_ = stufe;
    emit Geaendert();
}

void Ansichtsgroesse::SetzeMitwachsen(bool an) {
    if (an == mitwachsen_) return;
    mitwachsen_ = an;
    emit Geaendert();
}

void Ansichtsgroesse::Lade(const QSettings& einstellungen) {
    bool zahl = false;
    const int stufe = einstellungen.value(kStufe).toInt(&zahl);
    const bool gueltig = zahl && stufe >= kKleinste && stufe <= kGroesste;
    const bool wachsen = einstellungen.value(kMitwachsen).toString() == QLatin1String("true");
    const int neu = gueltig ? stufe : 0;
    if (neu == stufe_ && wachsen == mitwachsen_) return;
    stufe_ = neu;
    mitwachsen_ = wachsen;
    emit Geaendert();
}

void Ansichtsgroesse::Speichere(QSettings& einstellungen) const {
    einstellungen.setValue(kStufe, stufe_);
    einstellungen.setValue(kMitwachsen, mitwachsen_);
}

QFont Vergroessert(QFont schrift, double faktor) {
    if (schrift.pixelSize() > 0)
        schrift.setPixelSize(
            std::max(1, static_cast<int>(std::lround(schrift.pixelSize() * faktor))));
    else if (schrift.pointSizeF() > 0)
        schrift.setPointSizeF(schrift.pointSizeF() * faktor);
    return schrift;
}

Groessenbefehle ErzeugeGroessenbefehle(QObject* besitzer, Ansichtsgroesse& ansicht) {
    auto befehl = [&](const QString& text, QList<QKeySequence> tasten, auto handler,
                      const char* hinweis) {
        auto* a = new QAction(text, besitzer);
        a->setShortcuts(tasten);
        a->setStatusTip(QString::fromUtf8(hinweis));
        QObject::connect(a, &QAction::triggered, &ansicht, handler);
        return a;
    };
    // Ctrl+= as well: on keyboards where "+" needs Shift, that is the key people press.
    return {befehl(QString::fromUtf8("&Größer"),
                   {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                   &Ansichtsgroesse::Groesser,
                   "Gleichungen, Startwerte, Graph und Tabelle größer zeigen"),
            befehl(QStringLiteral("&Kleiner"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                   &Ansichtsgroesse::Kleiner,
                   "Gleichungen, Startwerte, Graph und Tabelle kleiner zeigen"),
            befehl(QStringLiteral("&Normal"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                   &Ansichtsgroesse::Normal, "Die Schrift wieder in der üblichen Größe zeigen")};
}

void HaengeGroessentastenAn(QWidget* fenster, Ansichtsgroesse& ansicht) {
    const Groessenbefehle b = ErzeugeGroessenbefehle(fenster, ansicht);
    fenster->addActions({b.groesser, b.kleiner, b.normal});
}

}  // namespace quintor
