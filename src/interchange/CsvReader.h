#pragma once

#include "interchange/ByteChunks.h"
#include "interchange/ContactRecord.h"
#include "interchange/TextDecoding.h"

#include <QByteArray>
#include <vector>

namespace varnelle::interchange {

// Reads a comma-separated file with a heading row, as web address books and
// mail programs export contacts: "Given Name"/"First Name", "Family
// Name"/"Last Name", "Organization 1 - Name"/"Company", "E-mail 1 -
// Value"/"E-mail Address", "Phone 1 - Type" with "Phone 1 - Value",
// "Business Phone", "Home Phone", "Mobile Phone", "Business Fax", the address
// columns of each kind, the e-mail and telephone columns of mail programs
// ("Email Home", "Home Mobile"), and so on. Columns of what the book keeps
// as details (birthday, also as "Birth Year", "Birth Month" and "Birth
// Day"; notes, web pages, further e-mails, job title, department, middle
// name, nickname, further addresses, country, further numbers of a type,
// and the columns our own export writes for the others) become the
// record's details. The cells of every other column become unplaced lines
// under their heading ("Profession: Architect").
// A "Phone N - Type" cell is the type as it stands, without the web book's
// "* " mark of the primary value. Commas, semicolons or tabs separate the cells, as
// the heading shows; the text is UTF-8, else in the set ICU's detection
// finds, else Windows-1252. Throws InterchangeError naming the line of a fault.
std::vector<ContactRecord> ReadCsvContacts(const QByteArray &data);

// The same, handing each contact to `each` as soon as its row is read.
void ReadCsvContacts(const QByteArray &data, const RecordSink &each);

// Reads the bytes of a CSV file through, a piece at a time, before its rows
// are read: the character set they are in, UTF-8 or (when any of them is
// not) Windows-1252. Throws InterchangeError naming the line of a byte no
// text holds.
Charset CheckCsvBytes(ByteChunks &chunks);

// The same as ReadCsvContacts above from the bytes a piece at a time, as
// CheckCsvBytes found them; `each` is told how many bytes are read. Bytes
// that are not UTF-8 are read in `undeclared` where it names a set (a
// Shift_JIS file of a Japanese mail program), else as Windows-1252.
void ReadCsvContacts(ByteChunks &chunks, Charset charset, const RecordSink &each,
                     const UndeclaredCharset &undeclared = {});

} // namespace varnelle::interchange
