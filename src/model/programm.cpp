#include "programm.h"

#include <cmath>

#include "auswertung.h"
#include "rechnen.h"

namespace quintor {

namespace {

using namespace rechnen;

// Binary operations come in four forms by operand kind: single variable (F) or double value (D).
enum Op : std::uint16_t {
    ADD_FF,
    ADD_FD,
    ADD_DF,
    ADD_DD,
    SUB_FF,
    SUB_FD,
    SUB_DF,
    SUB_DD,
    MUL_FF,
    MUL_FD,
    MUL_DF,
    MUL_DD,
    DIV_FF,
    DIV_FD,
    DIV_DF,
    DIV_DD,
    POW_FF,
    POW_FD,
    POW_DF,
    POW_DD,
    NEG_F,
    NEG_D,
    FUN_F,
    FUN_D,
    BAUM,  // an equation with RANDOM: the tree walk
    SPEICHERN_F,
    SPEICHERN_D,
    ENDE,
};

struct Operand {
    bool single;  // a variable (index into Variablen) or a value (index into werte_)
    std::int32_t nr;
};

struct Roh {
    Op op;
    std::uint16_t fn = 0;
    std::int32_t nr = 0, ziel = 0;
    Operand a{}, b{};
    std::int32_t z = -1;  // result value, or -1 for a store
    const TKnoten* baum = nullptr;
};

class Codegenerator {
  public:
    explicit Codegenerator(std::vector<double>& werte) : werte_(werte) {}
    std::vector<Roh> code;

    std::int32_t Konstante(double v) {
        werte_.push_back(v);
        return static_cast<std::int32_t>(werte_.size() - 1);
    }

    Operand Ausdruck(const TKnoten& k) {
        switch (k.Art) {
            case TKnotenArt::kaZahl:
                return {false, Konstante(k.Zahlwert)};
            case TKnotenArt::kaVariable:
                if (k.Index < 1 || k.Index > kMaxVariablen) return {false, Konstante(kUngueltig)};
                return {true, k.Index};
            case TKnotenArt::kaMinus: {
                Operand a = Ausdruck(*k.Links);
                return Ergebnis(Roh{a.single ? NEG_F : NEG_D, 0, 0, 0, a, {}});
            }
            case TKnotenArt::kaFunktion: {
                Operand a = Ausdruck(*k.Rechts);
                if (k.Funktion == TFunktion::Klammer) return a;
                return Ergebnis(Roh{
                    a.single ? FUN_F : FUN_D, static_cast<std::uint16_t>(k.Funktion), 0, 0, a, {}});
            }
            case TKnotenArt::kaOperation: {
                Operand a = Ausdruck(*k.Links);
                Operand b = Ausdruck(*k.Rechts);
                Op basis = ADD_FF;
                switch (k.Zeichen) {
                    case '+':
                        basis = ADD_FF;
                        break;
                    case '-':
                        basis = SUB_FF;
                        break;
                    case '*':
                        basis = MUL_FF;
                        break;
                    case '/':
                        basis = DIV_FF;
                        break;
                    default:
                        basis = POW_FF;
                        break;
                }
                auto op = static_cast<Op>(basis + (a.single ? 0 : 2) + (b.single ? 0 : 1));
                return Ergebnis(Roh{op, 0, 0, 0, a, b});
            }
        }
        return {false, Konstante(kUngueltig)};
    }

    Operand Ergebnis(Roh r) {
        r.z = Konstante(0.0);
        code.push_back(r);
        return {false, r.z};
    }

