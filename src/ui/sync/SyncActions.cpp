#include "ui/sync/SyncActions.h"

#include "ui/sync/SyncAccountsDialog.h"
#include "ui/sync/SyncPasswords.h"
#include "ui/widgets/MessageBox.h"
#include "store/AddressBook.h"
#include "store/SyncState.h"
#include "sync/BookSync.h"
#include "sync/SyncError.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

namespace varnelle {

namespace {

constexpr int AutoSyncMinutes = 15;
const char *const AutoSyncKey = "sync/automatic";

// The sync of one window's book: the actions' work, the passwords of the
// session and the timer of the automatic sync.
class SyncController : public QObject {
    Q_OBJECT
public:
    SyncController(AddressBook &book, QWidget *window) : QObject(window), mBook(book), mWindow(window)
    {
        mPasswords = new SyncPasswords(this);
        mTimer = new QTimer(this);
        mTimer->setInterval(AutoSyncMinutes * 60 * 1000);
        connect(mTimer, &QTimer::timeout, this, [this] { syncNow(true); });
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
        if (mRunning || !mBook.isOpen())
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
        mRunning = true;
        QProgressDialog progress(tr("Syncing..."), tr("Cancel"), 0, 0, mWindow);
        progress.setObjectName("syncProgress");
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.show();
        sync::SyncOptions options;
        options.cancelled = [&progress] { return progress.wasCanceled(); };
        options.progress = [&progress](const QString &stage, qsizetype done, qsizetype total) {
            progress.setLabelText(total > 0 ? tr("%1: %2 of %3").arg(stage).arg(done).arg(total) : stage);
            progress.setMaximum(int(total));
            progress.setValue(int(done));
        };
        QStringList lines;
        bool failed = false;
        bool changed = false;
        for (const SyncAccount &a : accounts) {
            const QString host = QUrl(a.bookUrl).host();
            const QString password = mPasswords->password(host, a.userName);
            if (password.isEmpty())
                continue;
            try {
                const sync::SyncSummary summary = sync::SyncBook(mBook.database(), mBook.fileName(), a, password, options);
                lines << summary.lines();
                changed = changed || summary.cameIn + summary.removedHere > 0;
                if (!summary.conflicts.isEmpty() || !summary.notes.isEmpty())
                    failed = true; // worth showing after an automatic sync as well
            } catch (const sync::SyncError &error) {
                if (error.kind() == sync::SyncError::Kind::Authentication)
                    mPasswords->forget(host, a.userName);
                lines << error.message();
                failed = true;
                changed = true;
                if (error.kind() == sync::SyncError::Kind::Cancelled)
                    break;
            } catch (const DatabaseError &error) {
                lines << error.message();
                failed = true;
                changed = true;
            }
        }
        progress.close();
        mRunning = false;
        if (changed) {
            mBook.notifyContactsChanged();
            mBook.notifyTypesChanged();
        }
        if (!automatic || failed)
            showSummary(lines);
    }

private:
    void showSummary(const QStringList &lines)
    {
        QDialog dialog(mWindow);
        dialog.setObjectName("SyncSummaryDialog");
        dialog.setWindowTitle(tr("Sync Summary"));
        auto *layout = new QVBoxLayout(&dialog);
        auto *text = new QPlainTextEdit(lines.join(u'\n'), &dialog);
        text->setObjectName("summaryText");
        text->setReadOnly(true);
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
        text->setMinimumSize(520, 220);
        layout->addWidget(text);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
        connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(buttons);
        dialog.exec();
    }

    AddressBook &mBook;
    QWidget *mWindow;
    SyncPasswords *mPasswords;
    QTimer *mTimer;
    bool mRunning = false;
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
