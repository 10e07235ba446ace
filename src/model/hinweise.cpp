#include "hinweise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "auswertung.h"
#include "zahltext.h"

namespace quintor {

namespace {

class Stumm : public Meldungen {
  public:
    void Melde(Meldungsart, const std::string&) override {}
};

const TVariable& Variable(const Modell& m, std::int32_t i) {
    return m.Variablen[static_cast<std::size_t>(i)];
}

// Equation k (from 1) is the k-th non-empty editor line; a scan drops the empty ones, but the
// text may still hold some when the editor has not taken the scanned text back yet.
std::vector<int> Editorzeilen(const Dokument& d) {
    std::vector<int> zeilen{0};
    const auto& z = d.Zeilen();
    for (std::size_t i = 0; i < z.size(); ++i)
        if (!z[i].empty()) zeilen.push_back(static_cast<int>(i + 1));
    return zeilen;
}

template <class F>
void Besuche(const TKnoten* k, F&& f) {
    if (!k) return;
    f(*k);
    Besuche(k->Links.get(), f);
    Besuche(k->Rechts.get(), f);
}

// A plain number under signs and parentheses, or nullptr.
const TKnoten* ReineZahl(const TKnoten* k) {
    while (k && (k->Art == TKnotenArt::kaMinus ||
                 (k->Art == TKnotenArt::kaFunktion && k->Funktion == TFunktion::Klammer)))
        k = k->Art == TKnotenArt::kaMinus ? k->Links.get() : k->Rechts.get();
    return k && k->Art == TKnotenArt::kaZahl ? k : nullptr;
}

std::string OhneLeerzeichen(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

bool StartwertNull(const Dokument& d, std::int32_t i) {
    Stumm stumm;
    try {
        return TextZuZahl(d.Startwerttext(i), stumm) == 0.0f;
    } catch (const Gleitkommaueberlauf&) {
        return false;
    }
}

// What the scan of one model shows: per variable its first use and whether a line defines it.
struct Uebersicht {
    std::vector<int> ersteNutzung, definition;  // editor lines, 0 for none; indexed from 1
};

Uebersicht Uebersehe(const Modell& m, const std::vector<int>& zeilen) {
    const auto n = static_cast<std::size_t>(m.Variablenzahl) + 1;
    Uebersicht u{std::vector<int>(n, 0), std::vector<int>(n, 0)};
    for (std::int32_t g = 1; g <= m.Gleichungszahl && static_cast<std::size_t>(g) < zeilen.size();
         ++g) {
        const TGleichung& gl = m.Gleichungsliste[static_cast<std::size_t>(g)];
        const int zeile = zeilen[static_cast<std::size_t>(g)];
        if (gl.Ziel >= 1 && static_cast<std::size_t>(gl.Ziel) < n &&
            u.definition[static_cast<std::size_t>(gl.Ziel)] == 0)
            u.definition[static_cast<std::size_t>(gl.Ziel)] = zeile;
        Besuche(gl.Baum.get(), [&](const TKnoten& k) {
            if (k.Art != TKnotenArt::kaVariable || k.Index < 1 ||
                static_cast<std::size_t>(k.Index) >= n)
                return;
            int& erste = u.ersteNutzung[static_cast<std::size_t>(k.Index)];
            if (erste == 0) erste = zeile;
        });
    }
    return u;
}

void Namenshinweise(const Dokument& d, const Uebersicht& u, std::vector<Hinweis>& aus) {
    const Modell& m = d.Daten();
    std::vector<bool> gemeldet(u.definition.size(), false);
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i) {
        const std::string& name = Variable(m, i).Name;
        const auto ui = static_cast<std::size_t>(i);
        const int zeile = u.definition[ui] ? u.definition[ui] : u.ersteNutzung[ui];
        if (name.find(',') != std::string::npos && LeseZahl(KommaZuPunkt(name))) {
            aus.push_back({zeile, "Dezimalpunkt verwenden: " + KommaZuPunkt(name)});
            gemeldet[ui] = true;
        }
        for (std::int32_t j = i + 1; j <= m.Variablenzahl; ++j) {
            const std::string& anderer = Variable(m, j).Name;
            if (OhneLeerzeichen(name) != OhneLeerzeichen(anderer)) continue;
            const auto uj = static_cast<std::size_t>(j);
            const bool iLeer = name.find(' ') != std::string::npos;
            const int z = iLeer && u.definition[ui] ? u.definition[ui]
                          : u.definition[uj]        ? u.definition[uj]
                                                    : zeile;
            aus.push_back(
                {z, "„" + name + "“ und „" + anderer + "“ sind verschiedene Namen (Leerzeichen)"});
            gemeldet[ui] = gemeldet[uj] = true;
        }
    }
    // Checked after the pairs: a name already explained needs no second hint.
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        if (gemeldet[ui] || u.definition[ui] || !u.ersteNutzung[ui] || !StartwertNull(d, i))
            continue;
        aus.push_back({u.ersteNutzung[ui], Variable(m, i).Name +
                                               " steht nur rechts und hat den Startwert 0 "
                                               "(Konstante vergessen?)"});
    }
}

void Winkelhinweise(const Modell& m, const std::vector<int>& zeilen, std::vector<Hinweis>& aus) {
    for (std::int32_t g = 1; g <= m.Gleichungszahl && static_cast<std::size_t>(g) < zeilen.size();
         ++g) {
        const int zeile = zeilen[static_cast<std::size_t>(g)];
        Besuche(m.Gleichungsliste[static_cast<std::size_t>(g)].Baum.get(), [&](const TKnoten& k) {
            if (k.Art != TKnotenArt::kaFunktion ||
                (k.Funktion != TFunktion::SIN && k.Funktion != TFunktion::COS &&
                 k.Funktion != TFunktion::TAN))
                return;
            const TKnoten* zahl = ReineZahl(k.Rechts.get());
            if (zahl && std::fabs(zahl->Zahlwert) > 2 * std::numbers::pi)
                aus.push_back({zeile, k.Funktionsname + " rechnet im Bogenmaß"});
        });
    }
}

// Finds where the error value of a right side comes from, evaluating its parts on the current
// values in the order the evaluation visits them.
class Ursachensuche {
  public:
    explicit Ursachensuche(Modell& m) : modell_(m), zustand_(m.Zufallszustand) {}
    ~Ursachensuche() { modell_.Zufallszustand = zustand_; }
    Ursachensuche(const Ursachensuche&) = delete;
    Ursachensuche& operator=(const Ursachensuche&) = delete;

