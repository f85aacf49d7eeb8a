#include "sync/Discovery.h"

#include "sync/DavClient.h"
#include "sync/DavXml.h"
#include "sync/SyncError.h"

#include <QCoreApplication>

namespace varnelle::sync {

namespace {

DavRequest propfind(const QUrl &url, int depth, const QStringList &dav, const QStringList &cardDav = {})
{
    return {"PROPFIND",
            url,
            PropfindBody(dav, cardDav),
            {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}}};
}

QUrl withPath(const QUrl &base, const QString &path)
{
    QUrl url = base;
    url.setPath(path, QUrl::DecodedMode);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

bool isAddressBook(const DavEntry &entry)
{
    return entry.resourceTypes.contains(PropertyKey(CardDavNs, "addressbook"));
}

QString directory(QString path)
{
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace

QUrl ServerUrl(const QString &text, QString *user, QString *password)
{
    const QString trimmed = text.trimmed();
    QUrl url = QUrl::fromUserInput(trimmed.contains(QLatin1String("://")) ? trimmed : "https://" + trimmed);
    if (user)
        *user = url.userName(QUrl::FullyDecoded);
    if (password)
        *password = url.password(QUrl::FullyDecoded);
    url.setUserInfo(QString());
    if (url.path().isEmpty())
        url.setPath(QStringLiteral("/"));
    return url;
}

QList<RemoteBook> FindAddressBooks(DavClient &client, const QUrl &server)
{
    const QString host = server.host();
    QList<QUrl> starts;
    if (server.path() != QLatin1String("/") && !server.path().isEmpty())
        starts << server;
    else if (const QUrl service = client.serviceAddress(host); !service.isEmpty())
        starts << service; // the DNS's word first, then the well-known address
    starts << withPath(server, "/.well-known/carddav") << withPath(server, "/");

    QString principal;
    for (const QUrl &start : starts) {
        DavResponse r;
        try {
            r = client.run(propfind(start, 0, {"current-user-principal", "resourcetype", "displayname"}));
        } catch (const SyncError &error) {
            // The address the DNS named may not be the account's server, which alone gets the password.
            if (start.host() == host || error.kind() == SyncError::Kind::Cancelled)
                throw;
            continue;
        }
        if (r.status != 207)
            continue;
        const MultiStatus ms = ParseMultiStatus(r.body, r.url, host);
        for (const DavEntry &e : ms.entries) {
            if (isAddressBook(e))
                return {RemoteBook{withPath(r.url, directory(e.href)), e.text.value(PropertyKey(DavNs, "displayname"))}};
            if (const QStringList p = e.hrefs.value(PropertyKey(DavNs, "current-user-principal")); !p.isEmpty())
                principal = p.first();
        }
        if (!principal.isEmpty()) {
            const QUrl base = r.url;
            DavResponse home = client.run(propfind(withPath(base, principal), 0, {}, {"addressbook-home-set"}));
            if (home.status != 207)
                break;
            QStringList homes;
            for (const DavEntry &e : ParseMultiStatus(home.body, home.url, host).entries)
                homes << e.hrefs.value(PropertyKey(CardDavNs, "addressbook-home-set"));
            QList<RemoteBook> books;
            for (const QString &h : homes) {
                const DavResponse list = client.run(propfind(withPath(home.url, h), 1, {"resourcetype", "displayname"}));
                if (list.status != 207)
                    continue;
                for (const DavEntry &e : ParseMultiStatus(list.body, list.url, host).entries)
                    if (isAddressBook(e))
                        books << RemoteBook{withPath(list.url, directory(e.href)),
                                            e.text.value(PropertyKey(DavNs, "displayname"))};
            }
            return books;
        }
    }
    throw SyncError(
        QCoreApplication::translate("Sync", "The server %1 offers no CardDAV address books at this address.")
            .arg(host));
}

RemoteBook ChooseAddressBook(const QList<RemoteBook> &books, const QString &nameOrUrl, const QString &server)
{
    if (books.isEmpty())
        throw SyncError(
            QCoreApplication::translate("Sync", "The server %1 has no address book for this user.").arg(server));
    if (nameOrUrl.isEmpty()) {
        if (books.size() == 1)
            return books.first();
        QStringList names;
        for (const RemoteBook &b : books)
            names << (b.name.isEmpty() ? b.url.path() : b.name);
        throw SyncError(QCoreApplication::translate(
                            "Sync", "The server %1 has several address books (%2): choose one with --address-book.")
                            .arg(server, names.join(QLatin1String(", "))));
    }
    for (const RemoteBook &b : books) {
        const QString path = b.url.path(QUrl::FullyDecoded);
        if (b.name.compare(nameOrUrl, Qt::CaseInsensitive) == 0 || b.url.toString() == nameOrUrl
            || path == nameOrUrl || directory(path) == directory(nameOrUrl)
            || path.section(u'/', -2, -2).compare(nameOrUrl, Qt::CaseInsensitive) == 0)
            return b;
    }
    throw SyncError(
        QCoreApplication::translate("Sync", "The server %1 has no address book '%2'.").arg(server, nameOrUrl));
}

} // namespace varnelle::sync
