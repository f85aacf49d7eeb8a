// The main window's contact list, its buttons and the business/personal view.
#include "ui/main/MainWindow.h"

#include "ui/main/ContactLines.h"
#include "ui/Forms.h"
#include "ui/Globals.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SortedLists.h"
#include "store/Contacts.h"
#include "store/DatabaseError.h"
#include "store/Setup.h"
#include "ui/contact/ContactDialog.h"
#include "ui/main/RepairCommand.h"
#include "store/Database.h"

#include <QListWidget>
#include <QPushButton>

namespace varnelle {

void MainWindow::SetButtons()
{
    const bool selected = SelectedEntry(lstAddress) != nullptr;
    cmdEdit->setEnabled(selected);
    cmdDelete->setEnabled(selected);
}

void MainWindow::FillList()
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

QString MainWindow::FormatLine(std::int32_t personId)
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

void MainWindow::DeleteContact(std::int32_t personId)
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

void MainWindow::cmdAdd_Click()
{
    std::int32_t personId = 0;
    try {
        if (ReopenIfReplaced(gDatabase, DatabaseFileName, "gDatabase"))
            FillList();
        personId = AddContact(gDatabase, gIsBusiness);
    } catch (const DatabaseError &error) {
        // Another program holds the book, or it is damaged: refused, and the window stays (File > Repair Database).
        if (error.kind() != DatabaseError::Kind::Busy && error.kind() != DatabaseError::Kind::Damaged)
            FatalError(error.message());
        MsgBox(error.message(), MsgRefusal);
        return;
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

void MainWindow::cmdEdit_Click()
{
    QListWidgetItem *item = SelectedEntry(lstAddress);
    if (!item)
        return;
    gPersonID = ItemData(item);
    Form<ContactDialog>().exec();
    if (gPersonID == 0)
        return;
    RemoveEntry(lstAddress, item);
    AddListEntry(lstAddress, FormatLine(gPersonID), gPersonID);
    SetButtons();
}

void MainWindow::cmdDelete_Click()
{
    QListWidgetItem *item = SelectedEntry(lstAddress);
    if (!item)
        return;
    if (MsgBox("Delete " + NameOfLine(item->text()) + "?", MsgConfirm) != AnswerYes)
        return;
    DeleteContact(ItemData(item));
    SetButtons();
}

void MainWindow::cmdSwap_Click()
{
    try {
        ReopenIfReplaced(gDatabase, DatabaseFileName, "gDatabase");
        gIsBusiness = SwapSetupView(gDatabase);
    } catch (const DatabaseError &error) {
        // Another program holds the book, or it is damaged: refused, and the window stays (File > Repair Database).
        if (error.kind() != DatabaseError::Kind::Busy && error.kind() != DatabaseError::Kind::Damaged)
            FatalError(error.message());
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    FillList();
}

} // namespace varnelle
