#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

namespace varnelle::sync {

// One <response> of a WebDAV multistatus: its href (a path, decoded), the
// status of the response when it has one (sync-collection's removals), and
// the properties found (status 200) by "namespace local-name".
struct DavEntry {
    QString href;
    int status = 0;
    QHash<QString, QString> text;        // a property's text: getetag, displayname, address-data
    QHash<QString, QStringList> hrefs;   // the hrefs inside a property: current-user-principal
    QStringList resourceTypes;           // "DAV: collection", "urn:ietf:params:xml:ns:carddav addressbook"
};

struct MultiStatus {
    std::vector<DavEntry> entries;
    QString syncToken; // sync-collection's new token
};

inline constexpr const char *DavNs = "DAV:";
inline constexpr const char *CardDavNs = "urn:ietf:params:xml:ns:carddav";
QString PropertyKey(const char *ns, const char *name);

// Reads a 207 response; hrefs are resolved against base and kept as decoded
// paths. Throws SyncError for malformed XML, naming the server.
MultiStatus ParseMultiStatus(const QByteArray &xml, const QUrl &base, const QString &server);

// The decoded path of a URL or href resolved against base.
QString HrefPath(const QUrl &base, const QString &href);

QByteArray PropfindBody(const QStringList &davProps, const QStringList &cardDavProps = {});
QByteArray SyncCollectionBody(const QString &token);
QByteArray MultigetBody(const QStringList &paths);

} // namespace varnelle::sync
