#pragma once

#include "common/Contact.h"

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>


namespace varnelle {

// What the main window's list shows of a contact: its names and the number
// of its lowest TypeID. Null names read as empty strings.
struct ContactLine {
    std::int32_t personId = 0;
    QString lastName;
    QString firstName;
    bool hasNumber = false; // the contact has at least one number
    QString number;         // that number (empty when its value is Null)
};

// Whether any contact belongs to the view. Throws DatabaseError.
bool ViewHasContacts(const QSqlDatabase &db, bool isBusiness);

// Hands each contact of the view to each, in the order of the Name index
// (last name, then first name, without regard to the case of ASCII letters):
// nearly the list's order, which FillSortedList then completes with the
// program's collation. Throws DatabaseError.
void ReadContactLines(const QSqlDatabase &db, bool isBusiness, const std::function<void(const ContactLine &)> &each);

// One contact's line data, or nothing when there is no such contact.
// Throws DatabaseError.
std::optional<ContactLine> ReadContactLine(const QSqlDatabase &db, std::int32_t personId);

// The view a contact belongs to (true: business), or nothing when there is no
// such contact. Throws DatabaseError.
std::optional<bool> ContactView(const QSqlDatabase &db, std::int32_t personId);

// Adds a contact with nothing but its view and returns the PersonID the store
// gave it. Throws DatabaseError.
std::int32_t AddContact(const QSqlDatabase &db, bool isBusiness);

// Whether the contact's row exists. Throws DatabaseError.
bool ContactExists(const QSqlDatabase &db, std::int32_t personId);

// Removes a contact's row and all its telephone numbers in one transaction:
// either both go or nothing changes. Throws DatabaseError.
void DeleteContactWithNumbers(QSqlDatabase &db, std::int32_t personId);

// A line of the contact editor's number list.
struct ContactNumber {
    std::int32_t typeId = 0;
    QString typeName; // empty when the type has no row
    QString number;
};

// A contact's telephone numbers in ascending TypeID order, the order in which
// the types were made. Throws DatabaseError.
std::vector<ContactNumber> ReadContactNumbers(const QSqlDatabase &db, std::int32_t personId);

// Removes the contact's number of one type. Throws DatabaseError.
void DeleteContactNumber(const QSqlDatabase &db, std::int32_t personId, std::int32_t typeId);

// The contact's text fields and view as stored now (a Null field is a null
// QString, a stored '' an empty one), without its numbers; nothing when there
// is no such contact. Throws DatabaseError.
std::optional<Contact> ReadContactFields(const QSqlDatabase &db, std::int32_t personId);

// True when two readings of a contact's fields hold the same values, Null and
// '' told apart: a contact read again equal to the first reading was not
// changed elsewhere meanwhile.
bool SameStoredFields(const Contact &a, const Contact &b);

// Writes the text fields of edited that differ from read (the contact as it
// was read), and nothing else: a field the user did not change keeps what is
// stored, a stored '' stays '' and a Null stays Null; an emptied field is
// stored as Null. A contact that has gone from the store meanwhile is
// reported, not silently skipped. Throws DatabaseError.
void StoreChangedFields(const QSqlDatabase &db, std::int32_t personId, const Contact &read, const Contact &edited);

} // namespace varnelle
