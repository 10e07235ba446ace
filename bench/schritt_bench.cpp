// Nanoseconds per model step, four ways side by side: the compiled step (Rechenschritt), the
// tree walk (Funktionsberechnung per equation), a hand-written loop with the same rounding (the
// limit), and muparser on the same right sides (the yardstick).
//
// One benchmark iteration is one run of kSchritte steps from the start values, so every run sees
// the same range of values (T of the second model would otherwise grow without end) and the
// values checked before timing are exactly the values timed.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "auswertung.h"
#include "dokument.h"
#include "meldungen.h"
#include "modell.h"
#include "schritt.h"

namespace {

using namespace quintor;
using Ext = long double;

constexpr int kSchritte = 1000;

struct Beispiel {
    const char* name;
    std::vector<std::string> zeilen;
    std::vector<std::pair<std::string, std::string>> startwerte;
    std::vector<std::pair<std::string, std::string>> muparser;  // target, right side
};

// DT 0.01: 1000 steps are 1.6 periods; the symplectic pair stays on its orbit, far from
// denormals and overflow.
const Beispiel kOszillator{
    "a_oszillator",
    {"X:=X+V*DT", "V:=V-X*DT"},
    {{"X", "1"}, {"V", "0"}, {"DT", "0.01"}},
    {{"X", "X+V*DT"}, {"V", "V-X*DT"}},
};

// T runs to 10: SIN sees arguments to 20, EXP arguments down to -5 (never the clamp at -69);
// -SQRT(ABS(X)) keeps X bounded.
const Beispiel kFunktionen{
    "b_sin_exp_sqrt",
    {"T:=T+DT", "X:=A*SIN(W*T)+B*EXP(-K*T)-SQRT(ABS(X))"},
    {{"T", "0"}, {"X", "0"}, {"DT", "0.01"}, {"A", "1"}, {"W", "2"}, {"B", "1"}, {"K", "0.5"}},
    {{"T", "T+DT"}, {"X", "A*sin(W*T)+B*exp(-K*T)-sqrt(abs(X))"}},
};

class Abbruch : public Meldungen {
  public:
    void Melde(Meldungsart, const std::string& text) override { throw std::runtime_error(text); }
};

// A model scanned and given its start values the way the main window does it.
struct Gescannt {
    Dokument d;
    Modell& m = d.Daten();
    Abbruch meldungen;

    explicit Gescannt(const Beispiel& b) {
        d.SetzeZeilen(b.zeilen);
        if (d.Scanne(meldungen) != Scanergebnis::Fertig)
            throw std::runtime_error(std::string("scan failed: ") + b.name);
        for (const auto& [name, wert] : b.startwerte) d.SetzeStartwerttext(Nr(name), wert);
        if (!d.StartwerteUebernehmen(meldungen)) throw std::runtime_error("start values");
    }
    int Nr(const std::string& name) const {
        for (int i = 1; i <= m.Variablenzahl; ++i)
            if (m.Variablen[static_cast<std::size_t>(i)].Name == name) return i;
        throw std::runtime_error("no variable " + name);
    }
    float Start(const std::string& name) const {
        return m.StartwertListe[static_cast<std::size_t>(Nr(name))];
    }
    float Wert(const std::string& name) const {
        return m.Variablen[static_cast<std::size_t>(Nr(name))].Wert;
    }
    void Zuruecksetzen() {
        for (int i = 1; i <= m.Variablenzahl; ++i)
            m.Variablen[static_cast<std::size_t>(i)].Wert =
                m.StartwertListe[static_cast<std::size_t>(i)];
    }
};

// --- the four ways -------------------------------------------------------------------------

struct Quintorschritt : Gescannt {
    using Gescannt::Gescannt;
    void Schritt() { Rechenschritt(m); }
};

struct Baumauswertung : Gescannt {
    using Gescannt::Gescannt;
    void Schritt() {
        for (int e = 1; e <= m.Gleichungszahl; ++e) {
            const TGleichung& g = m.Gleichungsliste[static_cast<std::size_t>(e)];
            if (g.Ziel < 1) continue;
            const double w = Funktionsberechnung(m, g.Baum.get());
            if (!(std::fabs(w) < 0x1.ffffffp+127)) throw Gleitkommaueberlauf();
            m.Variablen[static_cast<std::size_t>(g.Ziel)].Wert = static_cast<float>(w);
        }
    }
};

inline double D(Ext v) {
    return static_cast<double>(v);
}
inline float F(double v) {
    return static_cast<float>(v);
}

// The hand-written loops keep their variables in memory that the compiler must treat as seen
// from outside, and a barrier after every step makes each step read them afresh (DT included),
// as a model does. Each operation in long double, rounded to double; float at the store.
struct HandOszillator {
    struct Werte {
        float X, V, DT;
    } w{}, start{};

