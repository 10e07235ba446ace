// Spin edit whose text is what counts, like the other edit fields: a text that is no whole
// number in range, the emptied field too, reads as the lowest value, and leaving the field
// shows that value instead of silently putting the previous number back.
#pragma once

#include <QSpinBox>

namespace quintor {

class TSpinEdit : public QSpinBox {
    Q_OBJECT

  public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    // The number the text shows; minimum() for anything else. Read this, not value(): while
    // the field holds an unfinished text, value() still has the previous number.
    int Zahl() const;

    void stepBy(int schritte) override;
};

}  // namespace quintor
