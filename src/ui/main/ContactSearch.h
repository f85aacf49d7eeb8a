#pragma once

#include "store/SearchIndex.h"

#include <QObject>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QListView;
class QWidget;

namespace varnelle {

class AddressBook;
class ContactListModel;
class ContactSearchFilter;
class LiveSearchIndex;

// The search box above the contact list and its count line: the list
// narrowed to the contacts of the view that match the words typed, as they
// are typed (ContactSearchFilter over the list's model, LiveSearchIndex for
// the words). Ctrl+F, and "/" typed in the list, go to the box; in the box,
// Escape clears it and goes back to the list, Enter edits the chosen contact
// (editRequested) and Down goes to the list.
class ContactSearch : public QObject {
    Q_OBJECT
public:
    // Takes the window's box and count line, and makes the model the list
    // shows; window takes the Ctrl+F shortcut.
    ContactSearch(AddressBook &book, ContactListModel &contacts, QListView &list, QLineEdit *box, QLabel *count,
                  QWidget *window);

    QLineEdit *box() const { return mBox; }
    QLabel *countLine() const { return mCount; }
    // What the list shows of the contacts.
    ContactSearchFilter *filter() const { return mFiltered; }

    // Lists the contacts of the view that match text; an empty text lists
    // them all. A search chooses its first match; the whole list again keeps
    // the contact chosen.
    void searchFor(const QString &text);
    void focus();
    // A contact of the window's own making: indexed again, and kept in view
    // by a search that is active.
    void contactChanged(std::int32_t personId);
    // The book changed past the window: the index is read again, at once
    // when a search is shown.
    void readAgain();
    void showCount();

signals:
    void editRequested();
    // The search lists nothing in this view but finds contacts in the other,
    // and the user asks to see them (the count line's link, or Enter).
    void otherViewRequested();
    // The search chose another contact, or none.
    void choiceChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The contacts of the other view that match the search; read from the
    // book the first time it is asked after a change.
    qsizetype otherViewMatches();

    AddressBook &mBook;
    ContactListModel &mContacts;
    QListView &mList;
    QLineEdit *mBox = nullptr;
    QLabel *mCount = nullptr;
    LiveSearchIndex *mIndex = nullptr;
    ContactSearchFilter *mFiltered = nullptr;
    std::optional<SearchIndex> mOtherView;
};

} // namespace varnelle
