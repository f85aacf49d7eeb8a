#include "ui/interchange/ImportOptionsDialog.h"

#include "ui/interchange/OptionDialogs.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace varnelle {

ImportOptionsDialog::ImportOptionsDialog(bool currentIsBusiness, QWidget *parent)
    : QDialog(parent)
{
    QBoxLayout *body = MakeOptionsFrame(*this, "ImportOptionsDialog", "Import Contacts", cmdOK, cmdCancel);
    auto *fraView = new QGroupBox("Put the imported contacts into", this);
    fraView->setObjectName("fraView");
    auto *choices = new QVBoxLayout(fraView);
    auto option = [&](const char *name, const QString &caption) {
        auto *op = new QRadioButton(caption, fraView);
        op->setObjectName(name);
        choices->addWidget(op);
        return op;
    };
    opByCompany = option("opByCompany", "&Business when a company is given, else personal");
    opBusiness = option("opBusiness", "B&usiness");
    opPersonal = option("opPersonal", "&Personal");
    opCurrent = option("opCurrent", CurrentViewCaption(currentIsBusiness));
    opByCompany->setChecked(true);
    body->addWidget(fraView);
}

interchange::ImportView ImportOptionsDialog::chosenView() const
{
    if (opBusiness->isChecked())
        return interchange::ImportView::Business;
    if (opPersonal->isChecked())
        return interchange::ImportView::Personal;
    if (opCurrent->isChecked())
        return interchange::ImportView::Current;
    return interchange::ImportView::ByCompany;
}

} // namespace varnelle
