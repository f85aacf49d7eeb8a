#include "ui/contact/PhoneNumberDialog.h"

#include "ui/widgets/Controls.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SortedLists.h"
#include "ui/widgets/StoreLengthValidator.h"
#include "store/AddressBook.h"
#include "store/DatabaseError.h"
#include "store/TelephoneNumbers.h"
#include "store/TelephoneTypes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QShowEvent>

namespace varnelle {

PhoneNumberDialog::PhoneNumberDialog(AddressBook &book, std::int32_t personId, std::int32_t typeId, QWidget *parent)
    : QDialog(parent), mBook(book), mPersonId(personId), mTypeId(typeId)
{
    setObjectName("PhoneNumberDialog");
    setWindowTitle("Telephone Number");
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    SetClientSizeTwips(this, 5115, 2460);

    cmbType = MakeControl<QComboBox>(this, "cmbType", 1800, 240, 2175, 315);
    cmbType->setEditable(false);
    UseButtonFace(cmbType);
    txtNumber = MakeControl<QLineEdit>(this, "txtNumber", 1800, 720, 2175, 285);
    LimitToStoreLength(txtNumber, 20);
    UseButtonFace(txtNumber);
    cmdSave = MakeButton(this, "cmdSave", "&Save", 1080, 1560, 1095, 615);
    cmdCancel = MakeButton(this, "cmdCancel", "&Cancel", 2760, 1560, 1095, 615);
    lblArray_0 = MakeLabel(this, "lblArray_0", "Type of Number:", 480, 240, 1185, 195);
    lblArray_1 = MakeLabel(this, "lblArray_1", "Telephone Number:", 240, 720, 1410, 195);
    SetTabOrder({cmbType, txtNumber, cmdSave, cmdCancel});

    // Choosing a type, by the user or by the program, moves on to the number.
    auto toNumber = [this](int index) {
        if (index >= 0)
            txtNumber->setFocus();
    };
    connect(cmbType, &QComboBox::activated, this, toNumber);
    connect(cmbType, &QComboBox::currentIndexChanged, this, toNumber);
    connect(cmdSave, &QPushButton::clicked, this, &PhoneNumberDialog::save);
    connect(cmdCancel, &QPushButton::clicked, this, &PhoneNumberDialog::cancel);

    // Load
    adjustSize();
    CenterForm(*this);
    fillTypes();
}

void PhoneNumberDialog::fillTypes()
{
    cmbType->clear();
    try {
        for (const TelephoneTypeRow &row : ListTelephoneTypes(mBook.database()))
            AddSortedComboEntry(cmbType, row.name, row.typeId);
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
    }
    cmbType->setCurrentIndex(-1); // the first entry added would otherwise be chosen
}

void PhoneNumberDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepare();
}

void PhoneNumberDialog::prepare()
{
    std::optional<QString> number;
    try {
        number = FindTelephoneNumber(mBook.database(), mPersonId, mTypeId);
    } catch (const DatabaseError &error) {
        // Without the stored number the dialog cannot tell adding from editing: it closes as Cancel does.
        MsgBox(error.message(), MsgRefusal);
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    if (number) {
        txtNumber->setText(*number);
    } else {
        txtNumber->clear();
        cmbType->setCurrentIndex(-1);
    }
    cmbType->setEnabled(true);
    cmbType->setFocus();
    const int index = cmbType->findData(mTypeId);
    if (index >= 0) {
        cmbType->setCurrentIndex(index);
        cmbType->setEnabled(false);
        txtNumber->setFocus();
    }
}

void PhoneNumberDialog::save()
{
    if (txtNumber->text().isEmpty()) {
        MsgBox("Please enter a telephone number.", MsgRefusal);
        txtNumber->setFocus();
        return;
    }
    if (cmbType->currentIndex() < 0) {
        MsgBox("Please select a type of number.", MsgRefusal);
        cmbType->setFocus();
        return;
    }
    const std::int32_t typeId = cmbType->currentData().toInt();
    try {
        SaveTelephoneNumber(mBook.database(), mPersonId, mTypeId, typeId, txtNumber->text());
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    mStored = StoredNumber{typeId, cmbType->currentText() + '\t' + txtNumber->text()};
    accept();
}

void PhoneNumberDialog::cancel()
{
    mStored.reset();
    QDialog::reject();
}

void PhoneNumberDialog::reject()
{
    cancel();
}

} // namespace varnelle
