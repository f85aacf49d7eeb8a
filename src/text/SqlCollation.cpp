#include "text/SqlCollation.h"

#include "text/Collation.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <sqlite3.h>

namespace varnelle::text {

namespace {

// UTF-8 from the store decoded into a buffer that lives on the stack for
// texts of a field's size, so that comparing allocates nothing.
class Utf16Text {
public:
    Utf16Text(const void *utf8, int length)
    {
        const QByteArrayView bytes(static_cast<const char *>(utf8), length);
        QStringDecoder decoder(QStringDecoder::Utf8);
        mBuffer.resize(decoder.requiredSpace(length));
        mSize = decoder.appendToBuffer(mBuffer.data(), bytes) - mBuffer.data();
    }
    QStringView view() const { return QStringView(mBuffer.data(), mSize); }

private:
    QVarLengthArray<QChar, 128> mBuffer;
    qsizetype mSize = 0;
};

int compareUtf8(void *, int lengthA, const void *a, int lengthB, const void *b)
{
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
