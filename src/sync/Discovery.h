#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace varnelle::sync {

class DavClient;

struct RemoteBook {
    QUrl url;
    QString name;
};

// The address book a server URL or a bare host name leads to: https:// is
// added to a bare host. A user name and password written in the address are
// taken out of it, into user and password when given: they belong in the
// account's user name and the keyring, never in an address that is stored
// or shown.
QUrl ServerUrl(const QString &text, QString *user = nullptr, QString *password = nullptr);

// The address books of the account (RFC 6764 and RFC 6352): the URL itself
// when it is an address book, else through /.well-known/carddav, the
// current-user-principal and its addressbook-home-set. Throws SyncError.
QList<RemoteBook> FindAddressBooks(DavClient &client, const QUrl &server);

// The book of the list named by name or URL (any letter case), the only one
// when nameOrUrl is empty and there is one. Throws SyncError.
RemoteBook ChooseAddressBook(const QList<RemoteBook> &books, const QString &nameOrUrl, const QString &server);

} // namespace varnelle::sync
