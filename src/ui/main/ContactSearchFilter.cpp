#include "ui/main/ContactSearchFilter.h"

#include "store/SearchIndex.h"
#include "ui/main/ContactListModel.h"

#include <algorithm>

namespace varnelle {

ContactSearchFilter::ContactSearchFilter(const SearchIndex &index, QObject *parent)
    : QAbstractProxyModel(parent), mIndex(index)
{
}

void ContactSearchFilter::setSourceModel(QAbstractItemModel *source)
{
    if (sourceModel())
        sourceModel()->disconnect(this);
    beginResetModel();
    QAbstractProxyModel::setSourceModel(source);
    mContacts = static_cast<const ContactListModel *>(source);
    mRows.clear();
    for (int row = 0; source && row < source->rowCount(); ++row)
        mRows.push_back(row);
    endResetModel();
    if (!source)
        return;
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, &ContactSearchFilter::beginResetModel);
    connect(source, &QAbstractItemModel::modelReset, this, [this] {
        mRows.clear();
        for (int row = 0; row < mContacts->rowCount(); ++row) {
            if (accepts(row))
                mRows.push_back(row);
        }
        endResetModel();
    });
    connect(source, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { sourceRowsInserted(first, last); });
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) { sourceRowsAboutToBeRemoved(first, last); });
    connect(source, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) { sourceRowsRemoved(first, last); });
    connect(source, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                const int first = shownPlace(topLeft.row());
                const int last = shownPlace(bottomRight.row() + 1) - 1;
                if (first <= last)
                    emit dataChanged(index(first, 0), index(last, 0), roles);
            });
}

void ContactSearchFilter::setSearchText(const QString &text)
{
    if (text == mText)
        return;
    mText = text;
    mQuery = text::SearchQuery(text);
    mPinned.clear();
    filterAll();
}

void ContactSearchFilter::pin(std::int32_t personId)
{
    if (isActive())
        mPinned.insert(personId);
}

void ContactSearchFilter::refresh()
{
    filterAll();
}

bool ContactSearchFilter::accepts(int sourceRow) const
{
    if (mQuery.isEmpty())
        return true;
    const std::int32_t personId = mContacts->personIdAt(sourceRow);
    return mPinned.contains(personId) || mIndex.matches(personId, mQuery);
}

void ContactSearchFilter::filterAll()
{
    if (!mContacts)
        return;
    std::vector<int> rows;
    rows.reserve(mQuery.isEmpty() ? size_t(mContacts->rowCount()) : mRows.size());
    for (int row = 0; row < mContacts->rowCount(); ++row) {
        if (accepts(row))
            rows.push_back(row);
    }
    if (rows == mRows)
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &shown : before) {
        const int sourceRow = mRows[size_t(shown.row())];
        const auto place = std::lower_bound(rows.begin(), rows.end(), sourceRow);
        after << (place != rows.end() && *place == sourceRow ? createIndex(int(place - rows.begin()), shown.column())
                                                              : QModelIndex());
    }
    mRows = std::move(rows);
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

int ContactSearchFilter::shownPlace(int sourceRow) const
{
    return int(std::lower_bound(mRows.begin(), mRows.end(), sourceRow) - mRows.begin());
}

void ContactSearchFilter::sourceRowsInserted(int first, int last)
{
    const int count = last - first + 1;
    const int place = shownPlace(first);
    for (size_t i = size_t(place); i < mRows.size(); ++i)
        mRows[i] += count;
    std::vector<int> added;
    for (int row = first; row <= last; ++row) {
        if (accepts(row))
            added.push_back(row);
    }
    if (added.empty())
        return;
    beginInsertRows({}, place, place + int(added.size()) - 1);
    mRows.insert(mRows.begin() + place, added.begin(), added.end());
    endInsertRows();
}

void ContactSearchFilter::sourceRowsAboutToBeRemoved(int first, int last)
{
    const int from = shownPlace(first);
    const int to = shownPlace(last + 1);
    if (from == to)
        return;
    beginRemoveRows({}, from, to - 1);
    mRows.erase(mRows.begin() + from, mRows.begin() + to);
    endRemoveRows();
}

void ContactSearchFilter::sourceRowsRemoved(int first, int last)
{
    const int count = last - first + 1;
    for (size_t i = size_t(shownPlace(first)); i < mRows.size(); ++i)
        mRows[i] -= count;
}

QModelIndex ContactSearchFilter::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column != 0)
        return {};
    return createIndex(row, column);
}

QModelIndex ContactSearchFilter::parent(const QModelIndex &) const
{
    return {};
}

int ContactSearchFilter::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mRows.size());
}

int ContactSearchFilter::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QModelIndex ContactSearchFilter::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || !mContacts || proxyIndex.row() >= rowCount())
        return {};
    return mContacts->index(mRows[size_t(proxyIndex.row())], proxyIndex.column());
}

QModelIndex ContactSearchFilter::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    const int place = shownPlace(sourceIndex.row());
    if (place >= rowCount() || mRows[size_t(place)] != sourceIndex.row())
        return {};
    return createIndex(place, sourceIndex.column());
}

} // namespace varnelle
