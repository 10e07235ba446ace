// The model state shared by every window: variable table, start values, equation list.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "knoten.h"

namespace quintor {

inline constexpr int kMaxVariablen = 100;
inline constexpr int kMaxGleichungen = 100;

struct TVariable {
    std::string Name;  // upper case (a to z); left sides keep their blanks
    float Wert = 0.0f;
};

struct TGleichung {
    PKnoten Baum;           // the compiled right side; empty when it did not compile
    std::int32_t Ziel = 0;  // 1-based index of the target variable; 0 in an entry no scan filled
};

class Schrittprogramm;

// One instance is the application's model. Arrays are indexed from 1 like the grid rows.
// Non-movable: the compiled step refers to the variables by address.
class Modell {
  public:
    Modell();
    ~Modell();
    Modell(const Modell&) = delete;
    Modell& operator=(const Modell&) = delete;

    std::array<TVariable, kMaxVariablen + 1> Variablen;
    std::int32_t Variablenzahl = 0;
    std::array<float, kMaxVariablen + 1> StartwertListe{};
    std::array<TGleichung, kMaxGleichungen + 1> Gleichungsliste;
    std::int32_t Gleichungszahl = 0;

    // State of the random generator of RANDOM: state * 134775813 + 1 modulo 2^32.
    std::uint32_t Zufallszustand = 0;

    // Whoever changes Gleichungsliste or Gleichungszahl calls this, so that the next step
    // compiles the equations afresh.
    void GleichungenGeaendert() { programmVeraltet_ = true; }

    // The compiled form of the equation list that a step executes (built on demand).
    Schrittprogramm& Programm();

  private:
    std::unique_ptr<Schrittprogramm> programm_;
    bool programmVeraltet_ = true;
};

}  // namespace quintor
