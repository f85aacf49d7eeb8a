#include "ui/widgets/SortedLists.h"

#include "common/Collation.h"

#include <QComboBox>
#include <QListWidget>
#include <algorithm>
#include <iterator>

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

void FillSortedList(QListWidget *list, std::vector<ListEntry> entries)
{
    const auto less = [](const ListEntry &a, const ListEntry &b) { return text::TextLess(a.first, b.first); };

    // Keep a sorted run; an entry that would break it goes aside together with
    // the run's last entry (one of the two is out of place). Nearly ordered
    // input leaves few entries aside, which are sorted and merged back.
    std::vector<ListEntry> run;
    std::vector<ListEntry> aside;
    run.reserve(entries.size());
    for (ListEntry &entry : entries) {
        if (run.empty() || !less(entry, run.back())) {
            run.push_back(std::move(entry));
        } else {
            aside.push_back(std::move(run.back()));
            run.pop_back();
            aside.push_back(std::move(entry));
        }
    }
    entries.clear();
    std::stable_sort(aside.begin(), aside.end(), less);
    std::merge(std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()),
               std::make_move_iterator(aside.begin()), std::make_move_iterator(aside.end()),
               std::back_inserter(entries), less);

    // In order already: append without searching each entry's place.
    list->clear();
    const bool sorting = list->isSortingEnabled();
    list->setSortingEnabled(false);
    for (const ListEntry &entry : entries)
        list->addItem(newEntry(entry.first, entry.second));
    list->setSortingEnabled(sorting);
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
