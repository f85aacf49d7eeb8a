#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <cstdint>

namespace varnelle {

struct TelephoneTypeRow {
    std::int32_t typeId = 0;
    QString name;
};

// Every telephone type in TypeID order. Throws DatabaseError.
QList<TelephoneTypeRow> ListTelephoneTypes(const QSqlDatabase &db);

// Adds a type named exactly as given; the store assigns its TypeID. Returns
// the stored row. A name that another type has, with any of its letters in
// another case ("BÜRO" beside "Büro"), is refused. Throws DatabaseError.
TelephoneTypeRow AddTelephoneType(const QSqlDatabase &db, const QString &name);

// Gives a type a new name; returns the stored row. A name that another type
// has, in any letter case, is refused as on adding. Throws DatabaseError,
// also when the type no longer exists.
TelephoneTypeRow RenameTelephoneType(const QSqlDatabase &db, std::int32_t typeId, const QString &name);

// Whether any telephone number uses the type. Throws DatabaseError.
bool TelephoneTypeInUse(const QSqlDatabase &db, std::int32_t typeId);

// Deletes a type. Throws DatabaseError, also when the type no longer exists.
void DeleteTelephoneType(const QSqlDatabase &db, std::int32_t typeId);

} // namespace varnelle
