#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace varnelle {

// The distinct values of one column of table Address over all contacts,
// business and personal alike, in the order the store returns them. Null and
// empty values are left out: a blank entry stands for "no criterion" already.
// field must be a column of Address. Throws DatabaseError.
QStringList DistinctValues(const QSqlDatabase &db, const QString &field);

} // namespace varnelle
