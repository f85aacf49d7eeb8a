#include "ui/sync/SyncAccountsDialog.h"

#include "ui/sync/SyncPasswords.h"
#include "ui/widgets/MessageBox.h"
#include "store/AddressBook.h"
#include "store/SyncState.h"
#include "sync/BookSync.h"
#include "sync/DavClient.h"
#include "sync/Discovery.h"
#include "sync/SyncError.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelle {

SyncAccountsDialog::SyncAccountsDialog(AddressBook &book, SyncPasswords &passwords, bool autoSync, QWidget *parent)
    : QDialog(parent), mBook(book), mPasswords(passwords)
{
    setObjectName("SyncAccountsDialog");
    setWindowTitle(tr("Sync Accounts"));
    auto *layout = new QVBoxLayout(this);
    mAccountList = new QListWidget(this);
    mAccountList->setObjectName("accountList");
    mAccountList->setAccessibleName(tr("Sync accounts"));
    layout->addWidget(mAccountList);
    mEditButton = new QPushButton(tr("E&dit Account"), this);
    mEditButton->setObjectName("editButton");
    mRemoveButton = new QPushButton(tr("&Remove Account"), this);
    mRemoveButton->setObjectName("removeButton");
    auto *listButtons = new QHBoxLayout;
    listButtons->addStretch();
    listButtons->addWidget(mEditButton);
    listButtons->addWidget(mRemoveButton);
    layout->addLayout(listButtons);

    mGroup = new QGroupBox(tr("New account"), this);
    auto *group = mGroup;
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
    mFindButton = find;
    mBusinessBook = new QComboBox(group);
    mBusinessBook->setObjectName("businessBookCombo");
    mPersonalBook = new QComboBox(group);
    mPersonalBook->setObjectName("personalBookCombo");
    mAddButton = new QPushButton(tr("&Add Account"), group);
    mAddButton->setObjectName("addButton");
    mSaveButton = new QPushButton(tr("Sa&ve Changes"), group);
    mSaveButton->setObjectName("saveButton");
    mSaveButton->hide();
    mCancelEditButton = new QPushButton(tr("Cancel Edi&ting"), group);
    mCancelEditButton->setObjectName("cancelEditButton");
    mCancelEditButton->hide();
    auto *formButtons = new QHBoxLayout;
    formButtons->addWidget(mAddButton);
    formButtons->addWidget(mSaveButton);
    formButtons->addWidget(mCancelEditButton);
    form->addRow(tr("&Server URL:"), mServer);
    form->addRow(tr("&User name:"), mUser);
    form->addRow(tr("&Password:"), mPassword);
    form->addRow(mInsecure);
    form->addRow(find);
    form->addRow(tr("&Business view:"), mBusinessBook);
    form->addRow(tr("P&ersonal view:"), mPersonalBook);
    form->addRow(formButtons);
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
    connect(mEditButton, &QPushButton::clicked, this, &SyncAccountsDialog::editAccount);
    connect(mAccountList, &QListWidget::itemActivated, this, &SyncAccountsDialog::editAccount);
    connect(mAccountList, &QListWidget::currentRowChanged, this, &SyncAccountsDialog::updateButtons);
    connect(mSaveButton, &QPushButton::clicked, this, &SyncAccountsDialog::saveAccount);
    connect(mCancelEditButton, &QPushButton::clicked, this, &SyncAccountsDialog::cancelEditing);
    for (QComboBox *combo : {mBusinessBook, mPersonalBook})
        connect(combo, &QComboBox::currentIndexChanged, this, &SyncAccountsDialog::updateButtons);
    // Another server has other address books: the edited view's is found again.
    connect(mServer, &QLineEdit::textEdited, this, [this] {
        if (mEditing)
            fillBooks(editedBookCombo(), {});
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    mAddButton->setEnabled(false);
    refill();
}

bool SyncAccountsDialog::autoSync() const { return mAutoSync->isChecked(); }

void SyncAccountsDialog::showError(const QString &message)
{
    ShowMessage(windowTitle(), message, QMessageBox::Warning);
}

void SyncAccountsDialog::refill()
{
    mAccountList->clear();
    mAccounts.clear();
    try {
        mAccounts = ReadSyncAccounts(mBook.database());
        for (const SyncAccount &a : std::as_const(mAccounts))
            mAccountList->addItem(tr("%1 view: '%2' on %3 (%4)")
                                      .arg(a.isBusiness ? tr("Business") : tr("Personal"), a.bookName,
                                           QUrl(a.bookUrl).host(), a.userName));
    } catch (const DatabaseError &error) {
        showError(error.message());
    }
    updateButtons();
}

void SyncAccountsDialog::updateButtons()
{
    mAccountList->setEnabled(!mEditing);
    mRemoveButton->setEnabled(!mEditing && !mAccounts.isEmpty());
    mEditButton->setEnabled(!mEditing && !mAccounts.isEmpty());
    mSaveButton->setEnabled(mEditing && editedBookCombo()->currentIndex() > 0);
}

QComboBox *SyncAccountsDialog::editedBookCombo() const
{
    return mEditing && !mEditing->isBusiness ? mPersonalBook : mBusinessBook;
}

// (name, URL) of each book; the first entry of a list is "(not synced)".
void SyncAccountsDialog::fillBooks(QComboBox *combo, const QList<QPair<QString, QString>> &books)
{
    combo->clear();
    combo->addItem(tr("(not synced)"));
    for (const auto &[name, url] : books)
        combo->addItem(name, url);
}

void SyncAccountsDialog::takeUserInfo()
{
    QString user;
    QString password;
    const QUrl server = sync::ServerUrl(mServer->text(), &user, &password);
    if (user.isEmpty() && password.isEmpty())
        return;
    mServer->setText(server.toString());
    if (!user.isEmpty())
        mUser->setText(user);
    if (!password.isEmpty())
        mPassword->setText(password);
}

void SyncAccountsDialog::findAddressBooks()
{
    takeUserInfo();
    if (mFinding)
        return;
    const QUrl server = sync::ServerUrl(mServer->text());
    const QString user = mUser->text();
    const QString password = mPassword->text();
    const bool insecure = mInsecure->isChecked();
    mFinding = true;
    mFindButton->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The server is asked on a thread of its own; the answer comes back to
    // this window, or is dropped when it has closed meanwhile.
    const QPointer<SyncAccountsDialog> self(this);
    QThread *thread = QThread::create([self, server, user, password, insecure, trusted = mTrusted] {
        QList<sync::RemoteBook> found;
        QString failure;
        QString certificate;
        try {
            sync::DavClient client(server, user, password, insecure);
            client.setTrustedCertificate(trusted);
            found = sync::FindAddressBooks(client, server);
        } catch (const sync::SyncError &error) {
            failure = error.message();
            certificate = error.certificate();
        }
        QMetaObject::invokeMethod(qApp, [self, found, failure, certificate] {
            QApplication::restoreOverrideCursor();
            if (self)
                self->booksFound(found, failure, certificate);
        });
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void SyncAccountsDialog::booksFound(const QList<sync::RemoteBook> &found, const QString &failure,
                                    const QString &certificate)
{
    mFinding = false;
    mFindButton->setEnabled(true);
    // A certificate no authority vouches for may be trusted for this
    // account, once the user has seen its fingerprint; a changed one is asked about again.
    if (!certificate.isEmpty()) {
        if (AskYesNo(windowTitle(), tr("The certificate of the server %1 is not trusted by this system. Its SHA-256 "
                                       "fingerprint is:\n\n%2\n\nTrust this certificate for this account? Do so "
                                       "only when it is the fingerprint of your server's certificate.")
                                        .arg(sync::ServerUrl(mServer->text()).host(), certificate))) {
            mTrusted = sync::DavClient::NormalizedFingerprint(certificate);
            findAddressBooks();
        }
        return;
    }
    if (!failure.isEmpty())
        return showError(failure);
    QList<QPair<QString, QString>> books;
    for (const sync::RemoteBook &b : found)
        books << qMakePair(b.name.isEmpty() ? b.url.path() : b.name, b.url.toString());
    if (mEditing) { // the view's book stays chosen while the server has it
        QComboBox *combo = editedBookCombo();
        fillBooks(combo, books);
        const int current = combo->findData(mEditing->bookUrl);
        combo->setCurrentIndex(current > 0 ? current : std::min(1, combo->count() - 1));
    } else {
        for (QComboBox *combo : {mBusinessBook, mPersonalBook})
            fillBooks(combo, books);
        if (!books.isEmpty())
            mBusinessBook->setCurrentIndex(1);
        mAddButton->setEnabled(!books.isEmpty());
    }
}

void SyncAccountsDialog::addAccount()
{
    takeUserInfo();
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
            a.trustedCertificate = mTrusted;
            AddSyncAccount(mBook.database(), a);
        }
    } catch (const DatabaseError &error) {
        return showError(error.message());
    }
    mPasswords.remember(server.host(), mUser->text(), mPassword->text());
    mPassword->clear();
    mTrusted.clear();
    mAddButton->setEnabled(false);
    refill();
}

void SyncAccountsDialog::removeAccount()
{
    const int row = mAccountList->currentRow();
    if (row < 0 || row >= mAccounts.size())
        return;
    const SyncAccount removed = mAccounts[row];
    try {
        const sync::SyncLock lock(mBook.fileName());
        RemoveSyncAccount(mBook.database(), removed.id);
    } catch (const Error &error) {
        showError(error.message());
    }
    refill();
    forgetUnusedPassword(removed);
}

void SyncAccountsDialog::editAccount()
{
    const int row = mAccountList->currentRow();
    if (mEditing || row < 0 || row >= mAccounts.size())
        return;
    const SyncAccount &a = mAccounts[row];
    mEditing = a;
    mTrusted = a.trustedCertificate;
    mGroup->setTitle(tr("Edit account"));
    mServer->setText(a.serverUrl);
    mUser->setText(a.userName);
    mPassword->clear();
    mPasswords.known(QUrl(a.bookUrl).host(), a.userName, this, [this, edited = a.id](const QString &password) {
        if (mEditing && mEditing->id == edited && mPassword->text().isEmpty())
            mPassword->setText(password);
    });
    mInsecure->setChecked(a.insecure);
    QComboBox *edited = editedBookCombo();
    QComboBox *other = edited == mBusinessBook ? mPersonalBook : mBusinessBook;
    fillBooks(edited, {qMakePair(a.bookName.isEmpty() ? QUrl(a.bookUrl).path() : a.bookName, a.bookUrl)});
    edited->setCurrentIndex(1);
    fillBooks(other, {});
    other->setEnabled(false);
    mAddButton->hide();
    mSaveButton->show();
    mCancelEditButton->show();
    updateButtons();
    mServer->setFocus();
}

void SyncAccountsDialog::saveAccount()
{
    if (!mEditing)
        return;
    takeUserInfo();
    const SyncAccount before = *mEditing;
    QComboBox *edited = editedBookCombo();
    SyncAccount after = before;
    after.serverUrl = sync::ServerUrl(mServer->text()).toString();
    after.userName = mUser->text();
    after.insecure = mInsecure->isChecked();
    after.trustedCertificate = mTrusted;
    after.bookUrl = edited->currentData().toString();
    after.bookName = edited->currentText();
    // The hrefs, ETags and cards of the last syncs belong to one address
    // book; with another one they would send every card as new to it and
    // take back every card of it, so they are forgotten, and only after the
    // user has agreed.
    const bool otherBook = QUrl(after.bookUrl) != QUrl(before.bookUrl);
    if (otherBook
        && !AskYesNo(windowTitle(), tr("%1 view: from now on '%2' on %3, no longer '%4' on %5.\n\nWhat Varnelle knows of the "
                     "earlier syncs will be forgotten, and the next sync starts over as a first sync: the "
                     "view's contacts go to the new address book and its cards come in.\n\nChange the account?")
                      .arg(before.isBusiness ? tr("Business") : tr("Personal"), after.bookName,
                           QUrl(after.bookUrl).host(), before.bookName, QUrl(before.bookUrl).host())))
        return;
    try {
        const sync::SyncLock lock(mBook.fileName());
        ChangeSyncAccount(mBook.database(), after, otherBook ? SyncStateOnChange::Forget : SyncStateOnChange::Keep);
    } catch (const Error &error) {
        return showError(error.message());
    }
    if (!mPassword->text().isEmpty())
        mPasswords.remember(QUrl(after.bookUrl).host(), after.userName, mPassword->text());
    cancelEditing();
    forgetUnusedPassword(before);
}

void SyncAccountsDialog::forgetUnusedPassword(const SyncAccount &former)
{
    const QString host = QUrl(former.bookUrl).host();
    const bool used = std::any_of(mAccounts.cbegin(), mAccounts.cend(), [&](const SyncAccount &a) {
        return QUrl(a.bookUrl).host() == host && a.userName == former.userName;
    });
    if (!used)
        mPasswords.forget(host, former.userName);
}

void SyncAccountsDialog::cancelEditing()
{
    mEditing.reset();
    mTrusted.clear();
    mGroup->setTitle(tr("New account"));
    for (QLineEdit *edit : {mServer, mUser, mPassword})
        edit->clear();
    mInsecure->setChecked(false);
    for (QComboBox *combo : {mBusinessBook, mPersonalBook}) {
        combo->clear();
        combo->setEnabled(true);
    }
    mSaveButton->hide();
    mCancelEditButton->hide();
    mAddButton->show();
    mAddButton->setEnabled(false);
    refill();
}

} // namespace varnelle
