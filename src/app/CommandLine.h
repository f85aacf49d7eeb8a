#pragma once

#include "interchange/BookExport.h"
#include "interchange/BookImport.h"
#include "app/HistoryCommands.h"
#include "app/RepairCommands.h"
#include "app/ReportCommands.h"
#include "app/SyncCommands.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class QTextStream;

namespace varnelle {

// What the command line asks for, read by one parser for every command.
// Without a command the program starts with its windows; --desktop keeps the
// book in the user's data folder (BookFileOf).
struct CommandLine {
    enum class Action { Run, Import, Export, Find, Show, Query, Help, Version, Mistake, Sync, Book, Report,
                        SearchProvider, History };
    Action action = Action::Run;
    bool desktop = false;
    QString text; // the help text, the version or the mistake
    // The files the window imports at start-up, absolute (named without a
    // folder, they are in the current folder).
    QStringList files;
    // --edit-contact: the contact the window opens in the editor (0: none);
    // --search: the words the window puts in its search box.
    std::int32_t editContact = 0;
    QString searchText;

    // --import and --export.
    struct Interchange {
        QString file;
        interchange::ImportView into = interchange::ImportView::ByCompany;
        QString summaryFile; // --summary: where an import writes every line of its summary
        std::optional<interchange::ExportFormat> format; // none: by the file's name
        interchange::ExportScope view = interchange::ExportScope::All;
    } interchange;

    // --find, --show and --query.
    struct Search {
        QString text; // what is looked for
        interchange::ExportScope view = interchange::ExportScope::All; // --find and --show only
        bool vcard = false; // --show --format vcard4
    } search;

    // --check and --repair (app/RepairCommands.h).
    BookCommand book = BookCommand::None;

    // --add-account, --accounts, --remove-account and --sync (app/SyncCommands.h).
    SyncCommand sync;

    // --report (app/ReportCommands.h).
    ReportCommand report;

    // --history, --undo, --redo, --deleted, --restore (app/HistoryCommands.h).
    HistoryCommand history;
};

// Whether the command draws pages (a report to PDF or to a printer), which
// needs a QGuiApplication though it shows no window.
bool DrawsPages(const CommandLine &command);

// Exit statuses of a run from the command line.
enum ExitStatus : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// Reads the arguments (the program's name first). Options of Qt itself
// (-platform, -style, ...) are let through for the windows.
CommandLine ParseCommandLine(const QStringList &arguments);

// The absolute path of the address book the command line works on:
// Address.mdb in the current folder, or with --desktop in the user's data
// folder, which is made when it is missing. Decided once at start-up and
// handed to everything that opens the book. On failure returns an empty
// string and sets `error` to a sentence naming the folder.
QString BookFileOf(const CommandLine &command, QString *error);

// Runs what a command line without windows asks for on the book `bookFile`:
// prints the help, the version, a mistake, or imports or exports (the book
// made as a first start makes it) and prints the summary, grouped by kind
// (every line goes to the file of --summary); finds, checks, repairs or
// syncs. Returns the exit status. Needs a QCoreApplication for a command on
// the book.
int RunWithoutWindows(const CommandLine &command, const QString &bookFile, QTextStream &out, QTextStream &err);

} // namespace varnelle