    explicit HandOszillator(const Beispiel& b) {
        const Gescannt q(b);
        start = {q.Start("X"), q.Start("V"), q.Start("DT")};
        Werte* p = &w;
        benchmark::DoNotOptimize(p);
    }
    void Zuruecksetzen() {
        w = start;
        benchmark::ClobberMemory();
    }
    void Schritt() {
        w.X = F(D(Ext(w.X) + D(Ext(w.V) * w.DT)));
        w.V = F(D(Ext(w.V) - D(Ext(w.X) * w.DT)));
        benchmark::ClobberMemory();
    }
    float Wert(const std::string& n) const { return n == "X" ? w.X : n == "V" ? w.V : w.DT; }
};

struct HandFunktionen {
    struct Werte {
        float T, X, DT, A, W, B, K;
    } w{}, start{};

    explicit HandFunktionen(const Beispiel& b) {
        const Gescannt q(b);
        start = {q.Start("T"), q.Start("X"), q.Start("DT"), q.Start("A"),
                 q.Start("W"), q.Start("B"), q.Start("K")};
        Werte* p = &w;
        benchmark::DoNotOptimize(p);
    }
    void Zuruecksetzen() {
        w = start;
        benchmark::ClobberMemory();
    }
    void Schritt() {
        w.T = F(D(Ext(w.T) + w.DT));
        const double s = D(Ext(w.A) * D(std::sin(Ext(D(Ext(w.W) * w.T)))));
        const double e = D(Ext(w.B) * D(std::exp(Ext(D(Ext(-double(w.K)) * w.T)))));
        const double r = D(std::sqrt(Ext(std::fabs(double(w.X)))));
        w.X = F(D(Ext(D(Ext(s) + e)) - r));
        benchmark::ClobberMemory();
    }
    float Wert(const std::string& n) const {
        if (n == "T") return w.T;
        if (n == "X") return w.X;
        if (n == "DT") return w.DT;
        if (n == "A") return w.A;
        if (n == "W") return w.W;
        if (n == "B") return w.B;
        return w.K;
    }
};

// muparser works in double; its results are rounded to float and stored back, so each equation
// sees what the earlier ones of the step stored.
struct Muparser {
    std::vector<std::string> namen;
    std::vector<double> werte, start;
    std::vector<std::unique_ptr<mu::Parser>> parser;
    std::vector<double*> ziel;

