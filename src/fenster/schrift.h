// Fonts as the windows ask for them: a family (substituted by the application set-up where the
// system lacks it), a height in pixels, bold or not.
#pragma once

#include <QFont>

namespace quintor {

inline QFont Schrift(const char* familie, int pixel, bool fett) {
    QFont f{QString::fromUtf8(familie)};
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

}  // namespace quintor
