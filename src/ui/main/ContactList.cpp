#include "ui/main/ContactList.h"

#include "ui/contact/ContactDialog.h"
#include "ui/main/ContactLines.h"
#include "ui/main/ContactListModel.h"
#include "ui/main/ContactSearch.h"
#include "ui/main/ContactSearchFilter.h"
#include "ui/widgets/MessageBox.h"
#include "store/AddressBook.h"
#include "store/Contacts.h"
#include "store/DatabaseError.h"
#include "store/Database.h"

#include <QListView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSqlQuery>

namespace varnelle {

ContactList::ContactList(AddressBook &book, QListView &view, ContactListModel &contacts, ContactSearch &search,
                         QObject *parent)
    : QObject(parent), mBook(book), mView(view), mContacts(contacts), mSearch(search)
{
    mContacts.setCompanyReader([this](std::int32_t personId) { return companyOf(personId); });
}

QString ContactList::companyOf(std::int32_t personId) const
{
    try {
        const std::optional<Contact> contact = ReadContactFields(mBook.database(), personId);
        return contact ? contact->company.simplified() : QString();
    } catch (const DatabaseError &) {
        return {}; // drawn without; the list's own reading reports the failure
    }
}

void ContactList::failWith(const QString &message)
{
    mFailed = true;
    emit failed(message);
}

void ContactList::refuseOrFail(const DatabaseError &error)
{
    if (error.kind() != DatabaseError::Kind::Busy && error.kind() != DatabaseError::Kind::Damaged) {
        failWith(error.message());
        return;
    }
    ShowRefusal(error.message());
}

const ContactSearchFilter &ContactList::filtered() const
{
    return *mSearch.filter();
}

int ContactList::selectedRow() const
{
    const QModelIndexList selected = mView.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : filtered().mapToSource(selected.first()).row();
}

void ContactList::fill()
{
    std::vector<ContactListModel::Entry> entries;
    try {
        // An empty view reads nothing further.
        mContacts.setHasCompanies(false);
        if (ViewHasContacts(mBook.database(), mBook.isBusiness())) {
            QSqlQuery companies = RunQuery(mBook.database(),
                                           "SELECT EXISTS (SELECT 1 FROM Address WHERE IsBusiness = ? "
                                           "AND Company IS NOT NULL AND Company <> '')",
                                           {mBook.isBusiness()});
            mContacts.setHasCompanies(companies.next() && companies.value(0).toBool());
            const LinePadder padder(mView.font());
            ReadContactLines(mBook.database(), mBook.isBusiness(), [&](const ContactLine &contact) {
                entries.push_back(ContactListModel::makeEntry(contact, padder));
            });
        }
    } catch (const DatabaseError &error) {
        // A damaged file lists what it can: the start-up check has told the user.
        if (error.kind() != DatabaseError::Kind::Damaged) {
            mContacts.setEntries({});
            failWith(error.message());
            return;
        }
    }
    // The number column as wide as the widest number, measured as the lines are.
    const LinePadder padder(mView.font());
    QString widest;
    qreal widestWidth = 0;
    for (const ContactListModel::Entry &entry : entries) {
        if (const qreal width = padder.Width(entry.number); width > widestWidth) {
            widestWidth = width;
            widest = entry.number;
        }
    }
    mContacts.setEntries(std::move(entries));
    mContacts.noteNumber(widest, widestWidth);
    emit choiceChanged();
}

QString ContactList::formatLine(std::int32_t personId)
{
    return readEntry(personId).line;
}

ContactListModel::Entry ContactList::readEntry(std::int32_t personId)
{
    std::optional<ContactLine> contact;
    try {
        contact = ReadContactLine(mBook.database(), personId);
    } catch (const DatabaseError &error) {
        failWith(error.message());
    }
    // A contact that is gone reads like one without names and numbers.
    return ContactListModel::makeEntry(contact.value_or(ContactLine{personId, {}, {}, false, {}}), LinePadder(mView.font()));
}

int ContactList::listContact(std::int32_t personId)
{
    if (!mContacts.hasCompanies())
        mContacts.setHasCompanies(!companyOf(personId).isEmpty());
    ContactListModel::Entry entry = readEntry(personId);
    mContacts.noteNumber(entry.number, LinePadder(mView.font()).Width(entry.number));
    return mContacts.addEntry(std::move(entry));
}

void ContactList::unlistRow(int row)
{
    mContacts.removeRowAt(row);
    mView.clearSelection();
}

void ContactList::placeCurrentRow(int row)
{
    const int count = mContacts.rowCount();
    if (count == 0)
        return;
    const QModelIndex shown = filtered().mapFromSource(mContacts.index(qBound(0, row, count - 1)));
    // The pale current row only: what is selected follows its own rules.
    if (shown.isValid())
        mView.selectionModel()->setCurrentIndex(shown, QItemSelectionModel::NoUpdate);
}

void ContactList::removeContact(std::int32_t personId)
{
    try {
        QScopedValueRollback changing(mChangingContacts, true);
        DeleteContactWithNumbers(mBook.database(), personId);
        mBook.notifyContactsChanged();
    } catch (const DatabaseError &error) {
        ShowRefusal(error.message());
        return;
    }
    if (const int row = mContacts.rowOf(personId); row >= 0) {
        unlistRow(row);
        placeCurrentRow(row); // its neighbour
    }
}

void ContactList::addContact()
{
    std::int32_t personId = 0;
    try {
        mBook.refreshIfChanged(); // another program's repair or import: the lists follow the book
        personId = AddContact(mBook.database(), mBook.isBusiness());
    } catch (const DatabaseError &error) {
        refuseOrFail(error);
        return;
    }
    mSearch.contactChanged(personId);
    const int row = listContact(personId);
    if (mFailed)
        return;
    const QModelIndex added = filtered().mapFromSource(mContacts.index(row));
    mView.selectionModel()->setCurrentIndex(added, QItemSelectionModel::ClearAndSelect);
    mView.scrollTo(added);
    const std::optional<std::int32_t> saved = editSelectedContact();
    if (mFailed)
        return;
    if (!saved)
        removeContact(personId);
    emit choiceChanged();
}

void ContactList::editContact()
{
    if (chosenRowFollowingBook() >= 0)
        editSelectedContact();
}

void ContactList::editContactNumbered(std::int32_t personId)
{
    std::optional<bool> view;
    try {
        mBook.refreshIfChanged();
        view = ContactView(mBook.database(), personId);
    } catch (const DatabaseError &error) {
        refuseOrFail(error);
        return;
    }
    if (!view) {
        ShowRefusal(tr("This contact is no longer in the address book: it was deleted elsewhere."));
        return;
    }
    if (*view != mBook.isBusiness())
        switchView();
    if (!shownIndexOf(personId).isValid())
        mSearch.searchFor({});
    const QModelIndex shown = shownIndexOf(personId);
    if (!shown.isValid())
        return;
    mView.selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect);
    mView.scrollTo(shown);
    editContact();
}

