#include "uebersetzer.h"

#include <array>
#include <utility>

#include "text.h"
#include "zahltext.h"

namespace quintor {

namespace uebersetzer {

std::string Normalisiere(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (char c : s) {
        if (c == ' ') continue;
        r.push_back((c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c);
    }
    return r;
}

namespace {
bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}
}  // namespace

std::optional<std::size_t> SucheOperator(std::string_view s, std::string_view menge) {
    long tiefe = 0;
    for (std::size_t q = s.size(); q-- > 0;) {
        const char c = s[q];
        if (c == ')') {
            ++tiefe;
        } else if (c == '(') {
            --tiefe;
        } else if (tiefe == 0 && q > 0 && menge.find(c) != std::string_view::npos) {
            // A sign after "E" or "^" that follows a digit belongs to a number: 1.5E-3, 2^-3.
            const bool zurZahl =
                (s[q - 1] == 'E' || s[q - 1] == '^') && q >= 2 && IstZiffer(s[q - 2]);
            if (!zurZahl) return q;
        }
    }
    return std::nullopt;
}

bool HatVorzeichen(std::string_view s) {
    return !s.empty() && (s[0] == '+' || s[0] == '-');
}

std::optional<TFunktion> Funktionsnummer(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, TFunktion>, 18> kNamen{{
        {"", TFunktion::Klammer},
        {"ABS", TFunktion::ABS},
        {"ARCSIN", TFunktion::ARCSIN},
        {"ARCTAN", TFunktion::ARCTAN},
        {"COS", TFunktion::COS},
        {"EXP", TFunktion::EXP},
        {"SINH", TFunktion::SINH},
        {"COSH", TFunktion::COSH},
        {"FRAC", TFunktion::FRAC},
        {"INT", TFunktion::INT},
        {"LN", TFunktion::LN},
        {"SIN", TFunktion::SIN},
        {"TANH", TFunktion::TANH},
        {"SQR", TFunktion::SQR},
        {"SQRT", TFunktion::SQRT},
        {"TAN", TFunktion::TAN},
        {"RANDOM", TFunktion::RANDOM},
        {"H", TFunktion::H},
    }};
    for (const auto& [n, f] : kNamen)
        if (n == name) return f;
    return std::nullopt;
}

std::optional<std::size_t> IstFunktion(std::string_view s) {
    const std::size_t p = s.find('(');
    if (p == std::string_view::npos) return std::nullopt;
    if (!Funktionsnummer(s.substr(0, p))) return std::nullopt;
    if (s.back() != ')') return std::nullopt;
    return p;
}

std::optional<double> IstZahl(std::string_view s) {
    std::optional<long double> wert = LeseZahl(s);
    if (!wert) return std::nullopt;
    std::optional<double> d = AlsDouble(*wert);
    if (!d) throw Gleitkommaueberlauf();
    return d;
}

}  // namespace uebersetzer

namespace {

using namespace uebersetzer;

class Baumbauer {
  public:
    Baumbauer(Modell& modell, Meldungen& meldungen) : modell_(modell), meldungen_(meldungen) {}

    bool uebersetzt = true;

    PKnoten BaueBaum(std::string_view s) {
        if (!uebersetzt || s.empty()) {
            uebersetzt = false;
            return nullptr;
        }
        if (auto p = SucheOperator(s, "+-")) return Operation(s, *p);
        if (auto p = SucheOperator(s, "*/")) return Operation(s, *p);
        if (HatVorzeichen(s)) {
            if (s[0] == '+') return BaueBaum(s.substr(1));
            auto k = std::make_unique<TKnoten>();
            k->Art = TKnotenArt::kaMinus;
            k->Links = BaueBaum(s.substr(1));
            return k;
        }
        if (auto p = SucheOperator(s, "^")) return Operation(s, *p);
        if (auto p = IstFunktion(s)) {
            auto k = std::make_unique<TKnoten>();
            k->Art = TKnotenArt::kaFunktion;
            k->Funktionsname = std::string(s.substr(0, *p));
            k->Funktion = *Funktionsnummer(k->Funktionsname);
            k->Rechts = BaueBaum(s.substr(*p + 1, s.size() - *p - 2));
            return k;
        }
        if (auto z = IstZahl(s)) {
            auto k = std::make_unique<TKnoten>();
            k->Art = TKnotenArt::kaZahl;
            k->Zahlwert = *z;
            return k;
        }
        if (auto i = VariablenIndex(s)) {
            auto k = std::make_unique<TKnoten>();
            k->Art = TKnotenArt::kaVariable;
            k->Index = *i;
            return k;
        }
        uebersetzt = false;
        return nullptr;
    }

  private:
    PKnoten Operation(std::string_view s, std::size_t p) {
        auto k = std::make_unique<TKnoten>();
        k->Art = TKnotenArt::kaOperation;
        k->Zeichen = s[p];
        k->Links = BaueBaum(s.substr(0, p));
        k->Rechts = BaueBaum(s.substr(p + 1));
        return k;
    }

    std::optional<std::int32_t> VariablenIndex(std::string_view s) {
        std::optional<std::int32_t> gefunden;
        for (std::int32_t i = 1; i <= modell_.Variablenzahl; ++i)
            if (GleichGross(s, modell_.Variablen[static_cast<std::size_t>(i)].Name)) gefunden = i;
        if (gefunden) return gefunden;
        if (modell_.Variablenzahl >= kMaxVariablen) {
            meldungen_.Melde(Meldungsart::Fehler, "Zu viele Variable! Die Maximalzahl ist 100.");
            return std::nullopt;
        }
        ++modell_.Variablenzahl;
        modell_.Variablen[static_cast<std::size_t>(modell_.Variablenzahl)].Name = std::string(s);
        return modell_.Variablenzahl;
    }

    Modell& modell_;
    Meldungen& meldungen_;
};

}  // namespace

PKnoten Uebersetze(std::string_view text, Modell& modell, Meldungen& meldungen) {
    // The cut comes before the blanks are removed.
    const std::string s = Normalisiere(ErsteZeichen(text, kMaxRechteSeite));
    Baumbauer bauer(modell, meldungen);
    PKnoten wurzel = bauer.BaueBaum(s);
    if (!bauer.uebersetzt) return nullptr;
    return wurzel;
}

bool EnthaeltZufall(const TKnoten* k) {
    if (!k) return false;
    if (k->Art == TKnotenArt::kaFunktion && k->Funktion == TFunktion::RANDOM) return true;
    return EnthaeltZufall(k->Links.get()) || EnthaeltZufall(k->Rechts.get());
}

}  // namespace quintor
