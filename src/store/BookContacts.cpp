#include "store/BookContacts.h"

#include "store/SyncState.h"

#include "store/Database.h"
#include "common/Collation.h"
#include "common/SqlCollation.h"

#include <QHash>
#include "store/SqliteStatement.h"

#include <QSqlError>
#include <QStringList>

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

} // namespace

int MostNumbers(const QSqlDatabase &db, ContactScope scope)
{
    QSqlQuery query = RunQuery(db, "SELECT max(n) FROM (SELECT count(*) AS n FROM TelephoneList"
                                   " WHERE PersonID IN (SELECT PersonID FROM Address"
                                       + scopeCondition(scope) + ") GROUP BY PersonID)");
    return query.next() ? query.value(0).toInt() : 0;
}

void ReadContactsWithNumbers(const QSqlDatabase &db, ContactScope scope,
                             const std::function<void(const Contact &)> &each, ContactOrder order)
{
    // One row for each number (one for a contact without; a number whose type
    // has no row reads as none), in the list's order: a contact is whole when
    // the next row is another's, so the memory taken does not grow with the book.
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
                      // The table read in its own order (and sorted once) rather than
                      // through the Name index, which would visit its pages at random.
                      QString("SELECT a.PersonID, a.IsBusiness, %1, t.TypeID, t.TelephoneType, l.Number"
                              " FROM Address a NOT INDEXED LEFT JOIN TelephoneList l ON l.PersonID = a.PersonID"
                              " LEFT JOIN TelephoneType t ON t.TypeID = l.TypeID%2"
                              " ORDER BY %3a.PersonID, l.TypeID")
                          .arg(columns.join(QStringLiteral(", ")), scopeCondition(scope), sorted),
                      db.databaseName());
    const QHash<std::int32_t, QString> uids = ReadSyncUids(db); // a synced contact keeps its UID in files too
    constexpr int NumberColumn = 2 + int(ContactFieldCount);
    Contact c;
    bool pending = false;
    while (q.next()) {
        const auto personId = std::int32_t(q.integer(0));
        if (!pending || personId != c.personId) {
            if (pending)
                each(c);
            pending = true;
            c.personId = personId;
            c.uid = uids.value(c.personId);
            c.isBusiness = sqlite3_column_type(q.get(), 1) != SQLITE_NULL && q.integer(1) != 0;
            int column = 2;
            for (const ContactField &f : ContactFields())
                c.*f.member = q.text(column++);
            c.telephones.clear();
        }
        if (sqlite3_column_type(q.get(), NumberColumn) != SQLITE_NULL)
            c.telephones << PhoneNumber{q.text(NumberColumn + 1), q.text(NumberColumn + 2)};
    }
    if (pending)
        each(c);
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
    : mFile(db.databaseName()), mStatements(std::make_unique<Statements>(SqliteHandle(db), db.databaseName()))
{
}

ContactInserter::~ContactInserter() = default;

std::int32_t ContactInserter::addContact(const Contact &contact)
{
    SqliteStatement &statement = mStatements->contact;
    statement.bindInt(1, contact.isBusiness ? 1 : 0);
    int index = 2;
    for (const ContactField &f : ContactFields())
        statement.bindText(index++, contact.*f.member);
    statement.run();
    return std::int32_t(sqlite3_last_insert_rowid(mStatements->db));
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
