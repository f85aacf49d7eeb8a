#include "ui/types/PhoneTypesDialog.h"

#include "ui/widgets/Controls.h"
#include "ui/Forms.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/Globals.h"
#include "ui/widgets/ListKeys.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SingleSelection.h"
#include "ui/widgets/SortedLists.h"
#include "ui/widgets/StoreLengthValidator.h"
#include "store/DatabaseError.h"
#include "store/TelephoneTypes.h"
#include "ui/main/MainWindow.h"

#include <QLineEdit>
#include <QListWidget>

namespace varnelle {

PhoneTypesDialog::PhoneTypesDialog(QWidget *parent)
    : QDialog(parent)
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
    connect(lstData, &QListWidget::itemSelectionChanged, this, &PhoneTypesDialog::SetButtons);
    connect(lstData, &QListWidget::itemDoubleClicked, this, &PhoneTypesDialog::Rename);
    OnEnterWithSelection(lstData, [this] { Rename(); });
    connect(cmdAdd, &QPushButton::clicked, this, &PhoneTypesDialog::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &PhoneTypesDialog::Rename);
    connect(cmdDelete, &QPushButton::clicked, this, &PhoneTypesDialog::cmdDelete_Click);
    connect(cmdOK, &QPushButton::clicked, this, &PhoneTypesDialog::cmdOK_Click);

    // Load
    adjustSize();
    CenterForm(*this);
    SetButtons();
    cmdAdd->setEnabled(false);
    fillList();
}

void PhoneTypesDialog::fillList()
{
    // Whatever can be read is listed; a failure leaves the list as far as it got.
    try {
        for (const TelephoneTypeRow &row : ListTelephoneTypes(gDatabase))
            AddListEntry(lstData, row.name, row.typeId);
    } catch (const DatabaseError &) {
    }
}

void PhoneTypesDialog::FillListAgain()
{
    lstData->clear();
    fillList();
    SetButtons();
}

void PhoneTypesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    txtType->setFocus();
}

void PhoneTypesDialog::SetButtons()
{
    const bool selected = SelectedEntry(lstData) != nullptr;
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void PhoneTypesDialog::cmdAdd_Click()
{
    TelephoneTypeRow row;
    try {
        row = AddTelephoneType(gDatabase, txtType->text());
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    lstData->setCurrentItem(AddListEntry(lstData, row.name, row.typeId));
    gTypesChanged = true;
    txtType->clear();
    txtType->setFocus();
}

void PhoneTypesDialog::Rename()
{
    QListWidgetItem *selected = SelectedEntry(lstData);
    if (!selected)
        return;
    const QString answer = InputBox("What is the type of telphone number?", selected->text());
    if (!answer.isEmpty()) {
        TelephoneTypeRow row;
        try {
            row = RenameTelephoneType(gDatabase, ItemData(selected), answer);
        } catch (const DatabaseError &error) {
            MsgBox(error.message(), MsgRefusal);
            return;
        }
        delete selected;
        lstData->setCurrentItem(AddListEntry(lstData, row.name, row.typeId));
        gTypesChanged = true;
    }
    SetButtons();
}

void PhoneTypesDialog::cmdDelete_Click()
{
    QListWidgetItem *selected = SelectedEntry(lstData);
    if (!selected)
        return;
    const QString name = selected->text();
    const std::int32_t typeId = ItemData(selected);
    try {
        if (TelephoneTypeInUse(gDatabase, typeId)) {
            MsgBox("Cannot delete " + name + ".", MsgRefusal);
        } else if (MsgBox("Are you sure you want to delete " + name + "?", MsgConfirm) == AnswerYes) {
            DeleteTelephoneType(gDatabase, typeId);
            RemoveEntry(lstData, selected);
            gTypesChanged = true;
            txtType->setFocus();
        }
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    SetButtons();
}

void PhoneTypesDialog::cmdOK_Click()
{
    Form<MainWindow>().show();
    hide();
}

void PhoneTypesDialog::reject()
{
    cmdOK_Click();
}

} // namespace varnelle
