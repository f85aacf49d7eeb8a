#pragma once

// Statements run straight on the SQLite handle of a QSQLITE connection, for
// the store's bulk reads and writes (imports and exports), where binding and
// reading through QVariant would cost more than SQLite itself. Only the
// store's own sources include this header.

#include "store/DatabaseError.h"

#include <QSqlDatabase>
#include <QByteArray>
#include <QString>

#include <vector>

#include <sqlite3.h>

namespace varnelle {

// The SQLite handle of an open QSQLITE connection. Throws DatabaseError when there is none.
sqlite3 *SqliteHandle(const QSqlDatabase &db);

// The last failure on the handle, classified as the store classifies failures.
DatabaseError SqliteFailure(sqlite3 *db, const QString &fileName);

// A prepared statement, finalized when it goes.
class SqliteStatement {
public:
    SqliteStatement(sqlite3 *db, const QString &sql, const QString &fileName);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    sqlite3_stmt *get() const { return mStatement; }

    // Binds a text (as UTF-8, the store's encoding, kept until the next
    // binding of that parameter); an empty text as Null.
    void bindText(int index, const QString &value);
    void bindInt(int index, qint64 value);
    // The next row: true while there is one. Throws DatabaseError.
    bool next();
    // Runs a statement that returns no rows, then makes it ready for the next. Throws DatabaseError.
    void run();
    // Makes the statement ready to run again with new values.
    void reset();

    // A text column; Null is a null QString.
    QString text(int column) const;
    // A text column's UTF-8 bytes, valid until the next step.
    QByteArrayView bytes(int column) const
    {
        return QByteArrayView(reinterpret_cast<const char *>(sqlite3_column_text(mStatement, column)),
                              sqlite3_column_bytes(mStatement, column));
    }
    qint64 integer(int column) const { return sqlite3_column_int64(mStatement, column); }

private:
    sqlite3 *mDb;
    sqlite3_stmt *mStatement = nullptr;
    QString mFile;
    std::vector<QByteArray> mTexts; // the UTF-8 of each bound text, its buffer used again

};

} // namespace varnelle
