#pragma once

#include <QString>

namespace varnelle {

// Checks and mends the database file in place: rebuilds every index, then
// checks the whole file. Damage that cannot be mended is reported.
// Throws DatabaseError.
void RepairInPlace(const QString &fileName);

// Writes a compacted copy of the database file to copyName, which must not
// exist yet. Throws DatabaseError.
void CompactInto(const QString &fileName, const QString &copyName);

// Puts the file 'from' in the place of 'to' with one atomic rename, after
// flushing it to disk. Throws DatabaseError.
void ReplaceFile(const QString &from, const QString &to);

} // namespace varnelle
