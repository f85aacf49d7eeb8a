#include "store/SearchIndex.h"

#include "store/BookOpening.h"
#include "store/Database.h"
#include "store/DetailTables.h"
#include "store/SqliteStatement.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace varnelle {

namespace {

// The searched fields of Address, then the view and the e-mail.
const char *const ContactColumns =
    "PersonID, IsBusiness, Title, FirstName, LastName, Company, Street, City, State, ZipCode, EMail, Spouse, "
    "Children";
constexpr int FirstSearched = 2;
constexpr int LastSearched = 12;
constexpr int EmailColumn = 10;

// The searched fields of the contact a query stands on, as a key without numbers.
text::SearchKey keyOf(const QSqlQuery &q)
{
    QStringList fields;
    fields.reserve(LastSearched - FirstSearched + 1);
    for (int column = FirstSearched; column <= LastSearched; ++column)
        fields << q.value(column).toString();
    return text::SearchKey(fields, q.value(EmailColumn).toString());
}

// The contacts of the view (or one contact): each with its key, numbers not yet added.
QSqlQuery queryContacts(const QSqlDatabase &db, std::optional<bool> isBusiness, std::optional<std::int32_t> personId)
{
    if (personId)
        return RunQuery(db, QStringLiteral("SELECT %1 FROM Address WHERE PersonID = ?").arg(ContactColumns), {*personId});
    // "+IsBusiness": read the table through, which costs less than one index look-up a row.
    return RunQuery(db, QStringLiteral("SELECT %1 FROM Address%2")
                            .arg(ContactColumns, isBusiness ? QStringLiteral(" WHERE +IsBusiness = ?") : QString()),
                    isBusiness ? QVariantList{*isBusiness} : QVariantList{});
}

// Every number of the book (or of one contact): PersonID, number. Read in
// the table's stored order, without a join: looking each number's contact up
// costs more than reading the other view's numbers too.
QSqlQuery queryNumbers(const QSqlDatabase &db, std::optional<std::int32_t> personId)
{
    if (personId)
        return RunQuery(db, "SELECT PersonID, Number FROM TelephoneList WHERE PersonID = ?", {*personId});
    return RunQuery(db, "SELECT PersonID, Number FROM TelephoneList");
}

// The keys of the contacts of the view (or of one contact).
QHash<std::int32_t, text::SearchKey> readKeys(const QSqlDatabase &db, std::optional<bool> isBusiness,
                                              std::optional<std::int32_t> personId)
{
    QHash<std::int32_t, text::SearchKey> keys;
    // Each query lets go of the rows it read before the next begins.
    {
        QSqlQuery contacts = queryContacts(db, isBusiness, personId);
        while (contacts.next())
            keys.insert(contacts.value(0).toInt(), keyOf(contacts));
        CheckRowsRead(contacts);
    }
    {
        QSqlQuery numbers = queryNumbers(db, personId);
        while (numbers.next()) {
            const auto key = keys.find(numbers.value(0).toInt());
            if (key != keys.end())
                key->addNumber(numbers.value(1).toString());
        }
        CheckRowsRead(numbers);
    }
    ReadSearchedDetails(db, personId, [&keys](std::int32_t id, SearchedDetail what, const QString &value) {
        const auto key = keys.find(id);
        if (key == keys.end())
            return;
        switch (what) {
        case SearchedDetail::Words:
            key->addField(value);
            break;
        case SearchedDetail::Email:
            key->addEmail(value);
            break;
        case SearchedDetail::Number:
            key->addNumber(value);
            break;
        }
    });
    return keys;
}

// The kept keys: a table beside the contacts, and triggers that forget a
// contact's key whenever the contact or one of its numbers changes. Plain SQL,
// so that the sqlite3 shell and older copies of the program keep it in step.
} // namespace

