#pragma once

#include <QString>
#include <cstdint>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace varnelle {

// Sorted lists keep their entries in ascending order of their text without
// regard to case, each entry carrying its record's key as item data.

// Adds an entry to a list whose sorting is enabled; returns the new item.
QListWidgetItem *AddListEntry(QListWidget *list, const QString &text, std::int32_t itemData);

// Adds an entry to a combo box at its sorted place; returns its index.
int AddSortedComboEntry(QComboBox *combo, const QString &text, std::int32_t itemData);

// The item data of an entry; 0 when there is none.
std::int32_t ItemData(const QListWidgetItem *item);

} // namespace varnelle
