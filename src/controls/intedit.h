// One-line edit field whose text is read and written as a 32-bit integer.
#pragma once

#include <QLineEdit>

namespace quintor {

class TIntEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int Number READ Number WRITE setNumber)

  public:
    using QLineEdit::QLineEdit;

    // The text as an integer: leading blanks, an optional sign, then decimal digits or
    // hexadecimal digits after "$", "x" or "0x", and nothing after them. Anything else,
    // including a value outside the 32-bit range, reads as 0.
    int Number() const;
    // The text becomes the plain decimal form of n.
    void setNumber(int n);
};

}  // namespace quintor
