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
    QBoxLayout *body = MakeOptionsFrame(*this, "ExportOptionsDialog", tr("Export Contacts"), mOkButton, mCancelButton);
    auto *scopeGroup = new QGroupBox(tr("Contacts"), this);
    scopeGroup->setObjectName("scopeGroup");
    auto *choices = new QVBoxLayout(scopeGroup);
    mAllOption = new QRadioButton(tr("&All contacts"), scopeGroup);
    mAllOption->setObjectName("allOption");
    mViewOption = new QRadioButton(CurrentViewCaption(currentIsBusiness), scopeGroup);
    mViewOption->setObjectName("viewOption");
    mAllOption->setChecked(true);
    choices->addWidget(mAllOption);
    choices->addWidget(mViewOption);
    body->addWidget(scopeGroup);

    auto *formatRow = new QFormLayout;
    mFormatCombo = new QComboBox(this);
    mFormatCombo->setObjectName("formatCombo");
    mFormatCombo->addItem(tr("vCard 4.0"), int(interchange::ExportFormat::VCard4));
    mFormatCombo->addItem(tr("vCard 3.0"), int(interchange::ExportFormat::VCard3));
    mFormatCombo->addItem(tr("CSV (comma-separated values)"), int(interchange::ExportFormat::Csv));
    mFormatCombo->setCurrentIndex(mFormatCombo->findData(int(interchange::FormatForFileName(fileName))));
    formatRow->addRow(tr("&Format:"), mFormatCombo);
    mFormatCombo->setAccessibleName(tr("Format:"));
    body->addLayout(formatRow);
}

interchange::ExportScope ExportOptionsDialog::chosenScope() const
{
    if (mAllOption->isChecked())
        return interchange::ExportScope::All;
    return mCurrentIsBusiness ? interchange::ExportScope::Business : interchange::ExportScope::Personal;
}

interchange::ExportFormat ExportOptionsDialog::chosenFormat() const
{
    return interchange::ExportFormat(mFormatCombo->currentData().toInt());
}

} // namespace varnelle
