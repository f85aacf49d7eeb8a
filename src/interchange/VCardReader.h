#pragma once

#include "interchange/ByteChunks.h"
#include "interchange/ContactRecord.h"
#include "interchange/TextDecoding.h"

#include <QByteArray>
#include <vector>

namespace varnelle::interchange {

// Reads every card of a vCard file, version 2.1, 3.0 or 4.0: folded lines,
// escapes, parameters in every spelling (TYPE=work,voice; type=WORK;type=pref;
// bare TEL;HOME;FAX), item1. groups with their X-ABLabel, quoted-printable
// values with soft line breaks, CHARSET= names, CRLF or LF line ends, a
// UTF-8 byte order mark. What the book's fields do not hold becomes the
// contact's details; a photo is kept when it is a PNG, JPEG, GIF or WebP
// image within PhotoSizeLimit, or a link; other binary values, and values
// with no place (a sound, a key, an unknown X- property), are noted as
// unplaced. A date that does not exist is kept as text, with a note. Read
// leniently, each with a line in notes naming its line: # comments, a value
// that goes on after a backslash at the end of a line, cards within a card,
// lines that are no property, values in a character set that cannot be
// read, and group cards (KIND:group), which are no contacts. Throws InterchangeError naming the line of the first fault: a
// card without END:VCARD, an invalid quoted-printable sequence, an overlong
// line, binary data, text that is no card.
std::vector<ContactRecord> ReadVCards(const QByteArray &data, QStringList *notes = nullptr);

// The same, handing each contact to `each` as soon as its card is read,
// with the bytes read so far, and each note to `notes` as it is made. A
// card of more lines or text than CurrentReadLimits() allows is skipped
// whole, with a note naming its line. 8-bit text that names no character
// set and is not UTF-8 is read in `undeclared` (noted once), else as
// Windows-1252.
void ReadVCards(ByteChunks &chunks, const NoteSink &notes, const RecordSink &each,
                const UndeclaredCharset &undeclared = {});

// Whether the bytes start like a vCard file (after a byte order mark, blank
// lines and # comments).
bool LooksLikeVCard(const QByteArray &data);

} // namespace varnelle::interchange
