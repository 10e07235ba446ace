// The expression tree of one right side.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace quintor {

enum class TKnotenArt : std::uint8_t {
    kaMinus = 0,
    kaOperation = 1,
    kaFunktion = 2,
    kaZahl = 3,
    kaVariable = 4,
};

// The recognised functions; Klammer is the empty name of a parenthesised expression.
enum class TFunktion : std::uint8_t {
    Klammer,
    ABS,
    ARCSIN,
    ARCTAN,
    COS,
    EXP,
    SINH,
    COSH,
    FRAC,
    INT,
    LN,
    SIN,
    TANH,
    SQR,
    SQRT,
    TAN,
    RANDOM,
    H,
};

struct TKnoten;
using PKnoten = std::unique_ptr<TKnoten>;

struct TKnoten {
    TKnotenArt Art = TKnotenArt::kaZahl;
    char Zeichen = 0;                         // kaOperation: + - * / ^
    std::string Funktionsname;                // kaFunktion: a recognised name or empty
    TFunktion Funktion = TFunktion::Klammer;  // the same, resolved once so evaluation needs no text
    PKnoten Links;           // kaOperation: left operand; kaMinus: the negated operand
    PKnoten Rechts;          // kaOperation: right operand; kaFunktion: the argument
    double Zahlwert = 0.0;   // kaZahl
    std::int32_t Index = 0;  // kaVariable: 1-based index into Variablen
};

// True when evaluating the tree can draw random numbers; then the order of evaluation matters.
bool EnthaeltZufall(const TKnoten* k);

}  // namespace quintor
