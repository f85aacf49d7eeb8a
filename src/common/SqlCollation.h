#pragma once

class QSqlDatabase;

namespace varnelle::text {

// Makes the collation SqlCollationName (the order of CompareText) known to one
// open connection of the QSQLITE driver. Only that connection knows it: the
// schema names no collation of ours, so the file stays readable and writable
// by any SQLite tool. False when db is not an open SQLite connection.
bool RegisterSqlCollation(const QSqlDatabase &db);

} // namespace varnelle::text
