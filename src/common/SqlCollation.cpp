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
// texts of a field's size, so that comparing allocates nothing. Plain ASCII,
// the common case, is widened without the decoder's setup.
class Utf16Text {
public:
    Utf16Text(const void *utf8, int length)
    {
        const auto *bytes = static_cast<const unsigned char *>(utf8);
        mBuffer.resize(length); // UTF-16 needs no more units than UTF-8 has bytes
        qsizetype ascii = 0;
        while (ascii < length && bytes[ascii] < 0x80) {
            mBuffer[ascii] = QChar(bytes[ascii]);
            ++ascii;
        }
        if (ascii == length) {
            mSize = length;
            return;
        }
        QStringDecoder decoder(QStringDecoder::Utf8);
        QChar *end = decoder.appendToBuffer(mBuffer.data() + ascii, QByteArrayView(bytes + ascii, length - ascii));
        mSize = end - mBuffer.data();
    }
    QStringView view() const { return QStringView(mBuffer.data(), mSize); }

private:
    QVarLengthArray<QChar, 128> mBuffer;
    qsizetype mSize = 0;
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