const QStringList &SearchKeyStatements()
{
    static const QStringList statements = {
        "CREATE TABLE SearchText (PersonID INTEGER PRIMARY KEY, IsBusiness BOOLEAN NOT NULL, Key TEXT NOT NULL, "
        "EmailAt INTEGER NOT NULL, DigitsAt INTEGER NOT NULL)",
        "CREATE TRIGGER SearchTextContactAdded AFTER INSERT ON Address BEGIN "
        "DELETE FROM SearchText WHERE PersonID = NEW.PersonID; END",
        "CREATE TRIGGER SearchTextContactChanged AFTER UPDATE ON Address BEGIN "
        "DELETE FROM SearchText WHERE PersonID IN (OLD.PersonID, NEW.PersonID); END",
        "CREATE TRIGGER SearchTextContactDeleted AFTER DELETE ON Address BEGIN "
        "DELETE FROM SearchText WHERE PersonID = OLD.PersonID; END",
        "CREATE TRIGGER SearchTextNumberAdded AFTER INSERT ON TelephoneList BEGIN "
        "DELETE FROM SearchText WHERE PersonID = NEW.PersonID; END",
        "CREATE TRIGGER SearchTextNumberChanged AFTER UPDATE ON TelephoneList BEGIN "
        "DELETE FROM SearchText WHERE PersonID IN (OLD.PersonID, NEW.PersonID); END",
        "CREATE TRIGGER SearchTextNumberDeleted AFTER DELETE ON TelephoneList BEGIN "
        "DELETE FROM SearchText WHERE PersonID = OLD.PersonID; END",
    };
    return statements;
}

const QStringList &DetailSearchKeyStatements()
{
    static const QStringList statements = [] {
        QStringList made;
        for (const char *table : {"ContactDetail", "ContactAddress"}) {
            const QString name = QString::fromLatin1(table).mid(7); // "Detail", "Address"
            made << QString("CREATE TRIGGER SearchText%1Added AFTER INSERT ON %2 BEGIN "
                            "DELETE FROM SearchText WHERE PersonID = NEW.PersonID; END")
                        .arg(name, QLatin1String(table))
                 << QString("CREATE TRIGGER SearchText%1Changed AFTER UPDATE ON %2 BEGIN "
                            "DELETE FROM SearchText WHERE PersonID IN (OLD.PersonID, NEW.PersonID); END")
                        .arg(name, QLatin1String(table))
                 << QString("CREATE TRIGGER SearchText%1Deleted AFTER DELETE ON %2 BEGIN "
                            "DELETE FROM SearchText WHERE PersonID = OLD.PersonID; END")
                        .arg(name, QLatin1String(table));
        }
        return made;
    }();
    return statements;
}

