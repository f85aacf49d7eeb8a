#include "sync/DavXml.h"

#include "sync/SyncError.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace varnelle::sync {

QString PropertyKey(const char *ns, const char *name)
{
    return QLatin1String(ns) + u' ' + QLatin1String(name);
}

QString HrefPath(const QUrl &base, const QString &href)
{
    const QUrl url = base.resolved(QUrl::fromEncoded(href.trimmed().toUtf8()));
    return url.path(QUrl::FullyDecoded);
}

namespace {

QString keyOf(const QXmlStreamReader &xml)
{
    return xml.namespaceUri().toString() + u' ' + xml.name().toString();
}

int statusOf(const QString &line)
{
    // "HTTP/1.1 200 OK"
    const QStringList parts = line.simplified().split(u' ');
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

// Reads the children of <prop> into a temporary entry.
void readProp(QXmlStreamReader &xml, const QUrl &base, DavEntry &into)
{
    while (xml.readNextStartElement()) {
        const QString key = keyOf(xml);
        QString text;
        QStringList hrefs;
        int depth = 1;
        while (depth > 0 && !xml.atEnd()) {
            switch (xml.readNext()) {
            case QXmlStreamReader::StartElement:
                ++depth;
                if (xml.name() == QLatin1String("href") && xml.namespaceUri() == QLatin1String(DavNs)) {
                    hrefs << HrefPath(base, xml.readElementText());
                    --depth;
                } else if (key == PropertyKey(DavNs, "resourcetype")) {
                    into.resourceTypes << keyOf(xml);
                }
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            case QXmlStreamReader::Characters:
                text += xml.text();
                break;
            default:
                break;
            }
        }
        into.text.insert(key, text);
        if (!hrefs.isEmpty())
            into.hrefs.insert(key, hrefs);
    }
}

void readResponse(QXmlStreamReader &xml, const QUrl &base, DavEntry &entry)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("href")) {
            entry.href = HrefPath(base, xml.readElementText());
        } else if (xml.name() == QLatin1String("status")) {
            entry.status = statusOf(xml.readElementText());
        } else if (xml.name() == QLatin1String("propstat")) {
            DavEntry found;
            int status = 0;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("prop"))
                    readProp(xml, base, found);
                else if (xml.name() == QLatin1String("status"))
                    status = statusOf(xml.readElementText());
                else
                    xml.skipCurrentElement();
            }
            if (status == 200) {
                entry.text.insert(found.text);
                entry.hrefs.insert(found.hrefs);
                entry.resourceTypes << found.resourceTypes;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

} // namespace

MultiStatus ParseMultiStatus(const QByteArray &data, const QUrl &base, const QString &server)
{
    MultiStatus result;
    QXmlStreamReader xml(data);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("multistatus")) {
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("response")) {
                DavEntry entry;
                readResponse(xml, base, entry);
                result.entries.push_back(std::move(entry));
            } else if (xml.name() == QLatin1String("sync-token")) {
                result.syncToken = xml.readElementText().trimmed();
            } else {
                xml.skipCurrentElement();
            }
        }
    } else if (!xml.hasError()) {
        xml.raiseError(QStringLiteral("no multistatus"));
    }
    if (xml.hasError())
        throw SyncError(
            QCoreApplication::translate("Sync", "The server %1 sent an answer that cannot be read (line %2: %3).")
                .arg(server)
                .arg(xml.lineNumber())
                .arg(xml.errorString()));
    return result;
}

namespace {

QByteArray document(const std::function<void(QXmlStreamWriter &)> &body)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeNamespace(DavNs, "D");
    xml.writeNamespace(CardDavNs, "C");
    body(xml);
    xml.writeEndDocument();
    return out;
}

void writeProps(QXmlStreamWriter &xml, const QStringList &dav, const QStringList &cardDav)
{
    xml.writeStartElement(DavNs, "prop");
    for (const QString &p : dav)
        xml.writeEmptyElement(DavNs, p);
    for (const QString &p : cardDav)
        xml.writeEmptyElement(CardDavNs, p);
    xml.writeEndElement();
}

} // namespace

QByteArray PropfindBody(const QStringList &davProps, const QStringList &cardDavProps)
{
    return document([&](QXmlStreamWriter &xml) {
        xml.writeStartElement(DavNs, "propfind");
        writeProps(xml, davProps, cardDavProps);
        xml.writeEndElement();
    });
}

QByteArray SyncCollectionBody(const QString &token)
{
    return document([&](QXmlStreamWriter &xml) {
        xml.writeStartElement(DavNs, "sync-collection");
        xml.writeTextElement(DavNs, "sync-token", token);
        xml.writeTextElement(DavNs, "sync-level", "1");
        writeProps(xml, {"getetag"}, {});
        xml.writeEndElement();
    });
}

QByteArray MultigetBody(const QStringList &paths)
{
    return document([&](QXmlStreamWriter &xml) {
        xml.writeStartElement(CardDavNs, "addressbook-multiget");
        writeProps(xml, {"getetag"}, {"address-data"});
        for (const QString &path : paths) {
            QUrl url;
            url.setPath(path, QUrl::DecodedMode);
            xml.writeTextElement(DavNs, "href", QString::fromLatin1(url.toEncoded()));
        }
        xml.writeEndElement();
    });
}

} // namespace varnelle::sync
