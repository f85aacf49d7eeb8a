#include "reports/frmRpt.h"

#include "app/FormHelpers.h"
#include "app/Globals.h"
#include "app/Twips.h"
#include "reports/engine/ReportEngine.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace varnelle {

namespace {

template <class W>
W *make(QWidget *parent, const char *name)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

QRadioButton *option(QWidget *frame, QButtonGroup *group, const char *name, const QString &caption)
{
    auto *button = make<QRadioButton>(frame, name);
    button->setText(caption);
    group->addButton(button);
    return button;
}

QLabel *rightLabel(QWidget *frame, int index, const QString &caption)
{
    auto *label = make<QLabel>(frame, qPrintable(QString("lblArray_%1").arg(index)));
    label->setText(caption);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
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

frmRpt::frmRpt(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("frmRpt");
    setWindowTitle("Report Destination Selection");
    SetClientSizeTwips(this, 6390, 4245);
    createControls();
    Load();
}

void frmRpt::createControls()
{
    fraWhere = make<QGroupBox>(this, "fraWhere");
    PlaceTwips(fraWhere, 240, 120, 1700, 1700);
    auto *where = new QButtonGroup(fraWhere);
    opPrinter = option(fraWhere, where, "opPrinter", "Printer");
    PlaceTwips(opPrinter, 240, 360, 1335, 255);
    opScreen = option(fraWhere, where, "opScreen", "Screen");
    PlaceTwips(opScreen, 240, 720, 1095, 195);
    opDisk = option(fraWhere, where, "opDisk", "Disk");
    PlaceTwips(opDisk, 240, 1080, 1215, 255);

    fraWhat = make<QGroupBox>(this, "fraWhat");
    PlaceTwips(fraWhat, 240, 2040, 1700, 1215);
    auto *what = new QButtonGroup(fraWhat);
    opAll = option(fraWhat, what, "opAll", "All Records");
    PlaceTwips(opAll, 240, 360, 1335, 255);
    opPartial = option(fraWhat, what, "opPartial", "Partial Report");
    PlaceTwips(opPartial, 240, 720, 1335, 255);

    fraPrinter = make<QGroupBox>(this, "fraPrinter");
    fraPrinter->setTitle("Report To Printer");
    PlaceTwips(fraPrinter, 2280, 120, 3855, 975);
    fraDisk = make<QGroupBox>(this, "fraDisk");
    fraDisk->setTitle("Report To Disk");
    PlaceTwips(fraDisk, 2280, 1920, 3615, 1335);

    // At most three digits, typed or pasted; Backspace edits as usual.
    txtCopies = make<QLineEdit>(fraPrinter, "txtCopies");
    txtCopies->setMaxLength(3);
    txtCopies->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), txtCopies));
    PlaceTwips(txtCopies, 840, 360, 495, 285);
    lblArray[2] = rightLabel(fraPrinter, 2, "Copies:");
    PlaceTwips(lblArray[2], 240, 360, 525, 195);

    lblArray[1] = rightLabel(fraDisk, 1, "File Type:");
    PlaceTwips(lblArray[1], 120, 360, 690, 195);
    lblArray[0] = rightLabel(fraDisk, 0, "File Name:");
    PlaceTwips(lblArray[0], 120, 840, 750, 195);
    txtFileName = make<QLineEdit>(fraDisk, "txtFileName");
    PlaceTwips(txtFileName, 1080, 840, 2175, 285);
    cmbFileType = make<QComboBox>(fraDisk, "cmbFileType");
    PlaceTwips(cmbFileType, 1080, 360, 2175, 315);

    cmdOK = make<QPushButton>(this, "cmdOK");
    cmdOK->setText("&OK");
    cmdOK->setDefault(true);
    PlaceTwips(cmdOK, 1320, 3600, 1095, 495);
    cmdCancel = make<QPushButton>(this, "cmdCancel");
    cmdCancel->setText("&Cancel");
    cmdCancel->setAutoDefault(false);
    PlaceTwips(cmdCancel, 3120, 3600, 1095, 495);

    QWidget *order[] = {opPrinter, opScreen, opDisk, opAll,       opPartial,   txtCopies,
                        txtFileName, cmbFileType, cmdOK, cmdCancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmdOK, &QPushButton::clicked, this, &frmRpt::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmRpt::cmdCancel_Click);
}

void frmRpt::Load()
{
    CenterForm(*this);
    for (const auto &type : FileTypes)
        cmbFileType->addItem(type.caption, type.fileType);
    cmbFileType->setCurrentIndex(0);
    opPrinter->setChecked(true);
    opAll->setChecked(true);
    txtCopies->setText("1");
    txtFileName->setText("address.txt");
}

void frmRpt::cmdOK_Click()
{
    if (gReport) {
        if (opScreen->isChecked()) {
            gReport->setDestination(ReportEngine::ToWindow);
        } else if (opDisk->isChecked()) {
            gReport->setDestination(ReportEngine::ToFile);
            gReport->setPrintFileName(txtFileName->text());
            gReport->setPrintFileType(cmbFileType->currentData().toInt());
        } else {
            gReport->setDestination(ReportEngine::ToPrinter);
            gReport->setCopiesToPrinter(LeadingNumber(txtCopies->text()));
        }
    }
    gAllRecords = opAll->isChecked();
    accept();
}

void frmRpt::cmdCancel_Click()
{
    reject();
}

void frmRpt::reject()
{
    gReport = nullptr;
    QDialog::reject();
}

} // namespace varnelle
