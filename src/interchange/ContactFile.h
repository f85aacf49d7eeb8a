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
// Throws InterchangeError naming the file and the line of the first fault,
// also for a file that holds no contacts at all.
std::vector<ContactRecord> ReadContacts(const QByteArray &data, const QString &fileName = {},
                                        QStringList *notes = nullptr);

// Reads the file and its contacts. Throws InterchangeError.
std::vector<ContactRecord> ReadContactFile(const QString &fileName, QStringList *notes = nullptr);

} // namespace varnelle::interchange
