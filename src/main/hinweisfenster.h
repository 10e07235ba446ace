// The hint list: likely mistakes of the model, one line each with its editor line. Non-modal; it
// shows what it is given and changes nothing.
#pragma once

#include <QDialog>
#include <vector>

#include "hinweise.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quintor {

class THinweisFenster : public QDialog {
    Q_OBJECT

  public:
    explicit THinweisFenster(QWidget* parent = nullptr);

    QListWidget* Liste = nullptr;
    QPushButton* SchliessenKnopf = nullptr;

    // One line per hint; a single grey line when there is none.
    void Zeige(const std::vector<Hinweis>& hinweise);

  signals:
    // A hint was double-clicked (or chosen with Enter): its editor line, from 1.
    void ZeileGewaehlt(int zeile);

  private:
    void Gewaehlt(QListWidgetItem* eintrag);
};

}  // namespace quintor
