// Message boxes of the four kinds and yes/no questions. The windows reach them only through
// this interface, so that tests can answer them.
#pragma once

#include <string>

#include "meldungen.h"

namespace quintor {

class Dialoge : public Meldungen {
  public:
    // A confirmation with "&Ja" and "&Nein" (never a cancel button); true for "Ja".
    virtual bool Frage(const std::string& text) = 0;
};

}  // namespace quintor
