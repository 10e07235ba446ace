// Message boxes of the four kinds and yes/no questions. The windows reach them only through
// this interface, so that tests can answer them.
#pragma once

#include <cstdio>
#include <string>

#include "meldungen.h"

namespace quintor {

class Dialoge : public Meldungen {
  public:
    // A confirmation with "&Ja" and "&Nein" (never a cancel button); true for "Ja".
    virtual bool Frage(const std::string& text) = 0;

    // The question before the model is replaced or the program ends: "&Ja", "&Nein" and
    // "Abbrechen", which keeps everything as it was.
    enum class Antwort { Ja, Nein, Abbrechen };
    virtual Antwort FrageMitAbbruch(const std::string& text) = 0;
};

// For runs nobody watches (benchmarks, test helpers): messages go to stderr, every question is
// answered "Nein".
class StderrDialoge : public Dialoge {
  public:
    void Melde(Meldungsart, const std::string& text) override {
        std::fprintf(stderr, "Meldung: %s\n", text.c_str());
    }
    bool Frage(const std::string&) override { return false; }
    Antwort FrageMitAbbruch(const std::string&) override { return Antwort::Nein; }
};

}  // namespace quintor
