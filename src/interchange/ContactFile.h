#pragma once

#include "interchange/ContactRecord.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace varnelle::interchange {

// The contacts of a vCard or CSV file, told apart by their content: a file
// that begins with BEGIN:VCARD (or is named *.vcf) is read as vCard, any
// other as CSV. UTF-16 files are read too, with a byte order mark or without.
// A DOS end-of-file mark (Ctrl+Z) and lines that end with CR alone are read
// leniently; notes gets a line for each, and for what the reader skipped.
// Each contact goes to `each` as soon as it is read. Throws InterchangeError
// naming the file and the line of the first fault, also for a file that
// holds no contacts at all; what `each` throws passes through unchanged.
void ReadContacts(const QByteArray &data, const QString &fileName, const NoteSink &notes, const RecordSink &each);
void ReadContacts(const QByteArray &data, const QString &fileName, QStringList *notes, const RecordSink &each);
std::vector<ContactRecord> ReadContacts(const QByteArray &data, const QString &fileName = {},
                                        QStringList *notes = nullptr);

// Reads the file and its contacts the same way, a piece at a time, never
// held whole (a CSV file twice: first to tell its character set); `each` is
// told how many of its bytes are read, `notes` each note as it is made. Only
// a regular file is read: a folder, a device or a pipe is refused at once.
// Throws InterchangeError.
void ReadContactFile(const QString &fileName, const NoteSink &notes, const RecordSink &each);
void ReadContactFile(const QString &fileName, QStringList *notes, const RecordSink &each);
std::vector<ContactRecord> ReadContactFile(const QString &fileName, QStringList *notes = nullptr);

} // namespace varnelle::interchange
