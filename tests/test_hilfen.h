// Shared helpers of the core tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dokument.h"
#include "meldungen.h"
#include "modell.h"
#include "scan.h"

namespace quintor::test {

// Collects every message instead of showing it.
class Protokoll : public Meldungen {
  public:
    std::vector<std::pair<Meldungsart, std::string>> eintraege;
    void Melde(Meldungsart art, const std::string& text) override {
        eintraege.emplace_back(art, text);
    }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& e : eintraege) t.push_back(e.second);
        return t;
    }
};

// A model scanned from lines through the document, as the program scans it.
struct Testmodell {
    Dokument d;
    Modell& m = d.Daten();
    Protokoll meldungen;

    Testmodell() = default;
    explicit Testmodell(std::vector<std::string> zeilen) { Scanne(std::move(zeilen)); }

    Scanergebnis Scanne(std::vector<std::string> zeilen) {
        d.SetzeZeilen(std::move(zeilen));
        return d.Scanne(meldungen);
    }
    // Index of a variable by name, 0 when there is none.
    int Nr(const std::string& name) const {
        for (int i = 1; i <= m.Variablenzahl; ++i)
            if (m.Variablen[static_cast<std::size_t>(i)].Name == name) return i;
        return 0;
    }
    float& Wert(const std::string& name) {
        return m.Variablen[static_cast<std::size_t>(Nr(name))].Wert;
    }
};

}  // namespace quintor::test
