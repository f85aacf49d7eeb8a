#include "app/CommandLine.h"

#include "VersionInfo.h"
#include "app/AppDataFolder.h"
#include "app/DesktopSearch.h"
#include "app/FindCommands.h"
#include "app/OptionChoice.h"
#include "app/SyncCommands.h"
#include "store/Database.h"
#include "store/Setup.h"
#include "sync/DavClient.h"
#include "sync/Discovery.h"
#include "common/FileFailure.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <exception>
#include <new>

namespace varnelle {

namespace {

using interchange::ExportFormat;
using interchange::ExportScope;
using interchange::ImportView;

// QCommandLineParser's words for an option it does not know, in Qt's
// translation of them.
constexpr char UnknownOption[] = "Unknown option '%1'.";

CommandLine mistake(const QString &text)
{
    CommandLine c;
    c.action = CommandLine::Action::Mistake;
    c.text = text + QCoreApplication::translate("CommandLine", "\nTry 'varnelle --help' for the options.");
    return c;
}

int importFile(const CommandLine::Interchange &command, QSqlDatabase &db, QTextStream &out, QTextStream &err)
{
    interchange::ImportOptions options;
    options.view = command.into;
    options.currentIsBusiness = ReadSetupView(db);
    if (!command.summaryFile.isEmpty())
        interchange::RefuseProtectedFile(db, command.summaryFile);
    const interchange::ImportSummary summary = interchange::ImportContactFile(db, command.file, options);
    out << summary.groupedLines().join('\n') << '\n';
    // Nothing stored is no success, though the summary says why.
    const bool none = summary.imported == 0;
    if (none)
        err << (summary.alreadyPresent > 0
                    ? QCoreApplication::translate("CommandLine", "No contact was imported: every contact of the file "
                                                                 "is already in the address book.")
                    : QCoreApplication::translate("CommandLine", "No contact was imported: the file holds none that "
                                                                 "could be read."))
            << '\n';
    if (command.summaryFile.isEmpty())
        return none ? ExitFailure : ExitSuccess;
    QSaveFile file(command.summaryFile);
    // QSaveFile's commit ignores a failure of its last write: flushed first, the failure is seen.
    if (!(file.open(QIODevice::WriteOnly | QIODevice::Text) && summary.writeLines(file) && file.flush()
          && file.commit())) {
        // The contacts are in the book by now: only the file of the summary is missing.
        err << QCoreApplication::translate("CommandLine",
                                           "The import succeeded, but its summary could not be written to '%1': %2.")
                   .arg(QFileInfo(command.summaryFile).fileName(), WriteFailureCause(file))
            << '\n';
        return ExitFailure;
    }
    return none ? ExitFailure : ExitSuccess;
}

int exportFile(const CommandLine::Interchange &command, const QString &givenName, const QSqlDatabase &db,
               QTextStream &out)
{
    const ExportFormat format = command.format.value_or(interchange::FormatForFileName(command.file));
    const qsizetype count = interchange::ExportContacts(db, command.file, format, command.view);
    out << interchange::ExportedText(count, givenName) << '\n';
    return ExitSuccess;
}

// The sync commands' part of the command line, read by ParseCommandLine.
// Beside them only --desktop and --view are taken.
CommandLine syncCommand(const QCommandLineParser &p)
{
    // Any other option is refused in the parser's own words.
    for (const QString &name : p.optionNames())
        if (!QStringList{"add-account", "user", "view", "address-book", "password-command", "insecure", "accounts",
                         "remove-account", "sync", "accept-removal", "upload-all", "trust-certificate", "desktop"}
                 .contains(name))
            return mistake(QCoreApplication::translate("QCommandLineParser", UnknownOption).arg(name));
    const int commands = int(p.isSet("add-account")) + int(p.isSet("accounts")) + int(p.isSet("remove-account"))
        + int(p.isSet("sync"));
    if (commands != 1)
        return mistake(QCoreApplication::translate(
            "SyncCommands", "Give one of --add-account, --accounts, --remove-account and --sync."));
    const auto viewNamed = [&](std::initializer_list<const char *> names) {
        for (const char *name : names)
            if (p.value("view").compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    if (p.isSet("add-account")) {
        QString userInUrl;
        sync::ServerUrl(p.value("add-account"), &userInUrl);
        if (p.value("user").isEmpty() && userInUrl.isEmpty())
            return mistake(QCoreApplication::translate("SyncCommands", "--add-account needs --user NAME."));
        if (p.isSet("view") && !viewNamed({"business", "personal"}))
            return mistake(QCoreApplication::translate("SyncCommands", "--view takes business or personal, not '%1'.")
                               .arg(p.value("view")));
    } else if (p.isSet("user") || p.isSet("address-book") || p.isSet("insecure")) {
        return mistake(QCoreApplication::translate(
            "SyncCommands", "--user, --address-book and --insecure belong to --add-account."));
    }
    if (p.isSet("sync") && p.isSet("view") && !viewNamed({"business", "personal", "all"}))
        return mistake(QCoreApplication::translate("SyncCommands", "--view takes business, personal or all, not '%1'.")
                           .arg(p.value("view")));
    if ((p.isSet("accounts") || p.isSet("remove-account")) && (p.isSet("view") || p.isSet("password-command")))
        return mistake(QCoreApplication::translate(
            "SyncCommands", "--view and --password-command belong to --add-account and --sync."));
    if ((p.isSet("accept-removal") || p.isSet("upload-all")) && !p.isSet("sync"))
        return mistake(QCoreApplication::translate("SyncCommands", "--accept-removal and --upload-all belong to --sync."));
    if (p.isSet("accept-removal") && p.isSet("upload-all"))
        return mistake(QCoreApplication::translate("SyncCommands", "Give --accept-removal or --upload-all, not both."));
    if (p.isSet("trust-certificate") && !p.isSet("add-account") && !p.isSet("sync"))
        return mistake(QCoreApplication::translate("SyncCommands",
                                                   "--trust-certificate belongs to --add-account and --sync."));
    if (p.isSet("trust-certificate") && sync::DavClient::NormalizedFingerprint(p.value("trust-certificate")).isEmpty())
        return mistake(QCoreApplication::translate("SyncCommands", "--trust-certificate takes a certificate's SHA-256 "
                                                                   "fingerprint (64 hex digits, colons allowed), not "
                                                                   "'%1'.")
                           .arg(p.value("trust-certificate")));
    bool numberOk = true;
    const int number = p.isSet("remove-account") ? p.value("remove-account").toInt(&numberOk) : 0;
    if (!numberOk || (p.isSet("remove-account") && number < 1))
        return mistake(QCoreApplication::translate(
            "SyncCommands", "--remove-account takes the number of an account as --accounts lists it."));

    CommandLine c;
    c.action = CommandLine::Action::Sync;
    c.desktop = p.isSet("desktop");
    SyncCommand &sync = c.sync;
    sync.kind = p.isSet("add-account")  ? SyncCommand::Kind::AddAccount
              : p.isSet("accounts")     ? SyncCommand::Kind::Accounts
              : p.isSet("remove-account") ? SyncCommand::Kind::RemoveAccount
                                          : SyncCommand::Kind::Sync;
    sync.url = p.value("add-account");
    sync.user = p.value("user");
    sync.addressBook = p.value("address-book");
    sync.passwordCommand = p.value("password-command");
    sync.insecure = p.isSet("insecure");
    sync.view = p.value("view");
    sync.number = number;
    sync.trustedCertificate = sync::DavClient::NormalizedFingerprint(p.value("trust-certificate"));
    sync.emptied = p.isSet("accept-removal") ? sync::EmptiedBook::RemoveHere
                 : p.isSet("upload-all")     ? sync::EmptiedBook::UploadAgain
                                             : sync::EmptiedBook::Refuse;
    return c;
}

// The report's part of the command line, read by ParseCommandLine. Beside
// it only --desktop and Qt's own options are taken.
CommandLine reportCommand(const QCommandLineParser &p, const QString &printerQueue)
{
    for (const QString &name : p.optionNames())
        if (QStringList{"import", "into", "summary", "export", "find", "show", "query", "check", "repair"}.contains(name))
            return mistake(QCoreApplication::translate("ReportCommands", "--%1 cannot be given with --report.")
                               .arg(name));
    ReportOptions options;
    options.report = p.value("report");
    options.view = p.isSet("view") ? p.value("view") : QString();
    options.to = p.isSet("to") ? p.value("to") : QString();
    options.format = p.value("format");
    options.formatGiven = p.isSet("format");
    options.printer = p.isSet("printer");
    options.printerQueue = printerQueue;
    options.copies = p.value("copies");
    options.copiesGiven = p.isSet("copies");
    options.company = p.value("company");
    options.state = p.value("state");
    options.lastName = p.value("last-name");
    options.exclude = p.isSet("exclude");
    QString wrong;
    CommandLine c;
    c.report = ParseReportCommand(options, &wrong);
    if (!wrong.isEmpty())
        return mistake(wrong);
    c.action = CommandLine::Action::Report;
    c.desktop = p.isSet("desktop");
    return c;
}

} // namespace

bool DrawsPages(const CommandLine &command)
{
    return command.action == CommandLine::Action::Report && DrawsPages(command.report);
}

namespace {

// Reads every option; the words that are no option go to `positional`.
CommandLine parseOptions(const QStringList &givenArguments, QStringList *positional)
{
    // --printer takes a queue as an optional argument: a word right after it that is no option.
    QStringList arguments = givenArguments;
    QString printerQueue;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--")
            break;
        if (arguments[i] == "--printer" || arguments[i] == "-printer") {
            if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(u'-'))
                printerQueue = arguments.takeAt(i + 1);
            break;
        }
        if (arguments[i].startsWith("--printer=")) {
            printerQueue = arguments[i].mid(10);
            arguments[i] = "--printer";
            break;
        }
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "%1: an address book.")
                                         .arg(QString::fromUtf8(version::ProductName)));
    const QCommandLineOption help({"h", "help"}, QCoreApplication::translate("CommandLine", "Shows these options."));
    const QCommandLineOption versionOption({"v", "version"},
                                           QCoreApplication::translate("CommandLine", "Shows the version."));
    const QCommandLineOption import(
        "import",
        QCoreApplication::translate("CommandLine",
                                    "Imports the contacts of a vCard or CSV file into Address.mdb in the "
                                    "current folder, prints a summary and ends."),
        QCoreApplication::translate("CommandLine", "file"));
    const QCommandLineOption into(
        "into",
        QCoreApplication::translate("CommandLine", "Where imported contacts go: business, personal, current (the view "
                                                   "shown at the last start) or by-company (business when a company is "
                                                   "given; the default)."),
        QCoreApplication::translate("CommandLine", "view"));
    const QCommandLineOption summaryOption(
        "summary",
        QCoreApplication::translate("CommandLine", "Writes every line of the import's summary to a file; the "
                                                   "summary printed groups them by kind."),
        QCoreApplication::translate("CommandLine", "file"));
    const QCommandLineOption exportOption(
        "export",
        QCoreApplication::translate("CommandLine", "Exports the contacts of Address.mdb in the current folder to "
                                                   "a file and ends."),
        QCoreApplication::translate("CommandLine", "file"));
    const QCommandLineOption format(
        "format",
        QCoreApplication::translate("CommandLine", "The export's format: vcard4, vcard3 or csv (default: csv for a "
                                                   "*.csv file, else vcard4)."),
        QCoreApplication::translate("CommandLine", "format"));
    const QCommandLineOption find(
        "find",
        QCoreApplication::translate("CommandLine", "Prints the contacts that match the words, as the search box "
                                                   "finds them: name, company, first number and e-mail, "
                                                   "tab-separated. Ends with 0 when something matched, else 1."),
        QCoreApplication::translate("CommandLine", "text"));
    const QCommandLineOption show(
        "show",
        QCoreApplication::translate("CommandLine", "Prints the contacts that match the words, as --find finds them, "
                                                   "each in full with all its details: one \"Label: value\" a "
                                                   "line, or a vCard 4.0 with --format vcard4. Ends with 0 when "
                                                   "something matched, else 1."),
        QCoreApplication::translate("CommandLine", "text"));
    const QCommandLineOption query(
        "query",
        QCoreApplication::translate("CommandLine", "Answers a mail program's address query: a first line, then "
                                                   "address, name and company of each match with an e-mail."),
        QCoreApplication::translate("CommandLine", "text"));
    const QCommandLineOption view(
        "view",
        QCoreApplication::translate("CommandLine",
                                    "Which contacts to export or find: business, personal or all (the default)."),
        QCoreApplication::translate("CommandLine", "view"));
    const QCommandLineOption desktop(
        "desktop",
        QCoreApplication::translate("CommandLine", "Keeps the address book in the user's data folder instead of the "
                                                   "current folder."));
    parser.addOptions(
        {help, versionOption, import, into, summaryOption, exportOption, format, find, show, query, view, desktop});
    const QCommandLineOption check(
        "check", QCoreApplication::translate("CommandLine", "Checks Address.mdb in the current folder for damage and "
                                                            "ends: status 0 when it is sound, 1 when it is damaged."));
    const QCommandLineOption repair(
        "repair", QCoreApplication::translate("CommandLine", "Repairs Address.mdb in the current folder as File > "
                                                             "Repair Database does, prints what it did and ends: "
                                                             "status 0 when the book is sound or repaired."));
    parser.addOptions({check, repair});
    const QCommandLineOption historyOption(
        "history", QCoreApplication::translate("CommandLine", "Prints the changes of the book, newest first: number, "
                                                              "time and what was done."));
    const QCommandLineOption limit(
        "limit", QCoreApplication::translate("CommandLine", "With --history: prints at most this many changes."),
        QCoreApplication::translate("CommandLine", "n"));
    const QCommandLineOption undo(
        "undo", QCoreApplication::translate("CommandLine", "Undoes the newest change not yet undone, or the change of "
                                                           "the number given after it."));
    const QCommandLineOption force(
        "force", QCoreApplication::translate("CommandLine", "With --undo: undoes later changes of the same contacts "
                                                            "too, where they stand in the way."));
    const QCommandLineOption redo(
        "redo", QCoreApplication::translate("CommandLine", "Redoes the change undone last."));
    const QCommandLineOption deleted(
        "deleted", QCoreApplication::translate("CommandLine", "Prints the contacts deleted that can be restored: "
                                                              "number, time, name and what deleted it."));
    const QCommandLineOption restore(
        "restore", QCoreApplication::translate("CommandLine", "Restores the deleted contacts of the numbers given "
                                                              "after it, as --deleted prints them."));
    parser.addOptions({historyOption, limit, undo, force, redo, deleted, restore});
    const QCommandLineOption editContact(
        "edit-contact",
        QCoreApplication::translate("CommandLine", "Opens the window with the contact of this number (its PersonID) "
                                                   "in the editor."),
        QCoreApplication::translate("CommandLine", "number"));
    const QCommandLineOption searchOption(
        "search", QCoreApplication::translate("CommandLine", "Opens the window with the words in its search box."),
        QCoreApplication::translate("CommandLine", "text"));
    const QCommandLineOption searchProvider(
        "search-provider",
        QCoreApplication::translate("CommandLine", "Answers the desktop's search (GNOME Shell, KRunner) over the "
                                                   "session bus from the address book, without a window, until the "
                                                   "bus ends. The desktop starts it itself."));
    parser.addOptions({editContact, searchOption, searchProvider});
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "files"),
        QCoreApplication::translate("CommandLine", "vCard or CSV files to import in the window, each as File > Import "
                                                   "Contacts does; to the window already open on the book when there "
                                                   "is one."),
        QCoreApplication::translate("CommandLine", "[files...]"));
    // The sync commands, told at the end of the help (SyncHelpText).
    for (const QCommandLineOption &syncOption :
         {QCommandLineOption("add-account", {}, "url"), QCommandLineOption("user", {}, "name"),
          QCommandLineOption("address-book", {}, "name"), QCommandLineOption("password-command", {}, "command"),
          QCommandLineOption("insecure"), QCommandLineOption("accounts"), QCommandLineOption("remove-account", {}, "n"),
          QCommandLineOption("sync"), QCommandLineOption("accept-removal"), QCommandLineOption("upload-all"),
          QCommandLineOption("trust-certificate", {}, "fingerprint")}) {
        QCommandLineOption hidden = syncOption;
        hidden.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(hidden);
    }
    // The report command, told at the end of the help (ReportHelpText).
    for (const QCommandLineOption &reportOption :
         {QCommandLineOption("report", {}, "report"), QCommandLineOption("to", {}, "file"),
          QCommandLineOption("printer"), QCommandLineOption("copies", {}, "n"), QCommandLineOption("company", {}, "x"),
          QCommandLineOption("state", {}, "y"), QCommandLineOption("last-name", {}, "z"),
          QCommandLineOption("exclude")}) {
        QCommandLineOption hidden = reportOption;
        hidden.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(hidden);
    }
    // Qt's own options for the windows.
    const QStringList qtValueOptions{"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                     "qwindowicon", "qwindowtitle", "display", "geometry", "style", "stylesheet",
                                     "session", "qmljsdebugger"};
    const QStringList qtFlags{"reverse", "widgetcount", "nograb", "dograb"};
    for (const QString &name : qtValueOptions) {
        QCommandLineOption qtOption(name, {}, "value");
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const QString &name : qtFlags) {
        QCommandLineOption qtOption(name);
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    if (!parser.parse(arguments))
        return mistake(parser.errorText().endsWith(u'.') ? parser.errorText() : parser.errorText() + u'.');
    *positional = parser.positionalArguments();

    if (parser.isSet("add-account") || parser.isSet("accounts") || parser.isSet("remove-account")
        || parser.isSet("sync"))
        return syncCommand(parser);
    // The options of the sync commands mean nothing without one.
    for (const QString &name : parser.optionNames())
        if (QStringList{"user", "address-book", "password-command", "insecure", "accept-removal", "upload-all",
                        "trust-certificate"}
                .contains(name))
            return mistake(QCoreApplication::translate("QCommandLineParser", UnknownOption).arg(name));

    CommandLine c;
    c.desktop = parser.isSet(desktop);
    // The starts the desktop makes: its search, and the window on a contact or a search.
    if (parser.isSet(editContact) || parser.isSet(searchOption) || parser.isSet(searchProvider)) {
        const QStringList alone = parser.isSet(searchProvider) ? QStringList{"search-provider", "desktop"}
                                                               : QStringList{"edit-contact", "search", "desktop"};
        for (const QString &name : parser.optionNames())
            if (!alone.contains(name) && !qtValueOptions.contains(name) && !qtFlags.contains(name))
                return mistake(
                    QCoreApplication::translate("CommandLine", "--%1 cannot be given with --%2.")
                        .arg(name, parser.isSet(searchProvider) ? QString("search-provider")
                                                                : parser.isSet(editContact) ? QString("edit-contact")
                                                                                            : QString("search")));
        if (parser.isSet(searchProvider)) {
            c.action = CommandLine::Action::SearchProvider;
            return c;
        }
        if (parser.isSet(editContact)) {
            bool ok = false;
            c.editContact = parser.value(editContact).toInt(&ok);
            if (!ok || c.editContact < 1)
                return mistake(QCoreApplication::translate("CommandLine",
                                                           "--edit-contact takes the number of a contact, not '%1'.")
                                   .arg(parser.value(editContact)));
        }
        c.searchText = parser.value(searchOption);
        return c;
    }
    if (parser.isSet(help)) {
        c.action = CommandLine::Action::Help;
        c.text = parser.helpText().replace("<executable_name>", "varnelle") + ReportHelpText() + SyncHelpText();
        return c;
    }
    if (parser.isSet(versionOption)) {
        c.action = CommandLine::Action::Version;
        c.text = QCoreApplication::translate("CommandLine", "%1 %2.%3")
                     .arg(QString::fromUtf8(version::ProductName))
                     .arg(version::Major)
                     .arg(version::Minor);
        return c;
    }
    if (parser.isSet("report"))
        return reportCommand(parser, printerQueue);
    for (const char *name : {"to", "printer", "copies", "company", "state", "last-name", "exclude"})
        if (parser.isSet(name))
            return mistake(QCoreApplication::translate("ReportCommands", "--%1 belongs to --report.").arg(name));
    const QList<QCommandLineOption> historyCommands{historyOption, undo, redo, deleted, restore};
    const auto given = std::count_if(historyCommands.begin(), historyCommands.end(),
                                     [&](const QCommandLineOption &o) { return parser.isSet(o); });
    if (given > 0) {
        for (const QString &name : parser.optionNames())
            if (!QStringList{"history", "limit", "undo", "force", "redo", "deleted", "restore", "desktop"}.contains(
                    name))
                return mistake(QCoreApplication::translate("CommandLine", "--%1 cannot be given with --history, "
                                                                          "--undo, --redo, --deleted or --restore.")
                                   .arg(name));
        if (given > 1)
            return mistake(QCoreApplication::translate(
                "CommandLine", "Give one of --history, --undo, --redo, --deleted and --restore at a time."));
        if (parser.isSet(limit) && !parser.isSet(historyOption))
            return mistake(QCoreApplication::translate("CommandLine", "--limit belongs to --history."));
        if (parser.isSet(force) && !parser.isSet(undo))
            return mistake(QCoreApplication::translate("CommandLine", "--force belongs to --undo."));
        c.action = CommandLine::Action::History;
        HistoryCommand &h = c.history;
        h.kind = parser.isSet(historyOption) ? HistoryCommand::Kind::List
               : parser.isSet(undo)          ? HistoryCommand::Kind::Undo
               : parser.isSet(redo)          ? HistoryCommand::Kind::Redo
               : parser.isSet(deleted)       ? HistoryCommand::Kind::Deleted
                                             : HistoryCommand::Kind::Restore;
        h.force = parser.isSet(force);
        if (parser.isSet(limit)) {
            bool ok = false;
            h.limit = parser.value(limit).toInt(&ok);
            if (!ok || h.limit < 0)
                return mistake(QCoreApplication::translate("CommandLine", "--limit takes a number, not '%1'.")
                                   .arg(parser.value(limit)));
        }
        // The numbers of --undo and --restore are the words after them.
        const QStringList words = parser.positionalArguments();
        const bool takesNumbers = h.kind == HistoryCommand::Kind::Undo || h.kind == HistoryCommand::Kind::Restore;
        if (!takesNumbers && !words.isEmpty())
            return mistake(
                QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.").arg(words.first()));
        if (h.kind == HistoryCommand::Kind::Undo && words.size() > 1)
            return mistake(QCoreApplication::translate("CommandLine", "--undo takes one number at most."));
        if (h.kind == HistoryCommand::Kind::Restore && words.isEmpty())
            return mistake(QCoreApplication::translate("CommandLine", "--restore takes the numbers of the contacts "
                                                                      "to restore, as --deleted prints them."));
        for (const QString &word : words) {
            bool ok = false;
            const qint64 number = word.toLongLong(&ok);
            if (!ok || number < 1)
                return mistake(QCoreApplication::translate("CommandLine", "'%1' is not a number of a change or a "
                                                                          "deleted contact.")
                                   .arg(word));
            h.numbers << number;
        }
        positional->clear();
        return c;
    }
    if (parser.isSet(check) || parser.isSet(repair)) {
        c.book = parser.isSet(repair) ? BookCommand::Repair : BookCommand::Check;
        c.action = CommandLine::Action::Book;
        return c;
    }
    if (parser.isSet(import) && parser.isSet(exportOption))
        return mistake(QCoreApplication::translate("CommandLine", "--import and --export cannot be given together."));
    // The view a look-up searches: business, personal or all (the default).
    const auto searchView = [&] {
        return OptionChoice<ExportScope>(
            parser.value(view).isEmpty() ? "all" : parser.value(view),
            {{"business", ExportScope::Business}, {"personal", ExportScope::Personal}, {"all", ExportScope::All}});
    };
    if (parser.isSet(show)) {
        if (parser.isSet(find) || parser.isSet(query) || parser.isSet(import) || parser.isSet(exportOption))
            return mistake(QCoreApplication::translate(
                "CommandLine", "--show cannot be given with --find, --query, --import or --export."));
        if (parser.isSet(into) || parser.isSet(summaryOption)
            || (parser.isSet(format) && parser.value(format).compare("vcard4", Qt::CaseInsensitive) != 0))
            return mistake(QCoreApplication::translate("CommandLine", "--show takes --view and --format vcard4."));
        c.action = CommandLine::Action::Show;
        c.search.text = parser.value(show);
        c.search.vcard = parser.isSet(format);
        const auto scope = searchView();
        if (!scope)
            return mistake(
                QCoreApplication::translate("CommandLine", "--view takes business, personal or all, not '%1'.")
                    .arg(parser.value(view)));
        c.search.view = *scope;
        return c;
    }
    if (parser.isSet(find) || parser.isSet(query)) {
        if (int(parser.isSet(find)) + int(parser.isSet(query)) + int(parser.isSet(import))
                + int(parser.isSet(exportOption)) > 1)
            return mistake(QCoreApplication::translate(
                "CommandLine", "--find and --query cannot be given with each other, --import or --export."));
        if (parser.isSet(into) || parser.isSet(summaryOption) || parser.isSet(format) || (parser.isSet(query) && parser.isSet(view)))
            return mistake(QCoreApplication::translate("CommandLine", "--find takes --view; --query takes no option."));
        c.action = parser.isSet(find) ? CommandLine::Action::Find : CommandLine::Action::Query;
        c.search.text = parser.value(parser.isSet(find) ? find : query);
        const auto scope = searchView();
        if (!scope)
            return mistake(
                QCoreApplication::translate("CommandLine", "--view takes business, personal or all, not '%1'.")
                    .arg(parser.value(view)));
        c.search.view = *scope;
        return c;
    }
    if (parser.isSet(import)) {
        c.action = CommandLine::Action::Import;
        c.interchange.file = parser.value(import);
        const auto chosen = OptionChoice<ImportView>(parser.value(into).isEmpty() ? "by-company" : parser.value(into),
                                               {{"business", ImportView::Business},
                                                {"personal", ImportView::Personal},
                                                {"current", ImportView::Current},
                                                {"by-company", ImportView::ByCompany}});
        if (!chosen)
            return mistake(QCoreApplication::translate(
                               "CommandLine", "--into takes business, personal, current or by-company, not '%1'.")
                               .arg(parser.value(into)));
        c.interchange.into = *chosen;
        c.interchange.summaryFile = parser.value(summaryOption);
    } else if (parser.isSet(into)) {
        return mistake(QCoreApplication::translate("CommandLine", "--into belongs to --import."));
    } else if (parser.isSet(summaryOption)) {
        return mistake(QCoreApplication::translate("CommandLine", "--summary belongs to --import."));
    }
    if (parser.isSet(exportOption)) {
        c.action = CommandLine::Action::Export;
        c.interchange.file = parser.value(exportOption);
        if (parser.isSet(format)) {
            c.interchange.format = OptionChoice<ExportFormat>(
                parser.value(format),
                {{"vcard4", ExportFormat::VCard4}, {"vcard3", ExportFormat::VCard3}, {"csv", ExportFormat::Csv}});
            if (!c.interchange.format)
                return mistake(
                    QCoreApplication::translate("CommandLine", "--format takes vcard4, vcard3 or csv, not '%1'.")
                        .arg(parser.value(format)));
        }
        const auto scope = searchView();
        if (!scope)
            return mistake(
                QCoreApplication::translate("CommandLine", "--view takes business, personal or all, not '%1'.")
                    .arg(parser.value(view)));
        c.interchange.view = *scope;
    } else if (parser.isSet(format) || parser.isSet(view)) {
        return mistake(QCoreApplication::translate("CommandLine", "--format and --view belong to --export."));
    }
    return c;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    QStringList positional;
    CommandLine c = parseOptions(arguments, &positional);
    if (c.action == CommandLine::Action::Mistake || positional.isEmpty())
        return c;
    // Files are taken by the window alone.
    if (c.action != CommandLine::Action::Run)
        return mistake(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.").arg(positional.first()));
    for (const QString &file : std::as_const(positional))
        c.files << QFileInfo(file).absoluteFilePath();
    return c;
}

namespace {

int runCommand(const CommandLine &command, const QString &bookFile, QTextStream &out, QTextStream &err)
{
    switch (command.action) {
    case CommandLine::Action::Run:
        break;
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        out << command.text << '\n';
        return ExitSuccess;
    case CommandLine::Action::Mistake:
        err << command.text << '\n';
        return ExitUsage;
    case CommandLine::Action::Book:
        return RunBookCommand(command.book, bookFile, out);
    case CommandLine::Action::Find:
        return FindCommand(command.search.text,
                           command.search.view == ExportScope::All
                               ? std::nullopt
                               : std::optional<bool>(command.search.view == ExportScope::Business),
                           bookFile, out, err);
    case CommandLine::Action::Show:
        return ShowCommand(command.search.text,
                           command.search.view == ExportScope::All
                               ? std::nullopt
                               : std::optional<bool>(command.search.view == ExportScope::Business),
                           command.search.vcard ? ShowFormat::VCard4 : ShowFormat::Text, bookFile, out, err);
    case CommandLine::Action::Query:
        return QueryCommand(command.search.text, bookFile, out, err);
    case CommandLine::Action::SearchProvider:
        return RunSearchProvider(bookFile, command.desktop);
    case CommandLine::Action::Sync:
        return RunSyncCommand(command.sync, bookFile, out, err);
    case CommandLine::Action::Report:
        return RunReportCommand(command.report, bookFile, out, err);
    case CommandLine::Action::History:
        return RunHistoryCommand(command.history, bookFile, out, err);
    case CommandLine::Action::Import:
    case CommandLine::Action::Export:
        try {
            // Files named without a folder are beside the book, where a start with
            // --desktop has always looked for them; the messages name them as given.
            CommandLine::Interchange files = command.interchange;
            const QDir bookFolder = QFileInfo(bookFile).absoluteDir();
            files.file = bookFolder.filePath(files.file);
            if (!files.summaryFile.isEmpty())
                files.summaryFile = bookFolder.filePath(files.summaryFile);
            EnsureDatabase(bookFile);
            QSqlDatabase db = OpenDatabase(bookFile, "command-line");
            int status = ExitFailure;
            try {
                status = command.action == CommandLine::Action::Import
                             ? importFile(files, db, out, err)
                             : exportFile(files, command.interchange.file, db, out);
            } catch (...) {
                CloseDatabase(db);
                throw;
            }
            CloseDatabase(db);
            return status;
        } catch (const DatabaseError &error) {
            err << error.message() << '\n';
        } catch (const interchange::InterchangeError &error) {
            err << error.message() << '\n';
        } catch (const std::bad_alloc &) {
            // The import's transaction was rolled back, the export's file never replaced the old one.
            err << (command.action == CommandLine::Action::Import
                        ? QCoreApplication::translate("CommandLine",
                                                      "The import needed more memory than the computer has free and "
                                                      "was stopped. Nothing was imported; the address book is "
                                                      "unchanged.")
                        : QCoreApplication::translate("CommandLine",
                                                      "The export needed more memory than the computer has free and "
                                                      "was stopped. The file '%1' was not written.")
                              .arg(QFileInfo(command.interchange.file).fileName()))
                << '\n';
        }
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace

QString BookFileOf(const CommandLine &command, QString *error)
{
    if (!command.desktop)
        return QDir::current().absoluteFilePath(QString::fromLatin1(DatabaseFileName));
    const QString folder = AppDataFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        if (error)
            *error = QCoreApplication::translate("CommandLine",
                                                 "The folder '%1' for the address book cannot be created or entered.")
                         .arg(QDir::toNativeSeparators(folder));
        return {};
    }
    return QDir(folder).absoluteFilePath(QString::fromLatin1(DatabaseFileName));
}

int RunWithoutWindows(const CommandLine &command, const QString &bookFile, QTextStream &out, QTextStream &err)
{
    // Whatever a command throws ends it with a sentence, never with an abort.
    try {
        return runCommand(command, bookFile, out, err);
    } catch (const Error &error) {
        err << error.message() << '\n';
    } catch (const std::bad_alloc &) {
        err << QCoreApplication::translate("CommandLine",
                                           "The command needed more memory than the computer has free and was "
                                           "stopped.")
            << '\n';
    } catch (const std::exception &error) {
        err << QCoreApplication::translate("CommandLine", "The command was stopped by an unexpected failure: %1.")
                   .arg(QString::fromLocal8Bit(error.what()))
            << '\n';
    } catch (...) {
        err << QCoreApplication::translate("CommandLine", "The command was stopped by an unexpected failure.") << '\n';
    }
    return ExitFailure;
}

} // namespace varnelle
