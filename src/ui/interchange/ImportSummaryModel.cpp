#include "ui/interchange/ImportSummaryModel.h"

#include <algorithm>

namespace varnelle {

// A row at the top has the internal id 0; a group's line has its group's place plus one.

ImportSummaryModel::ImportSummaryModel(const interchange::ImportSummary &summary, QObject *parent)
    : QAbstractItemModel(parent), mSummary(summary), mHead(summary.headLines()), mGroups(summary.groups()),
      mLines(size_t(mGroups.size())), mShown(size_t(mGroups.size()), 0)
{
}

qsizetype ImportSummaryModel::groupOf(const QModelIndex &index) const
{
    if (!index.isValid() || index.internalId() != 0 || index.row() < mHead.size())
        return -1;
    return index.row() - mHead.size();
}

QModelIndex ImportSummaryModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, quintptr(0));
    return createIndex(row, column, quintptr(groupOf(parent) + 1));
}

QModelIndex ImportSummaryModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(mHead.size() + qsizetype(child.internalId()) - 1), 0, quintptr(0));
}

int ImportSummaryModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(mHead.size() + mGroups.size());
    const qsizetype group = groupOf(parent);
    return group < 0 ? 0 : int(mLines[size_t(group)].size());
}

int ImportSummaryModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool ImportSummaryModel::hasChildren(const QModelIndex &parent) const
{
    // A group shows that it opens before any of its lines are read.
    return !parent.isValid() || groupOf(parent) >= 0;
}

QVariant ImportSummaryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    if (index.internalId() != 0)
        return mLines[size_t(index.internalId() - 1)].value(index.row());
    const qsizetype group = groupOf(index);
    return group < 0 ? mHead.value(index.row()) : mGroups[group].title;
}

Qt::ItemFlags ImportSummaryModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool ImportSummaryModel::canFetchMore(const QModelIndex &parent) const
{
    const qsizetype group = groupOf(parent);
    if (group < 0)
        return false;
    const qsizetype read = mLines[size_t(group)].size();
    return read < mGroups[group].lines && mShown[size_t(group)] >= read;
}

void ImportSummaryModel::lineShown(const QModelIndex &line)
{
    if (!line.isValid() || line.internalId() == 0)
        return;
    qsizetype &shown = mShown[size_t(line.internalId() - 1)];
    shown = std::max(shown, qsizetype(line.row()) + 1);
}

void ImportSummaryModel::fetchMore(const QModelIndex &parent)
{
    const qsizetype group = groupOf(parent);
    if (group < 0)
        return;
    QStringList &lines = mLines[size_t(group)];
    const QStringList more = mSummary.groupLines(group, lines.size(), ChunkLines);
    if (lines.size() + more.size() < mGroups[group].lines && more.size() < ChunkLines)
        mGroups[group].lines = lines.size() + more.size(); // the spool could not be read further
    if (more.isEmpty())
        return;
    beginInsertRows(parent, int(lines.size()), int(lines.size() + more.size() - 1));
    lines += more;
    endInsertRows();
}

} // namespace varnelle
