#include "auswertung.h"

#include <cmath>

#include "rechnen.h"

namespace quintor {

namespace {

using namespace rechnen;

class Baumauswertung {
  public:
    explicit Baumauswertung(Modell& m) : modell_(m) {}

    bool gueltig = true;

    // Nodes still to be visited after a failure are not computed.
    double Wert(const TKnoten* k) {
        if (!gueltig) return 0.0;
        if (!k) {
            gueltig = false;
            return 0.0;
        }
        const double r = Berechne(*k);
        if (!std::isfinite(r)) gueltig = false;
        return r;
    }

  private:
    double Berechne(const TKnoten& k) {
        switch (k.Art) {
            case TKnotenArt::kaZahl:
                return k.Zahlwert;
            case TKnotenArt::kaVariable:
                if (k.Index < 1 || k.Index > kMaxVariablen) return kUngueltig;
                return modell_.Variablen[static_cast<std::size_t>(k.Index)].Wert;
            case TKnotenArt::kaMinus:
                return -Wert(k.Links.get());
            case TKnotenArt::kaOperation:
                return Operation(k);
            case TKnotenArt::kaFunktion:
                return Funktion(k);
        }
        return kUngueltig;
    }

    double Operation(const TKnoten& k) {
        if (k.Zeichen == '/') {
            const double d = Wert(k.Rechts.get());
            if (!gueltig) return 0.0;
            if (DivisorZuKlein(d)) return Klemme(d);
            const double a = Wert(k.Links.get());
            return D(static_cast<Ext>(a) / d);
        }
        const double a = Wert(k.Links.get());
        const double b = Wert(k.Rechts.get());
        if (!gueltig) return 0.0;
        switch (k.Zeichen) {
            case '+':
                return D(static_cast<Ext>(a) + b);
            case '-':
                return D(static_cast<Ext>(a) - b);
            case '*':
                return D(static_cast<Ext>(a) * b);
            case '^':
                if (GanzUndPositiv(b)) return GanzePotenz(a, b);
                if (a <= kKlein) return kUngueltig;
                {
                    const double e2 = Wert(k.Rechts.get());
                    if (!gueltig) return 0.0;
                    return ReellePotenz(a, e2);
                }
        }
        return kUngueltig;
    }

    double Funktion(const TKnoten& k) {
        const double x = Wert(k.Rechts.get());
        // This node was entered before its argument failed: it still draws its number, so
        // that the later draws of the run keep their places in the sequence.
        if (k.Funktion == TFunktion::RANDOM) {
            const double r = Zufall(modell_.Zufallszustand, x);
            return gueltig ? r : 0.0;
        }
        if (!gueltig) return 0.0;
        switch (k.Funktion) {
            case TFunktion::TAN: {
                const double x2 = Wert(k.Rechts.get());
                if (!gueltig) return 0.0;
                return Tangens(x, x2);
            }
            default:
                return Funktionswert(k.Funktion, x);
        }
    }

    Modell& modell_;
};

}  // namespace

double Funktionsberechnung(Modell& modell, const TKnoten* baum) {
    if (!baum) return Fehlerwert;
    Baumauswertung a(modell);
    const double wert = a.Wert(baum);
    return a.gueltig ? wert : Fehlerwert;
}

}  // namespace quintor
