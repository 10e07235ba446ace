// A whole model text through the scan and 100 steps: counts within their limits, every
// equation's target a real variable, every stored value finite, no write outside the tables.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dokument.h"
#include "schritt.h"
#include "textdatei.h"

namespace {

class Still : public quintor::Meldungen {
  public:
    void Melde(quintor::Meldungsart, const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider d(daten, groesse);
    const std::string startwerte = d.ConsumeRandomLengthString(200);
    const std::string text = d.ConsumeRemainingBytesAsString();
    Still still;
    quintor::Dokument dokument;
    quintor::Modell& m = dokument.Daten();
    dokument.SetzeZeilen(quintor::TeileZeilen(text));
    const quintor::Scanergebnis ergebnis = dokument.Scanne(still);
    if (m.Variablenzahl < 0 || m.Variablenzahl > quintor::kMaxVariablen) std::abort();
    if (m.Gleichungszahl < 0 || m.Gleichungszahl > quintor::kMaxGleichungen) std::abort();
    if (ergebnis == quintor::Scanergebnis::Fertig) {
        for (int e = 1; e <= m.Gleichungszahl; ++e) {
            const int ziel = m.Gleichungsliste[static_cast<std::size_t>(e)].Ziel;
            if (ziel < 1 || ziel > m.Variablenzahl) std::abort();
        }
    }
    // Start values typed into the grid, one text per line.
    const auto texte = quintor::TeileZeilen(startwerte);
    for (int i = 1; i <= m.Variablenzahl; ++i)
        dokument.SetzeStartwerttext(i, texte[static_cast<std::size_t>(i - 1) % texte.size()]);
    dokument.StartwerteUebernehmen(still);
    m.Zufallszustand = 12345;
    for (int schritt = 0; schritt < 100; ++schritt) {
        try {
            quintor::Rechenschritt(m);
        } catch (const quintor::Gleitkommaueberlauf&) {
            break;
        }
        for (int i = 1; i <= quintor::kMaxVariablen; ++i)
            if (!std::isfinite(m.Variablen[static_cast<std::size_t>(i)].Wert)) std::abort();
    }
    return 0;
}
