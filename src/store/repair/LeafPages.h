#pragma once

#include <QFile>
#include <QHash>
#include <QString>
#include <QVariantList>

#include <functional>
#include <vector>

namespace varnelle {

// A database file read page by page, without SQLite: its table b-trees and
// the rows on their leaf pages, as far as each page can still be read. What
// the salvage reaches where SQLite stops: a damaged header (the page size is
// then found from the pages themselves), a damaged interior page (its leaves
// are found all the same), a damaged cell (the others on its page are read).
class LeafPages {
public:
    struct Row {
        qint64 rowid = 0;
        QVariantList values; // the record's columns in order; NULL for a rowid alias
        qint64 page = 0;     // the leaf it lies on
    };

    // Maps the file read-only; pageSize() is 0 when no page size fits it.
    explicit LeafPages(const QString &fileName);

    int pageSize() const { return mPageSize; }
    qint64 pageCount() const { return mPageCount; }
    // True when the header counts more pages than the file holds: SQLite
    // then reads the missing ones as empty, and its counts stop short quietly.
    bool cutShort() const;

    // The root page of each table named in the schema (page 1), by name.
    const QHash<QString, qint64> &tableRoots() const { return mRoots; }

    // Calls `row` for every row on the leaves that the tree rooted at 'root'
    // still reaches, skipping what cannot be read. A tree is read once: its
    // pages count as reached.
    enum class Tree {
        Unreadable, // the root page is no table page
        Partial,    // a page or a row of the tree could not be read
        Whole,      // every row of the tree was read
    };
    Tree readTree(qint64 root, const std::function<void(const Row &)> &row);

    // The table leaf pages that no table tree of the schema and no free-page
    // list reaches, in page order: the leaves of trees whose upper pages are lost.
    std::vector<qint64> unreachedLeaves();

    // The rows that can be read on one table leaf page.
    std::vector<Row> rowsOn(qint64 page) const;

private:
    const uchar *page(qint64 number) const;
    int headerOffset(qint64 number) const { return number == 1 ? 100 : 0; }
    // True when the page has the header of a b-tree page, and (everyCell)
    // all its cell offsets lie in its cell content area.
    bool plausibleBtreePage(qint64 number, bool everyCell = false) const;
    void findPageSize();
    void readSchema();
    void markFreePages();
    // Calls leaf for each leaf of the tree rooted at root, marking every page
    // it passes; false when a page it points to is missing or no b-tree page.
    bool walk(qint64 root, const std::function<void(qint64)> &leaf);

    QFile mFile;
    const uchar *mData = nullptr;
    qint64 mSize = 0;
    int mPageSize = 0;
    int mUsable = 0;
    qint64 mPageCount = 0;
    QHash<QString, qint64> mRoots;
    std::vector<bool> mReached;
};

} // namespace varnelle
