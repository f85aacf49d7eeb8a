#include "app/DesktopSearch.h"

#include "common/Collation.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "ui/main/ContactLines.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>
#include <QVariantMap>
#include <algorithm>

// The types of KRunner's interface: a match and an action of a match.
struct RemoteMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};
struct RemoteAction {
    QString id;
    QString text;
    QString iconName;
};
Q_DECLARE_METATYPE(RemoteMatch)
Q_DECLARE_METATYPE(RemoteAction)

QDBusArgument &operator<<(QDBusArgument &argument, const RemoteMatch &match)
{
    argument.beginStructure();
    argument << match.id << match.text << match.iconName << match.type << match.relevance << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, RemoteMatch &match)
{
    argument.beginStructure();
    argument >> match.id >> match.text >> match.iconName >> match.type >> match.relevance >> match.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const RemoteAction &action)
{
    argument.beginStructure();
    argument << action.id << action.text << action.iconName;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, RemoteAction &action)
{
    argument.beginStructure();
    argument >> action.id >> action.text >> action.iconName;
    argument.endStructure();
    return argument;
}

using RemoteMatches = QList<RemoteMatch>;
using RemoteActions = QList<RemoteAction>;
using ResultMetas = QList<QVariantMap>;
Q_DECLARE_METATYPE(RemoteMatches)
Q_DECLARE_METATYPE(RemoteActions)
Q_DECLARE_METATYPE(ResultMetas)

namespace varnelle {

namespace {

constexpr char ServiceName[] = "org.varnelle.Varnelle.SearchProvider";
constexpr char ObjectPath[] = "/org/varnelle/Varnelle/SearchProvider";
constexpr char IconName[] = "org.varnelle.Varnelle";
// The provider ends after this long without a question (the bus starts it
// again for the next), or once its bus has gone.
constexpr int IdleMs = 5 * 60 * 1000;
constexpr int LookMs = 30 * 1000;

} // namespace

ContactFinder::ContactFinder(const QString &bookFile) : mBookFile(bookFile) {}

void ContactFinder::readIfChanged()
{
    const QFileInfo file(mBookFile);
    if (!file.exists()) {
        mKeys.clear();
        mKeyed.clear();
        mContacts.clear();
        mPlaces.clear();
        mReadSize = -1;
        return;
    }
    if (file.lastModified() == mReadAt && file.size() == mReadSize)
        return;
    const QDateTime readAt = file.lastModified();
    const qint64 readSize = file.size();
    Connection book = OpenForReading(mBookFile);
    SearchIndex index;
    index.build(book.database());
    std::vector<SearchHit> contacts;
    contacts.reserve(size_t(index.size()));
    FindContacts(book.database(), text::SearchQuery(), std::nullopt,
                 [&](const SearchHit &hit) { contacts.push_back(hit); });
    std::vector<QString> names;
    std::vector<size_t> order(contacts.size());
    for (size_t i = 0; i < contacts.size(); ++i) {
        order[i] = i;
        names.push_back(NameColumn(contacts[i].lastName, contacts[i].firstName));
    }
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (contacts[a].isBusiness != contacts[b].isBusiness)
            return contacts[a].isBusiness;
        if (const int byName = text::CompareText(names[a], names[b]); byName != 0)
            return byName < 0;
        return contacts[a].personId < contacts[b].personId;
    });
    mContacts.clear();
    mKeys.clear();
    mKeyed.clear();
    mPlaces.clear();
    mContacts.reserve(contacts.size());
    mKeys.reserve(contacts.size());
    mKeyed.reserve(contacts.size());
    for (const size_t i : order) {
        mPlaces.insert(contacts[i].personId, qsizetype(mContacts.size()));
        const text::SearchKey *key = index.keyOf(contacts[i].personId);
        mKeys.push_back(key ? *key : text::SearchKey());
        mKeyed.push_back(key != nullptr);
        mContacts.push_back(std::move(contacts[i]));
    }
    mReadAt = readAt;
    mReadSize = readSize;
}

QList<SearchHit> ContactFinder::find(const QStringList &terms, qsizetype limit)
{
    QList<SearchHit> found;
    const text::SearchQuery query(terms.join(u' '));
    if (query.isEmpty())
        return found;
    try {
        readIfChanged();
    } catch (const DatabaseError &) {
        return found;
    }
    for (size_t i = 0; i < mContacts.size() && found.size() < limit; ++i)
        if (mKeyed[i] && query.matches(mKeys[i]))
            found << mContacts[i];
    return found;
}

std::optional<SearchHit> ContactFinder::contact(std::int32_t personId)
{
    try {
        readIfChanged();
    } catch (const DatabaseError &) {
        return std::nullopt;
    }
    const auto place = mPlaces.constFind(personId);
    if (place == mPlaces.constEnd())
        return std::nullopt;
    return mContacts[size_t(*place)];
}

QString ContactFinder::Name(const SearchHit &hit)
{
    return NameColumn(hit.lastName, hit.firstName);
}

QString ContactFinder::Description(const SearchHit &hit)
{
    QStringList parts;
    for (const QString &part : {hit.company, hit.firstNumber, hit.email})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QStringLiteral(" \u00b7 "));
}

namespace {

// Starts the window on the book with the options (the window already open
// on it takes them).
void startWindow(const QString &bookFile, bool desktop, const QStringList &options)
{
    QStringList arguments;
    if (desktop)
        arguments << "--desktop";
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments + options,
                            QFileInfo(bookFile).absolutePath());
}

// What both interfaces share: the finder and the window started.
struct Provider {
    ContactFinder finder;
    QString bookFile;
    bool desktop = false;
    QElapsedTimer idle; // since the last question

