#pragma once

#include "store/DatabaseError.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace varnelle {

// The book's history, kept in the book itself beside the four tables:
// HistoryEntry (one row per change as the user sees it: an edit, a deletion,
// an import, a sync, an undo) and HistoryChange (one row per row of Address,
// TelephoneList, TelephoneType, ContactDetail or ContactAddress it changed,
// with the old and new values as JSON). Triggers of the book write the
// changes in the same transaction as the change itself, whatever program
// makes it: while this program works it names the entry in the one-row table
// HistoryOpen (HistoryEntryScope); a change made with no entry open (the
// sqlite3 shell, another program) gets an entry "Change by another program",
// one per statement. A row added records only its key (an undo deletes it by
// the key, recording what it deleted); an import only the ranges of keys it gave.
//
// The tables and triggers are made with the first change this program makes
// (and kept while HistoryKeepDays() is not 0). Plain SQL, so that the sqlite3
// shell reads them.

// The kinds of entries.
namespace history {
inline constexpr const char *Add = "add", *Edit = "edit", *Delete = "delete", *Import = "import", *Sync = "sync",
                            *TypeAdd = "type-add", *TypeRename = "type-rename", *TypeDelete = "type-delete",
                            *Restore = "restore", *Other = "other", *Undo = "undo", *Redo = "redo";
// The days kept when nothing else was chosen.
inline constexpr int DefaultKeepDays = 60;
} // namespace history

struct HistoryEntry {
    qint64 id = 0;
    QDateTime time; // UTC
    QString kind;
    QString subject; // a contact's name, a file, a server, a type; for an undo the text of what it undid
    int count = 0;   // contacts imported, changed by a sync, restored
    QString source;  // the program that made it; empty for another program
    qint64 undoneBy = 0; // the entry that undid it, or 0
    qint64 target = 0;   // an undo's first undone entry, a redo's undo

    bool undone() const { return undoneBy != 0; }
};

// What one row of a table was and became: "field: old -> new".
struct HistoryFieldChange {
    QString field;
    QString oldValue;
    QString newValue;
};

struct HistoryChangeRow {
    qint64 id = 0;
    QString table;
    QString operation; // insert, update, delete
    qint64 personId = 0;
    QList<HistoryFieldChange> fields; // for an update, the fields that differ; else the row's values
};

// A contact whose deletion can be restored.
struct DeletedContact {
    qint64 number = 0; // for RestoreDeletedContacts
    QDateTime time;
    qint64 personId = 0;
    QString name;
    bool isBusiness = false;
    HistoryEntry deletedBy;
};

// Later changes, not undone, to the rows an undo would change: undoing first
// would lose them. Their entries name them.
class HistoryConflict : public DatabaseError {
public:
    HistoryConflict(const QString &message, QList<HistoryEntry> entries)
        : DatabaseError(message), mEntries(std::move(entries))
    {
    }
    const QList<HistoryEntry> &entries() const { return mEntries; }

private:
    QList<HistoryEntry> mEntries;
};

const QStringList &HistoryTableNames();
// Whether the book keeps a history: its tables and every trigger, each as this program makes it.
bool HasHistory(const QSqlDatabase &db);
// Makes the tables and triggers where missing, unless the history is turned
// off (HistoryKeepDays() 0). Also makes the detail tables, which the
// triggers watch. Throws DatabaseError.
void EnsureHistory(const QSqlDatabase &db, const QString &schemaName = QStringLiteral("main"));

// The days the history is kept; 0: none is kept. Throws nothing.
int HistoryKeepDays(const QSqlDatabase &db);
// Keeps the setting in the book; 0 drops the history and its triggers. Throws DatabaseError.
void SetHistoryKeepDays(QSqlDatabase &db, int days);
// Forgets the entries older than the days kept (as of now). Returns how many went. Throws DatabaseError.
int PruneHistory(QSqlDatabase &db, const QDateTime &now = QDateTime::currentDateTimeUtc());

// The entries, newest first; limit < 0 for all. Throws DatabaseError.
QList<HistoryEntry> ReadHistory(const QSqlDatabase &db, int limit = -1);
std::optional<HistoryEntry> ReadHistoryEntry(const QSqlDatabase &db, qint64 id);
// The rows an entry changed, in the order they changed. Throws DatabaseError.
QList<HistoryChangeRow> ReadHistoryChanges(const QSqlDatabase &db, qint64 entryId);

