#include "store/Contacts.h"

#include "store/Database.h"
#include "store/History.h"
#include "store/SqliteStatement.h"

#include <algorithm>

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlRecord>

namespace varnelle {

namespace {

// Address joined with the number of the lowest TypeID of each contact.
const char *const ContactLineSelect =
    "SELECT a.PersonID, a.LastName, a.FirstName, n.PersonID IS NOT NULL, n.Number "
    "FROM Address a LEFT JOIN TelephoneList n ON n.PersonID = a.PersonID "
    "AND n.TypeID = (SELECT min(m.TypeID) FROM TelephoneList m WHERE m.PersonID = a.PersonID) ";

ContactLine contactLineOf(const QSqlQuery &q)
{
    return {q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toBool(),
            q.value(4).toString()};
}

} // namespace

bool ViewHasContacts(const QSqlDatabase &db, bool isBusiness)
{
    QSqlQuery q = RunQuery(db, "SELECT EXISTS (SELECT 1 FROM Address WHERE IsBusiness = ?)", {isBusiness});
    return q.next() && q.value(0).toBool();
}

void ReadContactLines(const QSqlDatabase &db, bool isBusiness, const std::function<void(const ContactLine &)> &each)
{
    // Straight on SQLite: a view of many thousands of lines is read at every start.
    SqliteStatement q(SqliteHandle(db),
                      QString(ContactLineSelect) + "WHERE a.IsBusiness = ? ORDER BY a.IsBusiness, a.LastName, a.FirstName",
                      db.databaseName());
    q.bindInt(1, isBusiness ? 1 : 0);
    while (q.next())
        each({std::int32_t(q.integer(0)), q.text(1), q.text(2), q.integer(3) != 0, q.text(4)});
}

std::optional<ContactLine> ReadContactLine(const QSqlDatabase &db, std::int32_t personId)
{
    QSqlQuery q = RunQuery(db, QString(ContactLineSelect) + "WHERE a.PersonID = ?", {personId});
    if (!q.next())
        return std::nullopt;
    return contactLineOf(q);
}

std::int32_t AddContact(const QSqlDatabase &db, bool isBusiness)
{
    std::int32_t personId = 0;
    RecordAs(db, history::Add, {}, [&] {
        personId = RunQuery(db, "INSERT INTO Address (IsBusiness) VALUES (?)", {isBusiness}).lastInsertId().toInt();
    });
    return personId;
}

std::optional<bool> ContactView(const QSqlDatabase &db, std::int32_t personId)
{
    QSqlQuery q = RunQuery(db, "SELECT IsBusiness FROM Address WHERE PersonID = ?", {personId});
    if (!q.next())
        return std::nullopt;
    return q.value(0).toInt() != 0;
}

bool ContactExists(const QSqlDatabase &db, std::int32_t personId)
{
    return RunQuery(db, "SELECT 1 FROM Address WHERE PersonID = ?", {personId}).next();
}

void DeleteContactWithNumbers(QSqlDatabase &db, std::int32_t personId)
{
    RecordAs(db, history::Delete, {}, [&] {
        RunQuery(db, "DELETE FROM Address WHERE PersonID = ?", {personId});
        RunQuery(db, "DELETE FROM TelephoneList WHERE PersonID = ?", {personId});
    });
}

std::vector<ContactNumber> ReadContactNumbers(const QSqlDatabase &db, std::int32_t personId)
{
    QSqlQuery q = RunQuery(db,
                           "SELECT n.TypeID, t.TelephoneType, n.Number FROM TelephoneList n "
                           "LEFT JOIN TelephoneType t ON t.TypeID = n.TypeID WHERE n.PersonID = ? ORDER BY n.TypeID",
                           {personId});
    std::vector<ContactNumber> numbers;
    while (q.next())
        numbers.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
    CheckRowsRead(q);
    return numbers;
}

void DeleteContactNumber(const QSqlDatabase &db, std::int32_t personId, std::int32_t typeId)
{
    RecordAs(db, history::Edit, {}, [&] {
        RunQuery(db, "DELETE FROM TelephoneList WHERE PersonID = ? AND TypeID = ?", {personId, typeId});
    });
}

std::optional<Contact> ReadContactFields(const QSqlDatabase &db, std::int32_t personId)
{
    QStringList columns{"IsBusiness"};
    for (const ContactField &field : ContactFields())
        columns << field.column;
    QSqlQuery query = RunQuery(db, QString("SELECT %1 FROM Address WHERE PersonID = ?").arg(columns.join(", ")),
                               {personId});
    if (!query.next())
        return std::nullopt;
    Contact contact;
    contact.personId = personId;
    contact.isBusiness = query.value(0).toBool();
    int column = 1;
    for (const ContactField &field : ContactFields())
        contact.*field.member = query.isNull(column++) ? QString() : query.value(column - 1).toString();
    return contact;
}

bool SameStoredFields(const Contact &a, const Contact &b)
{
    if (a.isBusiness != b.isBusiness)
        return false;
    return std::all_of(ContactFields().begin(), ContactFields().end(), [&](const ContactField &field) {
        return a.*field.member == b.*field.member && (a.*field.member).isNull() == (b.*field.member).isNull();
    });
}

void StoreChangedFields(const QSqlDatabase &db, std::int32_t personId, const Contact &read, const Contact &edited)
{
    // An update of a row that is gone changes nothing and reports no error.
    if (!ContactExists(db, personId))
        throw DatabaseError(QCoreApplication::translate(
            "Store", "The changes were not saved: this contact is no longer in the database."));
    QStringList assignments;
    QVariantList values;
    for (const ContactField &field : ContactFields()) {
        const QString &text = edited.*field.member;
        if (text == read.*field.member)
            continue;
        const QVariant value = text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
        RefuseTextWithNul(value);
        assignments << QString("%1 = ?").arg(field.column);
        values << value;
    }
    if (assignments.isEmpty())
        return;
    values << personId;
    RecordAs(db, history::Edit, {}, [&] {
        RunQuery(db, QString("UPDATE Address SET %1 WHERE PersonID = ?").arg(assignments.join(", ")), values);
    });
}

} // namespace varnelle
