#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace varnelle {

class AddressBook;
class SyncPasswords;

// File > Sync Accounts: the accounts of the book, each binding a view to an
// address book on a server. Adding one takes the server URL, the user name
// and the password; "Find Address Books" lists the server's books to choose
// one for the business and one for the personal view. Also the choice of an
// automatic sync every 15 minutes.
class SyncAccountsDialog : public QDialog {
    Q_OBJECT
public:
    SyncAccountsDialog(AddressBook &book, SyncPasswords &passwords, bool autoSync, QWidget *parent = nullptr);

    bool autoSync() const;

private slots:
    void findAddressBooks();
    void addAccount();
    void removeAccount();

private:
    void refill();
    void showError(const QString &message);

    AddressBook &mBook;
    SyncPasswords &mPasswords;
    QListWidget *mAccountList;
    QLineEdit *mServer;
    QLineEdit *mUser;
    QLineEdit *mPassword;
    QCheckBox *mInsecure;
    QComboBox *mBusinessBook;
    QComboBox *mPersonalBook;
    QPushButton *mAddButton;
    QPushButton *mRemoveButton;
    QCheckBox *mAutoSync;
    QList<qint64> mAccountIds;
};

} // namespace varnelle
