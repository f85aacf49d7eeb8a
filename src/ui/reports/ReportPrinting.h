#pragma once

#include "reports/ReportEngine.h"

#include <QString>
#include <memory>

class QPrinter;
class QProgressDialog;

namespace varnelle {

// A QPrinter as the report engine prints on it. A printer writing a PDF file
// writes a temporary file beside it while the pages are painted, so that a
// print that stops half-way leaves no file behind; the finished file is put
// in place at the end.
class PrinterOutput : public ReportPrinter {
public:
    explicit PrinterOutput(QPrinter &printer);
    ~PrinterOutput() override;

    QPagedPaintDevice &device() override;
    QString name() const override;
    void setJob(const QString &title, int copies) override;
    void start() override;
    void abort() override;
    void finish(bool complete) override;

private:
    // Gives the printer back its own file name; removes the temporary file unless it was put in place.
    void restore();

    QPrinter &mPrinter;
    QString mName;
    QString mPart;
    bool mCommitted = false;
};

// The system's printer, or with a `queue` the printer of that name; none
// when there is no such printer.
std::unique_ptr<QPrinter> SystemPrinter(const QString &queue = {});

// Gives the printer the orientation the report prints best in.
void OrientPrinter(QPrinter &printer, const engine::PageLayout &layout);

// The progress of a report run: a cancellable progress dialog, titled with the
// report's title, that appears only when the run takes a while.
class ReportProgressDialog {
public:
    // `title` is asked for when the dialog is first needed.
    explicit ReportProgressDialog(std::function<QString()> title);
    explicit ReportProgressDialog(const QString &title);
    ~ReportProgressDialog();

    ReportProgress callback();

private:
    bool step(qint64 done, qint64 total);

    std::function<QString()> mTitle;
    std::unique_ptr<QProgressDialog> mDialog;
    bool mDecided = false;
    int mScale = 1;
};

} // namespace varnelle
