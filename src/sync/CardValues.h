#pragma once

#include "interchange/ContactRecord.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace varnelle::sync {

// What the book holds of a contact, as sync compares it: the eleven fields
// of table Address in their order (ContactFields) with their whole values,
// one number per telephone type, the type compared without regard to letter
// case, and the contact's details.
struct BookValues {
    QStringList fields;
    QList<QPair<QString, QString>> numbers;
    ContactDetails details;

    // Trims, writes children as "A, B", drops empty numbers, and moves every
    // number after the first of its type, and every number or type name too
    // long for the book's numbers, to the details' further numbers.
    static BookValues normalized(const QStringList &fields, const QList<QPair<QString, QString>> &numbers,
                                 const ContactDetails &details = {});
    QString number(const QString &type) const; // empty when none
    QStringList typeKeys() const;              // lower case, in order
    bool operator==(const BookValues &other) const;
};

// Whether two numbers are the same but for their visual separators (spaces,
// '-', '.', brackets), as a tel: URI writes them.
bool SameNumber(const QString &a, const QString &b);

enum BookField { Title, FirstName, LastName, Company, Street, State, City, ZipCode, EMail, Spouse, Children };

// The values of a card that the book holds; what it has no place for is
// told in notFitted ("Sound: not imported (binary data)"), and stays on the server.
BookValues FitToBook(const interchange::ContactRecord &record, QStringList *notFitted = nullptr);

// The parts of a contact's details, each merged and written back as a whole.
enum class DetailPart {
    MiddleName, NamePrefix, NameSuffix, DisplayName, Nicknames, OrgUnits, JobTitle, Role, Emails, Addresses,
    Country, Telephones, Birthday, Anniversary, Note, WebAddresses, Messaging, Social, Related, Categories, Photo
};
// The parts that differ between two contacts' details, in the order above.
QList<DetailPart> ChangedDetailParts(const ContactDetails &a, const ContactDetails &b);
// Sets one part of `to` to its value in `from`.
void CopyDetailPart(DetailPart part, const ContactDetails &from, ContactDetails &to);
// The part's name and its value as text, for the summary's conflicts.
QString DetailPartCaption(DetailPart part);
QString DetailPartText(DetailPart part, const ContactDetails &details);

// Reads one card's text. Throws interchange::InterchangeError.
interchange::ContactRecord ReadCard(const QByteArray &card);

// The card's UID, or an empty string.
QString CardUid(const QByteArray &card);

// A new vCard 3.0 of the values with the UID.
QByteArray NewCard(const BookValues &values, bool isBusiness, const QString &uid);

// The card with the values that differ between from and to replaced, and
// nothing else changed: the other properties, parameters, groups and order
// stay as they are. A missing UID is added.
QByteArray EditCard(const QByteArray &card, const BookValues &from, const BookValues &to, bool isBusiness,
                    const QString &uid);

} // namespace varnelle::sync