    QList<SearchHit> find(const QStringList &terms)
    {
        idle.restart();
        return finder.find(terms);
    }
    std::optional<SearchHit> contact(std::int32_t personId)
    {
        idle.restart();
        return finder.contact(personId);
    }

    void openContact(const QString &id) { startWindow(bookFile, desktop, {"--edit-contact", id}); }
    void openSearch(const QStringList &terms) { startWindow(bookFile, desktop, {"--search", terms.join(u' ')}); }
};

class GnomeSearch : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
public:
    GnomeSearch(Provider &provider, QObject *parent) : QDBusAbstractAdaptor(parent), mProvider(provider) {}

public slots:
    QStringList GetInitialResultSet(const QStringList &terms) { return ids(terms); }
    QStringList GetSubsearchResultSet(const QStringList &previous, const QStringList &terms)
    {
        Q_UNUSED(previous) // the index answers a narrower search as fast as a new one
        return ids(terms);
    }
    ResultMetas GetResultMetas(const QStringList &identifiers)
    {
        ResultMetas metas;
        for (const QString &id : identifiers) {
            bool ok = false;
            const std::optional<SearchHit> hit = mProvider.contact(id.toInt(&ok));
            if (!ok || !hit)
                continue;
            metas << QVariantMap{{"id", id},
                                 {"name", ContactFinder::Name(*hit)},
                                 {"description", ContactFinder::Description(*hit)},
                                 {"gicon", QString::fromLatin1(IconName)}};
        }
        return metas;
    }
    void ActivateResult(const QString &identifier, const QStringList &terms, uint timestamp)
    {
        Q_UNUSED(terms)
        Q_UNUSED(timestamp)
        mProvider.openContact(identifier);
    }
    void LaunchSearch(const QStringList &terms, uint timestamp)
    {
        Q_UNUSED(timestamp)
        mProvider.openSearch(terms);
    }

private:
    QStringList ids(const QStringList &terms)
    {
        QStringList found;
        for (const SearchHit &hit : mProvider.find(terms))
            found << QString::number(hit.personId);
        return found;
    }
    Provider &mProvider;
};

class KRunnerSearch : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
public:
    KRunnerSearch(Provider &provider, QObject *parent) : QDBusAbstractAdaptor(parent), mProvider(provider) {}

public slots:
    RemoteActions Actions()
    {
        return {{"copy-email", QCoreApplication::translate("DesktopSearch", "Copy E-Mail Address"), "edit-copy"},
                {"copy-number", QCoreApplication::translate("DesktopSearch", "Copy Number"), "edit-copy"}};
    }
    RemoteMatches Match(const QString &query)
    {
        RemoteMatches matches;
        const QList<SearchHit> found = mProvider.find({query});
        for (qsizetype i = 0; i < found.size(); ++i) {
            const SearchHit &hit = found[i];
            // KRunner's kinds of match: a possible one, or the contact named exactly.
            const bool exact = ContactFinder::Name(hit).trimmed().compare(query.trimmed(), Qt::CaseInsensitive) == 0;
            matches << RemoteMatch{QString::number(hit.personId), ContactFinder::Name(hit).trimmed(),
                                   QString::fromLatin1(IconName), exact ? 100 : 30, 1.0 - double(i) / 100.0,
                                   QVariantMap{{"subtext", ContactFinder::Description(hit)}}};
        }
        return matches;
    }
    void Run(const QString &matchId, const QString &actionId)
    {
        if (actionId.isEmpty()) {
            mProvider.openContact(matchId);
            return;
        }
        // The clipboard is the display's: with none there is nothing to copy to.
        bool ok = false;
        const std::optional<SearchHit> hit = mProvider.contact(matchId.toInt(&ok));
        if (!ok || !hit || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            return;
        if (actionId == "copy-email" && !hit->email.isEmpty())
            QGuiApplication::clipboard()->setText(hit->email);
        else if (actionId == "copy-number" && !hit->firstNumber.isEmpty())
            QGuiApplication::clipboard()->setText(hit->firstNumber);
    }

private:
    Provider &mProvider;
};

} // namespace

int RunSearchProvider(const QString &bookFile, bool desktop)
{
    QTextStream err(stderr);
    qDBusRegisterMetaType<RemoteMatch>();
    qDBusRegisterMetaType<RemoteAction>();
    qDBusRegisterMetaType<RemoteMatches>();
    qDBusRegisterMetaType<RemoteActions>();
    qDBusRegisterMetaType<ResultMetas>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        err << QCoreApplication::translate("DesktopSearch", "The desktop's search cannot be served: there is no "
                                                            "session bus (%1).")
                   .arg(bus.lastError().message())
            << '\n';
        return 1;
    }
    Provider provider{ContactFinder(bookFile), bookFile, desktop, {}};
    provider.idle.start();
    QObject object;
    new GnomeSearch(provider, &object);
    new KRunnerSearch(provider, &object);
    if (!bus.registerObject(QString::fromLatin1(ObjectPath), &object)
        || !bus.registerService(QString::fromLatin1(ServiceName))) {
        err << QCoreApplication::translate("DesktopSearch", "The desktop's search cannot be served: %1.")
                   .arg(bus.lastError().message())
            << '\n';
        return 1;
    }
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &look, [&] {
        // What was copied stays on the clipboard while the provider holds it.
        const bool copied = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                            && QGuiApplication::clipboard()->ownsClipboard();
        if (!bus.isConnected() || (provider.idle.hasExpired(IdleMs) && !copied))
            QCoreApplication::quit();
    });
    look.start(LookMs);
    return QCoreApplication::exec();
}

} // namespace varnelle

#include "DesktopSearch.moc"
