#pragma once

#include "store/DamageNote.h"
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
// Damage found is noted (NoteDamage).
QStringList FindDamage(const QSqlDatabase &db);

// True for files of at most FullCheckPageLimit pages, and for every file once
// damage has been noted.
bool FullCheckIsCheap(const QSqlDatabase &db);

// The rows of a table counted through the table itself and then through each
// of its indexes; -1 where a count cannot be read. In a sound file all are
// equal. `schema` is "main" or the name of an attached database.
QList<qint64> RowCounts(const QSqlDatabase &db, const QString &table, const QString &schema = "main");

// True when every table of the address book counts the same rows through
// itself and through each of its indexes.
bool RowCountsAgree(const QSqlDatabase &db);

// Throws DatabaseError (kind ReadOnly) naming the file and the cause when the
// open database cannot be changed: the file is write-protected, or its folder
// does not allow the journal SQLite writes beside it. Tries one change and
// takes it back, so the file is left as it was.
void RequireWritable(const QSqlDatabase &db, const QString &fileName);

// The failure SQLite reported as engineText for the file 'fileName' (a path or
// the URI a connection was opened with) in plain words that name the file and
// the cause, where the file itself tells more than SQLite's words: a full disk,
// an error of the disk, a book that cannot be changed (write-protected, in a
// folder that refuses the journal, another user's), a path longer than SQLite
// accepts, an empty file. None for every other failure. resultCode is SQLite's
// extended result code where known (it tells a replaced file from a read-only
// connection); -1 when not.
std::optional<DatabaseError> PlainFileFailure(const QString &fileName, const QString &engineText,
                                              int resultCode = -1);

// True when the file the connection has open is no longer the one its name
// stands for: another program (a repair) replaced or removed it.
bool BookWasReplaced(const QSqlDatabase &db);
// SQLite's count of the changes other connections have made to the file
// since db was opened (PRAGMA data_version); -1 when it cannot be read.
qint64 DataVersion(const QSqlDatabase &db);

// True when the file begins with SQLite's header: a database, however damaged
// the rest of it may be.
bool HasDatabaseHeader(const QString &fileName);

// Opens, as OpenDatabase does, a database with a sound header that SQLite
// refuses whole: a file cut short. It is read as far as it goes (SQLite's
// writable_schema), and the damage is noted. Throws DatabaseError when it
// cannot be opened even so.
QSqlDatabase OpenCutShortDatabase(const QString &fileName, const QString &connectionName);

// Opens the book into db under connectionName (OpenDatabase). A book whose
// header is SQLite's but that SQLite refuses whole (cut short) is opened as far
// as it can be read (OpenCutShortDatabase), so that a repair can be reached; a
// file that is not a database is refused as OpenDatabase refuses it.
void OpenBookAsFarAsReadable(QSqlDatabase &db, const QString &fileName, const QString &connectionName);

} // namespace varnelle
