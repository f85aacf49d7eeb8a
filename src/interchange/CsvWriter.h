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
// spreadsheet takes none for a formula.
class CsvWriter {
public:
    // phoneColumns: how many number pairs the heading offers (the most any contact has).
    explicit CsvWriter(int phoneColumns) : mPhoneColumns(phoneColumns) {}

    // The heading row, after the UTF-8 byte order mark that starts the file.
    void appendHeading(QByteArray &out) const;
    // Numbers beyond the pairs of the heading are left out.
    void appendRow(QByteArray &out, const Contact &record) const;
    // The same for a contact as the store holds it, its bytes copied as they are.
    void appendRow(QByteArray &out, const ContactRow &row) const;

private:
    int mPhoneColumns;
};

// Reads back a cell that FormulaSafeCell marked: "'=x" is "=x" again.
QString WithoutFormulaMark(const QString &cell);

} // namespace varnelle::interchange
