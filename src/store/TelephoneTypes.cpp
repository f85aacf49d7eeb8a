#include "store/TelephoneTypes.h"

#include "store/Database.h"
#include "store/History.h"
#include "common/Collation.h"

#include <QCoreApplication>
namespace varnelle {

namespace {

TelephoneTypeRow readType(const QSqlDatabase &db, std::int32_t typeId)
{
    QSqlQuery q = RunQuery(db, "SELECT TypeID, TelephoneType FROM TelephoneType WHERE TypeID = ?", {typeId});
    if (!q.next())
        throw DatabaseError(QCoreApplication::translate(
            "Store", "The telephone type no longer exists; it may have been deleted meanwhile."));
    return {q.value(0).toInt(), q.value(1).toString()};
}

DatabaseError duplicateName(const QString &name, const QString &existing)
{
    return DatabaseError(QCoreApplication::translate(
                             "Store",
                             "The telephone type '%1' was not saved: the type '%2' already exists, and the index "
                             "'TelephoneType' allows no two types with the same name.")
                             .arg(name, existing),
                         DatabaseError::Kind::DuplicateKey);
}

// The index TelephoneType tells names apart without regard to the case of
// ASCII letters only; this refuses a name that another type (not the one
// renamed) has with any letter in another case, "BÜRO" beside "Büro".
void refuseNameOfAnotherType(const QSqlDatabase &db, const QString &name, std::int32_t renamedTypeId = 0)
{
    QSqlQuery q = RunQuery(db, "SELECT TelephoneType FROM TelephoneType WHERE TypeID <> ?", {renamedTypeId});
    while (q.next()) {
        const QString existing = q.value(0).toString();
        if (text::SameIgnoringCase(existing, name))
            throw duplicateName(name, existing);
    }
    CheckRowsRead(q);
}

// Turns the unique index's refusal into a sentence naming both names.
template <class Body>
auto refusingDuplicateNames(const QSqlDatabase &db, const QString &name, Body &&body)
{
    try {
        return body();
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::DuplicateKey)
            throw;
        QSqlQuery q = RunQuery(db, "SELECT TelephoneType FROM TelephoneType WHERE TelephoneType = ?", {name});
        throw duplicateName(name, q.next() ? q.value(0).toString() : name);
    }
}

} // namespace

QList<TelephoneTypeRow> ListTelephoneTypes(const QSqlDatabase &db)
{
    QList<TelephoneTypeRow> rows;
    QSqlQuery q = RunQuery(db, "SELECT TypeID, TelephoneType FROM TelephoneType ORDER BY TypeID");
    while (q.next())
        rows.append({q.value(0).toInt(), q.value(1).toString()});
    CheckRowsRead(q);
    return rows;
}

TelephoneTypeRow AddTelephoneType(const QSqlDatabase &db, const QString &name)
{
    refuseNameOfAnotherType(db, name);
    return refusingDuplicateNames(db, name, [&] {
        std::int32_t typeId = 0;
        RecordAs(db, history::TypeAdd, name, [&] {
            typeId = RunQuery(db, "INSERT INTO TelephoneType (TelephoneType) VALUES (?)", {name}).lastInsertId().toInt();
        });
        return readType(db, typeId);
    });
}

TelephoneTypeRow RenameTelephoneType(const QSqlDatabase &db, std::int32_t typeId, const QString &name)
{
    refuseNameOfAnotherType(db, name, typeId);
    return refusingDuplicateNames(db, name, [&] {
        int changed = 0;
        RecordAs(db, history::TypeRename, readType(db, typeId).name, [&] {
            changed = RunQuery(db, "UPDATE TelephoneType SET TelephoneType = ? WHERE TypeID = ?", {name, typeId})
                          .numRowsAffected();
        });
        if (changed == 0)
            throw DatabaseError(QCoreApplication::translate(
                "Store", "The telephone type no longer exists; it may have been deleted meanwhile."));
        return readType(db, typeId);
    });
}

bool TelephoneTypeInUse(const QSqlDatabase &db, std::int32_t typeId)
{
    return RunQuery(db, "SELECT 1 FROM TelephoneList WHERE TypeID = ? LIMIT 1", {typeId}).next();
}

void DeleteTelephoneType(const QSqlDatabase &db, std::int32_t typeId)
{
    int deleted = 0;
    QSqlQuery named = RunQuery(db, "SELECT TelephoneType FROM TelephoneType WHERE TypeID = ?", {typeId});
    const QString name = named.next() ? named.value(0).toString() : QString();
    named = QSqlQuery();
    RecordAs(db, history::TypeDelete, name, [&] {
        deleted = RunQuery(db, "DELETE FROM TelephoneType WHERE TypeID = ?", {typeId}).numRowsAffected();
    });
    if (deleted == 0)
        throw DatabaseError(QCoreApplication::translate(
            "Store", "The telephone type no longer exists; it may have been deleted meanwhile."));
}

} // namespace varnelle
