#pragma once

#include "store/DatabaseError.h"
#include "store/repair/Salvage.h"

#include <QString>

namespace varnelle {

// What a repair did: compacted a sound file, or salvaged a damaged one.
struct RepairResult {
    bool salvaged = false;
    SalvageReport report; // salvaged only
    QString keptAs;       // salvaged only: where the damaged original is kept
    bool removedLeftover = false; // the copy a killed repair left beside the book was removed
};

// Repairs the address book 'fileName', or the file a symbolic link of that
// name points to (the link stays). First holds the book and checks it fully
// without changing it (see FindDamage). A copy "_MDBFIX_.MDB" that a killed
// repair left beside it is removed; one that a process holds open refuses
// the repair (InterruptedRepairError). A sound file (with no number whose
// type is lost: FindOrphanNumbers) is compacted into
// "_MDBFIX_.MDB" beside it; a damaged one
// has every readable row salvaged into "_MDBFIX_.MDB" and is kept under a name
// of its own ("Address.mdb.damaged", ...). The new file takes the old one's
// mode and owner and its place with one atomic rename. Throws DatabaseError
// when the repair is refused or fails; the file is then as it was. A salvage
// tells how far it has come through progress. The damaged original is kept
// byte for byte: nothing is written to it.
RepairResult RepairBook(const QString &fileName, const SalvageProgress &progress = {});

// The refusal of a repair that finds the copy of an earlier one beside the
// book 'fileName': that repair was interrupted before the copy took the
// book's place, so the book is as it was.
DatabaseError InterruptedRepairError(const QString &fileName);

} // namespace varnelle
