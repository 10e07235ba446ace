// How the core reports to the user: the windows show message boxes, the batch runner writes to
// standard error. Texts are German and may hold one line break ("\n").
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quintor {

enum class Meldungsart { Warnung, Fehler, Information, Bestaetigung };

// The box title of each kind.
std::string_view Titel(Meldungsart art);

class Meldungen {
  public:
    virtual ~Meldungen() = default;
    virtual void Melde(Meldungsart art, const std::string& text) = 0;
};

inline constexpr const char* kGleitkommaueberlauf = "Gleitkommaüberlauf";

// A value beyond the range of the type it is to be stored in (single precision for model values,
// double precision for numbers in equations). Callers end their operation with the generic error
// "Gleitkommaüberlauf".
class Gleitkommaueberlauf : public std::runtime_error {
  public:
    Gleitkommaueberlauf() : std::runtime_error(kGleitkommaueberlauf) {}
};

}  // namespace quintor
