#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <stdexcept>

namespace varnelle {

// Every failure of the report engine: the message is a sentence a person can act on.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &message)
        : std::runtime_error(message.toStdString()), mMessage(message) {}
    QString message() const { return mMessage; }

private:
    QString mMessage;
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
};

} // namespace varnelle
