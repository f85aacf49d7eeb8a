#include "store/SqliteStatement.h"

#include "store/Database.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QStringEncoder>
#include <QVariant>

namespace varnelle {

sqlite3 *SqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.isOpen() ? db.driver()->handle() : QVariant();
    sqlite3 *sqlite = nullptr;
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        sqlite = *static_cast<sqlite3 *const *>(handle.constData());
    if (!sqlite)
        throw ToDatabaseError(db.lastError(), db.databaseName());
    return sqlite;
}

DatabaseError SqliteFailure(sqlite3 *db, const QString &fileName)
{
    return ToDatabaseError(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(db)), QSqlError::StatementError,
                                     QString::number(sqlite3_extended_errcode(db))),
                           fileName);
}

SqliteStatement::SqliteStatement(sqlite3 *db, const QString &sql, const QString &fileName)
    : mDb(db), mFile(fileName)
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(mDb, text.constData(), int(text.size()), &mStatement, nullptr) != SQLITE_OK)
        throw SqliteFailure(mDb, mFile);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(mStatement);
}

void SqliteStatement::bindText(int index, const QString &value)
{
    if (value.contains(QChar(u'\0')))
        RefuseTextWithNul(value);
    if (value.isEmpty()) {
        sqlite3_bind_null(mStatement, index);
        return;
    }
    if (mTexts.size() <= size_t(index))
        mTexts.resize(size_t(index) + 1);
    QByteArray &utf8 = mTexts[size_t(index)];
    utf8.resize(value.size() * 3);
    char *out = utf8.data();
    const auto *from = reinterpret_cast<const char16_t *>(value.utf16());
    const char16_t *const end = from + value.size();
    // Plain ASCII, most values, byte for byte; from the first other character on, through Qt's encoder.
    while (from < end && *from < 0x80)
        *out++ = char(*from++);
    if (from < end) {
        QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
        out = encoder.appendToBuffer(out, QStringView(from, end));
    }
    sqlite3_bind_text(mStatement, index, utf8.constData(), int(out - utf8.constData()), SQLITE_STATIC);
}

void SqliteStatement::bindInt(int index, qint64 value)
{
    sqlite3_bind_int64(mStatement, index, value);
}

bool SqliteStatement::next()
{
    const int result = sqlite3_step(mStatement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    const DatabaseError failure = SqliteFailure(mDb, mFile);
    sqlite3_reset(mStatement);
    throw failure;
}

void SqliteStatement::run()
{
    const int result = sqlite3_step(mStatement);
    if (result != SQLITE_DONE && result != SQLITE_ROW) {
        const DatabaseError failure = SqliteFailure(mDb, mFile);
        sqlite3_reset(mStatement);
        throw failure;
    }
    reset();
}

void SqliteStatement::reset()
{
    sqlite3_reset(mStatement);
}

QString SqliteStatement::text(int column) const
{
    const auto *value = reinterpret_cast<const char *>(sqlite3_column_text(mStatement, column));
    if (!value)
        return {};
    return QString::fromUtf8(value, sqlite3_column_bytes(mStatement, column));
}

} // namespace varnelle
