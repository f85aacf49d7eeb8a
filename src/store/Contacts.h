#pragma once

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QObject;
class QSqlTableModel;

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

// The contact editor's view of its Address row: a table model holding the
// one row of personId (none when there is no such contact), with edits kept
// until StoreContactRow. Throws DatabaseError.
QSqlTableModel *OpenContactRow(const QSqlDatabase &db, std::int32_t personId, QObject *parent);

// The contact's Address row as stored now, every column in order; empty when
// there is no such contact. Compared with the values read when an editor
// opened, it tells whether a sync or another program changed the contact
// meanwhile. Throws DatabaseError.
QVariantList StoredContactValues(const QSqlDatabase &db, std::int32_t personId);

// Writes the pending edits of a row opened by OpenContactRow. A row that has
// gone from the store meanwhile is reported, not silently skipped.
// Throws DatabaseError; the pending edits are kept then.
void StoreContactRow(QSqlTableModel &row, std::int32_t personId);

} // namespace varnelle
