#pragma once

#include "store/repair/Maintenance.h"

#include <QSqlDatabase>
#include <QString>

namespace varnelle {

// Repairs the database file (see RepairBook): a sound file is compacted and
// put in place with no message; a damaged one is salvaged, and one message
// tells how many contacts, numbers and types were saved and how many could
// not be read. A refusal or failure is shown in one refusal box, and the file
// is then as it was. True when the book was salvaged: lists read from the
// damaged file no longer show what it holds.
bool FixDatabase(const QString &fileName);

// The message of a repair that salvaged the book: what was saved, what could
// not be read, and where the damaged original is kept.
QString SalvageMessage(const QString &fileName, const RepairResult &result);

// Opens the book into db under connectionName (OpenDatabase). A book whose
// header is SQLite's but that SQLite refuses whole (cut short) is opened as far
// as it can be read, so that File > Repair Database can be reached; a file that
// is not a database is refused as OpenDatabase refuses it (DatabaseError).
void OpenBookAsFarAsReadable(QSqlDatabase &db, const QString &fileName, const QString &connectionName);

// The start-up: opens the book (OpenBookAsFarAsReadable), checks it and
// returns its saved view. A book that cannot be changed ends the start (throws
// DatabaseError naming the file and the cause). A damaged one is told in one
// message and opens with whatever can be read; when its view cannot be read,
// in the initial view.
bool OpenBookAtStartUp(QSqlDatabase &db, const QString &fileName, const QString &connectionName);

// Before an action on the book: a file another program (a repair) replaced
// since db opened it is opened again (OpenBookAsFarAsReadable), so the action
// goes to the book now in its place; true then (the lists are to be refilled).
bool ReopenIfReplaced(QSqlDatabase &db, const QString &fileName, const QString &connectionName);

} // namespace varnelle
