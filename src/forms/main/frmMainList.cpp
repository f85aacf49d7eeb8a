// The main window's contact list, its buttons and the business/personal view.
#include "forms/main/frmMain.h"

#include "app/ContactLines.h"
#include "app/Forms.h"
#include "app/Globals.h"
#include "app/MessageBox.h"
#include "app/SortedLists.h"
#include "data/Contacts.h"
#include "data/DatabaseError.h"
#include "data/Setup.h"
#include "forms/contact/frmAddress.h"

#include <QListWidget>
#include <QPushButton>

namespace varnelle {

void frmMain::SetButtons()
{
    const bool selected = SelectedEntry(lstAddress) != nullptr;
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void frmMain::FillList()
{
    lstAddress->clear();
    std::vector<ListEntry> entries;
    try {
        // An empty view reads nothing further.
        if (ViewHasContacts(gDatabase, gIsBusiness)) {
            const LinePadder padder(font());
            ReadContactLines(gDatabase, gIsBusiness, [&](const ContactLine &contact) {
                entries.emplace_back(ContactListLine(contact, padder), contact.personId);
            });
        }
    } catch (const DatabaseError &error) {
        // A damaged file lists what it can: the start-up check has told the user.
        if (error.kind() != DatabaseError::Kind::Damaged)
            FatalError(error.message());
    }
    FillSortedList(lstAddress, std::move(entries));
    cmdSwap->setText(gIsBusiness ? "&Business" : "&Personal");
    SetButtons();
}

QString frmMain::FormatLine(std::int32_t personId)
{
    std::optional<ContactLine> contact;
    try {
        contact = ReadContactLine(gDatabase, personId);
    } catch (const DatabaseError &error) {
        FatalError(error.message());
    }
    // A contact that is gone reads like one without names and numbers.
    return ContactListLine(contact.value_or(ContactLine{personId, {}, {}, false, {}}), LinePadder(font()));
}

void frmMain::DeleteContact(std::int32_t personId)
{
    gRefreshCriteria = true;
    try {
        DeleteContactWithNumbers(gDatabase, personId);
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    for (int row = 0; row < lstAddress->count(); ++row) {
        if (ItemData(lstAddress->item(row)) == personId) {
            RemoveEntry(lstAddress, lstAddress->item(row));
            return;
        }
    }
}

void frmMain::cmdAdd_Click()
{
    std::int32_t personId = 0;
    try {
        personId = AddContact(gDatabase, gIsBusiness);
    } catch (const DatabaseError &error) {
        FatalError(error.message());
    }
    gPersonID = personId;
    QListWidgetItem *item = AddListEntry(lstAddress, FormatLine(gPersonID), gPersonID);
    lstAddress->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    lstAddress->scrollToItem(item);
    cmdEdit_Click();
    if (gPersonID == 0)
        DeleteContact(personId);
    SetButtons();
}

void frmMain::cmdEdit_Click()
{
    QListWidgetItem *item = SelectedEntry(lstAddress);
    if (!item)
        return;
    gPersonID = ItemData(item);
    Form<frmAddress>().exec();
    if (gPersonID == 0)
        return;
    RemoveEntry(lstAddress, item);
    AddListEntry(lstAddress, FormatLine(gPersonID), gPersonID);
    SetButtons();
}

void frmMain::cmdDelete_Click()
{
    QListWidgetItem *item = SelectedEntry(lstAddress);
    if (!item)
        return;
    if (MsgBox("Delete " + NameOfLine(item->text()) + "?", MsgConfirm) != AnswerYes)
        return;
    DeleteContact(ItemData(item));
    SetButtons();
}

void frmMain::cmdSwap_Click()
{
    try {
        gIsBusiness = SwapSetupView(gDatabase);
    } catch (const DatabaseError &error) {
        FatalError(error.message());
    }
    FillList();
}

} // namespace varnelle
