#pragma once

#include "store/SyncState.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QLockFile>
#include <functional>

namespace varnelle::sync {

// What one sync did, for the user.
struct SyncSummary {
    QString server;
    QString bookName;
    bool isBusiness = false;
    int cameIn = 0;
    int wentOut = 0;
    int removedHere = 0;
    int removedThere = 0;
    int requests = 0;         // HTTP requests sent
    QStringList conflicts;    // "Doe, Jane: E-mail Address: ..." the server's value, not taken
    QStringList notFitted;    // values the book cannot hold; they stay on the server
    QStringList notes;        // contacts kept although deleted on one side, cards that cannot be read

    // The counts first, then a line for every conflict, value and note.
    QStringList lines() const;
};

// What a sync does when the server's address book lost all or most of the
// cards synced with it at once (emptied, or made anew at the same address).
enum class EmptiedBook {
    Refuse,      // nothing moves; SyncError of Kind::Emptied
    RemoveHere,  // the contacts go here too, as deletions on the server do
    UploadAgain, // the contacts are sent to the server again
};

struct SyncOptions {
    // Asked often; true stops the sync within a second. What was applied stays.
    std::function<bool()> cancelled;
    // Told what the sync is doing: "Receiving", "Sending", with counts.
    std::function<void(const QString &stage, qsizetype done, qsizetype total)> progress;
    // Each request's whole time; the sync's own is three of them and a
    // little more for every card it moves.
    int requestDeadlineMs = 60000;
    int deadlinePerCardMs = 1000;
    int batchSize = 100;
    int parallel = 4;
    qint64 maxResponseBytes = 100LL * 1024 * 1024;
    EmptiedBook emptied = EmptiedBook::Refuse;
};

// Held by a sync for its whole run, and by whatever forgets or removes an
// account's sync state, so that a sync never writes back the state of an
// account changed meanwhile. Throws SyncError when another process or window
// holds it.
class SyncLock {
public:
    explicit SyncLock(const QString &bookFile);

private:
    QLockFile mFile;
};

// Syncs the account's view of the book with its address book on the server,
// both ways, merging field by field against the cards of the last sync. Each
// batch of changes is applied in one transaction with its sync state, so a
// sync stopped at any moment is finished by the next one without duplicates.
// Only one sync of a book file runs at a time. Throws SyncError (naming the
// server and the cause) or DatabaseError.
SyncSummary SyncBook(QSqlDatabase &db, const QString &bookFile, const SyncAccount &account, const QString &password,
                     const SyncOptions &options = {});

} // namespace varnelle::sync
