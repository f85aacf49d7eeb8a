#include "app/SortedLists.h"

#include <QComboBox>
#include <QListWidget>

namespace varnelle {

namespace {

bool textLess(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

class CaselessItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override { return textLess(text(), other.text()); }
};

} // namespace

QListWidgetItem *AddListEntry(QListWidget *list, const QString &text, std::int32_t itemData)
{
    auto *item = new CaselessItem(text);
    item->setData(Qt::UserRole, itemData);
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
        if (textLess(text, combo->itemText(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    combo->insertItem(low, text, itemData);
    return low;
}

std::int32_t ItemData(const QListWidgetItem *item)
{
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

} // namespace varnelle
