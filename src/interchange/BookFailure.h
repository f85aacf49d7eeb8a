#pragma once

#include "interchange/ContactRecord.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/repair/Health.h"

#include <QCoreApplication>

namespace varnelle::interchange {

// A failure of the address book during an import or export, in the words the
// book gave for it, or in plain words where the file explains it.
inline InterchangeError BookError(const DatabaseError &error)
{
    // A full disk, a disk error, a book that cannot be changed: ToDatabaseError
    // has told the file and the cause in plain words.
    if (PlainFileFailure(DatabaseFileName, error.engineText()))
        return InterchangeError(error.message());
    // Another program, or another window of this one, is writing to the book.
    if (error.kind() == DatabaseError::Kind::Busy || error.engineText().contains(QLatin1String("database is locked"))
        || error.engineText().contains(QLatin1String("database table is locked")))
        return InterchangeError(QCoreApplication::translate(
            "Interchange", "The address book is being changed by another program or window right now. Try again "
                           "when it is done."));
    const QString words = error.engineText().isEmpty() ? error.message() : error.engineText();
    return InterchangeError(
        QCoreApplication::translate("Interchange", "The address book reported a failure: %1.").arg(words));
}

} // namespace varnelle::interchange
