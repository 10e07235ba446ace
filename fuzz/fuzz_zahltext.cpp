// Number texts: any text read as a start value, any single value written in every format.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "zahltext.h"

namespace {

class Still : public quintor::Meldungen {
  public:
    int anzahl = 0;
    void Melde(quintor::Meldungsart, const std::string&) override { ++anzahl; }
};

void PruefeFormat(float x, const quintor::Zahlformat& f) {
    const std::string t = quintor::Zahltext(x, f);
    if (t.find(',') != std::string::npos) std::abort();
    if (!std::isfinite(x)) return;
    const bool exponent = t.find('E') != std::string::npos;
    if (exponent) {
        if (f.Grenze == quintor::Schwelle::NurFest || t.size() != 10) std::abort();
    } else {
        if (t.size() < static_cast<std::size_t>(f.Breite)) std::abort();
        if (t.find('.') == std::string::npos) std::abort();
        // A fixed text reads back within half a unit of its last decimal, or within the 18
        // significant digits that the digits come from.
        const auto wert = quintor::LeseZahl(t);
        if (!wert) std::abort();
        const long double halbe = 0.5L * std::pow(10.0L, -f.Nachkommastellen) * (1 + 1e-12L);
        const long double genau = std::fabs(static_cast<long double>(x)) * 1e-17L;
        if (std::fabs(*wert - static_cast<long double>(x)) > std::max(halbe, genau)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider d(daten, groesse);
    const float x = d.ConsumeFloatingPoint<float>();
    for (const auto& f :
         {quintor::kErgebnisformat, quintor::kTabellenformat, quintor::kEingabeformat,
          quintor::kSkalenformat, quintor::kKoordinatenformat})
        PruefeFormat(x, f);
    const std::string text = d.ConsumeRemainingBytesAsString();
    Still still;
    try {
        const float v = quintor::TextZuZahl(text, still);
        if (!std::isfinite(v)) std::abort();
        if (still.anzahl > 1 || (still.anzahl == 1 && v != 0.0f)) std::abort();
    } catch (const quintor::Gleitkommaueberlauf&) {
        if (still.anzahl != 0) std::abort();
    }
    return 0;
}
