#pragma once

#include "store/SyncState.h"
#include "sync/BookSync.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>

class QThread;

namespace varnelle::sync {

// An account to sync and its password.
struct SyncJob {
    SyncAccount account;
    QString password;
    EmptiedBook emptied = EmptiedBook::Refuse;
};

// An account whose server book lost all or most of its cards: nothing was
// done, the user decides.
struct EmptiedAccount {
    SyncJob job;
    QString server;
    qsizetype count = 0; // cards gone
};

// What a run of syncs did, for the window that started it.
struct SyncRunResult {
    QStringList lines;                // each account's summary or failure, in order
    bool changed = false;             // the book may have changed: the lists read it again
    bool worthShowing = false;        // a failure, conflict or note: shown after an automatic sync too
    QList<SyncAccount> refusedPasswords; // accounts whose password the server refused
    QList<EmptiedAccount> emptied;       // accounts left for the user to decide
};

// Syncs accounts one after another on a thread of its own, with a connection
// of its own to the book file, so that the thread that starts it goes on
// with its events. Tells what it does by signals, delivered on the thread
// that made it. Cancel stops it within a second; an account that failed
// for another reason leaves the others to run.
class SyncRun : public QObject {
    Q_OBJECT
public:
    SyncRun(const QString &bookFile, const QList<SyncJob> &jobs, QObject *parent = nullptr);
    // Cancels a run still going and waits for its end.
    ~SyncRun() override;

    void start();
    void cancel() { mCancelled = true; }
    bool isRunning() const;

signals:
    void progress(const QString &stage, qsizetype done, qsizetype total);
    void finished(const varnelle::sync::SyncRunResult &result);

private:
    void work();

    QString mBookFile;
    QList<SyncJob> mJobs;
    std::atomic<bool> mCancelled{false};
    QThread *mThread = nullptr;
};

} // namespace varnelle::sync
