#include "reports/ReportEngine.h"

#include "reports/PageLayout.h"
#include "reports/ReportData.h"
#include "reports/ReportPreview.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportWriter.h"
#include "reports/SelectionFormula.h"

#include <QApplication>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QGuiApplication>
#include <QPointer>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <filesystem>
#include <future>

namespace varnelle {

using namespace engine;

struct ReportEngine::Private {
    int destination = ToWindow;
    QString printFileName;
    int printFileType = 0;
    int copiesToPrinter = 1;
    QString selectionFormula;
    QStringList dataFiles{QStringLiteral("Address.mdb")};
    QString reportFileName;

    QStringList definitionFolders;
    QPointer<QWidget> previewParent;
    QPrinter *printer = nullptr;
    ProgressObserver observer;
    bool cancelled = false;
};

namespace {

constexpr int maxDataFileIndex = 255;
// How many contacts pass between two looks at the progress and the Cancel button.
constexpr qint64 progressStep = 256;

int toNumber(const QVariant &value, const char *property)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        throw ReportError(QStringLiteral("The value \"%1\" cannot be used for %2: a whole number is expected.")
                              .arg(value.toString(), QLatin1String(property)));
    return number;
}

QString toText(const QVariant &value, const char *property)
{
    if (value.isNull())
        return {};
    const int type = value.userType();
    if (!value.canConvert<QString>() || type == QMetaType::QStringList || type == QMetaType::QVariantList)
        throw ReportError(QStringLiteral("The value given for %1 is not a text.").arg(QLatin1String(property)));
    return value.toString();
}

QString shownPath(const QString &name)
{
    return QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
}

bool hasWidgets()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

// The progress of a run: an observer handed in by the program, and a
// cancellable progress dialog that appears only when the run takes a while.
class Progress {
public:
    Progress(ReportEngine::ProgressObserver observer, const QString &title, qint64 total)
        : mObserver(std::move(observer)), mTotal(total)
    {
        if (!hasWidgets() || total < progressStep)
            return;
        mScale = total > 1000000 ? int(total / 1000000 + 1) : 1;
        mDialog = std::make_unique<QProgressDialog>(QStringLiteral("Producing the report \"%1\"...").arg(title),
                                                    QStringLiteral("Cancel"), 0, int(total / mScale));
        mDialog->setWindowTitle(title);
        mDialog->setWindowModality(Qt::ApplicationModal);
        mDialog->setMinimumDuration(800);
        mDialog->setAutoClose(false);
        mDialog->setAutoReset(false);
    }

    // False when the run is to stop.
    bool step(qint64 done)
    {
        if (mObserver && !mObserver(done, mTotal))
            return false;
        if (mDialog) {
            mDialog->setValue(int(done / mScale));
            if (mDialog->wasCanceled())
                return false;
        }
        return true;
    }

private:
    ReportEngine::ProgressObserver mObserver;
    qint64 mTotal;
    int mScale = 1;
    std::unique_ptr<QProgressDialog> mDialog;
};

// Writes the selected contacts through `writer` into `sink` in pieces of
// about 64 KB; false when the run was cancelled.
bool produce(ReportData &data, ReportWriter &writer, Progress &progress,
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

// Points the printer at a temporary file beside a PDF or PostScript file it is
// to write, so that a print that stops half-way leaves no file behind; commit()
// puts the finished file in place.
class PrintFile {
public:
    explicit PrintFile(QPrinter &printer) : mPrinter(printer), mName(printer.outputFileName())
    {
        if (mName.isEmpty() || printer.outputFormat() != QPrinter::PdfFormat)
            return;
        // A free name beside the file; the printer creates it as it would the file itself.
        for (int n = 0; mPart.isEmpty() || QFileInfo::exists(mPart); ++n)
            mPart = QStringLiteral("%1.%2.part").arg(mName).arg(n);
        printer.setOutputFileName(mPart);
    }
    ~PrintFile()
    {
        if (mPart.isEmpty())
            return;
        mPrinter.setOutputFileName(mName);
        if (!mCommitted)
            QFile::remove(mPart);
    }
    void commit()
    {
        if (mPart.isEmpty())
            return;
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(mPart).toStdString(), QFile::encodeName(mName).toStdString(), error);
        if (error)
            throw ReportError(QStringLiteral("The file \"%1\" cannot be written: %2.")
                                  .arg(shownPath(mName), QString::fromLocal8Bit(error.message())));
        mCommitted = true;
    }

private:
    QPrinter &mPrinter;
    QString mName;
    QString mPart;
    bool mCommitted = false;
};

// How many contacts are read at a time while printing.
constexpr qsizetype printBatch = 512;

// Prints every page of `layout` on `printer`, reading the rows of a few pages
// at a time through `fetch`; `step` hears of the rows printed so far and stops
// the print by returning false. False when the print was stopped.
//
// The rows of the next pages are read on a thread of their own while these
// are drawn, so `fetch` must open its own connection each time it is called.
bool printPages(QPrinter &printer, const PageLayout &layout, const ReportPreview::FetchRows &fetch,
                const std::function<bool(qint64 done)> &step)
{
    PrintFile file(printer);
    // The page layout, its orientation included, is the printer's before the
    // first page is painted: the printer (a print queue too) turns nothing itself.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(QStringLiteral("The report could not be printed on \"%1\".").arg(printer.printerName()));
    const double scale = printer.logicalDpiX() / PageLayout::unitsPerInch;
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
                printer.abort(); // a print queue drops the job where the printer allows it
                painter.end();
                return false; // the read under way ends before `batch` goes
            }
            QList<ReportRow> pageRows;
            for (const qint64 id : layout.idsOf(page))
                if (const auto at = byId.constFind(id); at != byId.constEnd())
                    pageRows << rows.at(*at);
            if (page > 0)
                printer.newPage();
            layout.drawPage(painter, page, pageRows);
        }
    }
    painter.end();
    if (printer.printerState() == QPrinter::Error)
        throw ReportError(QStringLiteral("The report could not be printed on \"%1\".").arg(printer.printerName()));
    file.commit();
    return true;
}

