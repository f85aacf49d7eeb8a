#include "ui/types/PhoneTypesDialog.h"

#include "ui/widgets/Controls.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SingleSelection.h"
#include "ui/widgets/SortedLists.h"
#include "ui/widgets/StoreLengthValidator.h"
#include "store/AddressBook.h"
#include "store/DatabaseError.h"
#include "store/TelephoneTypes.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>

namespace varnelle {

PhoneTypesDialog::PhoneTypesDialog(AddressBook &book, QWidget *parent)
    : QDialog(parent), mBook(book)
{
    setObjectName("PhoneTypesDialog");
    setWindowTitle("Telephone Types");
    SetClientSizeTwips(this, 5385, 4590);

    txtType = MakeControl<QLineEdit>(this, "txtType", 240, 240, 3615, 285);
    LimitToStoreLength(txtType, 20);
    UseButtonFace(txtType);
    lstData = MakeControl<QListWidget>(this, "lstData", 240, 720, 3615, 3765);
    lstData->setSortingEnabled(true);
    UseButtonFace(lstData);
    KeepSelectionOnceChosen(lstData);
    cmdAdd = MakeButton(this, "cmdAdd", "&Add", 4080, 720, 1095, 495);
    cmdEdit = MakeButton(this, "cmdEdit", "&Edit", 4080, 1440, 1095, 495);
    cmdDelete = MakeButton(this, "cmdDelete", "&Delete", 4080, 2160, 1095, 495);
    cmdOK = MakeButton(this, "cmdOK", "OK", 4080, 3120, 1095, 495);
    SetTabOrder({txtType, lstData, cmdAdd, cmdEdit, cmdDelete, cmdOK});

    connect(txtType, &QLineEdit::textChanged, this, [this](const QString &text) { cmdAdd->setEnabled(!text.isEmpty()); });
    connect(lstData, &QListWidget::itemSelectionChanged, this, &PhoneTypesDialog::setButtons);
    connect(lstData, &QListWidget::itemDoubleClicked, this, &PhoneTypesDialog::renameType);
    OnEnterWithSelection(lstData, [this] { renameType(); });
    connect(cmdAdd, &QPushButton::clicked, this, &PhoneTypesDialog::addType);
    connect(cmdEdit, &QPushButton::clicked, this, &PhoneTypesDialog::renameType);
    connect(cmdDelete, &QPushButton::clicked, this, &PhoneTypesDialog::deleteType);
    connect(cmdOK, &QPushButton::clicked, this, &PhoneTypesDialog::finish);
    connect(&mBook, &AddressBook::typesChanged, this, [this] {
        if (!mAnnouncing)
            fillListAgain();
    });

    // Load
    adjustSize();
    CenterForm(*this);
    setButtons();
    cmdAdd->setEnabled(false);
    fillList();
}

void PhoneTypesDialog::fillList()
{
    // Whatever can be read is listed; a failure leaves the list as far as it got.
    try {
        for (const TelephoneTypeRow &row : ListTelephoneTypes(mBook.database()))
            AddListEntry(lstData, row.name, row.typeId);
    } catch (const DatabaseError &) {
    }
}

void PhoneTypesDialog::fillListAgain()
{
    lstData->clear();
    fillList();
    setButtons();
}

void PhoneTypesDialog::announceTypesChanged()
{
    QScopedValueRollback announcing(mAnnouncing, true);
    mBook.notifyTypesChanged();
}

void PhoneTypesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    txtType->setFocus();
}

void PhoneTypesDialog::setButtons()
{
    const bool selected = SelectedEntry(lstData) != nullptr;
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void PhoneTypesDialog::addType()
{
    TelephoneTypeRow row;
    try {
        row = AddTelephoneType(mBook.database(), txtType->text());
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    lstData->setCurrentItem(AddListEntry(lstData, row.name, row.typeId));
    announceTypesChanged();
    txtType->clear();
    txtType->setFocus();
}

void PhoneTypesDialog::renameType()
{
    QListWidgetItem *selected = SelectedEntry(lstData);
    if (!selected)
        return;
    const QString answer = InputBox("What is the type of telphone number?", selected->text());
    if (!answer.isEmpty()) {
        TelephoneTypeRow row;
        try {
            row = RenameTelephoneType(mBook.database(), ItemData(selected), answer);
        } catch (const DatabaseError &error) {
            MsgBox(error.message(), MsgRefusal);
            return;
        }
        delete selected;
        lstData->setCurrentItem(AddListEntry(lstData, row.name, row.typeId));
        announceTypesChanged();
    }
    setButtons();
}

void PhoneTypesDialog::deleteType()
{
    QListWidgetItem *selected = SelectedEntry(lstData);
    if (!selected)
        return;
    const QString name = selected->text();
    const std::int32_t typeId = ItemData(selected);
    try {
        if (TelephoneTypeInUse(mBook.database(), typeId)) {
            MsgBox("Cannot delete " + name + ".", MsgRefusal);
        } else if (MsgBox("Are you sure you want to delete " + name + "?", MsgConfirm) == AnswerYes) {
            DeleteTelephoneType(mBook.database(), typeId);
            RemoveEntry(lstData, selected);
            announceTypesChanged();
            txtType->setFocus();
        }
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    setButtons();
}

void PhoneTypesDialog::finish()
{
    emit done();
    hide();
}

void PhoneTypesDialog::reject()
{
    finish();
}

} // namespace varnelle
