#include "ui/main/ContactSearchFilter.h"

#include "store/SearchIndex.h"
#include "ui/main/ContactListModel.h"

namespace varnelle {

ContactSearchFilter::ContactSearchFilter(const SearchIndex &index, QObject *parent)
    : QSortFilterProxyModel(parent), mIndex(index)
{
    // Rows added or changed are filtered as they arrive; the order stays the source's.
    setDynamicSortFilter(true);
}

void ContactSearchFilter::setSearchText(const QString &text)
{
    if (text == mText)
        return;
    mText = text;
    mQuery = text::SearchQuery(text);
    mPinned.clear();
    refresh();
}

void ContactSearchFilter::pin(std::int32_t personId)
{
    if (isActive())
        mPinned.insert(personId);
}

void ContactSearchFilter::refresh()
{
    invalidateRowsFilter();
}

bool ContactSearchFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    if (mQuery.isEmpty())
        return true;
    const auto *contacts = static_cast<const ContactListModel *>(sourceModel());
    const std::int32_t personId = contacts->personIdAt(sourceRow);
    return mPinned.contains(personId) || mIndex.matches(personId, mQuery);
}

} // namespace varnelle
