#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace varnelle {

struct ReportRequest;

// "Report Destination Selection": where the report goes (screen, printer
// with copies, disk file with name and type) and whether it covers all
// records. exec() is accepted by OK; Cancel, Esc and a close through the
// frame reject it. The dialog is only hidden, so the choices stay for the
// next run.
class ReportDestinationDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportDestinationDialog(QWidget *parent = nullptr);

    // Puts the chosen destination into request.
    void fillDestination(ReportRequest &request) const;
    // Whether "All Records" is chosen.
    bool allRecords() const;

public:

    QGroupBox *fraWhere = nullptr;
    QRadioButton *opPrinter = nullptr;
    QRadioButton *opScreen = nullptr;
    QRadioButton *opDisk = nullptr;
    QGroupBox *fraWhat = nullptr;
    QRadioButton *opAll = nullptr;
    QRadioButton *opPartial = nullptr;
    QGroupBox *fraPrinter = nullptr;
    QGroupBox *fraDisk = nullptr;
    QLineEdit *txtCopies = nullptr;
    QLineEdit *txtFileName = nullptr;
    QComboBox *cmbFileType = nullptr;
    QLabel *lblArray[3] = {};
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void createControls();
    void load();
};

// The number formed by the leading digits of text; 0 when there are none.
int LeadingNumber(const QString &text);

} // namespace varnelle
