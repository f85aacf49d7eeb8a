#pragma once

#include "interchange/ContactRecord.h"
#include "store/DatabaseError.h"

#include <QCoreApplication>

namespace varnelle::interchange {

// A failure of the address book during an import or export, in the words the
// book gave for it.
inline InterchangeError BookError(const DatabaseError &error)
{
    const QString words = error.engineText().isEmpty() ? error.message() : error.engineText();
    return InterchangeError(
        QCoreApplication::translate("Interchange", "The address book reported a failure: %1.").arg(words));
}

} // namespace varnelle::interchange
