#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <vector>

namespace varnelle {

// What a salvage kept of one table of the address book.
struct SalvagedTable {
    QString table;
    qint64 saved = 0;
    // Rows the damaged file still counts (through the table or one of its
    // indexes) that could not be read or kept; -1 when no count could be read.
    qint64 lost = 0;
    // TelephoneType only: types made again for numbers whose type was lost,
    // named as synced cards name those numbers, else after their key ("Type 7").
    qint64 remade = 0;
};

struct SalvageReport {
    std::vector<SalvagedTable> tables;
    const SalvagedTable &of(const QString &table) const;
};

// Told how far a salvage has come, from 0 to 100.
using SalvageProgress = std::function<void(int percent)>;

// Makes copyName a complete new address book holding every row of each table
// of the damaged file 'source' that can still be read, with its keys, values
// and types as stored: at least every row a lookup by its rowid reads. Each
// table is swept in rowid order by SQLite, stepping over damaged pages from
// one rowid known to exist to the next (those the indexes list and those
// found on the pages); then the pages themselves are read (LeafPages): the
// rows on the leaves of the table's tree that SQLite could not read, and
// those on leaves no tree reaches that fit the table's columns. A file cut
// short is read as far as it goes; one whose header is damaged, page by page.
// Numbers whose type is lost get a type made again. The source is opened
// read-only and never changed. The copy passes SQLite's integrity check, or
// it is removed and DatabaseError is thrown; copyName must not exist.
SalvageReport SalvageInto(const QString &source, const QString &copyName, const SalvageProgress &progress = {});

// SalvageInto with the damaged book 'source' read through db, a connection
// already open on it (a repair's, which holds the book for its whole run).
SalvageReport SalvageFromOpenBook(const QSqlDatabase &db, const QString &source, const QString &copyName,
                                  const SalvageProgress &progress = {});

} // namespace varnelle
