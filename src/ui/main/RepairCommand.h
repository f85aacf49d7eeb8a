#pragma once

#include "store/AddressBook.h"
#include "store/repair/Maintenance.h"

#include <QSqlDatabase>
#include <QString>

namespace varnelle {

// Repairs the database file (see RepairBook): a sound file is compacted and
// put in place with no message; a damaged one is salvaged, and one message
// tells how many contacts, numbers and types were saved and how many could
// not be read; a salvage shows its progress. A copy a killed repair left
// is removed, and a message says so. A refusal or failure is shown in one refusal box, and the file
// is then as it was. True when the book was salvaged: lists read from the
// damaged file no longer show what it holds.
bool FixDatabase(const QString &fileName);

// What a repair says when it removed the copy a killed repair left.
QString LeftoverRemovedMessage();

// The message of a repair that salvaged the book: what was saved, what could
// not be read, and where the damaged original is kept.
QString SalvageMessage(const QString &fileName, const RepairResult &result);

// The checks of the book just opened at start-up. Files of ours left by a
// killed run whose owner is gone are removed. A book that cannot be changed
// ends the start (throws DatabaseError naming the file and the cause); a
// damaged one is told in one message, and the start goes on with whatever can
// be read: true then.
bool CheckBookAtStartUp(AddressBook &book);

} // namespace varnelle