    explicit Muparser(const Beispiel& b) {
        const Gescannt q(b);
        namen.reserve(b.startwerte.size());
        for (const auto& sw : b.startwerte) {
            namen.push_back(sw.first);
            start.push_back(q.Start(sw.first));
        }
        werte = start;  // never reallocated: the parsers hold the addresses
        for (const auto& [z, rechts] : b.muparser) {
            auto p = std::make_unique<mu::Parser>();
            for (std::size_t i = 0; i < namen.size(); ++i) p->DefineVar(namen[i], &werte[i]);
            p->SetExpr(rechts);
            p->Eval();  // parses once, outside the timing
            parser.push_back(std::move(p));
            ziel.push_back(&werte[Index(z)]);
        }
    }
    std::size_t Index(const std::string& n) const {
        for (std::size_t i = 0; i < namen.size(); ++i)
            if (namen[i] == n) return i;
        throw std::runtime_error("no variable " + n);
    }
    void Zuruecksetzen() { werte = start; }
    void Schritt() {
        for (std::size_t i = 0; i < parser.size(); ++i)
            *ziel[i] = static_cast<double>(static_cast<float>(parser[i]->Eval()));
    }
    float Wert(const std::string& n) const { return static_cast<float>(werte[Index(n)]); }
};

// --- the check before timing ---------------------------------------------------------------

template <class Hand>
bool Pruefe(const Beispiel& b) {
    Quintorschritt q(b);
    Baumauswertung baum(b);
    Hand hand(b);
    Muparser mup(b);
    q.Zuruecksetzen();
    baum.Zuruecksetzen();
    hand.Zuruecksetzen();
    mup.Zuruecksetzen();
    bool gleich = true;
    double muAbweichung = 0.0;
    for (int s = 1; s <= kSchritte && gleich; ++s) {
        q.Schritt();
        baum.Schritt();
        hand.Schritt();
        mup.Schritt();
        for (const auto& sw : b.startwerte) {
            const std::string& n = sw.first;
            const float a = q.Wert(n);
            if (!std::isfinite(a)) {
                std::printf("check %s: %s not finite at step %d\n", b.name, n.c_str(), s);
                gleich = false;
            }
            for (auto [weg, w] :
                 {std::pair{"tree walk", baum.Wert(n)}, std::pair{"hand loop", hand.Wert(n)}}) {
                if (std::bit_cast<std::uint32_t>(a) != std::bit_cast<std::uint32_t>(w)) {
                    std::printf("check %s: MISMATCH at step %d, %s: Rechenschritt %.9g, %s %.9g\n",
                                b.name, s, n.c_str(), double(a), weg, double(w));
                    gleich = false;
                }
            }
            const double d =
                std::fabs(double(mup.Wert(n)) - a) / std::fmax(1.0, std::fabs(double(a)));
            muAbweichung = std::fmax(muAbweichung, d);
        }
    }
    if (gleich)
        std::printf(
            "check %s: Rechenschritt, tree walk and hand loop bit-identical over %d steps; "
            "muparser (double) differs by at most %.2g\n",
            b.name, kSchritte, muAbweichung);
    std::fflush(stdout);
    return gleich;
}

// --- timing --------------------------------------------------------------------------------

template <class Weg>
void Lauf(benchmark::State& state, const Beispiel* b) {
    Weg weg(*b);
    for (auto _ : state) {
        weg.Zuruecksetzen();
        for (int i = 0; i < kSchritte; ++i) weg.Schritt();
    }
    // Seconds per step; printed with an SI prefix ("17.1n" is 17.1 ns).
    state.counters["t_step"] =
        benchmark::Counter(double(state.iterations()) * kSchritte,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

template <class Hand>
void Registriere(const Beispiel& b) {
    const std::string n = b.name;
    benchmark::RegisterBenchmark((n + "/Rechenschritt").c_str(), Lauf<Quintorschritt>, &b);
    benchmark::RegisterBenchmark((n + "/tree_walk").c_str(), Lauf<Baumauswertung>, &b);
    benchmark::RegisterBenchmark((n + "/hand_loop").c_str(), Lauf<Hand>, &b);
    benchmark::RegisterBenchmark((n + "/muparser").c_str(), Lauf<Muparser>, &b);
}

}  // namespace

int main(int argc, char** argv) {
    bool gleich = Pruefe<HandOszillator>(kOszillator);
    gleich = Pruefe<HandFunktionen>(kFunktionen) && gleich;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Registriere<HandOszillator>(kOszillator);
    Registriere<HandFunktionen>(kFunktionen);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return gleich ? 0 : 3;
}
