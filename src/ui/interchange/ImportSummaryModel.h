#pragma once

#include "interchange/ImportSummary.h"

#include <QAbstractItemModel>
#include <QList>
#include <QStringList>
#include <vector>

namespace varnelle {

// An import summary as a tree: its head lines, then one row a group
// ("Country — 100,000 contacts (USA 99,000, Canada 1,000)") whose children
// are the group's lines. The lines are read a chunk at a time (fetchMore):
// the first when a view opens the group, the next once the view has shown
// the last line read (lineShown), so an opened group holds only what was
// scrolled to. A QTreeView asks canFetchMore at every layout of an opened
// group; were it true whenever lines remain, each layout would read a chunk.
class ImportSummaryModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // Lines of a group read at a time.
    static constexpr int ChunkLines = 500;

    explicit ImportSummaryModel(const interchange::ImportSummary &summary, QObject *parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    // A line came into sight; when it is the last one read, its group can fetch more.
    void lineShown(const QModelIndex &line);

private:
    // The group of a row at the top, or -1 for a head line (or anything else).
    qsizetype groupOf(const QModelIndex &index) const;

    interchange::ImportSummary mSummary;
    QStringList mHead;
    QList<interchange::SummaryGroup> mGroups;
    std::vector<QStringList> mLines; // each group's lines read so far
    std::vector<qsizetype> mShown;   // each group's lines up to the last one shown
};

} // namespace varnelle
