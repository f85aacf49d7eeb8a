#include "store/Database.h"

#include "store/Connection.h"
#include "store/Schema.h"
#include "store/BookFile.h"
#include "store/BookOpening.h"
#include "common/Collation.h"
#include "common/SqlCollation.h"
#include "common/StoreText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QTemporaryFile>
#include <QUrl>
#include <QUuid>
#include <optional>
#include <sqlite3.h>

namespace varnelle {

namespace {

// SQLite counts every allocation for its memory statistics under a global
// mutex unless told otherwise; nothing here reads those statistics. Set as
// the program starts, before SQLite initializes itself on the first open.
const bool SqliteWithoutMemoryStatistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;

// The file's own name, also when given the URI a connection was opened with
// ("file:///folder/Address.mdb?mode=rw").
QString displayName(const QString &fileName)
{
    if (fileName.isEmpty())
        return DatabaseFileName;
    const QUrl url(fileName);
    return QFileInfo(url.isLocalFile() ? url.toLocalFile() : fileName).fileName();
}

QString engineText(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

DatabaseError notADatabaseError(const QString &file, const QString &engine = {})
{
    return DatabaseError(
        QCoreApplication::translate("Store", "The file '%1' is not a database of this program, or it is damaged.")
            .arg(file),
        DatabaseError::Kind::NotADatabase, engine);
}

// A unique index that disagrees with its table refuses values that no row
// holds. Tells that damage from a true duplicate by checking the table.
bool tableAndIndexesAgree(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery check(db);
    if (check.exec(QString("PRAGMA integrity_check(\"%1\")").arg(QString(table).replace('"', "\"\"")))) {
        while (check.next())
            if (check.value(0).toString() != "ok")
                return false;
    }
    // A check that could not run (the file in use, say) is no sign of damage; one that met damage is.
    return !check.lastError().isValid() || (SqliteResultCode(check.lastError()) & 0xff) != SQLITE_CORRUPT;
}

DatabaseError queryError(const QSqlDatabase &db, const QSqlError &error)
{
    DatabaseError result = ToDatabaseError(error, db.databaseName());
    if (result.kind() != DatabaseError::Kind::DuplicateKey)
        return result;
    static const QRegularExpression unique("UNIQUE constraint failed: ([^.,]+)\\.");
    const QString table = unique.match(engineText(error)).captured(1).trimmed();
    if (table.isEmpty() || tableAndIndexesAgree(db, table))
        return result;
    return DatabaseError(QCoreApplication::translate(
                             "Store", "The change was not saved: an index of table '%1' in the database file '%2' is "
                                      "damaged. Choose File > Repair Database to mend it, then try again.")
                             .arg(table, displayName(db.databaseName())),
                         DatabaseError::Kind::Damaged, engineText(error));
}

// detail: "Table.Field, Table.Field", as SQLite names the columns of a refused key.
std::optional<DatabaseError> duplicateKeyError(const QString &detail, const QString &engine)
{
    QString table;
    QStringList fields;
    for (const QString &part : detail.split(',', Qt::SkipEmptyParts)) {
        const QStringList tf = part.trimmed().split('.');
        if (tf.size() != 2)
            continue;
        table = tf[0];
        fields << tf[1];
    }
    if (fields.isEmpty())
        return std::nullopt;
    const QString index = schema::IndexNameFor(table, fields);
    const QString what = fields.size() == 1
                             ? QCoreApplication::translate("Store", "this %1").arg(fields.first())
                             : QCoreApplication::translate("Store", "this combination of %1").arg(fields.join(" and "));
    return DatabaseError(QCoreApplication::translate(
                             "Store",
                             "The change was not saved: table '%1' already has a row with %2, and its index '%3' "
                             "allows no duplicate values.")
                             .arg(table, what, index.isEmpty() ? fields.join(", ") : index),
                         DatabaseError::Kind::DuplicateKey, engine);
}

DatabaseError tooLongError(const QString &constraint, const QString &engine)
{
    const QString field = QString(constraint).remove(QRegularExpression("_size$"));
    int size = 0;
    for (const auto &table : schema::Tables()) {
        if (const int s = schema::TextSize(table.name, field); s > 0) {
            size = s;
            break;
        }
    }
    return DatabaseError(
        QCoreApplication::translate("Store", "The text for the field '%1' is too long: it holds at most %2 characters.")
            .arg(field)
            .arg(size),
        DatabaseError::Kind::TooLong, engine);
}

// The result code SQLite's words stand for, where the driver passed on no code.
int codeFromText(const QString &text)
{
    static const std::pair<const char *, int> words[] = {
        {"UNIQUE constraint failed", SQLITE_CONSTRAINT_UNIQUE},
        {"CHECK constraint failed", SQLITE_CONSTRAINT_CHECK},
        {"file is not a database", SQLITE_NOTADB},
        {"malformed", SQLITE_CORRUPT},
        {"corrupt", SQLITE_CORRUPT},
        {"readonly database", SQLITE_READONLY},
        {"unable to open database file", SQLITE_CANTOPEN},
        {"Error opening database", SQLITE_CANTOPEN},
        {"database is locked", SQLITE_BUSY},
        {"database table is locked", SQLITE_LOCKED},
        {"disk I/O error", SQLITE_IOERR},
        {"database or disk is full", SQLITE_FULL},
    };
    for (const auto &[word, code] : words)
        if (text.contains(QLatin1String(word)))
            return code;
    return text.isEmpty() ? 0 : SQLITE_ERROR;
}

} // namespace

int SqliteResultCode(const QSqlError &error)
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    if (number && code > 0)
        return code;
    return codeFromText(engineText(error));
}

DatabaseError DamagedBookError(const QString &fileName)
{
    return DatabaseError(
        QCoreApplication::translate("Store",
                                    "The database file '%1' is damaged: some contacts may be missing or wrong. Choose "
                                    "File > Repair Database to save what can still be read.")
            .arg(displayName(fileName)),
        DatabaseError::Kind::Damaged);
}

DatabaseError CopyExistsError()
{
    return DatabaseError(QCoreApplication::translate(
                             "Store", "The file '%1' already exists, so the compacted copy of the database cannot be "
                                      "written. Move or remove it, then repair again.")
                             .arg(RepairFileName));
}

DatabaseError DescribeFailure(const QSqlError &error, const QString &fileName)
{
    const QString text = engineText(error);
    const QString file = displayName(fileName);
    const int code = SqliteResultCode(error);
    using Kind = DatabaseError::Kind;

    switch (code & 0xff) {
    case SQLITE_CONSTRAINT:
        if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY) {
            static const QRegularExpression unique("constraint failed: (.*)$");
            if (auto e = duplicateKeyError(unique.match(text).captured(1), text))
                return *e;
        } else if (code == SQLITE_CONSTRAINT_CHECK) {
            static const QRegularExpression check("CHECK constraint failed: \"?([A-Za-z]+_size)\"?");
            if (auto m = check.match(text); m.hasMatch())
                return tooLongError(m.captured(1), text);
        }
        break;
    case SQLITE_NOTADB:
        return notADatabaseError(file, text);
    case SQLITE_CORRUPT: {
        DatabaseError damaged = DamagedBookError(file);
        return DatabaseError(damaged.message(), Kind::Damaged, text);
    }
    case SQLITE_ERROR:
        // A file of another program, or of a later SQLite: it lacks the book's tables or cannot be read at all.
        if (text.contains("no such table") || text.contains("no such column")
            || text.contains("unsupported file format"))
            return DatabaseError(
                QCoreApplication::translate("Store", "'%1' is not a Varnelle address book (%2).").arg(file, text),
                Kind::NotADatabase, text);
        if (text.contains("output file already exists"))
            return CopyExistsError();
        break;
    case SQLITE_READONLY:
        return DatabaseError(
            QCoreApplication::translate("Store", "The database file '%1' cannot be changed: it can only be read.")
                .arg(file),
            Kind::ReadOnly, text);
    case SQLITE_CANTOPEN:
        return DatabaseError(QCoreApplication::translate(
                                 "Store",
                                 "The database file '%1' cannot be opened: it does not exist, or it cannot be read "
                                 "and written in this folder.")
                                 .arg(file),
                             Kind::CannotOpen, text);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseError(QCoreApplication::translate(
                                 "Store",
                                 "The database file '%1' is in use by another program. Close that program and try "
                                 "again.")
                                 .arg(file),
                             Kind::Busy, text);
    case SQLITE_IOERR:
    case SQLITE_FULL:
        return DatabaseError(
            QCoreApplication::translate("Store", "The database file '%1' could not be written: %2.").arg(file, text),
            Kind::Other, text);
    default:
        break;
    }
    return DatabaseError(
        text.isEmpty() ? QCoreApplication::translate("Store", "The database reported an unknown error.") : text,
        Kind::Other, text);
}

