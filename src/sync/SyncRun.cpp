#include "sync/SyncRun.h"

#include "sync/BookSync.h"
#include "sync/SyncError.h"
#include "store/Connection.h"
#include "store/Database.h"

#include <QPointer>
#include <QUrl>
#include <QThread>

namespace varnelle::sync {

SyncRun::SyncRun(const QString &bookFile, const QList<SyncJob> &jobs, QObject *parent)
    : QObject(parent), mBookFile(bookFile), mJobs(jobs)
{
}

SyncRun::~SyncRun()
{
    if (!mThread)
        return;
    mCancelled = true;
    mThread->wait();
    delete mThread;
}

bool SyncRun::isRunning() const { return mThread && mThread->isRunning(); }

void SyncRun::start()
{
    if (mThread)
        return;
    mThread = QThread::create([this] { work(); });
    mThread->setObjectName(QStringLiteral("SyncRun"));
    mThread->start();
}

// On the run's thread: the signals are sent from this object's own thread,
// where a result arriving after the object has gone is dropped.
void SyncRun::work()
{
    const QPointer<SyncRun> self(this);
    SyncOptions options;
    options.cancelled = [this] { return mCancelled.load(); };
    options.progress = [this, self](const QString &stage, qsizetype done, qsizetype total) {
        QMetaObject::invokeMethod(this, [self, stage, done, total] {
            if (self)
                emit self->progress(stage, done, total);
        });
    };
    SyncRunResult result;
    auto failed = [&result](const QString &message) {
        if (!result.lines.contains(message)) // a server that fails both views is told of once
            result.lines << message;
        result.worthShowing = true;
        result.changed = true;
    };
    try {
        Connection book = OpenConnection(mBookFile, QStringLiteral("sync"));
        for (const SyncJob &job : std::as_const(mJobs)) {
            try {
                options.emptied = job.emptied;
                const SyncSummary summary = SyncBook(book.database(), mBookFile, job.account, job.password, options);
                result.lines << summary.lines();
                result.changed = result.changed || summary.cameIn + summary.removedHere > 0;
                result.worthShowing = result.worthShowing || !summary.conflicts.isEmpty() || !summary.notes.isEmpty();
            } catch (const SyncError &error) {
                if (error.kind() == SyncError::Kind::Emptied) {
                    result.emptied << EmptiedAccount{job, QUrl(job.account.bookUrl).host(), error.count()};
                    continue;
                }
                failed(error.message());
                if (error.kind() == SyncError::Kind::Authentication)
                    result.refusedPasswords << job.account;
                if (error.kind() == SyncError::Kind::Cancelled)
                    break;
            } catch (const DatabaseError &error) {
                failed(error.message());
            }
        }
    } catch (const DatabaseError &error) {
        failed(error.message());
    }
    QMetaObject::invokeMethod(this, [self, result] {
        if (self)
            emit self->finished(result);
    });
}

} // namespace varnelle::sync
