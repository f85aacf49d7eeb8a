// The main window's contact list, its buttons and the business/personal view.
#include "ui/main/MainWindow.h"

#include "ui/contact/ContactDialog.h"
#include "ui/main/ContactLines.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SortedLists.h"
#include "store/AddressBook.h"
#include "store/Contacts.h"
#include "store/DatabaseError.h"

#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

namespace varnelle {

void MainWindow::setButtons()
{
    const bool selected = SelectedEntry(mContactList) != nullptr;
    mEditButton->setEnabled(selected);
    mDeleteButton->setEnabled(selected);
}

void MainWindow::fillList()
{
    mContactList->clear();
    std::vector<ListEntry> entries;
    try {
        // An empty view reads nothing further.
        if (ViewHasContacts(mBook.database(), mBook.isBusiness())) {
            const LinePadder padder(font());
            ReadContactLines(mBook.database(), mBook.isBusiness(), [&](const ContactLine &contact) {
                entries.emplace_back(ContactListLine(contact, padder), contact.personId);
            });
        }
    } catch (const DatabaseError &error) {
        // A damaged file lists what it can: the start-up check has told the user.
        if (error.kind() != DatabaseError::Kind::Damaged) {
            failWith(error.message());
            return;
        }
    }
    FillSortedList(mContactList, std::move(entries));
    mViewButton->setText(mBook.isBusiness() ? tr("&Business") : tr("&Personal"));
    setButtons();
}

QString MainWindow::formatLine(std::int32_t personId)
{
    std::optional<ContactLine> contact;
    try {
        contact = ReadContactLine(mBook.database(), personId);
    } catch (const DatabaseError &error) {
        failWith(error.message());
    }
    // A contact that is gone reads like one without names and numbers.
    return ContactListLine(contact.value_or(ContactLine{personId, {}, {}, false, {}}), LinePadder(font()));
}

void MainWindow::removeContact(std::int32_t personId)
{
    try {
        QScopedValueRollback changing(mChangingContacts, true);
        DeleteContactWithNumbers(mBook.database(), personId);
        mBook.notifyContactsChanged();
    } catch (const DatabaseError &error) {
        MsgBox(error.message(), MsgRefusal);
        return;
    }
    for (int row = 0; row < mContactList->count(); ++row) {
        if (ItemData(mContactList->item(row)) == personId) {
            RemoveEntry(mContactList, mContactList->item(row));
            return;
        }
    }
}

void MainWindow::addContact()
{
    std::int32_t personId = 0;
    try {
        personId = AddContact(mBook.database(), mBook.isBusiness());
    } catch (const DatabaseError &error) {
        failWith(error.message());
        return;
    }
    QListWidgetItem *item = AddListEntry(mContactList, formatLine(personId), personId);
    if (mFailed)
        return;
    mContactList->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    mContactList->scrollToItem(item);
    const std::optional<std::int32_t> saved = editSelectedContact();
    if (mFailed)
        return;
    if (!saved)
        removeContact(personId);
    setButtons();
}

void MainWindow::editContact()
{
    editSelectedContact();
}

std::optional<std::int32_t> MainWindow::editSelectedContact()
{
    QListWidgetItem *item = SelectedEntry(mContactList);
    if (!item)
        return std::nullopt;
    std::optional<std::int32_t> saved;
    {
        QScopedValueRollback changing(mChangingContacts, true);
        ContactDialog editor(mBook, ItemData(item));
        editor.exec();
        saved = editor.savedContact();
    }
    if (!saved)
        return std::nullopt;
    RemoveEntry(mContactList, item);
    AddListEntry(mContactList, formatLine(*saved), *saved);
    setButtons();
    return saved;
}

void MainWindow::deleteContact()
{
    QListWidgetItem *item = SelectedEntry(mContactList);
    if (!item)
        return;
    if (MsgBox(tr("Delete %1?").arg(NameOfLine(item->text())), MsgConfirm) != AnswerYes)
        return;
    removeContact(ItemData(item));
    setButtons();
}

void MainWindow::switchView()
{
    try {
        mBook.switchView(); // the list follows the view
    } catch (const DatabaseError &error) {
        failWith(error.message());
    }
}

} // namespace varnelle
