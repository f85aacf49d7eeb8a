#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>

namespace varnelle::test {

// Damage made on purpose, page by page, in a closed database file.

// The page number of the nth leaf page (from 0, in page order) of a table's or
// an index's b-tree, found through SQLite's dbstat table; 0 when there is none.
int LeafPage(const QString &fileName, const QString &btree, int nth = 0);
// The number of rows (cells) on a page.
int CellsOnPage(const QString &fileName, int page);
// Overwrites a whole page with zeros.
void ZeroPage(const QString &fileName, int page);
// Flips bits in the first `cells` cell pointers of a leaf page, so that they
// point at the wrong places and a scan of the table ends there without an error.
void ScrambleCellPointers(const QString &fileName, int page, int cells);
// Replaces the first 'from' on a page with 'to' (of the same length).
void ReplaceOnPage(const QString &fileName, int page, const QByteArray &from, const QByteArray &to);
// The number of leaf pages of a b-tree.
int LeafPageCount(const QString &fileName, const QString &btree);
// Exchanges two whole pages, so that the rows of a table come out of order.
void SwapPages(const QString &fileName, int first, int second);
// The root page of a table's or an index's b-tree.
int RootPage(const QString &fileName, const QString &btree);
// Overwrites a whole page with bytes that look random (the same ones each run).
void GarbagePage(const QString &fileName, int page);
// Overwrites the cells of a leaf page with the same bytes, its header and cell
// pointers kept: SQLite reads garbage rowids there.
void GarbageCells(const QString &fileName, int page);
// Overwrites the file's 100-byte header with zeros.
void ZeroHeader(const QString &fileName);
// Cuts the file after its first `pages` pages.
void TruncateToPages(const QString &fileName, int pages);

// Every row of a table (rowid first, then its columns) that a lookup by rowid
// still reads from a damaged file, for rowids from 1 to upTo. The file is
// read as SQLite reads a file cut short: with writable_schema.
QList<QVariantList> ReadableByRowid(const QString &fileName, const QString &table, qint64 upTo);

// The rows of each table of the book that SQLite's shell recovers (its
// .recover command; rows it could place in no table are counted for the
// table whose number of columns they have), by table; empty when the shell
// is not installed.
QHash<QString, qint64> RowsTheShellRecovers(const QString &fileName);

// Permissions do not stop root: for its life, this object makes the process
// run as the unprivileged user "nobody" when it runs as root (the saved user
// stays root, so the destructor can come back), and does nothing otherwise.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

private:
    bool mSwitched = false;
};

} // namespace varnelle::test
