// The operations of the two-list choosers (axis choice, table columns): entries move between a
// source list that keeps itself sorted and a destination list that keeps the order of arrival.
#pragma once

class QListWidget;

namespace quintor {

// Moves every selected entry of `liste` to `ziel`, walking from the last entry to the first.
// An unsorted target gets them appended, so several entries moved at once arrive in reverse
// order; a sorted target puts each in its place. The entries keep their data and arrive
// unselected.
void MoveSelected(QListWidget* liste, QListWidget* ziel);

// The index of the first selected entry from the top, or -1.
int GetFirstSelection(const QListWidget* liste);

// Focuses the list and selects the entry at `index` in addition to the selection it has:
// -1 means the first entry, an index beyond the last means the last. An empty list gets no
// selection.
void SetItem(QListWidget* liste, int index);

}  // namespace quintor
