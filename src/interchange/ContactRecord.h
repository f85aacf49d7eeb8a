#pragma once

#include "common/Contact.h"
#include "common/Error.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace varnelle::interchange {

// One contact as a vCard or CSV file carries it, before it meets the address
// book: the book's fields and numbers (numbers with their type in words:
// "Work", "Home Fax", "Mobile"), and a line for each value the book has no
// place for ("Note: call after six"). isBusiness is written by exports (the
// address type); imports choose the view themselves.
struct ContactRecord : Contact {
    QStringList unplaced;
    qsizetype line = 0; // where the record starts in its file, from 1

    // A short name for messages: "Doe, Jane", else the company, the e-mail or the line.
    QString displayName() const;
};

// Takes each record as a reader finishes it, with how many bytes of the file
// have been read; the record may be moved from.
using RecordSink = std::function<void(ContactRecord &record, qint64 bytesRead)>;

// Takes each note of a reader ("Line 12: the comment ... was skipped.") as it is made.
using NoteSink = std::function<void(const QString &note)>;

// The sizes beyond which a file is taken for damaged or made to harm: far
// beyond any real contact file, and small enough that reading it never
// holds more than a little memory besides its largest card.
struct ReadLimits {
    qsizetype lineBytes = 16 * 1024 * 1024;  // a line of a vCard file, a row of a CSV file (in characters)
    qsizetype cells = 10000;                 // the cells of a CSV row, the columns of its heading
    qsizetype cardProperties = 10000;        // the properties of one card
    qsizetype cardBytes = 32 * 1024 * 1024;  // the text of one card's properties
};

// The limits every reader keeps to.
const ReadLimits &CurrentReadLimits();
// Sets them, for a test that shows them kept without a file of gigabytes;
// gives back those set before. Called while no file is being read.
ReadLimits SetReadLimits(const ReadLimits &limits);

// A file that cannot be read as contacts, or a book that cannot take them;
// the message is a sentence for the user, naming the line where there is one.
class InterchangeError : public Error {
public:
    using Error::Error;
};

// An error about one line of a file: "Line 12: ...".
InterchangeError LineError(qsizetype line, const QString &text);

// A line for the summary about one line of a file that was read leniently: "Line 12: ...".
QString LineNote(qsizetype line, const QString &text);

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
// the others become the record's further addresses and e-mails (details),
// as do the numbers of a type beyond its first (labelled with the type).
class RecordBuilder {
public:
    explicit RecordBuilder(qsizetype line) { record.line = line; }

    ContactRecord record; // names, company and numbers are set directly

    void addAddress(const PostalAddress &address);
    void addEmail(const QString &email, bool preferred, const QString &label = {});
    void addSpouse(const QString &name);
    void addChild(const QString &name);
    void addTelephone(const QString &type, const QString &number);
    // Keeps "label: value" for the summary; an empty value is dropped.
    void addUnplaced(const QString &label, const QString &value);

    ContactRecord finish();

private:
    QList<PostalAddress> mAddresses;
    QList<LabeledValue> mEmails;
    qsizetype mPreferredEmail = -1;
    QStringList mChildren;
};

// Splits an address given as its printed lines ("12 Elm St\nSpringfield, IL
// 62701\nUSA", "Hauptstr. 5\n10115 Berlin") into street, city, state, ZIP code
// and country; false when the lines do not show which is which.
bool SplitAddressLabel(const QString &text, PostalAddress &address);

// Splits a whole name into title, first and last name: "Dr. Jane Q. Public",
// "Public, Jane". Used when a file gives no separate name parts.
void SplitWholeName(const QString &whole, ContactRecord &record);

} // namespace varnelle::interchange
