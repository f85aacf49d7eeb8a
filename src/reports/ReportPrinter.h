#pragma once

#include <QPagedPaintDevice>
#include <QString>

namespace varnelle {

// A printer as the report engine prints on it: a paged device, and what a
// printer has beyond one. The program makes one for the system's printer or
// the printer a user chose; PagedDevicePrinter takes any paged device as it is.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    virtual QPagedPaintDevice &device() = 0;
    // The printer's name, for messages.
    virtual QString name() const = 0;
    // The name and number of copies of a report sent to the printer, set before its pages are cut.
    virtual void setJob(const QString &title, int copies) = 0;

    // Before the first page is painted.
    virtual void start() = 0;
    // Stops a print half-way, while its pages are painted, so that nothing of it comes out.
    virtual void abort() = 0;
    // After the painting ended, `complete` or stopped half-way; throws
    // ReportError when a complete print failed.
    virtual void finish(bool complete) = 0;
};

// Any paged device (a QPdfWriter, for example) as a printer: nothing beyond drawing.
class PagedDevicePrinter : public ReportPrinter {
public:
    explicit PagedDevicePrinter(QPagedPaintDevice &device) : mDevice(device) {}
    QPagedPaintDevice &device() override { return mDevice; }
    QString name() const override { return {}; }
    void setJob(const QString &, int) override {}
    void start() override {}
    void abort() override {}
    void finish(bool) override {}

private:
    QPagedPaintDevice &mDevice;
};

} // namespace varnelle
