#include "store/BookContacts.h"

#include "store/Database.h"
#include "common/Collation.h"
#include "common/SqlCollation.h"

#include <QHash>
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

QSqlQuery prepared(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw ToDatabaseError(query.lastError(), db.databaseName());
    return query;
}

void run(QSqlQuery &query, const QString &file, const QVariantList &values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        throw ToDatabaseError(query.lastError(), file);
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
    Contact c;
    while (q.next()) {
        c.personId = q.value(0).toInt();
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

ContactInserter::ContactInserter(const QSqlDatabase &db) : mFile(db.databaseName())
{
    QStringList marks;
    for (std::size_t i = 0; i < ContactFieldCount; ++i)
        marks << QStringLiteral("?");
    mInsertContact = prepared(db, QString("INSERT INTO Address (IsBusiness, %1) VALUES (?, %2)")
                                      .arg(columnList(), marks.join(QStringLiteral(", "))));
    mInsertNumber = prepared(db, "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)");
    mInsertType = prepared(db, "INSERT INTO TelephoneType (TelephoneType) VALUES (?)");
}

std::int32_t ContactInserter::addContact(const Contact &contact)
{
    QVariantList values{contact.isBusiness};
    for (const ContactField &f : ContactFields()) {
        const QString &value = contact.*f.member;
        RefuseTextWithNul(value);
        values << (value.isEmpty() ? QVariant() : QVariant(value));
    }
    run(mInsertContact, mFile, values);
    return mInsertContact.lastInsertId().toInt();
}

void ContactInserter::addNumber(std::int32_t personId, std::int32_t typeId, const QString &number)
{
    RefuseTextWithNul(number);
    run(mInsertNumber, mFile, {personId, typeId, number});
}

std::int32_t ContactInserter::addType(const QString &name)
{
    RefuseTextWithNul(name);
    run(mInsertType, mFile, {name});
    return mInsertType.lastInsertId().toInt();
}

} // namespace varnelle
