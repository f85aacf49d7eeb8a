#include "common/SqlCollation.h"

#include "common/Collation.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <cstring>
#include <sqlite3.h>

namespace varnelle::text {

namespace {

// UTF-8 from the store decoded into a buffer that lives on the stack for
// texts of a field's size, so that comparing allocates nothing. Well-formed
// UTF-8, what the store holds, is decoded here; anything else goes through
// Qt's decoder, which replaces what is not UTF-8.
class Utf16Text {
public:
    Utf16Text(const void *utf8, int length)
    {
        const auto *bytes = static_cast<const unsigned char *>(utf8);
        mBuffer.resize(length); // UTF-16 needs no more units than UTF-8 has bytes
        QChar *out = mBuffer.data();
        qsizetype i = 0;
        while (i < length) {
            const unsigned char b = bytes[i];
            if (b < 0x80) {
                *out++ = QChar(b);
                ++i;
                continue;
            }
            const int need = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 ? 1 : -1;
            if (need < 0 || b > 0xF4 || i + need >= length)
                break;
            char32_t code = b & (0x3F >> need);
            bool wellFormed = true;
            for (int k = 1; k <= need; ++k) {
                const unsigned char c = bytes[i + k];
                wellFormed = wellFormed && (c & 0xC0) == 0x80;
                code = (code << 6) | (c & 0x3F);
            }
            // No overlong forms, no surrogates, nothing beyond U+10FFFF.
            if (!wellFormed || (need == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF)))
                || (need == 3 && (code < 0x10000 || code > 0x10FFFF)))
                break;
            if (code == 0xFEFF && !mNonAscii) {
                // as Qt's decoder, started at the first byte beyond ASCII, takes it for a byte order mark
            } else if (code >= 0x10000) {
                *out++ = QChar(QChar::highSurrogate(code));
                *out++ = QChar(QChar::lowSurrogate(code));
            } else {
                *out++ = QChar(char16_t(code));
            }
            mNonAscii = true;
            i += need + 1;
        }
        if (i < length) {
            QStringDecoder decoder(QStringDecoder::Utf8,
                                   mNonAscii ? QStringDecoder::Flag::ConvertInitialBom : QStringDecoder::Flag::Default);
            out = decoder.appendToBuffer(out, QByteArrayView(bytes + i, length - i));
        }
        mSize = out - mBuffer.data();
    }
    QStringView view() const { return QStringView(mBuffer.data(), mSize); }

private:
    QVarLengthArray<QChar, 128> mBuffer;
    qsizetype mSize = 0;
    bool mNonAscii = false; // a character beyond ASCII was decoded
};

int compareUtf8(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    // Equal bytes are equal texts (sorting meets many repeated names).
    if (lengthA == lengthB && std::memcmp(a, b, std::size_t(lengthA)) == 0)
        return 0;
    return CompareText(Utf16Text(a, lengthA).view(), Utf16Text(b, lengthB).view());
}

} // namespace

bool RegisterSqlCollation(const QSqlDatabase &db)
{
    if (!db.isOpen() || !db.driver())
        return false;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto *connection = *static_cast<sqlite3 *const *>(handle.constData());
    return connection
        && sqlite3_create_collation(connection, SqlCollationName, SQLITE_UTF8, nullptr, compareUtf8) == SQLITE_OK;
}

} // namespace varnelle::text
