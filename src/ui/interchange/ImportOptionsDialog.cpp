#include "ui/interchange/ImportOptionsDialog.h"

#include "ui/interchange/OptionDialogs.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace varnelle {

ImportOptionsDialog::ImportOptionsDialog(bool currentIsBusiness, QWidget *parent)
    : QDialog(parent)
{
    QBoxLayout *body = MakeOptionsFrame(*this, "ImportOptionsDialog", tr("Import Contacts"), mOkButton, mCancelButton);
    auto *viewGroup = new QGroupBox(tr("Put the imported contacts into"), this);
    viewGroup->setObjectName("viewGroup");
    auto *choices = new QVBoxLayout(viewGroup);
    auto option = [&](const char *name, const QString &caption) {
        auto *op = new QRadioButton(caption, viewGroup);
        op->setObjectName(name);
        choices->addWidget(op);
        return op;
    };
    mByCompanyOption = option("byCompanyOption", tr("&Business when a company is given, else personal"));
    mBusinessOption = option("businessOption", tr("B&usiness"));
    mPersonalOption = option("personalOption", tr("&Personal"));
    mCurrentViewOption = option("currentViewOption", CurrentViewCaption(currentIsBusiness));
    mByCompanyOption->setChecked(true);
    body->addWidget(viewGroup);
}

interchange::ImportView ImportOptionsDialog::chosenView() const
{
    if (mBusinessOption->isChecked())
        return interchange::ImportView::Business;
    if (mPersonalOption->isChecked())
        return interchange::ImportView::Personal;
    if (mCurrentViewOption->isChecked())
        return interchange::ImportView::Current;
    return interchange::ImportView::ByCompany;
}

} // namespace varnelle
