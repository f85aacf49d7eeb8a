#pragma once

#include <QString>
#include <cstdint>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace varnelle {

// Sorted lists keep their entries in ascending order of their text in the
// program's one collation (text::CompareText: without regard to case or
// accents), each entry carrying its record's key as item data.

// Adds an entry to a list whose sorting is enabled; returns the new item.
QListWidgetItem *AddListEntry(QListWidget *list, const QString &text, std::int32_t itemData);

// Adds an entry to a combo box at its sorted place; returns its index.
int AddSortedComboEntry(QComboBox *combo, const QString &text, std::int32_t itemData);

// Whether a sorted list puts text a before text b.
bool ListTextLess(const QString &a, const QString &b);

// The selected entry of a list that allows one selection; nullptr when none is.
QListWidgetItem *SelectedEntry(const QListWidget *list);

// Removes an entry and leaves nothing selected (the list would otherwise
// move the selection to a neighbour by itself).
void RemoveEntry(QListWidget *list, QListWidgetItem *item);

// The item data of an entry; 0 when there is none.
std::int32_t ItemData(const QListWidgetItem *item);

} // namespace varnelle
