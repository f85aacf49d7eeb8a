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
// records; Browse picks the file in a file dialog. exec() is accepted by OK,
// which for a disk file that exists first asks whether to replace it; Cancel,
// Esc and a close through the frame reject it. The dialog is only hidden, so the choices stay for the
// next run.
class ReportDestinationDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportDestinationDialog(QWidget *parent = nullptr);

    // Puts the chosen destination into request.
    void fillDestination(ReportRequest &request) const;
    // Whether "All Records" is chosen.
    bool allRecords() const;

private:
    QGroupBox *mDestinationGroup = nullptr;
    QRadioButton *mPrinterOption = nullptr;
    QRadioButton *mScreenOption = nullptr;
    QRadioButton *mDiskOption = nullptr;
    QGroupBox *mRecordsGroup = nullptr;
    QRadioButton *mAllRecordsOption = nullptr;
    QRadioButton *mPartialReportOption = nullptr;
    QGroupBox *mPrinterGroup = nullptr;
    QGroupBox *mDiskGroup = nullptr;
    QLineEdit *mCopiesBox = nullptr;
    QLineEdit *mFileNameBox = nullptr;
    QPushButton *mBrowseButton = nullptr;
    QString mReplaceAgreed; // the file the file dialog was told to replace
    QComboBox *mFileTypeCombo = nullptr;
    QLabel *mLabels[3] = {};
    QPushButton *mOkButton = nullptr;
    QPushButton *mCancelButton = nullptr;

    void createControls();
    void load();
    void browse();
    void ok();
};

// The number formed by the leading digits of text; 0 when there are none.
int LeadingNumber(const QString &text);

} // namespace varnelle
