// The operations of the two-list choosers (axis choice, table columns): entries move between a
// source list that keeps itself sorted and a destination list that keeps the order of arrival.
#pragma once

class QEvent;
class QListWidget;
class QObject;

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

// A ">" or "<" press: the selection moves over, and the entry that now stands where the first
// moved one stood is selected, so that repeated presses walk down the list.
void VerschiebeAuswahl(QListWidget* von, QListWidget* nach);

// True for a left double click anywhere on the list's viewport, the empty space below the
// entries included.
bool IstDoppelklick(const QListWidget* liste, const QObject* objekt, const QEvent* e);

}  // namespace quintor
