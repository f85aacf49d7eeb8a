#include "ui/reports/ReportDestinationDialog.h"

#include "ui/widgets/DrawnLayout.h"
#include "ui/widgets/WidgetFactory.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/WindowPlacement.h"
#include "reports/ReportRequest.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace varnelle {

namespace {

QRadioButton *option(QWidget *frame, QButtonGroup *group, const char *name, const QString &caption, double left,
                     double top, double width, double height)
{
    auto *button = MakeControl<QRadioButton>(frame, name, left, top, width, height);
    button->setText(caption);
    group->addButton(button);
    return button;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, double left, double top, double width,
                 double height)
{
    auto *box = MakeControl<QGroupBox>(parent, name, left, top, width, height);
    box->setTitle(caption);
    return box;
}

} // namespace

int LeadingNumber(const QString &text)
{
    int value = 0;
    for (const QChar c : text) {
        if (c < '0' || c > '9' || value > 99999999)
            break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

ReportDestinationDialog::ReportDestinationDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("ReportDestinationDialog");
    setWindowTitle(tr("Report Destination Selection"));
    SetClientSizeTwips(this, 6390, 4245);
    createControls();
    LayOutAsDrawn(this);
    load();
}

void ReportDestinationDialog::createControls()
{
    mDestinationGroup = frame(this, "destinationGroup", {}, 240, 120, 1700, 1700);
    auto *where = new QButtonGroup(mDestinationGroup);
    mPrinterOption = option(mDestinationGroup, where, "printerOption", tr("Printer"), 240, 360, 1335, 255);
    mScreenOption = option(mDestinationGroup, where, "screenOption", tr("Screen"), 240, 720, 1095, 195);
    mDiskOption = option(mDestinationGroup, where, "diskOption", tr("Disk"), 240, 1080, 1215, 255);

    mRecordsGroup = frame(this, "recordsGroup", {}, 240, 2040, 1700, 1215);
    auto *what = new QButtonGroup(mRecordsGroup);
    mAllRecordsOption = option(mRecordsGroup, what, "allRecordsOption", tr("All Records"), 240, 360, 1335, 255);
    mPartialReportOption =
        option(mRecordsGroup, what, "partialReportOption", tr("Partial Report"), 240, 720, 1335, 255);

    mPrinterGroup = frame(this, "printerGroup", tr("Report To Printer"), 2280, 120, 3855, 975);
    mDiskGroup = frame(this, "diskGroup", tr("Report To Disk"), 2280, 1920, 3615, 1335);

    // At most three digits, typed or pasted; Backspace edits as usual.
    mCopiesBox = MakeControl<QLineEdit>(mPrinterGroup, "copiesBox", 840, 360, 495, 285);
    mCopiesBox->setMaxLength(3);
    mCopiesBox->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), mCopiesBox));
    mLabels[2] = MakeLabel(mPrinterGroup, "copiesLabel", tr("Copies:"), 240, 360, 525, 195);
    mLabels[1] = MakeLabel(mDiskGroup, "fileTypeLabel", tr("File Type:"), 120, 360, 690, 195);
    mLabels[0] = MakeLabel(mDiskGroup, "fileNameLabel", tr("File Name:"), 120, 840, 750, 195);
    mFileNameBox = MakeControl<QLineEdit>(mDiskGroup, "fileNameBox", 1080, 840, 1455, 285);
    mBrowseButton = MakeButton(mDiskGroup, "browseButton", tr("&Browse..."), 2595, 810, 900, 345);
    mFileTypeCombo = MakeControl<QComboBox>(mDiskGroup, "fileTypeCombo", 1080, 360, 2175, 315);
    SetLabelFor(mLabels[2], mCopiesBox);
    SetLabelFor(mLabels[1], mFileTypeCombo);
    SetLabelFor(mLabels[0], mFileNameBox);
    // The two frames of options have no caption on screen; read out, they have.
    mDestinationGroup->setAccessibleName(tr("Destination"));
    mRecordsGroup->setAccessibleName(tr("Records"));

    mOkButton = MakeButton(this, "okButton", tr("&OK"), 1320, 3600, 1095, 495);
    mOkButton->setDefault(true);
    mCancelButton = MakeButton(this, "cancelButton", tr("&Cancel"), 3120, 3600, 1095, 495);

    SetTabOrder({mPrinterOption, mScreenOption, mDiskOption, mAllRecordsOption, mPartialReportOption, mCopiesBox,
                 mFileNameBox, mFileTypeCombo, mBrowseButton, mOkButton, mCancelButton});

    connect(mOkButton, &QPushButton::clicked, this, &ReportDestinationDialog::ok);
    connect(mBrowseButton, &QPushButton::clicked, this, &ReportDestinationDialog::browse);
    connect(mCancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ReportDestinationDialog::load()
{
    // The engine's PrintFileType values; 5 is not offered.
    mFileTypeCombo->addItem(tr("Record Format"), 0);
    mFileTypeCombo->addItem(tr("Tab Separated"), 1);
    mFileTypeCombo->addItem(tr("Text Format"), 2);
    mFileTypeCombo->addItem(tr("DIF Format"), 3);
    mFileTypeCombo->addItem(tr("Comma Separated Values"), 4);
    mFileTypeCombo->addItem(tr("Tab Separated Values"), 6);
    WidenToLongestEntry(mFileTypeCombo); // "Comma Separated Values" shows whole
    mFileTypeCombo->setCurrentIndex(0);
    mPrinterOption->setChecked(true);
    mAllRecordsOption->setChecked(true);
    mCopiesBox->setText("1");
    mFileNameBox->setText(tr("address.txt"));
    layout()->activate(); // the longest file type may have widened it
    CenterForm(*this);
}

void ReportDestinationDialog::browse()
{
    QFileDialog dialog(this, tr("Report To Disk"));
    dialog.setObjectName("reportFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave); // it asks before replacing a file itself
    dialog.selectFile(mFileNameBox->text());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    mFileNameBox->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
    mReplaceAgreed = mFileNameBox->text();
}

// A report to disk over a file that exists is written only when the user agrees.
void ReportDestinationDialog::ok()
{
    const QString fileName = mFileNameBox->text();
    if (mDiskOption->isChecked() && fileName != mReplaceAgreed && QFileInfo(fileName).isFile()
        && !AskYesNo(tr("The file '%1' already exists. Replace it?").arg(fileName)))
        return;
    mReplaceAgreed.clear();
    accept();
}

void ReportDestinationDialog::fillDestination(ReportRequest &request) const
{
    if (mScreenOption->isChecked()) {
        request.destination = ReportDestination::Screen;
    } else if (mDiskOption->isChecked()) {
        request.destination = ReportDestination::File;
        request.fileName = mFileNameBox->text();
        request.fileType = mFileTypeCombo->currentData().toInt();
    } else {
        request.destination = ReportDestination::Printer;
        request.copies = LeadingNumber(mCopiesBox->text());
    }
}

bool ReportDestinationDialog::allRecords() const
{
    return mAllRecordsOption->isChecked();
}

} // namespace varnelle
