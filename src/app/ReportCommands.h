#pragma once

#include "reports/ReportRequest.h"

#include <QString>
#include <optional>

class QTextStream;

namespace varnelle {

// The reports of the Reports menu from the command line, without a window:
//   --report address|telephone|detail [--view business|personal]
//       --to FILE [--format pdf|txt|csv|tsv|dif|record]  or  --printer [QUEUE] [--copies N]
//       [--company X] [--state Y] [--last-name Z] [--exclude]
struct ReportCommand {
    ReportKind kind = ReportKind::AddressList;
    std::optional<bool> business; // --view; none: the view saved in the book
    QString file;                 // --to
    bool pdf = false;             // --format pdf: the pages, as the printer prints them
    int fileType = 0;             // any other --format: a value of engine::FileType
    bool printer = false;         // --printer
    QString queue;                // its QUEUE; empty: the system's printer
    int copies = 1;               // --copies
    ReportCriteria criteria;      // --exclude sets exclude on each value given
};

// The report command for the end of --help.
QString ReportHelpText();

// The command of a report read from the options: the parser's values of the
// report's own options, `printerQueue` the argument that followed --printer
// (empty for none). Empty `mistake` when they make sense, else a sentence.
struct ReportOptions {
    QString report, view, to, format, printerQueue, copies, company, state, lastName;
    bool printer = false, exclude = false, copiesGiven = false, formatGiven = false;
};
ReportCommand ParseReportCommand(const ReportOptions &options, QString *mistake);

// Whether the report is drawn as pages (a PDF file or a printer), which needs
// a QGuiApplication; the other files need only a QCoreApplication.
inline bool DrawsPages(const ReportCommand &command) { return command.printer || command.pdf; }

// Runs the report on the book `bookFile` as the Reports menu runs it: the
// same definitions (those beside the book first), criteria and writers; the
// book is only read, so a window may hold it open. Returns 0 when the report
// was written or printed, 1 with a message on err when it was not.
int RunReportCommand(const ReportCommand &command, const QString &bookFile, QTextStream &out, QTextStream &err);

} // namespace varnelle
