#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace varnelle {

// Files of at most this many pages (4 MB at SQLite's usual page size) get the
// full integrity check, which also compares every index with its table; larger
// ones get the quick check of every page, which costs one read of the file.
inline constexpr int FullCheckPageLimit = 1024;

// The damage SQLite finds in the open database, one line per finding (at most
// a few); empty when the file is sound. Reads only; never changes the file.
// Runs the full check, whatever the file's size, once index damage was noted.
QStringList FindDamage(const QSqlDatabase &db);

// An index that disagrees with its table is found by the full check only.
// Once an operation has met one, FindDamage looks for it in files of every
// size, until the repair that replaces the file forgets it.
void NoteIndexDamage();
void ForgetIndexDamage();

// Throws DatabaseError (kind ReadOnly) naming the file and the cause when the
// open database cannot be changed: the file is write-protected, or its folder
// does not allow the journal SQLite writes beside it. Tries one change and
// takes it back, so the file is left as it was.
void RequireWritable(const QSqlDatabase &db, const QString &fileName);

} // namespace varnelle
