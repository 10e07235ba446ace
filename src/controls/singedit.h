// One-line edit field whose text is read and written as a single-precision number.
#pragma once

#include <QLineEdit>

namespace quintor {

class TSingEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(float Number READ Number WRITE setNumber)

  public:
    using QLineEdit::QLineEdit;

    // The text as a number; a decimal comma counts as a point. A text that is not a number
    // reads as 0 without a message. Throws Gleitkommaueberlauf when the value does not fit
    // into single precision; the caller's operation ends with the general error report.
    float Number() const;
    // The text becomes the edit-field form of x: 8 wide with 4 decimals, exponent form
    // from magnitude 1000 on.
    void setNumber(float x);
};

}  // namespace quintor
