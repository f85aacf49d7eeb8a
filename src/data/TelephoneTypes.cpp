#include "data/TelephoneTypes.h"

#include "data/Database.h"

namespace varnelle {

namespace {

TelephoneTypeRow readType(const QSqlDatabase &db, std::int32_t typeId)
{
    QSqlQuery q = RunQuery(db, "SELECT TypeID, TelephoneType FROM TelephoneType WHERE TypeID = ?", {typeId});
    if (!q.next())
        throw DatabaseError("The telephone type no longer exists; it may have been deleted meanwhile.");
    return {q.value(0).toInt(), q.value(1).toString()};
}

// Turns the unique index's refusal into a sentence naming both names.
DatabaseError duplicateName(const QSqlDatabase &db, const QString &name, const DatabaseError &error)
{
    QSqlQuery q = RunQuery(db, "SELECT TelephoneType FROM TelephoneType WHERE TelephoneType = ?", {name});
    const QString existing = q.next() ? q.value(0).toString() : name;
    return DatabaseError(QString("The telephone type '%1' was not saved: the type '%2' already exists, and the index "
                                 "'TelephoneType' allows no two types with the same name.")
                             .arg(name, existing),
                         error.kind());
}

template <class Body>
auto refusingDuplicateNames(const QSqlDatabase &db, const QString &name, Body &&body)
{
    try {
        return body();
    } catch (const DatabaseError &error) {
        if (error.kind() == DatabaseError::Kind::DuplicateKey)
            throw duplicateName(db, name, error);
        throw;
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
    return refusingDuplicateNames(db, name, [&] {
        QSqlQuery q = RunQuery(db, "INSERT INTO TelephoneType (TelephoneType) VALUES (?)", {name});
        return readType(db, q.lastInsertId().toInt());
    });
}

TelephoneTypeRow RenameTelephoneType(const QSqlDatabase &db, std::int32_t typeId, const QString &name)
{
    return refusingDuplicateNames(db, name, [&] {
        QSqlQuery q = RunQuery(db, "UPDATE TelephoneType SET TelephoneType = ? WHERE TypeID = ?", {name, typeId});
        if (q.numRowsAffected() == 0)
            throw DatabaseError("The telephone type no longer exists; it may have been deleted meanwhile.");
        return readType(db, typeId);
    });
}

bool TelephoneTypeInUse(const QSqlDatabase &db, std::int32_t typeId)
{
    return RunQuery(db, "SELECT 1 FROM TelephoneList WHERE TypeID = ? LIMIT 1", {typeId}).next();
}

void DeleteTelephoneType(const QSqlDatabase &db, std::int32_t typeId)
{
    if (RunQuery(db, "DELETE FROM TelephoneType WHERE TypeID = ?", {typeId}).numRowsAffected() == 0)
        throw DatabaseError("The telephone type no longer exists; it may have been deleted meanwhile.");
}

} // namespace varnelle