DatabaseError ToDatabaseError(const QSqlError &error, const QString &fileName)
{
    const QString text = engineText(error);
    // Failures the file itself explains better than SQLite's words (store/repair/Health).
    if (std::optional<DatabaseError> plain =
            PlainFileFailure(fileName.isEmpty() ? DatabaseFileName : fileName, text, SqliteResultCode(error)))
        return DatabaseError(plain->message(), plain->kind(), text);
    DatabaseError result = DescribeFailure(error, fileName);
    return result;
}

void RefuseTextWithNul(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return;
    const QString text = value.toString();
    if (!text::ContainsNul(text))
        return;
    throw DatabaseError(
        QCoreApplication::translate("Store",
                                    "The text that begins \"%1\" was not saved: it contains a NUL character (character "
                                    "code 0), which the address book does not store.")
            .arg(text.left(text.indexOf(QChar(u'\0')))));
}

QSqlQuery RunQuery(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    for (const QVariant &v : values)
        RefuseTextWithNul(v);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw ToDatabaseError(query.lastError(), db.databaseName());
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw queryError(db, query.lastError());
    return query;
}

void CheckRowsRead(const QSqlQuery &query)
{
    if (query.lastError().isValid())
        throw ToDatabaseError(query.lastError());
}

void BeginTransaction(QSqlDatabase &db)
{
    if (!db.transaction())
        throw ToDatabaseError(db.lastError(), db.databaseName());
}

