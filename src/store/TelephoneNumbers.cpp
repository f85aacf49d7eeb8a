#include "store/TelephoneNumbers.h"

#include "store/Database.h"
#include "store/History.h"

#include <QCoreApplication>
namespace varnelle {

std::optional<QString> FindTelephoneNumber(const QSqlDatabase &db, std::int32_t personId, std::int32_t typeId)
{
    QSqlQuery q = RunQuery(db, "SELECT Number FROM TelephoneList WHERE PersonID = ? AND TypeID = ?",
                           {personId, typeId});
    if (!q.next())
        return std::nullopt;
    return q.value(0).toString();
}

void SaveTelephoneNumber(const QSqlDatabase &db, std::int32_t personId, std::int32_t keyTypeId,
                         std::int32_t typeId, const QString &number)
{
    try {
        RecordAs(db, history::Edit, {}, [&] {
        QSqlQuery update = RunQuery(db, "UPDATE TelephoneList SET TypeID = ?, Number = ? WHERE PersonID = ? AND TypeID = ?",
                                    {typeId, number, personId, keyTypeId});
        if (update.numRowsAffected() == 0)
            RunQuery(db, "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)",
                     {personId, typeId, number});
        });
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::DuplicateKey)
            throw;
        throw DatabaseError(
            QCoreApplication::translate(
                "Store", "The number was not saved: the contact already has a telephone number of this type, and "
                         "the index 'Primary' of table 'TelephoneList' allows one number of each type per contact."),
            error.kind());
    }
}

} // namespace varnelle
