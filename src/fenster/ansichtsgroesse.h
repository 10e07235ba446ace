// How large the windows show their text: a zoom level for the projector, and whether the main
// window's fields grow with the window. Kept in the user's own settings, never in a model.
#pragma once

#include <QFont>
#include <QObject>

class QAction;
class QSettings;
class QWidget;

namespace quintor {

class Ansichtsgroesse : public QObject {
    Q_OBJECT

  public:
    // Level 0 is the designed size; each step up or down is one of the factors below.
    static constexpr int kKleinste = -2;
    static constexpr int kGroesste = 6;

    using QObject::QObject;

    int Stufe() const { return stufe_; }
    double Faktor() const;
    bool Mitwachsen() const { return mitwachsen_; }

    void SetzeStufe(int stufe);
    void SetzeMitwachsen(bool an);
    void Groesser() { SetzeStufe(stufe_ + 1); }
    void Kleiner() { SetzeStufe(stufe_ - 1); }
    void Normal() { SetzeStufe(0); }

    // The group "Ansicht" of the user's settings; values out of range count as the default.
    void Lade(const QSettings& einstellungen);
    void Speichere(QSettings& einstellungen) const;

  signals:
    void Geaendert();

  private:
    int stufe_ = 0;
    bool mitwachsen_ = false;
};

// `schrift` with its size times `faktor`, in the unit it was given in.
QFont Vergroessert(QFont schrift, double faktor);

// "Größer", "Kleiner" and "Normal" with their keys (Ctrl++, Ctrl+-, Ctrl+0), acting on `ansicht`.
struct Groessenbefehle {
    QAction *groesser, *kleiner, *normal;
};
Groessenbefehle ErzeugeGroessenbefehle(QObject* besitzer, Ansichtsgroesse& ansicht);
// The same keys in a window of its own (the graph and the table are modal over the menu).
void HaengeGroessentastenAn(QWidget* fenster, Ansichtsgroesse& ansicht);

}  // namespace quintor
