#pragma once

#include "reports/PageLayout.h"
#include "reports/ReportData.h"
#include "reports/ReportError.h"
#include "reports/ReportPrinter.h"
#include "reports/ReportRequest.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace varnelle {

// Told during a run the contacts done so far and their number; returning
// false cancels the run. A cancelled run writes nothing and is not an error.
using ReportProgress = std::function<bool(qint64 done, qint64 total)>;

// A report for the screen: its contacts measured once, to be cut into pages
// for the paper the screen shows (PageLayout::paginate); the pages read their
// rows only when they are drawn.
struct ReportPages {
    using FetchRows = std::function<QList<engine::ReportRow>(const QList<qint64> &ids)>;

    QString title;
    std::shared_ptr<engine::PageLayout> layout;
    // Reads the contacts with the given PersonIDs on a connection of its own,
    // in whatever thread it is called; throws ReportError.
    FetchRows fetch;
    // Prints every page on `printer`, cut anew for its paper and orientation;
    // false when `progress` stopped the print. Throws ReportError.
    std::function<bool(ReportPrinter &printer, const ReportProgress &progress)> print;
};

// What a run produced.
struct ReportResult {
    bool cancelled = false;
    std::optional<ReportPages> pages; // for the screen
};

// The report engine: runs one ReportRequest at a time, writing its file,
// printing it, or cutting its pages for the screen.
class ReportEngine : public QObject {
    Q_OBJECT
public:
    explicit ReportEngine(QObject *parent = nullptr);
    ~ReportEngine() override;

    // Folders searched in turn for a definition named without a directory.
    // By default: the folder of the book (setBookFile), the current
    // directory, the program's own folder, then the installed definitions in
    // ../share/varnelle/reports from the program.
    void setDefinitionFolders(const QStringList &folders);
    QStringList definitionFolders() const;
    // The address book the reports are run on, whose folder is searched first.
    void setBookFile(const QString &bookFile);

    // A printer to use for the printer instead of the one a run is given,
    // for example one writing PDF; not owned. Null restores the given one.
    void setPrinter(ReportPrinter *printer);

    // Runs `request`. The file is written whole or not at all; for the printer
    // the report is printed on `printer` (null: the system has none); for the
    // screen the pages are handed back. Throws ReportError with a message for
    // the user; a data file found damaged is marked as such.
    ReportResult run(const ReportRequest &request, const ReportProgress &progress = {},
                     ReportPrinter *printer = nullptr);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace varnelle
