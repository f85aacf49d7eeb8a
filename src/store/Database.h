#pragma once

#include "store/Connection.h"
#include "store/DatabaseError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QSqlError;

namespace varnelle {

// The file names of the address book and of a repair's copy in the book's
// folder. The program decides the book's whole path once at start-up.
inline constexpr const char *DatabaseFileName = "Address.mdb";
inline constexpr const char *RepairFileName = "_MDBFIX_.MDB";

// SQLite's result code for a failure, extended where SQLite gives one
// (SQLITE_CONSTRAINT_UNIQUE); the primary code is (code & 0xff). Where the
// driver gives no code, the code is told from SQLite's words; 0 when unknown.
int SqliteResultCode(const QSqlError &error);

// A sentence a person can read for a failure of the store, classified by its
// result code. Changes nothing.
DatabaseError DescribeFailure(const QSqlError &error, const QString &fileName = {});

// DescribeFailure, in the file's own words where it explains the failure better
// (PlainFileFailure).
DatabaseError ToDatabaseError(const QSqlError &error, const QString &fileName = {});

// The failure of an operation that found the file damaged; points to the repair.
DatabaseError DamagedBookError(const QString &fileName = DatabaseFileName);

// The failure of a repair that finds an earlier compacted copy in its way.
DatabaseError CopyExistsError();

// Throws DatabaseError when value is a text holding a NUL character. The
// store never keeps one: SQLite's length() stops counting at the first NUL,
// so the size checks would let the rest of such a text through.
void RefuseTextWithNul(const QVariant &value);

// Prepares one statement on db, binds values in order and runs it.
// Throws DatabaseError with a readable text when any step fails, and
// before anything runs when a bound text holds a NUL character; a unique
// index refusing a value is checked against its table, and damage found there
// is reported as such rather than as a duplicate.
QSqlQuery RunQuery(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {});

// Throws DatabaseError when reading the rows of a query stopped on a failure
// rather than at the end.
void CheckRowsRead(const QSqlQuery &query);

// Runs body inside one transaction on db: committed when body returns,
// rolled back when it throws (the exception is passed on).
template <class Body>
void InTransaction(QSqlDatabase &db, Body &&body);

// Creates the database file with its full schema when there is no file of that
// name. An existing file is never touched, even when it cannot be opened. The
// schema is made in one transaction in a file of another name, which takes the
// given name only when complete, so a failed creation leaves no file behind.
// Reports nothing: a failure simply leaves no file.
void EnsureDatabase(const QString &fileName = DatabaseFileName);

// The creation step of EnsureDatabase with the statements to run: true when
// the file was made complete, false when nothing was made.
bool CreateDatabaseFile(const QString &fileName, const QStringList &statements);

// Opens an existing database file for reading and writing under the given
// connection name. Never creates a file. A file that is not a database is
// reported. Throws DatabaseError.
QSqlDatabase OpenDatabase(const QString &fileName, const QString &connectionName);

// Opens an existing file for reading and writing on db, a QSQLITE connection
// not yet open, as OpenDatabase does. Throws DatabaseError; db is closed then.
void OpenDatabaseFile(QSqlDatabase &db, const QString &fileName);

// Opens an existing file for reading and writing on a connection of its own,
// as OpenDatabase does. Throws DatabaseError.
Connection OpenConnection(const QString &fileName, const QString &purpose);

// Opens an existing file read-only for a reader that runs many queries over
// one state of the book (the report engine): never creates or changes a file,
// waits for a writer for a few seconds, knows the program's collation
// (text::SqlCollationName), and holds one read transaction until closed.
// Another connection may hold the same file open. Throws ReadingOpenError.
Connection OpenForReading(const QString &fileName);

// Closes the connection and forgets it; db is left invalid.
void CloseDatabase(QSqlDatabase &db);

void BeginTransaction(QSqlDatabase &db);
void CommitTransaction(QSqlDatabase &db);

template <class Body>
void InTransaction(QSqlDatabase &db, Body &&body)
{
    BeginTransaction(db);
    try {
        body();
    } catch (...) {
        db.rollback();
        throw;
    }
    CommitTransaction(db);
}

} // namespace varnelle
