#include "store/Database.h"

#include "store/repair/BookFile.h"
#include "store/repair/Health.h"
#include "store/Schema.h"
#include "common/StoreText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QTemporaryFile>
#include <QUrl>
#include <QUuid>

namespace varnelle {

namespace {

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

DatabaseError notADatabaseError(const QString &file)
{
    return DatabaseError(QString("The file '%1' is not a database of this program, or it is damaged.").arg(file),
                         DatabaseError::Kind::NotADatabase);
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
    return !check.lastError().isValid() || ToDatabaseError(check.lastError()).kind() != DatabaseError::Kind::Damaged;
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
    NoteDamage();
    return DatabaseError(QString("The change was not saved: an index of table '%1' in the database file '%2' is "
                                 "damaged. Choose File > Repair Database to mend it, then try again.")
                             .arg(table, displayName(db.databaseName())),
                         DatabaseError::Kind::Damaged);
}

DatabaseError duplicateKeyError(const QString &detail)
{
    // detail: "Table.Field, Table.Field"
    QString table;
    QStringList fields;
    for (const QString &part : detail.split(',', Qt::SkipEmptyParts)) {
        const QStringList tf = part.trimmed().split('.');
        if (tf.size() != 2)
            continue;
        table = tf[0];
        fields << tf[1];
    }
    const QString index = schema::IndexNameFor(table, fields);
    const QString what = fields.size() == 1 ? QString("this %1").arg(fields.first())
                                            : QString("this combination of %1").arg(fields.join(" and "));
    return DatabaseError(QString("The change was not saved: table '%1' already has a row with %2, and its index '%3' "
                                 "allows no duplicate values.")
                             .arg(table, what, index.isEmpty() ? fields.join(", ") : index),
                         DatabaseError::Kind::DuplicateKey);
}

DatabaseError tooLongError(const QString &constraint)
{
    const QString field = QString(constraint).remove(QRegularExpression("_size$"));
    int size = 0;
    for (const auto &table : schema::Tables()) {
        if (const int s = schema::TextSize(table.name, field); s > 0) {
            size = s;
            break;
        }
    }
    return DatabaseError(QString("The text for the field '%1' is too long: it holds at most %2 characters.")
                             .arg(field)
                             .arg(size),
                         DatabaseError::Kind::TooLong);
}

} // namespace

DatabaseError DamagedBookError(const QString &fileName)
{
    return DatabaseError(QString("The database file '%1' is damaged: some contacts may be missing or wrong. Choose "
                                 "File > Repair Database to save what can still be read.")
                             .arg(displayName(fileName)),
                         DatabaseError::Kind::Damaged);
}

DatabaseError CopyExistsError()
{
    return DatabaseError(QString("The file '%1' already exists, so the compacted copy of the database cannot be "
                                 "written. Move or remove it, then repair again.")
                             .arg(RepairFileName));
}

DatabaseError ToDatabaseError(const QSqlError &error, const QString &fileName)
{
    const QString text = engineText(error);
    const QString file = displayName(fileName);
    // Failures the file itself explains better than SQLite's words (store/repair/Health).
    if (std::optional<DatabaseError> plain = PlainFileFailure(fileName.isEmpty() ? DatabaseFileName : fileName, text))
        return *plain;

    static const QRegularExpression unique("UNIQUE constraint failed: (.*)$");
    static const QRegularExpression check("CHECK constraint failed: \"?([A-Za-z]+_size)\"?");
    if (auto m = unique.match(text); m.hasMatch())
        return duplicateKeyError(m.captured(1));
    if (auto m = check.match(text); m.hasMatch())
        return tooLongError(m.captured(1));
    if (text.contains("file is not a database"))
        return notADatabaseError(file);
    if (text.contains("malformed") || text.contains("corrupt")) {
        NoteDamage(); // the repair is to look for it in full
        return DamagedBookError(file);
    }
    if (text.contains("no such table") || text.contains("no such column") || text.contains("unsupported file format"))
        return DatabaseError(QString("'%1' is not a Varnelle address book (%2).").arg(file, text),
                             DatabaseError::Kind::NotADatabase);
    if (text.contains("readonly database"))
        return DatabaseError(QString("The database file '%1' cannot be changed: it can only be read.").arg(file),
                             DatabaseError::Kind::ReadOnly);
    if (text.contains("unable to open database file") || text.contains("Error opening database"))
        return DatabaseError(QString("The database file '%1' cannot be opened: it does not exist, or it cannot be "
                                     "read and written in this folder.")
                                 .arg(file),
                             DatabaseError::Kind::CannotOpen);
    if (text.contains("database is locked") || text.contains("database table is locked"))
        return DatabaseError(QString("The database file '%1' is in use by another program. Close that program and "
                                     "try again.")
                                 .arg(file),
                             DatabaseError::Kind::Busy);
    if (text.contains("output file already exists"))
        return CopyExistsError();
    if (text.contains("disk I/O error") || text.contains("database or disk is full"))
        return DatabaseError(QString("The database file '%1' could not be written: %2.").arg(file, text));
    return DatabaseError(text.isEmpty() ? QString("The database reported an unknown error.") : text);
}

void RefuseTextWithNul(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return;
    const QString text = value.toString();
    if (!text::ContainsNul(text))
        return;
    throw DatabaseError(QString("The text that begins \"%1\" was not saved: it contains a NUL character (character "
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

QSqlDatabase OpenDatabase(const QString &fileName, const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connectionName);
    // mode=rw: open an existing file only, never create one.
    const QString uri = QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()).toString(QUrl::FullyEncoded);
    db.setDatabaseName(uri + "?mode=rw");
    db.setConnectOptions("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000");
    auto fail = [&](const QSqlError &error) {
        DatabaseError e = ToDatabaseError(error, fileName);
        CloseDatabase(db);
        // A file whose catalogue cannot be read is no database the program can open.
        return e.kind() == DatabaseError::Kind::Damaged ? notADatabaseError(displayName(fileName)) : e;
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
    return db;
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
    {
        const QString connection = "create-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
        try {
            QSqlDatabase db = OpenDatabase(scratchName, connection);
            try {
                InTransaction(db, [&] {
                    for (const QString &statement : statements)
                        RunQuery(db, statement);
                });
                complete = true;
            } catch (const DatabaseError &) {
            }
            CloseDatabase(db);
        } catch (const DatabaseError &) {
        }
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
