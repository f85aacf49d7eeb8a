#include "ui/sync/SyncAccountsDialog.h"

#include "ui/sync/SyncPasswords.h"
#include "store/AddressBook.h"
#include "store/SyncState.h"
#include "sync/DavClient.h"
#include "sync/Discovery.h"
#include "sync/SyncError.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelle {

SyncAccountsDialog::SyncAccountsDialog(AddressBook &book, SyncPasswords &passwords, bool autoSync, QWidget *parent)
    : QDialog(parent), mBook(book), mPasswords(passwords)
{
    setObjectName("SyncAccountsDialog");
    setWindowTitle(tr("Sync Accounts"));
    auto *layout = new QVBoxLayout(this);
    mAccountList = new QListWidget(this);
    mAccountList->setObjectName("accountList");
    layout->addWidget(mAccountList);
    mRemoveButton = new QPushButton(tr("&Remove Account"), this);
    mRemoveButton->setObjectName("removeButton");
    layout->addWidget(mRemoveButton, 0, Qt::AlignRight);

    auto *group = new QGroupBox(tr("New account"), this);
    auto *form = new QFormLayout(group);
    mServer = new QLineEdit(group);
    mServer->setObjectName("serverEdit");
    mServer->setPlaceholderText("https://dav.example.com/");
    mUser = new QLineEdit(group);
    mUser->setObjectName("userEdit");
    mPassword = new QLineEdit(group);
    mPassword->setObjectName("passwordEdit");
    mPassword->setEchoMode(QLineEdit::Password);
    mInsecure = new QCheckBox(tr("Allow plain &http (the password travels unencrypted)"), group);
    mInsecure->setObjectName("insecureCheck");
    auto *find = new QPushButton(tr("&Find Address Books"), group);
    find->setObjectName("findButton");
    mBusinessBook = new QComboBox(group);
    mBusinessBook->setObjectName("businessBookCombo");
    mPersonalBook = new QComboBox(group);
    mPersonalBook->setObjectName("personalBookCombo");
    mAddButton = new QPushButton(tr("&Add Account"), group);
    mAddButton->setObjectName("addButton");
    form->addRow(tr("&Server URL:"), mServer);
    form->addRow(tr("&User name:"), mUser);
    form->addRow(tr("&Password:"), mPassword);
    form->addRow(mInsecure);
    form->addRow(find);
    form->addRow(tr("&Business view:"), mBusinessBook);
    form->addRow(tr("P&ersonal view:"), mPersonalBook);
    form->addRow(mAddButton);
    layout->addWidget(group);

    mAutoSync = new QCheckBox(tr("Sync &every 15 minutes while the program is open"), this);
    mAutoSync->setObjectName("autoSyncCheck");
    mAutoSync->setChecked(autoSync);
    layout->addWidget(mAutoSync);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);

    connect(find, &QPushButton::clicked, this, &SyncAccountsDialog::findAddressBooks);
    connect(mAddButton, &QPushButton::clicked, this, &SyncAccountsDialog::addAccount);
    connect(mRemoveButton, &QPushButton::clicked, this, &SyncAccountsDialog::removeAccount);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    mAddButton->setEnabled(false);
    refill();
}

bool SyncAccountsDialog::autoSync() const { return mAutoSync->isChecked(); }

void SyncAccountsDialog::showError(const QString &message)
{
    QMessageBox::warning(this, windowTitle(), message);
}

void SyncAccountsDialog::refill()
{
    mAccountList->clear();
    mAccountIds.clear();
    try {
        for (const SyncAccount &a : ReadSyncAccounts(mBook.database())) {
            mAccountList->addItem(tr("%1 view: '%2' on %3 (%4)")
                                      .arg(a.isBusiness ? tr("Business") : tr("Personal"), a.bookName,
                                           QUrl(a.bookUrl).host(), a.userName));
            mAccountIds << a.id;
        }
    } catch (const DatabaseError &error) {
        showError(error.message());
    }
    mRemoveButton->setEnabled(!mAccountIds.isEmpty());
}

void SyncAccountsDialog::findAddressBooks()
{
    const QUrl server = sync::ServerUrl(mServer->text());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        sync::DavClient client(server, mUser->text(), mPassword->text(), mInsecure->isChecked());
        const QList<sync::RemoteBook> books = sync::FindAddressBooks(client, server);
        for (QComboBox *combo : {mBusinessBook, mPersonalBook}) {
            combo->clear();
            combo->addItem(tr("(not synced)"));
            for (const sync::RemoteBook &b : books)
                combo->addItem(b.name.isEmpty() ? b.url.path() : b.name, b.url.toString());
        }
        if (!books.isEmpty())
            mBusinessBook->setCurrentIndex(1);
        mAddButton->setEnabled(!books.isEmpty());
    } catch (const sync::SyncError &error) {
        QApplication::restoreOverrideCursor();
        return showError(error.message());
    }
    QApplication::restoreOverrideCursor();
}

void SyncAccountsDialog::addAccount()
{
    const QUrl server = sync::ServerUrl(mServer->text());
    try {
        for (QComboBox *combo : {mBusinessBook, mPersonalBook}) {
            if (combo->currentIndex() <= 0)
                continue;
            SyncAccount a;
            a.serverUrl = server.toString();
            a.userName = mUser->text();
            a.isBusiness = combo == mBusinessBook;
            a.bookUrl = combo->currentData().toString();
            a.bookName = combo->currentText();
            a.insecure = mInsecure->isChecked();
            AddSyncAccount(mBook.database(), a);
        }
    } catch (const DatabaseError &error) {
        return showError(error.message());
    }
    mPasswords.remember(server.host(), mUser->text(), mPassword->text());
    mPassword->clear();
    mAddButton->setEnabled(false);
    refill();
}

void SyncAccountsDialog::removeAccount()
{
    const int row = mAccountList->currentRow();
    if (row < 0 || row >= mAccountIds.size())
        return;
    try {
        RemoveSyncAccount(mBook.database(), mAccountIds[row]);
    } catch (const DatabaseError &error) {
        showError(error.message());
    }
    refill();
}

} // namespace varnelle