void CommitTransaction(QSqlDatabase &db)
{
    if (!db.commit()) {
        const DatabaseError error = ToDatabaseError(db.lastError(), db.databaseName());
        db.rollback();
        throw error;
    }
}

void OpenDatabaseFile(QSqlDatabase &db, const QString &fileName)
{
    // mode=rw: open an existing file only, never create one.
    const QString uri = QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()).toString(QUrl::FullyEncoded);
    db.setDatabaseName(uri + "?mode=rw");
    db.setConnectOptions("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000");
    auto fail = [&](const QSqlError &error) {
        DatabaseError e = ToDatabaseError(error, fileName);
        db.close();
        // A file whose catalogue cannot be read is no database the program can open.
        return e.kind() == DatabaseError::Kind::Damaged ? notADatabaseError(displayName(fileName), e.engineText()) : e;
    };
    if (!db.open())
        throw fail(db.lastError());
    // SQLite reads the file lazily; reading the catalogue tells a database from other files.
    QSqlQuery probe(db);
    if (!probe.exec("SELECT count(*) FROM sqlite_master")) {
        const QSqlError error = probe.lastError();
        probe = QSqlQuery();
        throw fail(error);
    }
}

QSqlDatabase OpenDatabase(const QString &fileName, const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connectionName);
    try {
        OpenDatabaseFile(db, fileName);
    } catch (...) {
        CloseDatabase(db);
        throw;
    }
    return db;
}

Connection OpenConnection(const QString &fileName, const QString &purpose)
{
    Connection connection(purpose);
    OpenDatabaseFile(connection.database(), fileName);
    return connection;
}

Connection OpenForReading(const QString &fileName)
{
    using Step = ReadingOpenError::Step;
    Connection connection(QStringLiteral("reading"));
    QSqlDatabase &db = connection.database();
    db.setDatabaseName(QFileInfo(fileName).absoluteFilePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
    const auto failed = [&](const QSqlError &error, Step step) {
        return ReadingOpenError(ToDatabaseError(error, fileName), step, error.text());
    };
    if (!db.open())
        throw failed(db.lastError(), Step::Open);
    if (!text::RegisterSqlCollation(db))
        throw ReadingOpenError(
            DatabaseError(QCoreApplication::translate("Store", "The collation of names could not be set up.")),
            Step::Collation, QStringLiteral("the collation of names could not be set up"));
    // One read transaction: every query sees the same state of the book.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN")))
        throw failed(begin.lastError(), Step::Begin);
    return connection;
}

void CloseDatabase(QSqlDatabase &db)
{
    if (!db.isValid())
        return;
    const QString name = db.connectionName();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

void EnsureDatabase(const QString &fileName)
{
    const QFileInfo target(fileName);
    if (target.exists() || target.isSymLink())
        return; // never replace or alter an existing file, whatever it holds
    CreateDatabaseFile(fileName, schema::CreateStatements());
}

bool CreateDatabaseFile(const QString &fileName, const QStringList &statements)
{
    const QFileInfo target(fileName);

    QTemporaryFile scratch(target.absoluteDir().filePath(target.fileName() + ".new-XXXXXX"));
    if (!scratch.open())
        return false;
    scratch.setAutoRemove(false);
    const QString scratchName = scratch.fileName();
    // Held open until the file is complete: a file nobody holds is a leftover (RemoveLeftoverFiles).
    // A document's mode, as the user's umask allows it, rather than a private temporary file's.
    QFile::setPermissions(scratchName, NewBookPermissions());

    bool complete = false;
    try {
        Connection connection = OpenConnection(scratchName, "create");
        QSqlDatabase &db = connection.database();
        InTransaction(db, [&] {
            for (const QString &statement : statements)
                RunQuery(db, statement);
        });
        complete = true;
    } catch (const DatabaseError &) {
    }
    QFile::remove(scratchName + "-journal");
    scratch.close();
    // QFile::rename never replaces an existing file: a file made meanwhile wins.
    if (complete && QFile::rename(scratchName, target.absoluteFilePath()))
        return true;
    QFile::remove(scratchName);
    return false;
}

} // namespace varnelle
