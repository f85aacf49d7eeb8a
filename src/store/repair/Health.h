#pragma once

#include "store/BookOpening.h"
#include "store/DatabaseError.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace varnelle {

// Files of at most this many pages (4 MB at SQLite's usual page size) get the
// full integrity check, which also compares every index with its table; larger
// ones get the quick check of every page, which costs one read of the file.
inline constexpr int FullCheckPageLimit = 1024;

// The damage SQLite finds in the open database, one line per finding (at most
// a few); empty when the file is sound. Reads only; never changes the file.
// The full check runs where FullCheckIsCheap, the quick check elsewhere.
// CheckDepth::Full asks for the full check whatever the size: where the user
// asks for a check, and for a book opened cut short.
enum class CheckDepth { AsCheap, Full };
QStringList FindDamage(const QSqlDatabase &db, CheckDepth depth = CheckDepth::AsCheap);

// A line telling of numbers no one can see, those whose telephone type is
// missing (a repair makes their types again); empty when there are none.
QStringList FindOrphanNumbers(const QSqlDatabase &db);

// True for files of at most FullCheckPageLimit pages.
bool FullCheckIsCheap(const QSqlDatabase &db);

// The rows of a table counted through the table itself and then through each
// of its indexes; -1 where a count cannot be read. In a sound file all are
// equal. `schema` is "main" or the name of an attached database.
QList<qint64> RowCounts(const QSqlDatabase &db, const QString &table, const QString &schema = "main");

// True when every table of the address book counts the same rows through
// itself and through each of its indexes.
bool RowCountsAgree(const QSqlDatabase &db);

} // namespace varnelle
