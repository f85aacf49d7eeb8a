#include "ui/interchange/OptionDialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelle {

QBoxLayout *MakeOptionsFrame(QDialog &dialog, const char *name, const QString &title, QPushButton *&ok,
                             QPushButton *&cancel)
{
    dialog.setObjectName(name);
    dialog.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&dialog);
    auto *body = new QVBoxLayout;
    layout->addLayout(body);
    auto *buttons = new QDialogButtonBox(&dialog);
    ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    cancel = buttons->addButton(QCoreApplication::translate("Interchange", "Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("cancelButton");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return body;
}

QString CurrentViewCaption(bool currentIsBusiness)
{
    return currentIsBusiness ? QCoreApplication::translate("Interchange", "The &current view (business)")
                             : QCoreApplication::translate("Interchange", "The &current view (personal)");
}

} // namespace varnelle
