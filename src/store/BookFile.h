#pragma once

#include <QFileDevice>
#include <QString>
#include <QStringList>

namespace varnelle {

// The address book as a file on disk: its mode, owner, real place and the
// names kept beside it.

// The permissions of a new book: read and write for its owner, read for the
// others, less what the user's umask takes away.
QFileDevice::Permissions NewBookPermissions();

// The file a name stands for, through any symbolic links; the absolute path
// of the name itself when it does not exist.
QString RealBookPath(const QString &fileName);

// Gives the file 'to' the mode of the file 'from', and its owner and group
// where the system allows it. Throws DatabaseError when the mode cannot be set.
void KeepModeAndOwner(const QString &from, const QString &to);

// Keeps the file 'path' under the first free name of "path.damaged",
// "path.damaged.1", ... (never replacing an earlier one) without moving it:
// a second link to the same file where the file system has links, a copy
// where it has not. Returns the name chosen. Throws DatabaseError.
QString KeepDamagedOriginal(const QString &path);

// True when a process of this system has the file open, as far as the system
// tells (on Linux, through /proc); false where it cannot tell.
bool FileIsOpenSomewhere(const QString &path);

// Removes the temporary files that an interrupted creation or repair of the
// book 'path' left in its folder ("Address.mdb.new-*", "_MDBFIX_.MDB.new-*" and
// their journals), once no process has them open: their makers hold them open
// until they are complete. A leftover "_MDBFIX_.MDB" itself stays: the next
// repair, once it holds the book, decides about it.
// Returns the names removed.
QStringList RemoveLeftoverFiles(const QString &path);

} // namespace varnelle
