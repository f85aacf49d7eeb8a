#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <stdexcept>

namespace varnelle::interchange {

// A telephone number with its type in words ("Work", "Home Fax", "Mobile").
struct Telephone {
    QString type;
    QString number;
    bool operator==(const Telephone &) const = default;
};

// One contact as a vCard or CSV file carries it, before it meets the address
// book: the book's fields, the numbers, and a line for each value the book
// has no place for ("Note: call after six").
struct ContactRecord {
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
    QList<Telephone> telephones;
    QStringList unplaced;
    bool isBusiness = false; // written by exports (address type); imports choose the view themselves
    QString uid;             // written by exports when the contact has one (from its sync state)
    qsizetype line = 0;      // where the record starts in its file, from 1

    // A short name for messages: "Doe, Jane", else the company, the e-mail or the line.
    QString displayName() const;
};

// A text field of the book: its column in table Address, its caption in
// messages and CSV headings, and where a record keeps it.
struct BookField {
    const char *column;
    const char *caption;
    QString ContactRecord::*member;
};

// The eleven text fields of table Address, in the table's order.
const std::array<BookField, 11> &BookFields();

// A file that cannot be read as contacts, or a book that cannot take them;
// the message is a sentence for the user, naming the line where there is one.
class InterchangeError : public std::runtime_error {
public:
    explicit InterchangeError(const QString &message)
        : std::runtime_error(message.toStdString()), mMessage(message) {}
    QString message() const { return mMessage; }

private:
    QString mMessage;
};

// An error about one line of a file: "Line 12: ...".
InterchangeError LineError(qsizetype line, const QString &text);

// A postal address as a file gives it.
struct PostalAddress {
    QString label; // "work", "Home", "Address 2": for the summary
    QString poBox;
    QString extended;
    QString street;
    QString city;
    QString state;
    QString zipCode;
    QString country;
    bool preferred = false;
    bool isEmpty() const;
};

// Gathers the values of one record in the order a file gives them, then
// settles which address and which e-mail take the book's single fields;
// the others become unplaced lines.
class RecordBuilder {
public:
    explicit RecordBuilder(qsizetype line) { record.line = line; }

    ContactRecord record; // names, company and numbers are set directly

    void addAddress(const PostalAddress &address);
    void addEmail(const QString &email, bool preferred);
    void addSpouse(const QString &name);
    void addChild(const QString &name);
    void addTelephone(const QString &type, const QString &number);
    // Keeps "label: value" for the summary; an empty value is dropped.
    void addUnplaced(const QString &label, const QString &value);

    ContactRecord finish();

private:
    QList<PostalAddress> mAddresses;
    QStringList mEmails;
    qsizetype mPreferredEmail = -1;
    QStringList mChildren;
};

// Splits a whole name into title, first and last name: "Dr. Jane Q. Public",
// "Public, Jane". Used when a file gives no separate name parts.
void SplitWholeName(const QString &whole, ContactRecord &record);

} // namespace varnelle::interchange
