#include "ui/reports/ReportDestinationDialog.h"

#include "ui/widgets/Controls.h"
#include "ui/widgets/WindowPlacement.h"
#include "reports/ReportRequest.h"

#include <QButtonGroup>
#include <QComboBox>
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
    WidenToText(button);
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

// The engine's PrintFileType values; 5 is not offered.
const struct {
    const char *caption;
    int fileType;
} FileTypes[] = {
    {"Record Format", 0}, {"Tab Separated", 1},          {"Text Format", 2},
    {"DIF Format", 3},    {"Comma Separated Values", 4}, {"Tab Separated Values", 6},
};

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
    setWindowTitle("Report Destination Selection");
    SetClientSizeTwips(this, 6390, 4245);
    createControls();
    load();
}

void ReportDestinationDialog::createControls()
{
    fraWhere = frame(this, "fraWhere", {}, 240, 120, 1700, 1700);
    auto *where = new QButtonGroup(fraWhere);
    opPrinter = option(fraWhere, where, "opPrinter", "Printer", 240, 360, 1335, 255);
    opScreen = option(fraWhere, where, "opScreen", "Screen", 240, 720, 1095, 195);
    opDisk = option(fraWhere, where, "opDisk", "Disk", 240, 1080, 1215, 255);

    fraWhat = frame(this, "fraWhat", {}, 240, 2040, 1700, 1215);
    auto *what = new QButtonGroup(fraWhat);
    opAll = option(fraWhat, what, "opAll", "All Records", 240, 360, 1335, 255);
    opPartial = option(fraWhat, what, "opPartial", "Partial Report", 240, 720, 1335, 255);

    fraPrinter = frame(this, "fraPrinter", "Report To Printer", 2280, 120, 3855, 975);
    fraDisk = frame(this, "fraDisk", "Report To Disk", 2280, 1920, 3615, 1335);

    // At most three digits, typed or pasted; Backspace edits as usual.
    txtCopies = MakeControl<QLineEdit>(fraPrinter, "txtCopies", 840, 360, 495, 285);
    txtCopies->setMaxLength(3);
    txtCopies->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), txtCopies));
    lblArray[2] = MakeLabel(fraPrinter, "lblArray_2", "Copies:", 240, 360, 525, 195);
    lblArray[1] = MakeLabel(fraDisk, "lblArray_1", "File Type:", 120, 360, 690, 195);
    lblArray[0] = MakeLabel(fraDisk, "lblArray_0", "File Name:", 120, 840, 750, 195);
    txtFileName = MakeControl<QLineEdit>(fraDisk, "txtFileName", 1080, 840, 2175, 285);
    cmbFileType = MakeControl<QComboBox>(fraDisk, "cmbFileType", 1080, 360, 2175, 315);

    cmdOK = MakeButton(this, "cmdOK", "&OK", 1320, 3600, 1095, 495);
    cmdOK->setDefault(true);
    cmdCancel = MakeButton(this, "cmdCancel", "&Cancel", 3120, 3600, 1095, 495);

    SetTabOrder({opPrinter, opScreen, opDisk, opAll,       opPartial,   txtCopies,
                        txtFileName, cmbFileType, cmdOK, cmdCancel});

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ReportDestinationDialog::load()
{
    CenterForm(*this);
    for (const auto &type : FileTypes)
        cmbFileType->addItem(type.caption, type.fileType);
    WidenToLongestEntry(cmbFileType); // "Comma Separated Values" shows whole
    cmbFileType->setCurrentIndex(0);
    opPrinter->setChecked(true);
    opAll->setChecked(true);
    txtCopies->setText("1");
    txtFileName->setText("address.txt");
}

void ReportDestinationDialog::fillDestination(ReportRequest &request) const
{
    if (opScreen->isChecked()) {
        request.destination = ReportDestination::Screen;
    } else if (opDisk->isChecked()) {
        request.destination = ReportDestination::File;
        request.fileName = txtFileName->text();
        request.fileType = cmbFileType->currentData().toInt();
    } else {
        request.destination = ReportDestination::Printer;
        request.copies = LeadingNumber(txtCopies->text());
    }
}

bool ReportDestinationDialog::allRecords() const
{
    return opAll->isChecked();
}

} // namespace varnelle
