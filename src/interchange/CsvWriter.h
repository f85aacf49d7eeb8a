#pragma once

#include "interchange/ContactRecord.h"
#include "store/BookContacts.h"

#include <QByteArray>

namespace varnelle::interchange {

// Writes contacts as comma-separated values (RFC 4180, UTF-8 with a byte
// order mark, CRLF): a heading row with the book's fields ("First Name",
// "Last Name", "Company", "E-mail Address", ...) and a "Phone N - Type" and
// "Phone N - Value" pair per telephone number, the columns that address
// books read. Every cell goes through text::FormulaSafeCell, so a
// spreadsheet takes none for a formula. The details follow, in columns with
// plain headings as many as `details` asks for: "Country", "Middle Name",
// "Job Title", "Birthday" (1984-03-07, --03-07), "Notes", ...; further numbers
// as further "Phone N" pairs; further e-mails, addresses, web addresses,
// messaging and social addresses and related people as numbered columns
// from 2 or 1 ("E-mail 2 - Type", "Address 2 - City", "Website 1 - Value",
// "IM 1 - Service", "Social 1 - Type", "Relation 1 - Type"); several
// nicknames, departments or categories in one cell, " ::: " between them;
// the photo as a data: URI. ReadCsvContacts reads all of them back.
class CsvWriter {
public:
    // phoneColumns: how many number pairs the heading offers (the most any
    // contact has, details included).
    explicit CsvWriter(int phoneColumns, const DetailCounts &details = {})
        : mPhoneColumns(phoneColumns), mDetails(details)
    {
    }

    // The heading row, after the UTF-8 byte order mark that starts the file.
    void appendHeading(QByteArray &out) const;
    // Numbers beyond the pairs of the heading are left out.
    void appendRow(QByteArray &out, const Contact &record) const;
    // The same for a contact as the store holds it, its bytes copied as they
    // are; with no detail columns.
    void appendRow(QByteArray &out, const ContactRow &row) const;

private:
    int mPhoneColumns;
    DetailCounts mDetails;
};

// Reads back a cell that FormulaSafeCell marked: "'=x" is "=x" again.
QString WithoutFormulaMark(const QString &cell);

} // namespace varnelle::interchange
