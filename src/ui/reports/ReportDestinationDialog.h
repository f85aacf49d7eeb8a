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

// "Report Destination Selection": where the report goes (screen, printer
// with copies, disk file with name and type) and whether it covers all
// records. OK writes the destination through gReport and sets gAllRecords;
// Cancel, Esc and a close through the frame set gReport to nullptr. The
// dialog is only hidden, so the choices stay for the next run.
class ReportDestinationDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportDestinationDialog(QWidget *parent = nullptr);

    void cmdOK_Click();
    void cmdCancel_Click();

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

    // Esc and the frame's close box end up here: both act as Cancel.
    void reject() override;

private:
    void createControls();
    void Load();
};

// The number formed by the leading digits of text; 0 when there are none.
int LeadingNumber(const QString &text);

} // namespace varnelle
