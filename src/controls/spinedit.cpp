#include "spinedit.h"

#include <algorithm>

namespace quintor {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    // An unreadable text is corrected to the value nearest to zero, the minimum, not to the
    // previous value.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int TSpinEdit::Zahl() const {
    bool ok = false;
    const int wert = locale().toInt(cleanText(), &ok);
    return ok ? std::clamp(wert, minimum(), maximum()) : minimum();
}

void TSpinEdit::stepBy(int schritte) {
    // The arrows count on from what the field shows.
    setValue(Zahl());
    QSpinBox::stepBy(schritte);
}

}  // namespace quintor
