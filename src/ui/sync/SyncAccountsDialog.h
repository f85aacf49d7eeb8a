#pragma once

#include "store/SyncState.h"
#include "sync/Discovery.h"

#include <QDialog>
#include <QList>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace varnelle {

class AddressBook;
class SyncPasswords;

// File > Sync Accounts: the accounts of the book, each binding a view to an
// address book on a server. Adding one takes the server URL, the user name
// and the password; "Find Address Books" lists the server's books to choose
// one for the business and one for the personal view. Editing one changes
// the same fields for its view in place: a new user name or password keeps
// what the account knows of its syncs, another address book (found again
// after a change of server) forgets it once the user agrees, so that the
// next sync starts over. Also the choice of an automatic sync every 15
// minutes. The server is asked on a thread of its own while the window
// stays responsive.
class SyncAccountsDialog : public QDialog {
    Q_OBJECT
public:
    SyncAccountsDialog(AddressBook &book, SyncPasswords &passwords, bool autoSync, QWidget *parent = nullptr);

    bool autoSync() const;

private slots:
    void findAddressBooks();
    void addAccount();
    void removeAccount();
    void editAccount();
    void saveAccount();
    void cancelEditing();

private:
    void booksFound(const QList<sync::RemoteBook> &found, const QString &failure, const QString &certificate);
    void refill();
    // A user name and password written in the server's address move to their
    // own fields, so that they reach the keyring and never the book.
    void takeUserInfo();
    void showError(const QString &message);
    // The combo of the edited account's view.
    QComboBox *editedBookCombo() const;
    void fillBooks(QComboBox *combo, const QList<QPair<QString, QString>> &books);
    void updateButtons();
    // A password that no account uses any more leaves the keyring.
    void forgetUnusedPassword(const SyncAccount &former);

    AddressBook &mBook;
    SyncPasswords &mPasswords;
    QListWidget *mAccountList;
    QGroupBox *mGroup;
    QLineEdit *mServer;
    QLineEdit *mUser;
    QLineEdit *mPassword;
    QCheckBox *mInsecure;
    QComboBox *mBusinessBook;
    QComboBox *mPersonalBook;
    QPushButton *mFindButton;
    QPushButton *mAddButton;
    QPushButton *mSaveButton;
    QPushButton *mCancelEditButton;
    QPushButton *mEditButton;
    QPushButton *mRemoveButton;
    QCheckBox *mAutoSync;
    QList<SyncAccount> mAccounts;
    std::optional<SyncAccount> mEditing;
    QString mTrusted; // the certificate the user trusts for the account being added or edited
    bool mFinding = false; // the server is being asked for its address books
};

} // namespace varnelle
