#include "ui/widgets/SortedLists.h"

#include "common/Collation.h"

#include <QComboBox>
#include <QListWidget>

namespace varnelle {

namespace {

class CollatedItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override { return text::TextLess(text(), other.text()); }
};

QListWidgetItem *newEntry(const QString &text, std::int32_t itemData)
{
    auto *item = new CollatedItem(text);
    item->setData(Qt::UserRole, itemData);
    return item;
}

} // namespace

bool ListTextLess(const QString &a, const QString &b)
{
    return text::TextLess(a, b);
}

QListWidgetItem *AddListEntry(QListWidget *list, const QString &text, std::int32_t itemData)
{
    QListWidgetItem *item = newEntry(text, itemData);
    list->addItem(item);
    return item;
}

int AddSortedComboEntry(QComboBox *combo, const QString &text, std::int32_t itemData)
{
    // Binary search for the first entry that sorts after the text.
    int low = 0;
    int high = combo->count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (text::TextLess(text, combo->itemText(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    combo->insertItem(low, text, itemData);
    return low;
}

QListWidgetItem *SelectedEntry(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void RemoveEntry(QListWidget *list, QListWidgetItem *item)
{
    delete list->takeItem(list->row(item));
    list->clearSelection();
}

std::int32_t ItemData(const QListWidgetItem *item)
{
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

} // namespace varnelle
