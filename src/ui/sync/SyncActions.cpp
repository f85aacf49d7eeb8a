#include "ui/sync/SyncActions.h"

#include "ui/sync/SyncAccountsDialog.h"
#include "ui/sync/SyncNotice.h"
#include "ui/sync/SyncPasswords.h"
#include "ui/widgets/MessageBox.h"
#include "store/AddressBook.h"
#include "store/SyncState.h"
#include "sync/SyncRun.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace varnelle {

namespace {

constexpr int AutoSyncMinutes = 15;
const char *const AutoSyncKey = "sync/automatic";

// Calls back once no modal window is open and the program is out of the
// modal window's exec(), where the window that opened it is still busy with
// what the dialog is for: waits for the modal window to hide, then for its
// event loop to end (a window shown modal without one: a second at most).
class WhenNoModal : public QObject {
public:
    static void call(QObject *context, std::function<void()> then, int level = -1, int tries = 20)
    {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            new WhenNoModal(modal, context, std::move(then));
            return;
        }
        if (level < 0 || QThread::currentThread()->loopLevel() < level || tries <= 0)
            return then();
        QTimer::singleShot(50, context, [context, then, level, tries] { call(context, then, level, tries - 1); });
    }

private:
    WhenNoModal(QWidget *modal, QObject *context, std::function<void()> then)
        : QObject(modal), mContext(context), mThen(std::move(then)), mLevel(QThread::currentThread()->loopLevel())
    {
        modal->installEventFilter(this);
    }

    // A modal window deleted while shown is gone as well.
    ~WhenNoModal() override { again(); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched == parent()) {
            watched->removeEventFilter(this);
            again();
            deleteLater();
        }
        return false;
    }

    void again()
    {
        if (mContext && mThen)
            QTimer::singleShot(0, mContext, [context = mContext.data(), then = mThen, level = mLevel] {
                call(context, then, level);
            });
        mThen = nullptr;
    }

    QPointer<QObject> mContext;
    std::function<void()> mThen;
    int mLevel; // the loop level while the modal window was open
};

// The sync of one window's book: the actions' work, the passwords of the
// session and the timer of the automatic sync. The syncs run on a thread of
// their own (sync::SyncRun); this object follows them by signals.
class SyncController : public QObject {
    Q_OBJECT
public:
    SyncController(AddressBook &book, QWidget *window) : QObject(window), mBook(book), mWindow(window)
    {
        mPasswords = new SyncPasswords(this);
        mNotice = new SyncNotice(this);
        mTimer = new QTimer(this);
        mTimer->setObjectName("autoSyncTimer");
        mTimer->setInterval(AutoSyncMinutes * 60 * 1000);
        // Never in the middle of a modal window (the contact editor): the
        // sync waits for it to close.
        connect(mTimer, &QTimer::timeout, this, [this] {
            if (!mAutoSyncWaiting) {
                mAutoSyncWaiting = true;
                WhenNoModal::call(this, [this] {
                    mAutoSyncWaiting = false;
                    syncNow(true);
                });
            }
        });
        if (QSettings().value(AutoSyncKey, false).toBool())
            mTimer->start();
    }

    void editAccounts()
    {
        // No automatic sync while accounts change under it.
        const bool automatic = mTimer->isActive();
        mTimer->stop();
        SyncAccountsDialog dialog(mBook, *mPasswords, automatic, mWindow);
        dialog.exec();
        QSettings().setValue(AutoSyncKey, dialog.autoSync());
        if (dialog.autoSync())
            mTimer->start();
        else
            mTimer->stop();
    }

    void syncNow(bool automatic)
    {
        if (mBusy || !mBook.isOpen())
            return;
        QList<SyncAccount> accounts;
        try {
            accounts = ReadSyncAccounts(mBook.database());
        } catch (const DatabaseError &error) {
            ShowMessage(tr("Sync"), error.message(), QMessageBox::Warning);
            return;
        }
        if (accounts.isEmpty()) {
            if (!automatic)
                ShowMessage(tr("Sync"), tr("There is no sync account yet: add one with File > Sync Accounts."), QMessageBox::Information);
            return;
        }
        mBusy = true;
        mAutomatic = automatic;
        mJobs.clear();
        askPasswords(accounts);
    }

private:
    // The passwords one account after another (the keyring answers later),
    // then the run; an account whose password is not given is left out.
    void askPasswords(QList<SyncAccount> accounts)
    {
        if (accounts.isEmpty())
            return startRun();
        const SyncAccount account = accounts.takeFirst();
        mPasswords->password(QUrl(account.bookUrl).host(), account.userName, this,
                             [this, account, accounts](const QString &password) {
                                 if (!password.isEmpty())
                                     mJobs << sync::SyncJob{account, password};
                                 askPasswords(accounts);
                             });
    }

    void startRun()
    {
        if (mJobs.isEmpty())
            return finished({});
        mProgress = new QProgressDialog(tr("Syncing..."), tr("Cancel"), 0, 0, mWindow);
        mProgress->setObjectName("syncProgress");
        mProgress->setWindowModality(Qt::WindowModal);
        mProgress->setMinimumDuration(0);
        // The bar is set directly: the dialog's own setValue() would handle
        // events in the middle of this object's work.
        auto *bar = new QProgressBar(mProgress);
        bar->setRange(0, 0);
        mProgress->setBar(bar);
        mRun = new sync::SyncRun(mBook.fileName(), mJobs, this);
        connect(mProgress, &QProgressDialog::canceled, mRun, &sync::SyncRun::cancel);
        connect(mRun, &sync::SyncRun::progress, mProgress,
                [progress = mProgress, bar](const QString &stage, qsizetype done, qsizetype total) {
                    progress->setLabelText(total > 0 ? tr("%1: %2 of %3").arg(stage).arg(done).arg(total) : stage);
                    bar->setRange(0, int(total));
                    bar->setValue(int(done));
                });
        connect(mRun, &sync::SyncRun::finished, this, &SyncController::finished);
        mProgress->show();
        mRun->start();
    }

