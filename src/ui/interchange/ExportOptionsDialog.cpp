#include "ui/interchange/ExportOptionsDialog.h"

#include "ui/interchange/OptionDialogs.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace varnelle {

ExportOptionsDialog::ExportOptionsDialog(const QString &fileName, bool currentIsBusiness, QWidget *parent)
    : QDialog(parent), mCurrentIsBusiness(currentIsBusiness)
{
    QBoxLayout *body = MakeOptionsFrame(*this, "ExportOptionsDialog", "Export Contacts", cmdOK, cmdCancel);
    auto *fraScope = new QGroupBox("Contacts", this);
    fraScope->setObjectName("fraScope");
    auto *choices = new QVBoxLayout(fraScope);
    opAll = new QRadioButton("&All contacts", fraScope);
    opAll->setObjectName("opAll");
    opView = new QRadioButton(CurrentViewCaption(currentIsBusiness), fraScope);
    opView->setObjectName("opView");
    opAll->setChecked(true);
    choices->addWidget(opAll);
    choices->addWidget(opView);
    body->addWidget(fraScope);

    auto *formatRow = new QFormLayout;
    cmbFormat = new QComboBox(this);
    cmbFormat->setObjectName("cmbFormat");
    cmbFormat->addItem("vCard 4.0", int(interchange::ExportFormat::VCard4));
    cmbFormat->addItem("vCard 3.0", int(interchange::ExportFormat::VCard3));
    cmbFormat->addItem("CSV (comma-separated values)", int(interchange::ExportFormat::Csv));
    cmbFormat->setCurrentIndex(cmbFormat->findData(int(interchange::FormatForFileName(fileName))));
    formatRow->addRow("&Format:", cmbFormat);
    body->addLayout(formatRow);
}

interchange::ExportScope ExportOptionsDialog::chosenScope() const
{
    if (opAll->isChecked())
        return interchange::ExportScope::All;
    return mCurrentIsBusiness ? interchange::ExportScope::Business : interchange::ExportScope::Personal;
}

interchange::ExportFormat ExportOptionsDialog::chosenFormat() const
{
    return interchange::ExportFormat(cmbFormat->currentData().toInt());
}

} // namespace varnelle
