#pragma once

#include "interchange/ContactRecord.h"

#include <QByteArray>

namespace varnelle::interchange {

enum class VCardVersion { V3, V4 };

// Appends one contact as a vCard (CRLF line ends, lines folded at 75 octets
// without splitting a UTF-8 sequence, text escaped). A telephone type that
// vCard types say exactly ("Work Fax") is written as TYPE values; any other
// ("Büro") as an item group with an X-ABLabel. Spouse and children are
// RELATED properties in version 4.0 and X-ABRELATEDNAMES items in 3.0.
void AppendVCard(QByteArray &out, const Contact &record, VCardVersion version = VCardVersion::V4);

} // namespace varnelle::interchange
