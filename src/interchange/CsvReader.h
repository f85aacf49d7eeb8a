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
// ("Email Home", "Home Mobile"), and so on. The cells of every other column
// become unplaced lines under their heading ("Profession: Architect"), as do
// known ones with no place in the book (notes, job title, a second address).
// A "Phone N - Type" cell is the type as it stands, without the web book's
// "* " mark of the primary value. Commas, semicolons or tabs separate the cells, as
// the heading shows; the text is UTF-8, or Windows-1252 when it is not
// valid UTF-8. Throws InterchangeError naming the line of a fault.
std::vector<ContactRecord> ReadCsvContacts(const QByteArray &data);

// The same, handing each contact to `each` as soon as its row is read.
void ReadCsvContacts(const QByteArray &data, const RecordSink &each);

// Reads the bytes of a CSV file through, a piece at a time, before its rows
// are read: the character set they are in, UTF-8 or (when any of them is
// not) Windows-1252. Throws InterchangeError naming the line of a byte no
// text holds.
Charset CheckCsvBytes(ByteChunks &chunks);

// The same as ReadCsvContacts above from the bytes a piece at a time, as
// CheckCsvBytes found them; `each` is told how many bytes are read.
void ReadCsvContacts(ByteChunks &chunks, Charset charset, const RecordSink &each);

} // namespace varnelle::interchange
