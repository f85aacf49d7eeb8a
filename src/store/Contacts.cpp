#include "store/Contacts.h"

#include "store/Database.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>

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
    QSqlQuery q = RunQuery(db,
                           QString(ContactLineSelect)
                               + "WHERE a.IsBusiness = ? ORDER BY a.IsBusiness, a.LastName, a.FirstName",
                           {isBusiness});
    while (q.next())
        each(contactLineOf(q));
    CheckRowsRead(q);
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
    return RunQuery(db, "INSERT INTO Address (IsBusiness) VALUES (?)", {isBusiness}).lastInsertId().toInt();
}

bool ContactExists(const QSqlDatabase &db, std::int32_t personId)
{
    return RunQuery(db, "SELECT 1 FROM Address WHERE PersonID = ?", {personId}).next();
}

QVariantList StoredContactValues(const QSqlDatabase &db, std::int32_t personId)
{
    QSqlQuery query = RunQuery(db, "SELECT * FROM Address WHERE PersonID = ?", {personId});
    QVariantList values;
    if (query.next())
        for (int column = 0; column < query.record().count(); ++column)
            values << query.value(column);
    return values;
}

void DeleteContactWithNumbers(QSqlDatabase &db, std::int32_t personId)
{
    InTransaction(db, [&] {
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
    RunQuery(db, "DELETE FROM TelephoneList WHERE PersonID = ? AND TypeID = ?", {personId, typeId});
}

QSqlTableModel *OpenContactRow(const QSqlDatabase &db, std::int32_t personId, QObject *parent)
{
    auto *row = new QSqlTableModel(parent, db);
    row->setEditStrategy(QSqlTableModel::OnManualSubmit);
    row->setTable("Address");
    row->setFilter(QString("PersonID = %1").arg(personId));
    if (!row->select()) {
        const DatabaseError error = ToDatabaseError(row->lastError(), db.databaseName());
        delete row;
        throw error;
    }
    return row;
}

void StoreContactRow(QSqlTableModel &row, std::int32_t personId)
{
    // An update of a row that is gone changes nothing and reports no error.
    if (!ContactExists(row.database(), personId))
        throw DatabaseError(QCoreApplication::translate(
            "Store", "The changes were not saved: this contact is no longer in the database."));
    const QSqlRecord values = row.record(0);
    for (int field = 0; field < values.count(); ++field)
        RefuseTextWithNul(values.value(field));
    if (!row.submitAll())
        throw ToDatabaseError(row.lastError(), row.database().databaseName());
}

} // namespace varnelle
