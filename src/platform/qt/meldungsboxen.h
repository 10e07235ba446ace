#pragma once

#include "dialoge.h"

namespace quintor {

// The real message boxes: title and icon by kind, "OK" for notices, "&Ja"/"&Nein" for questions.
class Meldungsboxen : public Dialoge {
  public:
    void Melde(Meldungsart art, const std::string& text) override;
    bool Frage(const std::string& text) override;
    Antwort FrageMitAbbruch(const std::string& text) override;
};

}  // namespace quintor
