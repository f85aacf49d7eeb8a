#pragma once

#include <QSqlDatabase>
#include <QString>
#include <vector>

namespace varnelle {

// What a salvage kept of one table of the address book.
struct SalvagedTable {
    QString table;
    qint64 saved = 0;
    // Rows the damaged file still counts (through the table or one of its
    // indexes) that could not be read or kept; -1 when no count could be read.
    qint64 lost = 0;
};

struct SalvageReport {
    std::vector<SalvagedTable> tables;
    const SalvagedTable &of(const QString &table) const;
};

// Makes copyName a complete new address book holding every row of each table
// of the damaged file 'source' that can still be read, with its keys, values
// and types as stored: at least every row a lookup by its rowid reads. Each
// table is swept in rowid order, stepping over damaged pages rowid by rowid;
// then each rowid up to the highest one seen that is still missing is looked
// up alone. A file cut short is read as far as it goes. The source is opened
// read-only and never changed. The copy passes SQLite's integrity check, or it is removed and
// DatabaseError is thrown; copyName must not exist.
SalvageReport SalvageInto(const QString &source, const QString &copyName);

// SalvageInto with the damaged book 'source' read through db, a connection
// already open on it (a repair's, which holds the book for its whole run).
SalvageReport SalvageFromOpenBook(const QSqlDatabase &db, const QString &source, const QString &copyName);

} // namespace varnelle