namespace {

// True when the book keeps keys that can be trusted: the table and every one
// of its triggers are there (those on the detail tables too, where the book
// has them), each made exactly as this program makes it (SQLite keeps the
// statement's text), not a foreign table of the same name.
bool keysAreKept(const QSqlDatabase &db)
{
    QSqlQuery made(db);
    if (!made.exec("SELECT name, sql FROM sqlite_master WHERE (name LIKE 'SearchText%' AND type IN ('table', "
                   "'trigger')) OR (type = 'table' AND name IN ('ContactDetail', 'ContactAddress'))"))
        return false;
    QStringList found;
    int detailTables = 0;
    while (made.next()) {
        if (made.value(0).toString().startsWith(QLatin1String("Contact")))
            ++detailTables;
        else
            found << made.value(1).toString();
    }
    QStringList expected = SearchKeyStatements();
    if (detailTables == 2)
        expected << DetailSearchKeyStatements();
    found.sort();
    expected.sort();
    return found == expected;
}

bool hasTable(const QSqlDatabase &db, const QString &name)
{
    QSqlQuery q(db);
    return q.exec("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '" + name + "'") && q.next();
}

// Hands each kept key of the view (or of both) to each, as it is read.
template <class Each>
void forEachKeptKey(const QSqlDatabase &db, std::optional<bool> isBusiness, Each each)
{
    SqliteStatement q(SqliteHandle(db),
                      QStringLiteral("SELECT PersonID, Key, EmailAt, DigitsAt FROM SearchText%1")
                          .arg(isBusiness ? QStringLiteral(" WHERE IsBusiness = ?") : QString()),
                      db.databaseName());
    if (isBusiness)
        q.bindInt(1, *isBusiness ? 1 : 0);
    while (q.next()) {
        if (std::optional<text::SearchKey> key = text::SearchKey::fromStored(q.text(1), q.integer(2), q.integer(3)))
            each(std::int32_t(q.integer(0)), std::move(*key));
    }
}

// True when some contact has no kept key. The triggers take a key away with
// its contact, so the kept keys are a part of the contacts: counting tells.
bool someKeysAreMissing(const QSqlDatabase &db)
{
    QSqlQuery q = RunQuery(db, "SELECT (SELECT count(*) FROM Address) > (SELECT count(*) FROM SearchText)");
    return !q.next() || q.value(0).toBool();
}

// The contacts of both views that have no kept key, with their views.
QHash<std::int32_t, bool> contactsWithoutKeys(const QSqlDatabase &db)
{
    QHash<std::int32_t, bool> ids;
    QSqlQuery q = RunQuery(db, "SELECT PersonID, IsBusiness FROM Address a WHERE NOT EXISTS (SELECT 1 FROM "
                               "SearchText s WHERE s.PersonID = a.PersonID)");
    while (q.next())
        ids.insert(q.value(0).toInt(), q.value(1).toBool());
    CheckRowsRead(q);
    return ids;
}

// The keys of the given contacts, made from the book: one contact at a time
// for a few, one read of the book for many.
QHash<std::int32_t, text::SearchKey> makeKeys(const QSqlDatabase &db, const QHash<std::int32_t, bool> &ids)
{
    constexpr qsizetype OneByOne = 200;
    QHash<std::int32_t, text::SearchKey> keys;
    if (ids.size() > OneByOne) {
        QHash<std::int32_t, text::SearchKey> all = readKeys(db, std::nullopt, std::nullopt);
        keys.reserve(ids.size());
        for (auto id = ids.constBegin(); id != ids.constEnd(); ++id) {
            if (const auto key = all.constFind(id.key()); key != all.constEnd())
                keys.insert(id.key(), *key);
        }
        return keys;
    }
    for (auto id = ids.constBegin(); id != ids.constEnd(); ++id)
        keys.insert(readKeys(db, std::nullopt, id.key()));
    return keys;
}

// Stores keys in the book, each with its contact's view.
void keepKeys(const QSqlDatabase &db, const QHash<std::int32_t, text::SearchKey> &keys)
{
    SqliteStatement insert(SqliteHandle(db),
                           "INSERT OR REPLACE INTO SearchText (PersonID, IsBusiness, Key, EmailAt, DigitsAt) "
                           "SELECT PersonID, IsBusiness, ?, ?, ? FROM Address WHERE PersonID = ?",
                           db.databaseName());
    for (auto key = keys.constBegin(); key != keys.constEnd(); ++key) {
        insert.bindText(1, key->storedText().isEmpty() ? QStringLiteral("") : key->storedText());
        insert.bindInt(2, key->emailAt());
        insert.bindInt(3, key->digitsAt());
        insert.bindInt(4, key.key());
        insert.run();
    }
}

} // namespace

void SearchIndex::build(const QSqlDatabase &db, std::optional<bool> isBusiness)
{
    mMade.clear();
    if (!keysAreKept(db)) {
        mKeys = readKeys(db, isBusiness, std::nullopt);
        return;
    }
    QHash<std::int32_t, text::SearchKey> keys;
    forEachKeptKey(db, isBusiness, [&](std::int32_t personId, text::SearchKey key) {
        keys.insert(personId, std::move(key));
    });
    // Those of both views are made, for the book to keep them all at once.
    const QHash<std::int32_t, bool> missing = someKeysAreMissing(db) ? contactsWithoutKeys(db) : QHash<std::int32_t, bool>();
    mMade = makeKeys(db, missing);
    for (auto made = mMade.constBegin(); made != mMade.constEnd(); ++made) {
        if (!isBusiness || missing.value(made.key()) == *isBusiness)
            keys.insert(made.key(), *made);
    }
    mKeys = std::move(keys);
}

void SearchIndex::update(const QSqlDatabase &db, std::int32_t personId, bool keepInBook)
{
    mKeys.remove(personId);
    const QHash<std::int32_t, text::SearchKey> key = readKeys(db, std::nullopt, personId);
    mKeys.insert(key);
    try {
        if (keepInBook && keysAreKept(db))
            keepKeys(db, key);
    } catch (const DatabaseError &) {
        // Made again at the next reading.
    }
}

