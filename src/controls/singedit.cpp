#include "singedit.h"

#include <optional>

#include "meldungen.h"
#include "zahltext.h"

namespace quintor {

float TSingEdit::Number() const {
    std::optional<long double> wert = LeseZahl(KommaZuPunkt(text().toStdString()));
    if (!wert) return 0.0f;
    std::optional<float> f = AlsSingle(*wert);
    if (!f) throw Gleitkommaueberlauf();
    return *f;
}

void TSingEdit::setNumber(float x) {
    setText(QString::fromStdString(Zahltext(x, kEingabeformat)));
}

}  // namespace quintor