// How an entry reads on the command line and in lists: "Delete Smith, Ann",
// "Import of 300 contacts from phone.vcf", "Change by another program".
QString HistoryEntryText(const HistoryEntry &entry);

// The entry Undo undoes next: the newest change not undone (undos and redos
// aside). The undo Redo takes back next: the newest undo not itself undone,
// as long as no other change was made after it.
std::optional<HistoryEntry> NextUndo(const QSqlDatabase &db);
std::optional<HistoryEntry> NextRedo(const QSqlDatabase &db);

// The later entries, not undone, that changed a contact or type the entries
// changed. Throws DatabaseError.
QList<HistoryEntry> LaterChangesInTheWay(const QSqlDatabase &db, const QList<qint64> &entries);

// Undoes the entries in one transaction, newest first, recorded as one undo
// entry (described by subject, or by what it undid); with force, the later
// changes in the way are undone too, else HistoryConflict is thrown and
// nothing changes. Returns the undo's entry. Throws DatabaseError.
HistoryEntry UndoEntries(QSqlDatabase &db, QList<qint64> entries, bool force, const QString &subject = {});
// Takes back the undo NextRedo names, in one transaction. Returns the redo's
// entry. Throws DatabaseError when there is nothing to redo.
HistoryEntry RedoLast(QSqlDatabase &db);

// The contacts deleted within the kept days and not back since, newest first. Throws DatabaseError.
QList<DeletedContact> ReadDeletedContacts(const QSqlDatabase &db);
// Brings the contacts back in one transaction (one entry): their rows, numbers
// (a type that is gone made again by its name), and details. Throws
// DatabaseError naming a number that cannot be restored; nothing changes then.
HistoryEntry RestoreDeletedContacts(QSqlDatabase &db, const QList<qint64> &numbers);

// The history's size: entries, changes and the bytes of their values.
struct HistorySize {
    qint64 entries = 0;
    qint64 changes = 0;
    qint64 bytes = 0;
};
HistorySize ReadHistorySize(const QSqlDatabase &db);

// Copies the history of the database attached as `from` into `to`, when it
// has one; for the salvage of a damaged book. Run after the other rows are in.
void CopyHistoryTables(const QSqlDatabase &db, const QString &from, const QString &to = QStringLiteral("main"));

// Names the entry every change of this connection's transaction belongs to,
// from construction to destruction: run it inside the transaction of the
// work. The entry is made (with the history's tables when the book has none)
// and, when nothing was changed, dropped again. A scope inside another does
// nothing. With contactsOnly (an import, which only adds), the contacts and
// types added are recorded as one range of keys each, and nothing else.
class HistoryEntryScope {
public:
    HistoryEntryScope(const QSqlDatabase &db, const QString &kind, const QString &subject = {},
                      bool contactsOnly = false);
    // Continues *entryId when not 0 (a sync's several transactions), else
    // makes an entry and sets *entryId.
    HistoryEntryScope(const QSqlDatabase &db, qint64 *entryId, const QString &kind, const QString &subject);
    ~HistoryEntryScope();
    HistoryEntryScope(const HistoryEntryScope &) = delete;
    HistoryEntryScope &operator=(const HistoryEntryScope &) = delete;

    void setSubject(const QString &subject) { mSubject = subject; }
    void setCount(int count) { mCount = count; }
    qint64 entryId() const { return mEntryId; }

private:
    void open(bool contactsOnly);
    QSqlDatabase mDb;
    QString mKind;
    QString mSubject;
    int mCount = -1;
    qint64 mEntryId = 0;
    qint64 *mShared = nullptr;
    qint64 mFirstPersonId = 0; // with contactsOnly: the first PersonID and TypeID the work may give
    qint64 mFirstTypeId = 0;
    bool mActive = false;
};

// Runs body in a transaction of its own, or in the one already begun on db,
// as one entry of the history. Throws what body throws.
template <class Body>
void RecordAs(const QSqlDatabase &db, const QString &kind, const QString &subject, Body &&body);

bool InTransactionNow(const QSqlDatabase &db);

} // namespace varnelle

#include "store/Database.h"

namespace varnelle {

template <class Body>
void RecordAs(const QSqlDatabase &db, const QString &kind, const QString &subject, Body &&body)
{
    QSqlDatabase writer = db;
    if (InTransactionNow(db)) {
        HistoryEntryScope scope(db, kind, subject);
        body();
        return;
    }
    InTransaction(writer, [&] {
        HistoryEntryScope scope(db, kind, subject);
        body();
    });
}

} // namespace varnelle