  private:
    std::vector<double>& werte_;
};

}  // namespace

void Schrittprogramm::Baue(Modell& modell) {
    werte_.clear();
    Codegenerator gen(werte_);
    const std::int32_t anzahl = std::min<std::int32_t>(modell.Gleichungszahl, kMaxGleichungen);
    for (std::int32_t e = 1; e <= anzahl; ++e) {
        const TGleichung& g = modell.Gleichungsliste[static_cast<std::size_t>(e)];
        if (g.Ziel < 1 || g.Ziel > kMaxVariablen) continue;  // no target: never written
        Operand wert;
        if (!g.Baum) {
            wert = {false, gen.Konstante(Fehlerwert)};
        } else if (EnthaeltZufall(g.Baum.get())) {
            Roh r{BAUM};
            r.baum = g.Baum.get();
            wert = gen.Ergebnis(r);
        } else {
            wert = gen.Ausdruck(*g.Baum);
        }
        Roh s{wert.single ? SPEICHERN_F : SPEICHERN_D, 0, e, g.Ziel, wert, {}};
        gen.code.push_back(s);
    }
    gen.code.push_back(Roh{ENDE});

    // Addresses only now: the value array no longer grows.
    auto adresse = [&](Operand o) -> const void* {
        if (o.single) return &modell.Variablen[static_cast<std::size_t>(o.nr)].Wert;
        return &werte_[static_cast<std::size_t>(o.nr)];
    };
    code_.clear();
    code_.reserve(gen.code.size());
    for (const Roh& r : gen.code) {
        Befehl b{r.op, r.fn, r.nr, r.ziel, nullptr, nullptr, nullptr};
        if (r.op == BAUM) {
            b.A = r.baum;
        } else if (r.op != ENDE) {
            b.A = adresse(r.a);
            if (r.op < NEG_F) b.B = adresse(r.b);
        }
        if (r.op == SPEICHERN_F || r.op == SPEICHERN_D)
            b.Z = &modell.Variablen[static_cast<std::size_t>(r.ziel)].Wert;
        else if (r.z >= 0)
            b.Z = &werte_[static_cast<std::size_t>(r.z)];
        code_.push_back(b);
    }
}

namespace {

// Poisoned values (NaN for a domain error, infinity for an overflow) must never turn finite
// again, so every operation that could hide them checks its operands.
inline double Division(Ext a, Ext d) {
    if (DivisorZuKlein(d)) return Klemme(d);
    if (!std::isfinite(d)) return kUngueltig;
    return D(a / d);
}

inline double Potenz(double b, double e) {
    if (!std::isfinite(b) || !std::isfinite(e)) return kUngueltig;
    if (GanzUndPositiv(e)) return GanzePotenz(b, e);
    if (b <= kKlein) return kUngueltig;
    return ReellePotenz(b, e);
}

inline double Funktion(std::uint16_t f, double x) {
    if (!std::isfinite(x)) return kUngueltig;
    return Funktionswert(static_cast<TFunktion>(f), x);
}

inline bool PasstInSingle(double x) {
    return std::fabs(x) < 0x1.ffffffp+127;
}

}  // namespace

int Schrittprogramm::Fuehreaus(Modell& modell, Ergebnisanzeige* anzeige) const {
    static void* const sprung[] = {
        &&ADD_FF, &&ADD_FD, &&ADD_DF, &&ADD_DD, &&SUB_FF,      &&SUB_FD,      &&SUB_DF,
        &&SUB_DD, &&MUL_FF, &&MUL_FD, &&MUL_DF, &&MUL_DD,      &&DIV_FF,      &&DIV_FD,
        &&DIV_DF, &&DIV_DD, &&POW_FF, &&POW_FD, &&POW_DF,      &&POW_DD,      &&NEG_F,
        &&NEG_D,  &&FUN_F,  &&FUN_D,  &&BAUM,   &&SPEICHERN_F, &&SPEICHERN_D, &&ENDE,
    };
    const Befehl* b = code_.data();

#define QF(p) (*static_cast<const float*>(p))
#define QD(p) (*static_cast<const double*>(p))
#define ZIEL (*static_cast<double*>(b->Z))
#define WEITER goto* sprung[(++b)->Op]
// clang-format off
#define FORM(NAME, QA, QB, AUSDRUCK) \
    NAME : { const Ext x = QA(b->A), y = QB(b->B); ZIEL = AUSDRUCK; WEITER; }
#define VIER(NAME, AUSDRUCK)                                                         \
    FORM(NAME##_FF, QF, QF, AUSDRUCK) FORM(NAME##_FD, QF, QD, AUSDRUCK)              \
    FORM(NAME##_DF, QD, QF, AUSDRUCK) FORM(NAME##_DD, QD, QD, AUSDRUCK)
    // clang-format on

    goto* sprung[b->Op];
    VIER(ADD, D(x + y))
    VIER(SUB, D(x - y))
    VIER(MUL, D(x * y))
    VIER(DIV, Division(x, y))
    VIER(POW, Potenz(static_cast<double>(x), static_cast<double>(y)))
NEG_F:
    ZIEL = -static_cast<double>(QF(b->A));
    WEITER;
NEG_D:
    ZIEL = -QD(b->A);
    WEITER;
FUN_F:
    ZIEL = Funktion(b->Fn, QF(b->A));
    WEITER;
FUN_D:
    ZIEL = Funktion(b->Fn, QD(b->A));
    WEITER;
BAUM:
    ZIEL = Funktionsberechnung(modell, static_cast<const TKnoten*>(b->A));
    WEITER;
SPEICHERN_F : {
    double x = QF(b->A);
    if (!std::isfinite(x)) x = Fehlerwert;
    const float v = static_cast<float>(x);
    *static_cast<float*>(b->Z) = v;
    if (anzeige) anzeige->Ergebnis(b->Ziel, v);
    WEITER;
}
SPEICHERN_D : {
    double x = QD(b->A);
    if (!std::isfinite(x)) x = Fehlerwert;
    if (!PasstInSingle(x)) return b->Nr;
    const float v = static_cast<float>(x);
    *static_cast<float*>(b->Z) = v;
    if (anzeige) anzeige->Ergebnis(b->Ziel, v);
    WEITER;
}
ENDE:
    return 0;

#undef VIER
#undef FORM
#undef WEITER
#undef ZIEL
#undef QD
#undef QF
}

}  // namespace quintor
