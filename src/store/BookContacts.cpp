#include "store/BookContacts.h"

#include "store/SyncState.h"

#include "store/Database.h"
#include "common/Collation.h"
#include "common/SqlCollation.h"

#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QStringList>

#include <sqlite3.h>

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
                             const std::function<void(const Contact &)> &each)
{
    QHash<int, QList<PhoneNumber>> numbers;
    QSqlQuery n = RunQuery(db, "SELECT l.PersonID, t.TelephoneType, l.Number FROM TelephoneList l"
                               " JOIN TelephoneType t ON t.TypeID = l.TypeID ORDER BY l.PersonID, l.TypeID");
    while (n.next())
        numbers[n.value(0).toInt()] << PhoneNumber{n.value(1).toString(), n.value(2).toString()};
    CheckRowsRead(n);

    // Names in the order of the program's lists, where the connection can learn it.
    const QString collate = text::RegisterSqlCollation(db)
                                ? QStringLiteral(" COLLATE ") + QLatin1String(text::SqlCollationName)
                                : QString();
    QSqlQuery q = RunQuery(db, QString("SELECT PersonID, IsBusiness, %1 FROM Address%2"
                                       " ORDER BY IsBusiness DESC, LastName%3, FirstName%3, PersonID")
                                   .arg(columnList(), scopeCondition(scope), collate));
    const QHash<std::int32_t, QString> uids = ReadSyncUids(db); // a synced contact keeps its UID in files too
    Contact c;
    while (q.next()) {
        c.personId = q.value(0).toInt();
        c.uid = uids.value(c.personId);
        c.isBusiness = q.value(1).toBool();
        int column = 2;
        for (const ContactField &f : ContactFields())
            c.*f.member = q.value(column++).toString();
        c.telephones = numbers.value(q.value(0).toInt());
        each(c);
    }
    CheckRowsRead(q);
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
    sqlite3 *db = nullptr;
    sqlite3_stmt *contact = nullptr;
    sqlite3_stmt *number = nullptr;
    sqlite3_stmt *type = nullptr;

    ~Statements()
    {
        sqlite3_finalize(contact);
        sqlite3_finalize(number);
        sqlite3_finalize(type);
    }

    // The failure of the last call on the handle, as the store tells it.
    DatabaseError failure(const QString &file) const
    {
        const int code = sqlite3_extended_errcode(db);
        return ToDatabaseError(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(db)),
                                         QSqlError::StatementError, QString::number(code)),
                               file);
    }

    sqlite3_stmt *prepare(const QString &sql, const QString &file)
    {
        sqlite3_stmt *statement = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
            throw failure(file);
        return statement;
    }

    // Runs the statement with its values bound, then makes it ready for the next.
    void step(sqlite3_stmt *statement, const QString &file) const
    {
        const int result = sqlite3_step(statement);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        if (result != SQLITE_DONE)
            throw failure(file);
    }
};

namespace {

void refuseNul(const QString &value)
{
    if (value.contains(QChar(u'\0')))
        RefuseTextWithNul(value);
}

void bindText(sqlite3_stmt *statement, int index, const QString &value)
{
    refuseNul(value);
    if (value.isEmpty())
        sqlite3_bind_null(statement, index);
    else // the value outlives the step
        sqlite3_bind_text16(statement, index, value.utf16(), int(value.size() * 2), SQLITE_STATIC);
}

} // namespace

ContactInserter::ContactInserter(const QSqlDatabase &db) : mFile(db.databaseName()), mStatements(new Statements)
{
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        mStatements->db = *static_cast<sqlite3 *const *>(handle.data());
    if (!mStatements->db) {
        delete mStatements;
        throw ToDatabaseError(db.lastError(), mFile);
    }
    try {
        QStringList marks;
        for (std::size_t i = 0; i < ContactFieldCount; ++i)
            marks << QStringLiteral("?");
        mStatements->contact = mStatements->prepare(QString("INSERT INTO Address (IsBusiness, %1) VALUES (?, %2)")
                                                        .arg(columnList(), marks.join(QStringLiteral(", "))),
                                                    mFile);
        mStatements->number =
            mStatements->prepare("INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)", mFile);
        mStatements->type = mStatements->prepare("INSERT INTO TelephoneType (TelephoneType) VALUES (?)", mFile);
    } catch (...) {
        delete mStatements;
        throw;
    }
}

ContactInserter::~ContactInserter()
{
    delete mStatements;
}

std::int32_t ContactInserter::addContact(const Contact &contact)
{
    sqlite3_stmt *statement = mStatements->contact;
    sqlite3_bind_int(statement, 1, contact.isBusiness ? 1 : 0);
    int index = 2;
    for (const ContactField &f : ContactFields())
        bindText(statement, index++, contact.*f.member);
    mStatements->step(statement, mFile);
    return std::int32_t(sqlite3_last_insert_rowid(mStatements->db));
}

void ContactInserter::addNumber(std::int32_t personId, std::int32_t typeId, const QString &number)
{
    sqlite3_stmt *statement = mStatements->number;
    sqlite3_bind_int(statement, 1, personId);
    sqlite3_bind_int(statement, 2, typeId);
    refuseNul(number);
    sqlite3_bind_text16(statement, 3, number.utf16(), int(number.size() * 2), SQLITE_STATIC);
    mStatements->step(statement, mFile);
}

std::int32_t ContactInserter::addType(const QString &name)
{
    refuseNul(name);
    sqlite3_stmt *statement = mStatements->type;
    sqlite3_bind_text16(statement, 1, name.utf16(), int(name.size() * 2), SQLITE_STATIC);
    mStatements->step(statement, mFile);
    return std::int32_t(sqlite3_last_insert_rowid(mStatements->db));
}

} // namespace varnelle
