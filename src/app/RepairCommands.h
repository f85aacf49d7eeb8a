#pragma once

#include <QString>

class QCommandLineParser;
class QTextStream;

namespace varnelle {

// The health check and the repair of Address.mdb in the current folder, run
// from the command line without a window.
enum class BookCommand { None, Check, Repair };

// Adds --check and --repair to the parser.
void AddBookCommandOptions(QCommandLineParser &parser);
// The command the parsed arguments ask for; None without either option.
BookCommand BookCommandOf(const QCommandLineParser &parser);

// --check: the health check. Prints whether the book is sound (and the
// damage found when it is not); 0 when sound, 1 when damaged or unreadable.
// --repair: what File > Repair Database does, its messages printed to `out`
// followed by one line telling what it did; 0 when the book is sound or
// repaired, 1 otherwise.
int RunBookCommand(BookCommand command, QTextStream &out);

} // namespace varnelle
