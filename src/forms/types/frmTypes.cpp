#include "forms/types/frmTypes.h"

#include "app/Controls.h"
#include "app/Forms.h"
#include "app/FormHelpers.h"
#include "app/Globals.h"
#include "app/ListKeys.h"
#include "app/MessageBox.h"
#include "app/SingleSelection.h"
#include "app/SortedLists.h"
#include "app/TextBoxes.h"
#include "data/DatabaseError.h"
#include "data/TelephoneTypes.h"
#include "forms/main/frmMain.h"

#include <QLineEdit>
#include <QListWidget>

namespace varnelle {

frmTypes::frmTypes(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("frmTypes");
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
    connect(lstData, &QListWidget::itemSelectionChanged, this, &frmTypes::SetButtons);
    connect(lstData, &QListWidget::itemDoubleClicked, this, &frmTypes::Rename);
    OnEnterWithSelection(lstData, [this] { Rename(); });
    connect(cmdAdd, &QPushButton::clicked, this, &frmTypes::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmTypes::Rename);
    connect(cmdDelete, &QPushButton::clicked, this, &frmTypes::cmdDelete_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTypes::cmdOK_Click);

    // Load
    adjustSize();
    CenterForm(*this);
    SetButtons();
    cmdAdd->setEnabled(false);
    fillList();
}

void frmTypes::fillList()
{
    // Whatever can be read is listed; a failure leaves the list as far as it got.
    try {
        for (const TelephoneTypeRow &row : ListTelephoneTypes(gDatabase))
            AddListEntry(lstData, row.name, row.typeId);
    } catch (const DatabaseError &) {
    }
}

void frmTypes::FillListAgain()
{
    lstData->clear();
    fillList();
    SetButtons();
}

void frmTypes::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    txtType->setFocus();
}

void frmTypes::SetButtons()
{
    const bool selected = SelectedEntry(lstData) != nullptr;
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void frmTypes::cmdAdd_Click()
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

void frmTypes::Rename()
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

void frmTypes::cmdDelete_Click()
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

void frmTypes::cmdOK_Click()
{
    Form<frmMain>().show();
    hide();
}

void frmTypes::reject()
{
    cmdOK_Click();
}

} // namespace varnelle
