#include "listenwahl.h"

#include <QMouseEvent>

#include <QItemSelectionModel>
#include <QListWidget>

namespace quintor {

void MoveSelected(QListWidget* liste, QListWidget* ziel) {
    for (int i = liste->count() - 1; i >= 0; --i) {
        if (!liste->item(i)->isSelected()) continue;
        // addItem inserts at the sorted place when the target sorts itself.
        ziel->addItem(liste->takeItem(i));
    }
}

int GetFirstSelection(const QListWidget* liste) {
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->isSelected()) return i;
    return -1;
}

void SetItem(QListWidget* liste, int index) {
    liste->setFocus();
    const int letzter = liste->count() - 1;
    if (letzter < 0) return;
    if (index < 0)
        index = 0;
    else if (index > letzter)
        index = letzter;
    liste->item(index)->setSelected(true);
    // The keyboard goes on from the selected entry; the selection itself stays as it is.
    liste->selectionModel()->setCurrentIndex(liste->model()->index(index, 0),
                                             QItemSelectionModel::NoUpdate);
}

void VerschiebeAuswahl(QListWidget* von, QListWidget* nach) {
    const int i = GetFirstSelection(von);
    MoveSelected(von, nach);
    SetItem(von, i);
}

bool IstDoppelklick(const QListWidget* liste, const QObject* objekt, const QEvent* e) {
    return objekt == liste->viewport() && e->type() == QEvent::MouseButtonDblClick &&
           static_cast<const QMouseEvent*>(e)->button() == Qt::LeftButton;
}

}  // namespace quintor
