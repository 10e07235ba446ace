// A right side compiled and evaluated over random variable values and generator states: the
// value is a finite double, a failure gives exactly 1e30, and the compiled step stores exactly
// what the tree walk gives.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "auswertung.h"
#include "scan.h"
#include "schritt.h"
#include "uebersetzer.h"

namespace {

class Still : public quintor::Meldungen {
  public:
    void Melde(quintor::Meldungsart, const std::string&) override {}
};

float EndlicherWert(FuzzedDataProvider& d) {
    const float f = d.ConsumeFloatingPoint<float>();
    return std::isfinite(f) ? f : 0.0f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider d(daten, groesse);
    const std::string text = d.ConsumeRandomLengthString(300);
    const std::uint32_t zustand = d.ConsumeIntegral<std::uint32_t>();
    Still still;
    quintor::Modell m;
    // Y is the target; the right side's names follow it.
    m.Variablenzahl = 1;
    m.Variablen[1].Name = "Y";
    quintor::PKnoten baum;
    try {
        baum = quintor::Uebersetze(text, m, still);
    } catch (const quintor::Gleitkommaueberlauf&) {
        return 0;  // a number beyond the double range: the scan stops there
    }
    if (m.Variablenzahl < 1 || m.Variablenzahl > quintor::kMaxVariablen) std::abort();
    for (int i = 1; i <= m.Variablenzahl; ++i)
        m.Variablen[static_cast<std::size_t>(i)].Wert = EndlicherWert(d);

    m.Zufallszustand = zustand;
    const double wert = quintor::Funktionsberechnung(m, baum.get());
    if (!std::isfinite(wert)) std::abort();
    if (!baum && wert != quintor::Fehlerwert) std::abort();

    // The compiled step against the tree walk, from the same state.
    const bool zufall = quintor::EnthaeltZufall(baum.get());
    m.Gleichungsliste[1].Baum = std::move(baum);
    m.Gleichungsliste[1].Ziel = 1;
    m.Gleichungszahl = 1;
    m.GleichungenGeaendert();
    const float vorher = m.Variablen[1].Wert;
    m.Zufallszustand = zustand;
    bool ueberlauf = false;
    try {
        quintor::Rechenschritt(m);
    } catch (const quintor::Gleitkommaueberlauf&) {
        ueberlauf = true;
    }
    const bool passt = std::fabs(wert) < 0x1.ffffffp+127;
    if (ueberlauf != !passt) std::abort();
    if (ueberlauf) {
        if (std::memcmp(&vorher, &m.Variablen[1].Wert, sizeof vorher) != 0) std::abort();
    } else if (!zufall) {
        const float erwartet = static_cast<float>(wert);
        if (std::memcmp(&erwartet, &m.Variablen[1].Wert, sizeof erwartet) != 0) std::abort();
    }
    return 0;
}
