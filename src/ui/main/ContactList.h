#pragma once

#include "ui/main/ContactListModel.h"
#include "ui/widgets/WindowPlacement.h"

#include <QObject>
#include <cstdint>
#include <optional>

class QListView;

namespace varnelle {

class AddressBook;
class ContactSearch;
class ContactSearchFilter;
class DatabaseError;

// The contact list of the view and what the main window's buttons do to it:
// Add, Edit, Delete and the switch of the view. The list follows the book:
// this window's own changes place their lines themselves, changes made
// elsewhere are read before an operation (AddressBook::refreshIfChanged), and
// the current row (not the selection) stays on the contact just handled.
class ContactList : public QObject {
    Q_OBJECT
public:
    ContactList(AddressBook &book, QListView &view, ContactListModel &contacts, ContactSearch &search,
                QObject *parent = nullptr);

    // The list of the current view, read again from the book.
    void fill();
    // The list line of a contact as the book holds it now.
    QString formatLine(std::int32_t personId);
    // The row selected in the list; -1 when none is.
    int selectedRow() const;
    // True while this list changes contacts itself, and follows the changes.
    bool isChangingContacts() const { return mChangingContacts; }

    void addContact();
    void editContact();
    // Chooses the contact in the list of its view, switching the view and
    // clearing a search that hides it, and opens the editor on it.
    void editContactNumbered(std::int32_t personId);
    void deleteContact();
    void switchView();

signals:
    // Another contact is chosen, or none.
    void choiceChanged();
    // A failure the program cannot go on from: the window ends it.
    void failed(const QString &message);

private:
    void failWith(const QString &message);
    // Another program holds the book, or it is damaged: the action is refused
    // with the message and the window stays (File > Repair Database can be
    // reached). Any other failure ends as failWith does.
    void refuseOrFail(const DatabaseError &error);
    void removeContact(std::int32_t personId);
    // The contact's company as the list draws it; empty when it has none.
    QString companyOf(std::int32_t personId) const;
    // The row of a contact as the book holds it now.
    ContactListModel::Entry readEntry(std::int32_t personId);
    // Lists a contact as the book holds it now, at its sorted place; returns its row.
    int listContact(std::int32_t personId);
    // Takes a row off the list, leaving nothing selected.
    void unlistRow(int row);
    // Opens the editor on the selected contact; the contact saved, or none.
    std::optional<std::int32_t> editSelectedContact();
    // Brings the list up to date with changes made elsewhere, keeping the
    // chosen contact chosen; its row, or -1 when none is chosen or it is gone.
    int chosenRowFollowingBook();
    // Puts the current row (not the selection) on a row of the list, or on
    // the last one when the list ends before it.
    void placeCurrentRow(int row);
    QModelIndex shownIndexOf(std::int32_t personId) const;
    // What the list shows of mContacts.
    const ContactSearchFilter &filtered() const;

    AddressBook &mBook;
    QListView &mView;
    ContactListModel &mContacts;
    ContactSearch &mSearch;
    bool mFailed = false;
    bool mChangingContacts = false;
    DialogPlaces mDialogPlaces; // of the contact editor and the number dialog
};

} // namespace varnelle