// Reads the rows of `ids` from `dataFile` on a connection of its own, in whatever thread it is called.
ReportPreview::FetchRows rowsOf(const QString &dataFile, const ReportDefinition &definition)
{
    return [dataFile, definition](const QList<qint64> &ids) {
        ReportData pageData(dataFile);
        return pageData.readContacts(definition, ids);
    };
}

// Gives the printer the orientation the report prints best in.
void orientPrinter(QPrinter &printer, const PageLayout &layout)
{
    QPageLayout page = printer.pageLayout();
    page.setOrientation(layout.orientationFor(page));
    printer.setPageLayout(page);
}

} // namespace

ReportEngine::ReportEngine(QObject *parent)
    : QObject(parent), d(std::make_unique<Private>())
{
}

ReportEngine::~ReportEngine() = default;

void ReportEngine::setProperty(int dispatchId, const QVariant &value, int index)
{
    switch (dispatchId) {
    case DispReportFileName:
        setReportFileName(toText(value, "ReportFileName"));
        return;
    case DispPrintFileName:
        setPrintFileName(toText(value, "PrintFileName"));
        return;
    case DispSelectionFormula:
        setSelectionFormula(toText(value, "SelectionFormula"));
        return;
    case DispCopiesToPrinter:
        setCopiesToPrinter(toNumber(value, "CopiesToPrinter"));
        return;
    case DispAction:
        setAction(toNumber(value, "Action"));
        return;
    case DispDestination:
        setDestination(toNumber(value, "Destination"));
        return;
    case DispPrintFileType:
        setPrintFileType(toNumber(value, "PrintFileType"));
        return;
    case DispDataFiles:
        setDataFiles(index, toText(value, "DataFiles"));
        return;
    default:
        break;
    }
    throw ReportError(QStringLiteral("The report engine has no property with dispatch ID %1.").arg(dispatchId));
}

void ReportEngine::setDestination(int value) { d->destination = value; }
void ReportEngine::setPrintFileName(const QString &value) { d->printFileName = value; }
void ReportEngine::setPrintFileType(int value) { d->printFileType = value; }
void ReportEngine::setCopiesToPrinter(int value) { d->copiesToPrinter = value; }
void ReportEngine::setSelectionFormula(const QString &value) { d->selectionFormula = value; }
void ReportEngine::setReportFileName(const QString &value) { d->reportFileName = value; }

void ReportEngine::setDataFiles(int index, const QString &value)
{
    if (index < 0 || index > maxDataFileIndex)
        throw ReportError(QStringLiteral("DataFiles has the entries 0 to %1; entry %2 does not exist.")
                              .arg(maxDataFileIndex)
                              .arg(index));
    while (d->dataFiles.size() <= index)
        d->dataFiles << QString();
    d->dataFiles[index] = value;
}

void ReportEngine::setAction(int value)
{
    if (value != 1)
        throw ReportError(QStringLiteral("The action %1 is not known; write 1 to produce the report.").arg(value));
    d->cancelled = false;
    run();
}

int ReportEngine::destination() const { return d->destination; }
QString ReportEngine::printFileName() const { return d->printFileName; }
int ReportEngine::printFileType() const { return d->printFileType; }
int ReportEngine::copiesToPrinter() const { return d->copiesToPrinter; }
QString ReportEngine::selectionFormula() const { return d->selectionFormula; }
QString ReportEngine::dataFiles(int index) const { return d->dataFiles.value(index); }
QString ReportEngine::reportFileName() const { return d->reportFileName; }

void ReportEngine::setDefinitionFolders(const QStringList &folders) { d->definitionFolders = folders; }

QStringList ReportEngine::definitionFolders() const
{
    if (!d->definitionFolders.isEmpty())
        return d->definitionFolders;
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        folders << programFolder << QDir::cleanPath(programFolder + "/../share/varnelle/reports");
    }
    return folders;
}

