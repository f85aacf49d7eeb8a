#pragma once

#include "store/DatabaseError.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace varnelle {

// The book as a file that is opened: whether it can be changed, whether
// another program replaced it, how far a damaged one can be opened, and the
// plain words for failures that the file explains better than SQLite.

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
// writable_schema). Throws DatabaseError when it
// cannot be opened even so.
QSqlDatabase OpenCutShortDatabase(const QString &fileName, const QString &connectionName);

// Opens the book into db under connectionName (OpenDatabase). A book whose
// header is SQLite's but that SQLite refuses whole (cut short) is opened as far
// as it can be read (OpenCutShortDatabase), so that a repair can be reached; a
// file that is not a database is refused as OpenDatabase refuses it. True when
// the book was opened cut short.
bool OpenBookAsFarAsReadable(QSqlDatabase &db, const QString &fileName, const QString &connectionName);

} // namespace varnelle
