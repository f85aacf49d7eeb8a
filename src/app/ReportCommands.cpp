#include "app/ReportCommands.h"

#include "app/OptionChoice.h"
#include "common/FileFailure.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportEngine.h"
#include "reports/ReportWriter.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/Setup.h"
#include "ui/reports/ReportPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTextStream>
#include <memory>

namespace varnelle {

namespace {

// A file type, or -1 for the pages in PDF.
constexpr int PdfPages = -1;

std::optional<int> formatNamed(const QString &name)
{
    using engine::FileType;
    return OptionChoice<int>(name, {{"pdf", PdfPages},
                              {"txt", int(FileType::Text)},
                              {"csv", int(FileType::Csv)},
                              {"tsv", int(FileType::Tsv)},
                              {"dif", int(FileType::Dif)},
                              {"record", int(FileType::Record)}});
}

// The view saved in the book, read without changing it; a book that is not
// there has the first start's view (the run then says it cannot be found).
bool savedView(const QString &bookFile)
{
    if (!QFileInfo(bookFile).isFile())
        return InitialViewIsBusiness;
    Connection book = OpenForReading(bookFile);
    return SavedSetupView(book.database());
}

QString shownPath(const QString &name)
{
    return QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
}

// The refusals the engine gives a file it writes itself, for the PDF file the printer writes.
void refuseAsReportFile(const QString &file, const QStringList &sources)
{
    for (const QString &source : sources)
        if (QFileInfo::exists(file) && QFileInfo(file) == QFileInfo(source))
            throw ReportError(QCoreApplication::translate(
                                  "Reports", "The report cannot be written to \"%1\": that file is one the report "
                                             "is read from. Choose another file name.")
                                  .arg(shownPath(file)));
    if (const QString notAFile = NotAFile(file); !notAFile.isEmpty())
        throw ReportError(QCoreApplication::translate("Reports", "The file \"%1\" cannot be written: %2.")
                              .arg(shownPath(file), notAFile));
}

} // namespace

QString ReportHelpText()
{
    return QCoreApplication::translate(
        "ReportCommands",
        "\nReports of the Reports menu, without a window:\n"
        "  --report address|telephone|detail [--view business|personal]\n"
        "      --to <file> [--format pdf|txt|csv|tsv|dif|record]  or  --printer [<queue>] [--copies <n>]\n"
        "      [--company <x>] [--state <y>] [--last-name <z>] [--exclude]\n"
        "                     Writes the Address List, Telephone List or Detail Report of\n"
        "                     the view (default: the view shown at the last start) to a\n"
        "                     file (its format by its name unless given) or prints it.\n"
        "                     --company, --state and --last-name select as Partial Report\n"
        "                     does; --exclude keeps the contacts that differ from them.\n");
}

ReportCommand ParseReportCommand(const ReportOptions &o, QString *mistake)
{
    ReportCommand c;
    const auto refuse = [&](const QString &text) {
        *mistake = text;
        return c;
    };
    const auto kind = OptionChoice<ReportKind>(o.report, {{"address", ReportKind::AddressList},
                                                    {"telephone", ReportKind::TelephoneList},
                                                    {"detail", ReportKind::Detail}});
    if (!kind)
        return refuse(QCoreApplication::translate("ReportCommands",
                                                  "--report takes address, telephone or detail, not '%1'.")
                          .arg(o.report));
    c.kind = *kind;
    if (!o.view.isNull()) {
        c.business = OptionChoice<bool>(o.view, {{"business", true}, {"personal", false}});
        if (!c.business)
            return refuse(QCoreApplication::translate("SyncCommands", "--view takes business or personal, not '%1'.")
                              .arg(o.view));
    }
    if (o.to.isNull() == !o.printer)
        return refuse(QCoreApplication::translate("ReportCommands", "--report needs either --to <file> or --printer."));
    if ((o.printer && o.formatGiven) || (!o.printer && o.copiesGiven))
        return refuse(QCoreApplication::translate("ReportCommands",
                                                  "--format belongs to --to, --copies to --printer."));
    c.printer = o.printer;
    c.queue = o.printerQueue;
    c.file = o.to;
    if (!c.printer) {
        const QString format = o.formatGiven ? o.format : QFileInfo(o.to).suffix();
        const std::optional<int> type = formatNamed(format);
        if (!type && o.formatGiven)
            return refuse(QCoreApplication::translate(
                              "ReportCommands", "--format takes pdf, txt, csv, tsv, dif or record, not '%1'.")
                              .arg(o.format));
        if (!type)
            return refuse(QCoreApplication::translate("ReportCommands",
                                                      "The name '%1' does not tell the report's format: give "
                                                      "--format pdf, txt, csv, tsv, dif or record.")
                              .arg(o.to));
        c.pdf = *type == PdfPages;
        c.fileType = c.pdf ? 0 : *type;
    }
    if (o.copiesGiven) {
        bool number = false;
        c.copies = o.copies.toInt(&number);
        if (!number || c.copies < 1)
            return refuse(QCoreApplication::translate("ReportCommands",
                                                      "--copies takes a number of at least 1, not '%1'.")
                              .arg(o.copies));
    }
    c.criteria.company = {o.company, o.exclude};
    c.criteria.state = {o.state, o.exclude};
    c.criteria.lastName = {o.lastName, o.exclude};
    if (o.exclude && c.criteria.isEmpty())
        return refuse(QCoreApplication::translate("ReportCommands",
                                                  "--exclude needs --company, --state or --last-name."));
    return c;
}

int RunReportCommand(const ReportCommand &command, const QString &bookFile, QTextStream &, QTextStream &err)
{
    try {
        ReportRequest request;
        request.definition = MenuDefinition(command.kind, command.business.value_or(savedView(bookFile)));
        request.dataFile = bookFile;
        request.criteria = command.criteria;
        ReportEngine engine;
        engine.setBookFile(bookFile); // definitions beside the book are found first, as from the menu
        // A file named without a folder is beside the book, as for the other commands.
        const QString file = command.file.isEmpty() ? QString()
                                                    : QFileInfo(bookFile).absoluteDir().filePath(command.file);
        if (!command.printer && !command.pdf) {
            request.destination = ReportDestination::File;
            request.fileName = file;
            request.fileType = command.fileType;
            engine.run(request);
            return 0;
        }

        // The pages, as the menu's printer prints them: a PDF file is a printer's output file.
        request.destination = ReportDestination::Printer;
        request.copies = command.copies;
        std::unique_ptr<QPrinter> printer;
        if (command.pdf) {
            if (file.isEmpty())
                throw ReportError(QCoreApplication::translate("Reports", "No file name was given for the report."));
            refuseAsReportFile(file, {bookFile, engine::locateDefinition(request.definition,
                                                                         engine.definitionFolders())});
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(file);
        } else {
            printer = SystemPrinter(command.queue);
            if (!printer && !command.queue.isEmpty()) {
                err << QCoreApplication::translate("ReportCommands", "There is no printer '%1'.").arg(command.queue)
                    << '\n';
                return 1;
            }
        }
        std::unique_ptr<PrinterOutput> output;
        if (printer)
            output = std::make_unique<PrinterOutput>(*printer);
        engine.run(request, {}, output.get());
        return 0;
    } catch (const ReportError &error) {
        err << error.message() << '\n';
    } catch (const DatabaseError &error) {
        err << error.message() << '\n';
    }
    return 1;
}

} // namespace varnelle
