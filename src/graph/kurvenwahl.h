// The further curves of the graph: up to five vertical variables besides the first pair, each
// drawn over the same horizontal variable.
#pragma once

#include <cstdint>
#include <vector>

#include "dialogfenster.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quintor {

class Modell;

class TKurvenWahlForm : public TDialogFenster {
    Q_OBJECT

  public:
    explicit TKurvenWahlForm(QWidget* parent = nullptr);

    // Lists every variable but the two axes', in table order, and checks those in `gewaehlt`.
    void Fuelle(const Modell& m, std::int32_t horizontal, std::int32_t vertikal,
                const std::vector<std::int32_t>& gewaehlt);
    // The checked variables' indices, in table order.
    std::vector<std::int32_t> Gewaehlt() const;

    QLabel* Label1 = nullptr;
    QListWidget* Liste = nullptr;
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr;

  private:
    void Geaendert();
};

}  // namespace quintor
