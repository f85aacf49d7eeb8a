#include "reports/ReportEngine.h"

#include "reports/PageLayout.h"
#include "common/Log.h"
#include "reports/ReportData.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportWriter.h"
#include "reports/SelectionFormula.h"
#include "common/FileFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSaveFile>
#include <future>

namespace varnelle {

using namespace engine;

struct ReportEngine::Private {
    QStringList definitionFolders;
    QString bookFolder; // searched first by default
    ReportPrinter *printer = nullptr;
};

namespace {

// How many contacts pass between two looks at the progress.
constexpr qint64 progressStep = 256;
// How many contacts are read at a time while printing.
constexpr qsizetype printBatch = 512;

QString shownPath(const QString &name)
{
    return QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
}

bool hasWindows()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

// The progress of a run, as told to the program's callback.
class Progress {
public:
    Progress(const ReportProgress &progress, qint64 total) : mProgress(progress), mTotal(total) {}
    // False when the run is to stop.
    bool step(qint64 done) const { return !mProgress || mProgress(done, mTotal); }

private:
    const ReportProgress &mProgress;
    qint64 mTotal;
};

// Writes the selected contacts through `writer` into `sink` in pieces of
// about 64 KB; false when the run was cancelled.
bool produce(ReportData &data, ReportWriter &writer, const Progress &progress,
             const std::function<void(QByteArray &)> &sink)
{
    constexpr qsizetype piece = 64 * 1024;
    QByteArray buffer;
    buffer.reserve(piece * 2);
    writer.begin(buffer, data.count());
    qint64 done = 0;
    const bool complete = data.read([&](const ReportRow &row) {
        if (done % progressStep == 0 && !progress.step(done))
            return false;
        writer.row(buffer, row);
        ++done;
        if (buffer.size() >= piece) {
            sink(buffer);
            buffer.clear();
        }
        return true;
    });
    if (!complete)
        return false;
    writer.end(buffer);
    sink(buffer);
    return true;
}

// Prints every page of `layout` on `printer`, reading the rows of a few pages
// at a time through `fetch`; `step` hears of the rows printed so far and stops
// the print by returning false. False when the print was stopped.
//
// The rows of the next pages are read on a thread of their own while these
// are drawn, so `fetch` must open its own connection each time it is called.
bool printPages(ReportPrinter &printer, const PageLayout &layout, const ReportPages::FetchRows &fetch,
                const std::function<bool(qint64 done)> &step)
{
    QPagedPaintDevice &device = printer.device();
    // The page layout, its orientation included, is the printer's before the
    // first page is painted: the printer (a print queue too) turns nothing itself.
    printer.start();
    QPainter painter;
    if (!painter.begin(&device))
        throw ReportError(
            QCoreApplication::translate("Reports", "The report could not be printed on \"%1\".").arg(printer.name()));
    const double scale = device.logicalDpiX() / PageLayout::unitsPerInch;
    painter.scale(scale, scale);

    // The pages of the batch of contacts from `page` on, at least one page, and their rows being read.
    struct Batch {
        int first = 0, last = -1;
        std::future<QList<ReportRow>> rows;
    };
    auto batchFrom = [&](int page) {
        Batch batch{page, page - 1, {}};
        if (page >= layout.pageCount())
            return batch; // none left
        batch.last = page;
        const qsizetype first = layout.rowsOf(page).first;
        while (batch.last + 1 < layout.pageCount() && layout.rowsOf(batch.last).second - first < printBatch)
            ++batch.last;
        batch.rows = std::async(std::launch::async, fetch, layout.idsOf(first, layout.rowsOf(batch.last).second));
        return batch;
    };
    for (Batch batch = batchFrom(0); batch.first <= batch.last;) {
        const QList<ReportRow> rows = batch.rows.get();
        const int first = batch.first, last = batch.last;
        batch = batchFrom(last + 1);
        QHash<qint64, qsizetype> byId;
        for (qsizetype i = 0; i < rows.size(); ++i)
            byId.insert(rows.at(i).personId, i);
        for (int page = first; page <= last; ++page) {
            if (!step(layout.rowsOf(page).first)) {
                printer.abort();
                painter.end();
                printer.finish(false);
                return false; // the read under way ends before `batch` goes
            }
            QList<ReportRow> pageRows;
            for (const qint64 id : layout.idsOf(page))
                if (const auto at = byId.constFind(id); at != byId.constEnd())
                    pageRows << rows.at(*at);
            if (page > 0)
                device.newPage();
            layout.drawPage(painter, page, pageRows);
        }
    }
    painter.end();
    printer.finish(true);
    return true;
}

// Reads the rows of `ids` from `dataFile` on a connection of its own, in whatever thread it is called.
ReportPages::FetchRows rowsOf(const QString &dataFile, const ReportDefinition &definition)
{
    return [dataFile, definition](const QList<qint64> &ids) {
        ReportData pageData(dataFile);
        return pageData.readContacts(definition, ids);
    };
}

// Gives the device the orientation the report prints best in.
void orient(QPagedPaintDevice &device, const PageLayout &layout)
{
    QPageLayout page = device.pageLayout();
    page.setOrientation(layout.orientationFor(page));
    device.setPageLayout(page);
}

// The request's selection: its criteria and its own formula, both of which must hold.
QString formulaOf(const ReportRequest &request)
{
    const QString criteria = request.criteria.selectionFormula();
    if (request.selectionFormula.isEmpty())
        return criteria;
    if (criteria.isEmpty())
        return request.selectionFormula;
    return "(" + criteria + ") And (" + request.selectionFormula + ")";
}

} // namespace

ReportEngine::ReportEngine(QObject *parent)
    : QObject(parent), d(std::make_unique<Private>())
{
}

ReportEngine::~ReportEngine() = default;

void ReportEngine::setDefinitionFolders(const QStringList &folders) { d->definitionFolders = folders; }

void ReportEngine::setBookFile(const QString &bookFile)
{
    d->bookFolder = bookFile.isEmpty() ? QString() : QFileInfo(bookFile).absolutePath();
}

QStringList ReportEngine::definitionFolders() const
{
    if (!d->definitionFolders.isEmpty())
        return d->definitionFolders;
    QStringList folders{QDir::currentPath()};
    if (!d->bookFolder.isEmpty() && d->bookFolder != folders.first())
        folders.prepend(d->bookFolder);
    if (QCoreApplication::instance()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        folders << programFolder << QDir::cleanPath(programFolder + "/../share/varnelle/reports");
    }
    return folders;
}

void ReportEngine::setPrinter(ReportPrinter *printer) { d->printer = printer; }

ReportResult ReportEngine::run(const ReportRequest &request, const ReportProgress &progressCallback,
                               ReportPrinter *givenPrinter)
{
    const QString definitionPath = locateDefinition(request.definition, definitionFolders());
    const ReportDefinition definition = ReportDefinition::load(definitionPath);
    const SelectionFormula formula = SelectionFormula::parse(formulaOf(request));
    ReportPrinter *printer = d->printer ? d->printer : givenPrinter;
    qCDebug(lcReports) << "run" << definitionPath << "destination" << int(request.destination) << "file type"
                       << request.fileType;

    // Settings of the destination are checked before any data is read.
    switch (request.destination) {
    case ReportDestination::Screen:
        if (!hasWindows())
            throw ReportError(QCoreApplication::translate(
                "Reports", "The report cannot be shown on the screen: the program has no windows."));
        break;
    case ReportDestination::Printer:
        if (request.copies < 1)
            throw ReportError(QCoreApplication::translate("Reports", "The number of copies must be at least 1."));
        if (!printer)
            throw ReportError(QCoreApplication::translate(
                "Reports", "No printer is available. Install a printer, or send the report to "
                           "the screen or to a disk file."));
        break;
    case ReportDestination::File:
        if (request.fileName.trimmed().isEmpty())
            throw ReportError(QCoreApplication::translate("Reports", "No file name was given for the report."));
        if (!ReportWriter::isFileType(request.fileType))
            ReportWriter::create(request.fileType, definition); // throws the message naming the known types
        // The output replaces its file whole: never the data the report is made of, nor its definition.
        for (const QString &source : {request.dataFile, definitionPath}) {
            if (QFileInfo::exists(request.fileName) && QFileInfo(request.fileName) == QFileInfo(source))
                throw ReportError(QCoreApplication::translate(
                                      "Reports", "The report cannot be written to \"%1\": that file is one the report "
                                                 "is read from. Choose another file name.")
                                      .arg(shownPath(request.fileName)));
        }
        // Nor a pipe or a device, which writing a file in its place would replace.
        if (const QString notAFile = NotAFile(request.fileName); !notAFile.isEmpty())
            throw ReportError(QCoreApplication::translate("Reports", "The file \"%1\" cannot be written: %2.")
                                  .arg(shownPath(request.fileName), notAFile));
        break;
    default:
        throw ReportError(QCoreApplication::translate(
                              "Reports", "The destination %1 is not known. Choose 0 (the screen), 1 (the printer) "
                                         "or 2 (a disk file).")
                              .arg(int(request.destination)));
    }

    ReportData data(request.dataFile);
    data.select(definition, formula);
    const Progress progress(progressCallback, data.count());
    ReportResult result;

    if (request.destination == ReportDestination::File) {
        const QString &name = request.fileName;
        QSaveFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            throw ReportError(QCoreApplication::translate("Reports", "The file \"%1\" cannot be written: %2.")
                                  .arg(shownPath(name), file.errorString()));
        const auto writer = ReportWriter::create(request.fileType, definition);
        const bool complete = produce(data, *writer, progress, [&](QByteArray &bytes) {
            if (file.write(bytes) != bytes.size())
                throw ReportError(QCoreApplication::translate("Reports", "The file \"%1\" cannot be written: %2.")
                                      .arg(shownPath(name), WriteFailureCause(file)));
        });
        if (!complete) {
            file.cancelWriting();
            result.cancelled = true;
            return result;
        }
        // QSaveFile's commit ignores a failure of its last write: flushed first, the failure is seen.
        if (!file.flush() || !file.commit())
            throw ReportError(QCoreApplication::translate("Reports", "The file \"%1\" cannot be written: %2.")
                                  .arg(shownPath(name), WriteFailureCause(file)));
        return result;
    }

    // Printer and screen: the rows are measured once, in report order.
    auto layout = std::make_shared<PageLayout>(definition, QGuiApplication::font());
    const qint64 total = data.count();
    const bool printing = request.destination == ReportDestination::Printer;
    // A print reads the contacts twice, to measure them and to print them: each pass is half the progress.
    qint64 measured = 0;
    const bool complete = data.read([&](const ReportRow &row) {
        if (measured % progressStep == 0 && !progress.step(printing ? measured / 2 : measured))
            return false;
        layout->addRow(row);
        ++measured;
        return true;
    });
    if (!complete) {
        result.cancelled = true;
        return result;
    }

    // Pages read their rows when they are drawn, each time on a connection of
    // their own: a preview does not hold the file open, a print reads ahead on another thread.
    const QString dataFile = QFileInfo(request.dataFile).absoluteFilePath();
    const auto fetch = rowsOf(dataFile, definition);
    if (printing) {
        printer->setJob(definition.title, request.copies);
        orient(printer->device(), *layout);
        layout->paginate(printer->device().pageLayout());
        result.cancelled = !printPages(*printer, *layout, fetch,
                                       [&](qint64 done) { return progress.step((total + done) / 2); });
        return result;
    }

    ReportPages pages;
    pages.title = definition.title;
    pages.layout = layout;
    pages.fetch = fetch;
    pages.print = [layout, fetch](ReportPrinter &on, const ReportProgress &printProgress) {
        PageLayout cut = *layout;
        cut.paginate(on.device().pageLayout());
        const Progress progress(printProgress, cut.rowCount());
        return printPages(on, cut, fetch, [&](qint64 done) { return progress.step(done); });
    };
    result.pages = std::move(pages);
    return result;
}

} // namespace varnelle
