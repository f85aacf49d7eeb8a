#pragma once

#include "interchange/ContactRecord.h"

#include <QByteArray>
#include <QDateTime>

namespace varnelle::interchange {

enum class VCardVersion { V3, V4 };

// What tells readers which card this is and how new: UID and REV.
struct CardStamp {
    QString uid;        // written when not empty
    QDateTime revision; // written when valid, in UTC
};

// Appends one contact as a vCard (CRLF line ends, lines folded at 75 octets
// without splitting a UTF-8 sequence, text escaped), with PRODID, the stamp,
// and an FN that is never empty. A telephone type that vCard types say
// exactly ("Work Fax") is written as TYPE values; any other ("Büro") as the
// nearest standard TYPE values with the type's name in an X-LABEL parameter,
// so that every reader keeps the number. Spouse and children are RELATED
// properties in version 4.0 and X-ABRELATEDNAMES items in 3.0. The details
// are written too, whole, in the forms of each version (ANNIVERSARY or
// X-ANNIVERSARY, PHOTO as a data: URI or base64); a further value's type
// words are TYPE values where they are such, else an X-ABLabel. Reading a
// written card back gives the same contact.
void AppendVCard(QByteArray &out, const Contact &record, VCardVersion version = VCardVersion::V4,
                 const CardStamp &stamp = {});

} // namespace varnelle::interchange
