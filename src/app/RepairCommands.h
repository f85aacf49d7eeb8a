#pragma once

#include <QString>

class QTextStream;

namespace varnelle {

// The health check and the repair of the address book, run from the
// command line without a window.
enum class BookCommand { None, Check, Repair };

// --check: the health check. Prints whether the book is sound (and the
// damage found when it is not); 0 when sound, 1 when damaged or unreadable.
// --repair: what File > Repair Database does, its messages printed to `out`
// followed by one line telling what it did; 0 when the book is sound or
// repaired, 1 otherwise.
// Both work on the book `bookFile` and name it by its file name.
int RunBookCommand(BookCommand command, const QString &bookFile, QTextStream &out);

} // namespace varnelle
