#pragma once

#include "common/Contact.h"
#include "store/DetailTables.h"

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace varnelle {

// Whole contacts, with their numbers, for reading and writing many at once
// (exports and imports).

enum class ContactScope { All, Business, Personal };

// The most numbers any contact of the scope has. Throws DatabaseError.
int MostNumbers(const QSqlDatabase &db, ContactScope scope);

// The most details of each kind any contact of the scope has (MostDetails). Throws DatabaseError.
DetailCounts MostDetails(const QSqlDatabase &db, ContactScope scope);

// Hands each contact of the scope, with its PersonID, its numbers in TypeID
// order and their type names, to each, in the order of the list: business contacts first,
// then by last and first name (in the program's collation where the
// connection can learn it) and PersonID. A number whose type has no row is
// left out. Throws DatabaseError.
// ContactOrder::Stored hands them in the order of their PersonIDs instead,
// which takes no sorting.
// ContactContent::WithDetails also reads each contact's details and gives
// its fields cut to fit their columns their whole values back (DetailReader).
enum class ContactOrder { List, Stored };
enum class ContactContent { Rows, WithDetails };
void ReadContactsWithNumbers(const QSqlDatabase &db, ContactScope scope,
                             const std::function<void(const Contact &)> &each,
                             ContactOrder order = ContactOrder::List, ContactContent content = ContactContent::Rows);

// One contact as the store holds it, its texts in UTF-8, valid only while
// it is being handed over: for writers that copy bytes as they are.
struct ContactRow {
    std::int32_t personId = 0;
    bool isBusiness = false;
    std::array<QByteArrayView, ContactFieldCount> fields; // in the order of ContactFields()
    QByteArrayView packedNumbers;                          // read with nextNumber()

    // The number after `at` (0 for the first), in TypeID order, with its
    // type's name; false when there is none left.
    bool nextNumber(qsizetype &at, QByteArrayView &type, QByteArrayView &number) const;
};

// The same as ReadContactsWithNumbers, each contact handed over as a row of bytes.
void ReadContactRows(const QSqlDatabase &db, ContactScope scope, const std::function<void(const ContactRow &)> &each,
                     ContactOrder order = ContactOrder::List);

// Hands the names, company and e-mail address of every contact to each, in no
// particular order; the other fields are left empty. Throws DatabaseError.
void ReadContactNames(const QSqlDatabase &db, const std::function<void(const Contact &)> &each);

// Adds contacts, numbers and types through statements prepared once on the
// connection's SQLite handle, values bound as they stand, for many additions
// inside one transaction of the caller. Throws DatabaseError.
class ContactInserter {
public:
    explicit ContactInserter(const QSqlDatabase &db);
    ~ContactInserter();
    ContactInserter(const ContactInserter &) = delete;
    ContactInserter &operator=(const ContactInserter &) = delete;

    // Adds the contact's view and text fields (an empty text is stored as
    // Null; a text longer than its column as the part that fits), and its
    // details with the whole values of those longer texts (DetailWriter),
    // not its numbers; returns the PersonID the store gave it.
    std::int32_t addContact(const Contact &contact);
    void addNumber(std::int32_t personId, std::int32_t typeId, const QString &number);
    // Adds a type named exactly as given and returns its TypeID.
    std::int32_t addType(const QString &name);

private:
    struct Statements;
    QString mFile;
    std::unique_ptr<Statements> mStatements;
    std::unique_ptr<DetailWriter> mDetails;
};

} // namespace varnelle
