#include "store/BookContacts.h"

#include "store/SyncState.h"

#include "store/Database.h"
#include "common/Collation.h"
#include "common/SqlCollation.h"

#include <QHash>
#include "store/SqliteStatement.h"

#include <QSqlError>
#include <QStringList>
#include <QThread>

#include <optional>

namespace varnelle {

namespace {

QString scopeCondition(ContactScope scope)
{
    switch (scope) {
    case ContactScope::Business:
        return QStringLiteral(" WHERE IsBusiness");
    case ContactScope::Personal:
        return QStringLiteral(" WHERE NOT coalesce(IsBusiness, 0)");
    case ContactScope::All:
        break;
    }
    return {};
}

QString columnList()
{
    QStringList columns;
    for (const ContactField &f : ContactFields())
        columns << QLatin1String(f.column);
    return columns.join(QStringLiteral(", "));
}

// Lets SQLite's sorter hand sorted runs to helper threads while the query
// goes on reading rows, for one sort of the whole book; the connection's own
// setting is back once it is done. The book's collation keeps a collator for
// each thread, so it may compare on any of them.
class SortHelpers {
public:
    explicit SortHelpers(sqlite3 *db) : mDb(db), mBefore(sqlite3_limit(db, SQLITE_LIMIT_WORKER_THREADS, -1))
    {
        sqlite3_limit(db, SQLITE_LIMIT_WORKER_THREADS, qMax(QThread::idealThreadCount() - 1, 0));
    }
    ~SortHelpers() { sqlite3_limit(mDb, SQLITE_LIMIT_WORKER_THREADS, mBefore); }
    SortHelpers(const SortHelpers &) = delete;
    SortHelpers &operator=(const SortHelpers &) = delete;

private:
    sqlite3 *mDb;
    int mBefore;
};

} // namespace

int MostNumbers(const QSqlDatabase &db, ContactScope scope)
{
    // The numbers in the order of their key, each contact's row found by its PersonID.
    QSqlQuery query = RunQuery(db, "SELECT max(n) FROM (SELECT count(*) AS n FROM TelephoneList l"
                                   " JOIN Address a ON a.PersonID = l.PersonID"
                                       + scopeCondition(scope) + " GROUP BY l.PersonID)");
    return query.next() ? query.value(0).toInt() : 0;
}

DetailCounts MostDetails(const QSqlDatabase &db, ContactScope scope)
{
    return MostDetails(db, scopeCondition(scope));
}

bool ContactRow::nextNumber(qsizetype &at, QByteArrayView &type, QByteArrayView &number) const
{
    // Packed as the read below gives them: "4:Work8:555-0100", each text
    // after its length in bytes of UTF-8.
    const QByteArrayView packed = packedNumbers;
    auto next = [&]() {
        qsizetype length = 0;
        while (at < packed.size() && packed[at] != ':')
            length = length * 10 + (packed[at++] - '0');
        at = qMin(at + 1, packed.size()); // the colon
        const QByteArrayView text = packed.sliced(at, qMin(length, packed.size() - at));
        at += text.size();
        return text;
    };
    if (at >= packed.size())
        return false;
    type = next();
    number = next();
    return true;
}

void ReadContactRows(const QSqlDatabase &db, ContactScope scope, const std::function<void(const ContactRow &)> &each,
                     ContactOrder order)
{
    // One row for each contact, read in the table's own order with its
    // numbers gathered beside it, then sorted once: nothing of the book is
    // held but the contact at hand.
    QStringList columns;
    for (const ContactField &f : ContactFields())
        columns << QLatin1String("a.") + QLatin1String(f.column);
    // Names in the order of the program's lists, where the connection can learn it.
    const QString collate = order == ContactOrder::List && text::RegisterSqlCollation(db)
                                ? QStringLiteral(" COLLATE ") + QLatin1String(text::SqlCollationName)
                                : QString();
    const QString sorted = order == ContactOrder::List
                               ? QString("a.IsBusiness DESC, a.LastName%1, a.FirstName%1, ").arg(collate)
                               : QString();
    SqliteStatement q(SqliteHandle(db),
                      QString("SELECT a.PersonID, a.IsBusiness, %1, (SELECT group_concat(length(CAST(n.TelephoneType AS BLOB))"
                              " || ':' || n.TelephoneType || length(CAST(n.Number AS BLOB)) || ':' || n.Number, '')"
                              " FROM"
                              " (SELECT ifnull(t.TelephoneType, '') AS TelephoneType, ifnull(l.Number, '') AS Number"
                              " FROM TelephoneList l JOIN TelephoneType t ON t.TypeID = l.TypeID"
                              " WHERE l.PersonID = a.PersonID ORDER BY l.TypeID) n)"
                              " FROM Address a NOT INDEXED%2 ORDER BY %3a.PersonID")
                          .arg(columns.join(QStringLiteral(", ")), scopeCondition(scope), sorted),
                      db.databaseName());
    constexpr int NumbersColumn = 2 + int(ContactFieldCount);
    std::optional<SortHelpers> helpers;
    if (order == ContactOrder::List)
        helpers.emplace(SqliteHandle(db));
    ContactRow row;
    while (q.next()) {
        row.personId = std::int32_t(q.integer(0));
        row.isBusiness = sqlite3_column_type(q.get(), 1) != SQLITE_NULL && q.integer(1) != 0;
        for (std::size_t i = 0; i < ContactFieldCount; ++i)
            row.fields[i] = q.bytes(2 + int(i));
        row.packedNumbers = q.bytes(NumbersColumn);
        each(row);
    }
}

void ReadContactsWithNumbers(const QSqlDatabase &db, ContactScope scope,
                             const std::function<void(const Contact &)> &each, ContactOrder order,
                             ContactContent content)
{
    const QHash<std::int32_t, QString> uids = ReadSyncUids(db); // a synced contact keeps its UID in files too
    std::optional<DetailReader> details;
    if (content == ContactContent::WithDetails)
        details.emplace(db);
    Contact c;
    ReadContactRows(
        db, scope,
        [&](const ContactRow &row) {
            c.personId = row.personId;
            c.uid = uids.value(c.personId);
            c.isBusiness = row.isBusiness;
            std::size_t i = 0;
            for (const ContactField &f : ContactFields()) {
                const QByteArrayView text = row.fields[i++];
                c.*f.member = text.isNull() ? QString() : QString::fromUtf8(text);
            }
            c.telephones.clear();
            qsizetype at = 0;
            QByteArrayView type, number;
            while (row.nextNumber(at, type, number))
                c.telephones << PhoneNumber{QString::fromUtf8(type), QString::fromUtf8(number)};
            if (details) {
                c.details = {};
                details->read(c);
            }
            each(c);
        },
        order);
}

void ReadContactNames(const QSqlDatabase &db, const std::function<void(const Contact &)> &each)
{
    QSqlQuery q = RunQuery(db, "SELECT FirstName, LastName, Company, EMail FROM Address");
    Contact c;
    while (q.next()) {
        c.firstName = q.value(0).toString();
        c.lastName = q.value(1).toString();
        c.company = q.value(2).toString();
        c.email = q.value(3).toString();
        each(c);
    }
    CheckRowsRead(q);
}

struct ContactInserter::Statements {
    Statements(sqlite3 *db, const QString &file)
        : db(db),
          contact(db,
                  QString("INSERT INTO Address (IsBusiness, %1) VALUES (?%2)")
                      .arg(columnList(), QStringLiteral(", ?").repeated(qsizetype(ContactFieldCount))),
                  file),
          number(db, "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)", file),
          type(db, "INSERT INTO TelephoneType (TelephoneType) VALUES (?)", file)
    {
    }

