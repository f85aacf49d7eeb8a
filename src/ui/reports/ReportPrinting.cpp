#include "ui/reports/ReportPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <filesystem>

namespace varnelle {

namespace {

// Runs shorter than this many contacts show no progress dialog.
constexpr qint64 progressStep = 256;

} // namespace

PrinterOutput::PrinterOutput(QPrinter &printer) : mPrinter(printer), mName(printer.outputFileName()) {}

PrinterOutput::~PrinterOutput() { restore(); }

QPagedPaintDevice &PrinterOutput::device() { return mPrinter; }

QString PrinterOutput::name() const { return mPrinter.printerName(); }

void PrinterOutput::setJob(const QString &title, int copies)
{
    mPrinter.setCopyCount(copies);
    mPrinter.setDocName(title);
}

void PrinterOutput::start()
{
    restore(); // what an earlier print on this printer left
    if (!mName.isEmpty() && mPrinter.outputFormat() == QPrinter::PdfFormat) {
        // A free name beside the file; the printer creates it as it would the file itself.
        mPart.clear();
        for (int n = 0; mPart.isEmpty() || QFileInfo::exists(mPart); ++n)
            mPart = QStringLiteral("%1.%2.part").arg(mName).arg(n);
        mCommitted = false;
        mPrinter.setOutputFileName(mPart);
    }
    mPrinter.setFullPage(true);
}

void PrinterOutput::abort()
{
    mPrinter.abort(); // a print queue drops the job where the printer allows it
}

void PrinterOutput::finish(bool complete)
{
    if (!complete) {
        restore(); // no file, and the one there before is kept
        return;
    }
    if (mPrinter.printerState() == QPrinter::Error)
        throw ReportError(QCoreApplication::translate("Reports", "The report could not be printed on \"%1\".")
                              .arg(mPrinter.printerName()));
    if (mPart.isEmpty())
        return;
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(mPart).toStdString(), QFile::encodeName(mName).toStdString(), error);
    if (error)
        throw ReportError(QCoreApplication::translate("Reports", "The file \"%1\" cannot be written: %2.")
                              .arg(QDir::toNativeSeparators(QFileInfo(mName).absoluteFilePath()),
                                   QString::fromLocal8Bit(error.message())));
    mCommitted = true;
    restore();
}

void PrinterOutput::restore()
{
    if (mPart.isEmpty())
        return;
    mPrinter.setOutputFileName(mName);
    if (!mCommitted)
        QFile::remove(mPart);
    mPart.clear();
}

std::unique_ptr<QPrinter> SystemPrinter(const QString &queue)
{
    if (!queue.isEmpty()) {
        const QPrinterInfo named = QPrinterInfo::printerInfo(queue);
        return named.isNull() ? nullptr : std::make_unique<QPrinter>(named, QPrinter::HighResolution);
    }
    if (QPrinterInfo::availablePrinterNames().isEmpty() || QPrinterInfo::defaultPrinter().isNull())
        return nullptr;
    return std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
}

void OrientPrinter(QPrinter &printer, const engine::PageLayout &layout)
{
    QPageLayout page = printer.pageLayout();
    page.setOrientation(layout.orientationFor(page));
    printer.setPageLayout(page);
}

ReportProgressDialog::ReportProgressDialog(std::function<QString()> title) : mTitle(std::move(title)) {}

ReportProgressDialog::ReportProgressDialog(const QString &title) : mTitle([title] { return title; }) {}

ReportProgressDialog::~ReportProgressDialog() = default;

ReportProgress ReportProgressDialog::callback()
{
    return [this](qint64 done, qint64 total) { return step(done, total); };
}

bool ReportProgressDialog::step(qint64 done, qint64 total)
{
    if (!mDecided) {
        mDecided = true;
        if (total < progressStep)
            return true;
        const QString title = mTitle();
        mScale = total > 1000000 ? int(total / 1000000 + 1) : 1;
        mDialog = std::make_unique<QProgressDialog>(
            QCoreApplication::translate("Reports", "Producing the report \"%1\"...").arg(title),
            QCoreApplication::translate("Reports", "Cancel"), 0, int(total / mScale));
        mDialog->setWindowTitle(title);
        mDialog->setWindowModality(Qt::ApplicationModal);
        mDialog->setMinimumDuration(800);
        mDialog->setAutoClose(false);
        mDialog->setAutoReset(false);
    }
    if (mDialog) {
        mDialog->setValue(int(done / mScale));
        if (mDialog->wasCanceled())
            return false;
    }
    return true;
}

} // namespace varnelle
