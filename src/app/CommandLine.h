#pragma once

#include "interchange/BookExport.h"
#include "interchange/BookImport.h"
#include "app/RepairCommands.h"

#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace varnelle {

// What the command line asks for. Without --import, --export, --help or
// --version the program starts with its windows; --desktop first moves into
// the user's data folder.
struct CommandLine {
    enum class Action { Run, Import, Export, Find, Query, Help, Version, Mistake, Sync, Book };
    Action action = Action::Run;
    bool desktop = false;
    QString file;
    interchange::ImportView into = interchange::ImportView::ByCompany;
    QString summaryFile; // --summary: where an import writes every line of its summary
    std::optional<interchange::ExportFormat> format; // none: by the file's name
    interchange::ExportScope view = interchange::ExportScope::All;
    QString text; // the help text, the mistake, or what --find and --query look for
    QStringList arguments; // for Sync: all of them (app/SyncCommands.h)
    BookCommand book = BookCommand::None; // Action::Book: --check or --repair (app/RepairCommands.h)
};

// Exit statuses of a run from the command line.
enum ExitStatus : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// Reads the arguments (the program's name first). Options of Qt itself
// (-platform, -style, ...) are let through for the windows.
CommandLine ParseCommandLine(const QStringList &arguments);

// Runs what a command line without windows asks for: prints the help, the
// version, a mistake, or imports or exports with Address.mdb in the current
// folder (made as a first start makes it) and prints the summary, grouped by
// kind (every line goes to the file of --summary). Returns the
// exit status. Needs a QCoreApplication for an import or export.
int RunWithoutWindows(const CommandLine &command, QTextStream &out, QTextStream &err);

} // namespace varnelle