bool MakeSearchKeyTable(const QSqlDatabase &db)
{
    QSqlDatabase writer = db;
    try {
        if (keysAreKept(db))
            return true;
        InTransaction(writer, [&] {
            static const QRegularExpression made("^CREATE (TABLE|TRIGGER) (\\w+)");
            const QStringList statements =
                SearchKeyStatements() + (HasDetailTables(db) ? DetailSearchKeyStatements() : QStringList());
            for (const QString &statement : SearchKeyStatements() + DetailSearchKeyStatements()) {
                const QRegularExpressionMatch what = made.match(statement);
                RunQuery(db, QStringLiteral("DROP %1 IF EXISTS %2").arg(what.captured(1), what.captured(2)));
            }
            for (const QString &statement : statements)
                RunQuery(db, statement);
        });
        return true;
    } catch (const DatabaseError &) {
        return false;
    }
}

bool KeepSearchKeys(const QSqlDatabase &db, const QHash<std::int32_t, text::SearchKey> &keys, qint64 dataVersion)
{
    if (keys.isEmpty())
        return true;
    QSqlDatabase writer = db;
    bool unchanged = false;
    try {
        InTransaction(writer, [&] {
            unchanged = DataVersion(db) == dataVersion && keysAreKept(db);
            if (unchanged)
                keepKeys(db, keys);
        });
    } catch (const DatabaseError &) {
        return false;
    }
    return unchanged;
}

void MakeDetailSearchKeyTriggers(const QSqlDatabase &db)
{
    if (!hasTable(db, QStringLiteral("SearchText")))
        return;
    static const QRegularExpression named("^CREATE TRIGGER (\\w+)");
    for (const QString &statement : DetailSearchKeyStatements()) {
        QSqlQuery exists(db);
        if (!exists.exec("SELECT 1 FROM sqlite_master WHERE type = 'trigger' AND name = '"
                         + named.match(statement).captured(1) + "'")
            || !exists.next())
            RunQuery(db, statement);
    }
}

void ForgetSearchKeys(const QSqlDatabase &db)
{
    QSqlQuery table(db);
    if (table.exec("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'SearchText'") && table.next())
        RunQuery(db, "DELETE FROM SearchText");
}

qsizetype SearchIndex::countMatching(const text::SearchQuery &query) const
{
    return std::count_if(mKeys.cbegin(), mKeys.cend(), [&](const text::SearchKey &key) { return query.matches(key); });
}

bool SearchIndex::matches(std::int32_t personId, const text::SearchQuery &query) const
{
    if (query.isEmpty())
        return true;
    const auto key = mKeys.constFind(personId);
    return key != mKeys.constEnd() && query.matches(*key);
}

const text::SearchKey *SearchIndex::keyOf(std::int32_t personId) const
{
    const auto key = mKeys.constFind(personId);
    return key == mKeys.constEnd() ? nullptr : &*key;
}

void FindContacts(const QSqlDatabase &db, const text::SearchQuery &query, std::optional<bool> isBusiness,
                  const std::function<void(const SearchHit &)> &each)
{
    // The matching contacts, read as the kept keys stream by where the book
    // keeps them all.
    QList<std::int32_t> matching;
    if (keysAreKept(db) && !someKeysAreMissing(db)) {
        forEachKeptKey(db, isBusiness, [&](std::int32_t personId, const text::SearchKey &key) {
            if (query.matches(key))
                matching << personId;
        });
    } else {
        SearchIndex index;
        index.build(db, isBusiness);
        for (auto key = index.mKeys.constBegin(); key != index.mKeys.constEnd(); ++key) {
            if (query.matches(*key))
                matching << key.key();
        }
    }
    SqliteStatement q(SqliteHandle(db),
                      "SELECT IsBusiness, LastName, FirstName, Company, EMail, (SELECT Number FROM TelephoneList t "
                      "WHERE t.PersonID = a.PersonID ORDER BY TypeID LIMIT 1) FROM Address a WHERE PersonID = ?",
                      db.databaseName());
    for (const std::int32_t personId : std::as_const(matching)) {
        q.reset();
        q.bindInt(1, personId);
        if (q.next())
            each({personId, q.integer(0) != 0, q.text(1), q.text(2), q.text(3), q.text(4), q.text(5)});
    }
}

} // namespace varnelle
