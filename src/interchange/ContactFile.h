#pragma once

#include "interchange/ContactRecord.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace varnelle::interchange {

// The contacts of a vCard or CSV file, told apart by their content: a file
// that begins with BEGIN:VCARD (or is named *.vcf) is read as vCard, any
// other as CSV. UTF-16 files are read too. Throws InterchangeError naming the
// file and the line of the first fault.
std::vector<ContactRecord> ReadContacts(const QByteArray &data, const QString &fileName = {});

// Reads the file and its contacts. Throws InterchangeError.
std::vector<ContactRecord> ReadContactFile(const QString &fileName);

} // namespace varnelle::interchange