    sqlite3 *db;
    SqliteStatement contact;
    SqliteStatement number;
    SqliteStatement type;
};

ContactInserter::ContactInserter(const QSqlDatabase &db)
    : mFile(db.databaseName()), mStatements(std::make_unique<Statements>(SqliteHandle(db), db.databaseName())),
      mDetails(std::make_unique<DetailWriter>(db))
{
}

ContactInserter::~ContactInserter() = default;

std::int32_t ContactInserter::addContact(const Contact &contact)
{
    SqliteStatement &statement = mStatements->contact;
    statement.bindInt(1, contact.isBusiness ? 1 : 0);
    int index = 2;
    for (const ContactField &f : ContactFields())
        statement.bindText(index++, FittedFieldValue(f, contact.*f.member));
    statement.run();
    const auto personId = std::int32_t(sqlite3_last_insert_rowid(mStatements->db));
    if (NeedsDetailRows(contact)) {
        Contact stored = contact;
        stored.personId = personId;
        mDetails->write(stored);
    }
    return personId;
}

void ContactInserter::addNumber(std::int32_t personId, std::int32_t typeId, const QString &number)
{
    SqliteStatement &statement = mStatements->number;
    statement.bindInt(1, personId);
    statement.bindInt(2, typeId);
    statement.bindText(3, number);
    statement.run();
}

std::int32_t ContactInserter::addType(const QString &name)
{
    mStatements->type.bindText(1, name);
    mStatements->type.run();
    return std::int32_t(sqlite3_last_insert_rowid(mStatements->db));
}

} // namespace varnelle
