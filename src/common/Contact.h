#pragma once

#include "common/ContactDetails.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <QStringView>
#include <array>

namespace varnelle {

// A telephone number with the name of its type ("Work", "Home Fax"); the
// type name is empty when the number's type has no row.
struct PhoneNumber {
    QString type;
    QString number;
    bool operator==(const PhoneNumber &) const = default;
};

// The most characters a telephone number and a type name hold.
inline constexpr int PhoneNumberSize = 20;
inline constexpr int PhoneTypeSize = 20;

// One contact: the text fields of its Address row, its view, its
// telephone numbers in TypeID order, and its details. A text field holds the
// whole value, which may be longer than its column: the store keeps the part
// that fits in the column and the whole value among the details.
struct Contact {
    QString title;
    QString firstName;
    QString lastName;
    QString company;
    QString street;
    QString city;
    QString state;
    QString zipCode;
    QString email;
    QString spouse;
    QString children;
    QList<PhoneNumber> telephones;
    bool isBusiness = false;
    std::int32_t personId = 0; // the book's key; 0 for a contact not (yet) in the book
    QString uid;               // the contact's identity in other programs: its sync state's, when it has one
    ContactDetails details;
};

// A text field of a contact: its column in table Address, its caption in
// messages and CSV headings, the most characters it holds, and where a
// Contact keeps it.
struct ContactField {
    const char *column;
    const char *caption;
    int size;
    QString Contact::*member;
};

inline constexpr std::size_t ContactFieldCount = 11;

// The text fields of table Address, in the table's order.
const std::array<ContactField, ContactFieldCount> &ContactFields();

// The field of that column, compared without regard to case; null when none.
const ContactField *FindContactField(QStringView column);

} // namespace varnelle