    std::string Ursache(const TKnoten* k) {
        if (!k) return "rechte Seite unvollständig";
        for (const TKnoten* kind : Kinder(*k)) {
            if (!kind) return "rechte Seite unvollständig";
            if (Fehlerhaft(kind)) return Ursache(kind);
        }
        if (!Fehlerhaft(k)) return {};
        switch (k->Art) {
            case TKnotenArt::kaVariable:
                return Variable(modell_, k->Index).Name + " ist 1E30";
            case TKnotenArt::kaFunktion:
                return k->Funktion == TFunktion::Klammer ? std::string()
                                                         : k->Funktionsname + " nicht berechenbar";
            case TKnotenArt::kaOperation:
                if (k->Zeichen == '^') return "Potenz nicht berechenbar";
                if (k->Zeichen == '/' && std::fabs(Wert(k->Rechts.get())) <= 1e-30)
                    return "Division durch 0";
                return "Rechenüberlauf";
            default:
                return {};
        }
    }

  private:
    static std::vector<const TKnoten*> Kinder(const TKnoten& k) {
        switch (k.Art) {
            case TKnotenArt::kaMinus:
                return {k.Links.get()};
            case TKnotenArt::kaFunktion:
                return {k.Rechts.get()};
            case TKnotenArt::kaOperation:
                if (k.Zeichen == '/') return {k.Rechts.get(), k.Links.get()};
                return {k.Links.get(), k.Rechts.get()};
            default:
                return {};
        }
    }

    double Wert(const TKnoten* k) {
        if (k->Art == TKnotenArt::kaVariable && k->Index >= 1 && k->Index <= kMaxVariablen)
            return Variable(modell_, k->Index).Wert;
        return Funktionsberechnung(modell_, k);
    }

    // The value is the error value as the store would keep it.
    bool Fehlerhaft(const TKnoten* k) {
        const double w = std::fabs(Wert(k));
        return w < 1e38 && static_cast<float>(w) == static_cast<float>(Fehlerwert);
    }

    Modell& modell_;
    std::uint32_t zustand_;
};

}  // namespace

std::vector<Hinweis> Scanhinweise(const Dokument& dokument) {
    std::vector<Hinweis> aus;
    const Modell& m = dokument.Daten();
    if (!dokument.Lauffaehig()) return aus;
    const std::vector<int> zeilen = Editorzeilen(dokument);
    Namenshinweise(dokument, Uebersehe(m, zeilen), aus);
    Winkelhinweise(m, zeilen, aus);
    std::stable_sort(aus.begin(), aus.end(),
                     [](const Hinweis& a, const Hinweis& b) { return a.zeile < b.zeile; });
    return aus;
}

std::vector<Hinweis> Laufhinweise(Dokument& dokument) {
    if (!dokument.Lauffaehig()) return {};
    Modell& m = dokument.Daten();
    const std::vector<int> zeilen = Editorzeilen(dokument);
    const float fehler = static_cast<float>(Fehlerwert);
    for (std::int32_t g = 1; g <= m.Gleichungszahl && static_cast<std::size_t>(g) < zeilen.size();
         ++g) {
        const TGleichung& gl = m.Gleichungsliste[static_cast<std::size_t>(g)];
        if (gl.Ziel < 1 || std::fabs(Variable(m, gl.Ziel).Wert) != fehler) continue;
        std::string text = Variable(m, gl.Ziel).Name + " wurde 1E30";
        const std::string ursache = Ursachensuche(m).Ursache(gl.Baum.get());
        if (!ursache.empty()) text += ": " + ursache;
        return {{zeilen[static_cast<std::size_t>(g)], text}};
    }
    return {};
}

std::string Hinweiszeile(const Hinweis& h) {
    return "Zeile " + std::to_string(h.zeile) + ": " + h.text;
}

std::string Hinweiszusammenfassung(const std::vector<Hinweis>& hinweise) {
    if (hinweise.empty()) return {};
    if (hinweise.size() == 1) return Hinweiszeile(hinweise.front());
    return std::to_string(hinweise.size()) + " Hinweise, zuerst " + Hinweiszeile(hinweise.front());
}

}  // namespace quintor