    void finished(const sync::SyncRunResult &result)
    {
        if (mProgress) {
            mProgress->close();
            mProgress->deleteLater();
            mProgress = nullptr;
        }
        if (mRun) {
            mRun->deleteLater();
            mRun = nullptr;
        }
        mBusy = false;
        for (const SyncAccount &a : result.refusedPasswords)
            mPasswords->forget(QUrl(a.bookUrl).host(), a.userName);
        // The lists read the book again once no dialog is busy with it.
        if (result.changed)
            WhenNoModal::call(&mBook, [book = &mBook] {
                book->notifyContactsChanged();
                book->notifyTypesChanged();
            });
        const bool summary = !(result.lines.isEmpty() && !result.emptied.isEmpty());
        if (!mAutomatic && summary) {
            showSummary(result.lines);
        } else if (result.worthShowing && summary) {
            // An automatic sync that needs the user's eye tells the desktop,
            // whose notice shows the summary; without one the summary shows itself.
            const QStringList lines = result.lines;
            const auto show = [this, lines] {
                WhenNoModal::call(this, [this, lines] {
                    mWindow->raise();
                    mWindow->activateWindow();
                    showSummary(lines);
                });
            };
            mNotice->send(tr("Sync needs attention"), lines.join(u'\n'), show, show);
        }
        askAboutEmptied(result.emptied);
        // A sync the user started asks again for a password the server refused.
        QList<sync::SyncJob> retry;
        if (!mAutomatic)
            for (const SyncAccount &a : result.refusedPasswords)
                mPasswords->askAgain(QUrl(a.bookUrl).host(), a.userName, [&retry, a](const QString &password) {
                    if (!password.isEmpty())
                        retry << sync::SyncJob{a, password};
                });
        if (!retry.isEmpty() && !mBusy) {
            mBusy = true;
            mJobs = retry;
            startRun();
        }
    }

    // A server book emptied or made anew is never followed without asking:
    // its contacts are removed here too, or uploaded again, or left as they are.
    void askAboutEmptied(const QList<sync::EmptiedAccount> &emptied)
    {
        QList<sync::SyncJob> again;
        for (const sync::EmptiedAccount &e : emptied) {
            const QMessageBox::StandardButton answer = ShowMessage(
                tr("Sync"),
                tr("The address book on %1 is now empty. Remove all %2 contacts here too, or upload them again?")
                    .arg(e.server)
                    .arg(e.count),
                QMessageBox::Question, QMessageBox::Discard | QMessageBox::Save | QMessageBox::Cancel,
                {{QMessageBox::Discard, tr("Remove Here")}, {QMessageBox::Save, tr("Upload Again")}});
            if (answer != QMessageBox::Discard && answer != QMessageBox::Save)
                continue;
            sync::SyncJob job = e.job;
            job.emptied = answer == QMessageBox::Discard ? sync::EmptiedBook::RemoveHere
                                                         : sync::EmptiedBook::UploadAgain;
            again << job;
        }
        if (again.isEmpty() || mBusy)
            return;
        mBusy = true;
        mJobs = again;
        startRun();
    }

    void showSummary(const QStringList &lines)
    {
        QDialog dialog(mWindow);
        dialog.setObjectName("SyncSummaryDialog");
        dialog.setWindowTitle(tr("Sync Summary"));
        auto *layout = new QVBoxLayout(&dialog);
        auto *text = new QPlainTextEdit(lines.join(u'\n'), &dialog);
        text->setObjectName("summaryText");
        text->setReadOnly(true);
        text->setAccessibleName(tr("Sync summary"));
        // Long values of a conflict wrap at the window's edge; the window can be resized.
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        const QFontMetrics metrics(text->font());
        text->setMinimumSize(metrics.averageCharWidth() * 60, metrics.lineSpacing() * 10);
        dialog.setSizeGripEnabled(true);
        dialog.resize(metrics.averageCharWidth() * 90, metrics.lineSpacing() * 18);
        layout->addWidget(text);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
        connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(buttons);
        dialog.exec();
    }

    AddressBook &mBook;
    QWidget *mWindow;
    SyncPasswords *mPasswords;
    SyncNotice *mNotice;
    QTimer *mTimer;
    QList<sync::SyncJob> mJobs;
    QPointer<QProgressDialog> mProgress;
    sync::SyncRun *mRun = nullptr;
    bool mBusy = false;
    bool mAutomatic = false;
    bool mAutoSyncWaiting = false;
};

} // namespace

void AddSyncActions(QMenu *fileMenu, AddressBook &book, QWidget *window)
{
    auto *controller = new SyncController(book, window);
    auto *accounts = new QAction(SyncController::tr("Sync &Accounts\u2026"), fileMenu);
    accounts->setObjectName("syncAccountsAction");
    auto *now = new QAction(SyncController::tr("S&ync Now"), fileMenu);
    now->setObjectName("syncNowAction");
    QObject::connect(accounts, &QAction::triggered, controller, &SyncController::editAccounts);
    QObject::connect(now, &QAction::triggered, controller, [controller] { controller->syncNow(false); });
    QAction *before = fileMenu->actions().isEmpty() ? nullptr : fileMenu->actions().last();
    fileMenu->insertAction(before, accounts);
    fileMenu->insertAction(before, now);
    if (before)
        fileMenu->insertSeparator(before);
}

} // namespace varnelle

#include "SyncActions.moc"
