#pragma once

#include "interchange/ContactRecord.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace varnelle::sync {

// What the book holds of a contact, as sync compares it: the eleven fields
// of table Address in their order (ContactFields) and one number
// per telephone type, the type compared without regard to letter case.
struct BookValues {
    QStringList fields;
    QList<QPair<QString, QString>> numbers;

    // Trims, writes children as "A, B", drops empty numbers and every number
    // after the first of its type.
    static BookValues normalized(const QStringList &fields, const QList<QPair<QString, QString>> &numbers);
    QString number(const QString &type) const; // empty when none
    QStringList typeKeys() const;              // lower case, in order
    bool operator==(const BookValues &other) const;
};

// Whether two numbers are the same but for their visual separators (spaces,
// '-', '.', brackets), as a tel: URI writes them.
bool SameNumber(const QString &a, const QString &b);

enum BookField { Title, FirstName, LastName, Company, Street, State, City, ZipCode, EMail, Spouse, Children };

// The values of a card that the book can hold; every value too long for its
// field, and every number with a type or number too long, is left out and
// told in notFitted ("First Name: Bartholomew-Alexander").
BookValues FitToBook(const interchange::ContactRecord &record, QStringList *notFitted = nullptr);

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
