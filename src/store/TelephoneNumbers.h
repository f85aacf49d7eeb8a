#pragma once

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <optional>

namespace varnelle {

// The number a contact has of a type, if any (a Null number reads as empty).
// Throws DatabaseError.
std::optional<QString> FindTelephoneNumber(const QSqlDatabase &db, std::int32_t personId, std::int32_t typeId);

// Stores a contact's number: changes the row keyed (personId, keyTypeId) when
// it exists, else adds one; either way the row gets typeId and number as
// given. A second number of one type for a contact is refused.
// Throws DatabaseError.
void SaveTelephoneNumber(const QSqlDatabase &db, std::int32_t personId, std::int32_t keyTypeId,
                         std::int32_t typeId, const QString &number);

} // namespace varnelle
