#include "ui/contact/PhoneNumberDialog.h"

#include "ui/widgets/DrawnLayout.h"
#include "ui/widgets/WidgetFactory.h"
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

PhoneNumberDialog::PhoneNumberDialog(AddressBook &book, std::int32_t personId, std::int32_t typeId, QWidget *parent, DialogPlaces *places)
    : QDialog(parent), mPlaces(places), mBook(book), mPersonId(personId), mTypeId(typeId)
{
    setObjectName("PhoneNumberDialog");
    setWindowTitle(tr("Telephone Number"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    SetClientSizeTwips(this, 5115, 2460);

    mTypeCombo = MakeControl<QComboBox>(this, "typeCombo", 1800, 240, 2175, 315);
    mTypeCombo->setEditable(false);
    UseButtonFace(mTypeCombo);
    mNumberBox = MakeControl<QLineEdit>(this, "numberBox", 1800, 720, 2175, 285);
    LimitToStoreLength(mNumberBox, 20);
    UseButtonFace(mNumberBox);
    mSaveButton = MakeButton(this, "saveButton", tr("&Save"), 1080, 1560, 1095, 615);
    mCancelButton = MakeButton(this, "cancelButton", tr("&Cancel"), 2760, 1560, 1095, 615);
    mTypeLabel = MakeLabel(this, "typeLabel", tr("&Type of Number:"), 480, 240, 1185, 195);
    SetLabelFor(mTypeLabel, mTypeCombo);
    mNumberLabel = MakeLabel(this, "numberLabel", tr("Telephone &Number:"), 240, 720, 1410, 195);
    SetLabelFor(mNumberLabel, mNumberBox);
    SetTabOrder({mTypeCombo, mNumberBox, mSaveButton, mCancelButton});
    LayOutAsDrawn(this);

    // Choosing a type, by the user (mouse, first letter, arrow keys) or by the
    // program, moves on to the number.
    auto toNumber = [this](int index) {
        if (index >= 0)
            mNumberBox->setFocus();
    };
    connect(mTypeCombo, &QComboBox::activated, this, toNumber);
    connect(mTypeCombo, &QComboBox::currentIndexChanged, this, toNumber);
    connect(mSaveButton, &QPushButton::clicked, this, &PhoneNumberDialog::save);
    connect(mCancelButton, &QPushButton::clicked, this, &PhoneNumberDialog::cancel);

    // Load
    adjustSize();
    if (mPlaces)
        mPlaces->place(*this);
    else
        CenterForm(*this);
    fillTypes();
}

void PhoneNumberDialog::fillTypes()
{
    mTypeCombo->clear();
    try {
        for (const TelephoneTypeRow &row : ListTelephoneTypes(mBook.database()))
            AddSortedComboEntry(mTypeCombo, row.name, row.typeId);
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
    }
    mTypeCombo->setCurrentIndex(-1); // the first entry added would otherwise be chosen
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
        ShowRefusal(error.message());
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    if (number) {
        mNumberBox->setText(*number);
    } else {
        mNumberBox->clear();
        mTypeCombo->setCurrentIndex(-1);
    }
    mTypeCombo->setEnabled(true);
    mTypeCombo->setFocus();
    const int index = mTypeCombo->findData(mTypeId);
    if (index >= 0) {
        mTypeCombo->setCurrentIndex(index);
        mTypeCombo->setEnabled(false);
        mNumberBox->setFocus();
    }
}

void PhoneNumberDialog::save()
{
    if (mNumberBox->text().isEmpty()) {
        ShowRefusal(tr("Please enter a telephone number."));
        mNumberBox->setFocus();
        return;
    }
    if (mTypeCombo->currentIndex() < 0) {
        ShowRefusal(tr("Please select a type of number."));
        mTypeCombo->setFocus();
        return;
    }
    const std::int32_t typeId = mTypeCombo->currentData().toInt();
    try {
        SaveTelephoneNumber(mBook.database(), mPersonId, mTypeId, typeId, mNumberBox->text());
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return;
    }
    mStored = StoredNumber{typeId, mTypeCombo->currentText() + '\t' + mNumberBox->text()};
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

void PhoneNumberDialog::hideEvent(QHideEvent *event)
{
    if (mPlaces)
        mPlaces->keep(*this);
    QDialog::hideEvent(event);
}

} // namespace varnelle
