#include "reports/engine/ReportEngine.h"

#include "reports/engine/ReportData.h"
#include "reports/engine/ReportDefinition.h"
#include "reports/engine/ReportWriter.h"
#include "reports/engine/SelectionFormula.h"

#include <QApplication>
#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

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
// Reports with lines wider than this are laid out across the page.
constexpr int landscapeWidth = 100;
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

int lineWidth(const ReportDefinition &definition)
{
    int width = 0;
    for (const int w : definition.widths())
        width += w + 2;
    return width;
}

// The progress of a run: an observer handed in by the program, and a
// cancellable progress dialog that appears only when the run takes a while.
class Progress {
public:
    Progress(const ReportEngine::ProgressObserver &observer, const QString &title, qint64 total)
        : mObserver(observer), mTotal(total)
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
    const ReportEngine::ProgressObserver &mObserver;
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

// The report text for a printer's page, in a fixed-pitch font of 8 points, or
// smaller where that is needed for the widest line to fit the page's width;
// its title centred and bold.
QTextDocument *makeDocument(const QString &text, const QPrinter &printer, QObject *parent)
{
    auto *document = new QTextDocument(parent);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(8);
    qsizetype widest = 0;
    for (QStringView line : QStringView(text).split(u'\n'))
        widest = std::max(widest, line.size());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const double lineWidthPoints = QFontMetricsF(font).horizontalAdvance(QString(widest, u'M')) * 72.0 / dpi;
    // QTextDocument::print keeps a margin of 2 cm on each side of the paint area.
    const double marginPoints = 2 / 2.54 * 72;
    const double pageWidthPoints = (printer.pageLayout().paintRect(QPageLayout::Point).width() - 2 * marginPoints) * 0.97;
    if (lineWidthPoints > pageWidthPoints && lineWidthPoints > 0)
        font.setPointSizeF(8 * pageWidthPoints / lineWidthPoints);
    document->setDefaultFont(font);
    document->setPlainText(text);
    QTextCursor cursor(document->firstBlock());
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat title;
    title.setFontWeight(QFont::Bold);
    title.setFontPointSize(12);
    cursor.mergeCharFormat(title);
    return document;
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

    QByteArray bytes;
    const auto writer = ReportWriter::create(int(FileType::Text), definition);
    if (!produce(data, *writer, progress, [&](QByteArray &piece) { bytes += piece; })) {
        d->cancelled = true;
        return;
    }
    const QString text = QString::fromUtf8(bytes);
    const bool wide = definition.layout == ReportDefinition::Layout::Table && lineWidth(definition) > landscapeWidth;

    if (d->destination == ToPrinter) {
        std::unique_ptr<QPrinter> systemPrinter;
        QPrinter *printer = d->printer;
        if (!printer) {
            systemPrinter = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
            printer = systemPrinter.get();
        }
        printer->setCopyCount(d->copiesToPrinter);
        printer->setDocName(definition.title);
        printer->setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);
        const std::unique_ptr<QTextDocument> document(makeDocument(text, *printer, nullptr));
        document->print(printer);
        if (printer->printerState() == QPrinter::Error)
            throw ReportError(QStringLiteral("The report could not be printed on \"%1\".").arg(printer->printerName()));
        return;
    }

    // A modeless preview that lives until the user closes it.
    auto *preview = new QPrintPreviewDialog(d->previewParent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowModality(Qt::NonModal);
    preview->setWindowTitle(definition.title);
    preview->printer()->setDocName(definition.title);
    preview->printer()->setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);
    QTextDocument *document = makeDocument(text, *preview->printer(), preview);
    connect(preview, &QPrintPreviewDialog::paintRequested, document, [document](QPrinter *printer) {
        document->print(printer);
    });
    preview->show();
    emit previewOpened(preview);
}

} // namespace varnelle