int ContactList::chosenRowFollowingBook()
{
    const int row = selectedRow();
    if (row < 0)
        return -1;
    const std::int32_t personId = mContacts.personIdAt(row);
    try {
        if (!mBook.refreshIfChanged())
            return row;
    } catch (const DatabaseError &error) {
        refuseOrFail(error);
        return -1;
    }
    const QModelIndex shown = shownIndexOf(personId);
    if (!shown.isValid()) {
        ShowRefusal(tr("This contact is no longer in the address book: it was deleted elsewhere."));
        return -1;
    }
    mView.selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect);
    return filtered().mapToSource(shown).row();
}

QModelIndex ContactList::shownIndexOf(std::int32_t personId) const
{
    const int row = mContacts.rowOf(personId);
    return row < 0 ? QModelIndex() : filtered().mapFromSource(mContacts.index(row));
}

std::optional<std::int32_t> ContactList::editSelectedContact()
{
    const int row = selectedRow();
    if (row < 0)
        return std::nullopt;
    const std::int32_t personId = mContacts.personIdAt(row);
    std::optional<std::int32_t> saved;
    bool numbersChanged = false;
    {
        QScopedValueRollback changing(mChangingContacts, true);
        ContactDialog editor(mBook, personId, nullptr, &mDialogPlaces);
        editor.exec();
        saved = editor.savedContact();
        numbersChanged = editor.numbersChanged();
    }
    // What a sync or another program changed while the editor was open: the
    // list is filled again from the book, the contact chosen as it was.
    bool refilled = false;
    try {
        refilled = mBook.refreshIfChanged();
    } catch (const DatabaseError &error) {
        refuseOrFail(error);
        return saved;
    }
    if (refilled) {
        // After a cancel the contact stays chosen; after a save nothing is,
        // and the contact is the current row.
        if (const QModelIndex shown = shownIndexOf(personId); shown.isValid())
            mView.selectionModel()->setCurrentIndex(
                shown, saved ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
        emit choiceChanged();
        return saved;
    }
    if (!saved) {
        if (numbersChanged) { // stored at once, so the line shows them after a cancel too
            mSearch.contactChanged(personId);
            unlistRow(mContacts.rowOf(personId));
            const QModelIndex relisted = filtered().mapFromSource(mContacts.index(listContact(personId)));
            mView.selectionModel()->setCurrentIndex(relisted, QItemSelectionModel::ClearAndSelect);
            emit choiceChanged();
        }
        return std::nullopt;
    }
    mSearch.contactChanged(*saved);
    unlistRow(mContacts.rowOf(personId));
    placeCurrentRow(listContact(*saved));
    emit choiceChanged();
    return saved;
}

void ContactList::deleteContact()
{
    const int row = chosenRowFollowingBook();
    if (row < 0)
        return;
    const QString name = mContacts.index(row).data(ContactListModel::NameRole).toString();
    if (!AskYesNo(tr("Delete %1?").arg(name)))
        return;
    removeContact(mContacts.personIdAt(row));
    emit choiceChanged();
}

void ContactList::switchView()
{
    try {
        mBook.refreshIfChanged();
        mBook.switchView(); // the list follows the view
    } catch (const DatabaseError &error) {
        refuseOrFail(error);
    }
}

} // namespace varnelle
