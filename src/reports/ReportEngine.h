#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <stdexcept>

class QPrinter;

namespace varnelle {

// Every failure of the report engine: the message is a sentence a person can act on.
// A data file found damaged is told apart, so that the program can say how to mend it.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &message, bool damagedData = false)
        : std::runtime_error(message.toStdString()), mMessage(message), mDamagedData(damagedData) {}
    QString message() const { return mMessage; }
    bool damagedData() const { return mDamagedData; }

private:
    QString mMessage;
    bool mDamagedData;
};

// The report engine control. The program drives it only by writing its
// properties; writing 1 to Action produces the report. Each property keeps
// the last value written to it.
class ReportEngine : public QObject {
    Q_OBJECT
public:
    // Dispatch IDs of the properties.
    enum DispatchId {
        DispReportFileName = 3,
        DispPrintFileName = 12,
        DispSelectionFormula = 13,
        DispCopiesToPrinter = 16,
        DispAction = 17,
        DispDestination = 24,
        DispPrintFileType = 25,
        DispDataFiles = 32,
    };
    enum Destination { ToWindow = 0, ToPrinter = 1, ToFile = 2 };

    explicit ReportEngine(QObject *parent = nullptr);
    ~ReportEngine() override;

    // Writes a property by its dispatch ID; index is used by DataFiles only.
    // Throws ReportError (for example from Action, or for an unknown ID).
    void setProperty(int dispatchId, const QVariant &value, int index = 0);

    void setDestination(int value);
    void setPrintFileName(const QString &value);
    void setPrintFileType(int value);
    void setCopiesToPrinter(int value);
    void setSelectionFormula(const QString &value);
    void setDataFiles(int index, const QString &value);
    void setReportFileName(const QString &value);
    void setAction(int value); // 1 = produce the report now; throws ReportError

    int destination() const;
    QString printFileName() const;
    int printFileType() const;
    int copiesToPrinter() const;
    QString selectionFormula() const;
    QString dataFiles(int index) const;
    QString reportFileName() const;

    // Folders searched in turn for a definition named without a directory.
    // By default: the current directory, the program's own folder, then the
    // installed definitions in ../share/varnelle/reports from the program.
    void setDefinitionFolders(const QStringList &folders);
    QStringList definitionFolders() const;

    // The parent of preview windows (none by default).
    void setPreviewParent(QWidget *parent);

    // A printer to use for Destination 1 instead of the system's default
    // printer, for example one writing PDF; not owned. Null restores the default.
    void setPrinter(QPrinter *printer);

    // Called during a run with the contacts done so far and their number;
    // returning false cancels the run. A cancelled run writes nothing and is
    // not an error.
    using ProgressObserver = std::function<bool(qint64 done, qint64 total)>;
    void setProgressObserver(ProgressObserver observer);
    // Whether the run of the last Action write was cancelled.
    bool lastRunCancelled() const;

signals:
    // A preview window was opened (Destination 0); it deletes itself when closed.
    void previewOpened(QWidget *window);

private:
    void run();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace varnelle