void ReportEngine::setPreviewParent(QWidget *parent) { d->previewParent = parent; }
void ReportEngine::setPrinter(QPrinter *printer) { d->printer = printer; }
void ReportEngine::setProgressObserver(ProgressObserver observer) { d->observer = std::move(observer); }
bool ReportEngine::lastRunCancelled() const { return d->cancelled; }

void ReportEngine::run()
{
    const QString definitionPath = locateDefinition(d->reportFileName, definitionFolders());
    const ReportDefinition definition = ReportDefinition::load(definitionPath);
    const SelectionFormula formula = SelectionFormula::parse(d->selectionFormula);

    // Settings of the destination are checked before any data is read.
    switch (d->destination) {
    case ToWindow:
        if (!hasWidgets())
            throw ReportError(QStringLiteral("The report cannot be shown on the screen: the program has no windows."));
        break;
    case ToPrinter:
        if (d->copiesToPrinter < 1)
            throw ReportError(QStringLiteral("The number of copies must be at least 1."));
        if (!d->printer && (QPrinterInfo::availablePrinterNames().isEmpty() || QPrinterInfo::defaultPrinter().isNull()))
            throw ReportError(QStringLiteral("No printer is available. Install a printer, or send the report to "
                                             "the screen or to a disk file."));
        break;
    case ToFile:
        if (d->printFileName.trimmed().isEmpty())
            throw ReportError(QStringLiteral("No file name was given for the report."));
        if (!ReportWriter::isFileType(d->printFileType))
            ReportWriter::create(d->printFileType, definition); // throws the message naming the known types
        // The output replaces its file whole: never the data the report is made of, nor its definition.
        for (const QString &source : {d->dataFiles.value(0), definitionPath}) {
            if (QFileInfo::exists(d->printFileName) && QFileInfo(d->printFileName) == QFileInfo(source))
                throw ReportError(QStringLiteral("The report cannot be written to \"%1\": that file is one the report "
                                                 "is read from. Choose another file name.")
                                      .arg(shownPath(d->printFileName)));
        }
        break;
    default:
        throw ReportError(QStringLiteral("The destination %1 is not known. Choose 0 (the screen), 1 (the printer) "
                                         "or 2 (a disk file).")
                              .arg(d->destination));
    }

    ReportData data(d->dataFiles.value(0));
    data.select(definition, formula);
    Progress progress(d->observer, definition.title, data.count());

    if (d->destination == ToFile) {
        const QString &name = d->printFileName;
        QSaveFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            throw ReportError(QStringLiteral("The file \"%1\" cannot be written: %2.").arg(shownPath(name), file.errorString()));
        const auto writer = ReportWriter::create(d->printFileType, definition);
        const bool complete = produce(data, *writer, progress, [&](QByteArray &bytes) {
            if (file.write(bytes) != bytes.size())
                throw ReportError(
                    QStringLiteral("The file \"%1\" cannot be written: %2.").arg(shownPath(name), file.errorString()));
        });
        if (!complete) {
            file.cancelWriting();
            d->cancelled = true;
            return;
        }
        if (!file.commit())
            throw ReportError(QStringLiteral("The file \"%1\" cannot be written: %2.").arg(shownPath(name), file.errorString()));
        return;
    }

    // Printer and preview: the rows are measured once, in report order.
    auto layout = std::make_shared<PageLayout>(definition, QGuiApplication::font());
    const qint64 total = data.count();
    const bool printing = d->destination == ToPrinter;
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
        d->cancelled = true;
        return;
    }

    // Pages read their rows when they are drawn, each time on a connection of
    // their own: a preview does not hold the file open, a print reads ahead on another thread.
    const QString dataFile = QFileInfo(d->dataFiles.value(0)).absoluteFilePath();
    if (printing) {
        std::unique_ptr<QPrinter> systemPrinter;
        QPrinter *printer = d->printer;
        if (!printer) {
            systemPrinter = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
            printer = systemPrinter.get();
        }
        printer->setCopyCount(d->copiesToPrinter);
        printer->setDocName(definition.title);
        orientPrinter(*printer, *layout);
        layout->paginate(printer->pageLayout());
        const bool printed = printPages(*printer, *layout, rowsOf(dataFile, definition),
                                        [&](qint64 done) { return progress.step((total + done) / 2); });
        if (!printed)
            d->cancelled = true;
        return;
    }

    QPrinter pagePrinter(QPrinter::HighResolution);
    orientPrinter(pagePrinter, *layout);
    layout->paginate(pagePrinter.pageLayout());
    const auto fetch = rowsOf(dataFile, definition);
    auto print = [layout, fetch, title = definition.title](QPrinter &printer) {
        PageLayout pages = *layout;
        pages.paginate(printer.pageLayout());
        Progress printProgress({}, title, pages.rowCount());
        printPages(printer, pages, fetch, [&](qint64 done) { return printProgress.step(done); });
    };
    auto *preview = new ReportPreview(layout, fetch, print, d->previewParent);
    preview->setWindowTitle(definition.title);
    preview->show();
    emit previewOpened(preview);
}

} // namespace varnelle
