#include "store/BookOpening.h"

#include "store/BookFile.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <atomic>
#include <QSqlError>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace varnelle {

namespace {

bool mayWrite(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
#else
    return QFileInfo(path).isWritable();
#endif
}

// The failure of one change to the database, taken back at once; none when it can be changed.
QSqlError tryOneChange(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec("BEGIN IMMEDIATE"))
        return query.lastError();
    QSqlError failure;
    // Writing the header's user version back as it is makes SQLite open its journal.
    if (!query.exec("PRAGMA user_version") || !query.next())
        failure = query.lastError();
    else if (const int version = query.value(0).toInt(); !query.exec(QString("PRAGMA user_version = %1").arg(version)))
        failure = query.lastError();
    query.exec("ROLLBACK");
    return failure;
}

// SQLite's Unix file layer refuses paths of this many bytes and more.
constexpr int SQLitePathLimit = 512;

// The file a name or a connection's URI ("file:///folder/Address.mdb?mode=rw") stands for.
QString localPath(const QString &fileName)
{
    const QUrl url(fileName);
    return url.isLocalFile() ? url.toLocalFile() : fileName;
}

bool isOwnedByAnother(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    // A file its owner may change: write-protected for the others only.
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && status.st_uid != ::geteuid()
           && ::geteuid() != 0 && (status.st_mode & S_IWUSR) != 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

bool onReadOnlyDisk(const QString &path)
{
#ifdef Q_OS_UNIX
    struct statvfs disk {};
    return ::statvfs(QFile::encodeName(path).constData(), &disk) == 0 && (disk.f_flag & ST_RDONLY) != 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// Why the book 'fileName' cannot be changed, in words.
// resultCode: SQLite's extended result code of the refused write, -1 when not known.
DatabaseError readOnlyError(const QString &fileName, int resultCode = -1)
{
    const QString name = QFileInfo(fileName).fileName();
    const bool replaced = resultCode == SQLITE_READONLY_DBMOVED;
    const QFileInfo real(RealBookPath(fileName));
    if (!mayWrite(real.absoluteFilePath()) && isOwnedByAnother(real.absoluteFilePath()))
        return DatabaseError(QCoreApplication::translate("Store", "The database file '%1' cannot be changed: it "
                                                                  "belongs to another user (%2), who has not allowed "
                                                                  "changes by others. Start the program as that user, "
                                                                  "or with a copy of your own.")
                                 .arg(name, real.owner()),
                             DatabaseError::Kind::ReadOnly);
    if (!mayWrite(real.absoluteFilePath()))
        return DatabaseError(QCoreApplication::translate("Store", "The database file '%1' cannot be changed: the file "
                                                                  "is write-protected. Allow changes to it, or start "
                                                                  "the program with a copy that can be changed.")
                                 .arg(name),
                             DatabaseError::Kind::ReadOnly);
    if (!mayWrite(real.absolutePath()))
        return DatabaseError(QCoreApplication::translate("Store", "The database file '%1' cannot be changed: its "
                                                                  "folder does not allow the journal file that is "
                                                                  "written beside it during each change. Allow changes "
                                                                  "in the folder, or move the file to a folder that "
                                                                  "allows them.")
                                 .arg(name),
                             DatabaseError::Kind::ReadOnly);
    if (replaced || (resultCode == -1 && !onReadOnlyDisk(real.absoluteFilePath())))
        // The file and its folder may be changed: SQLite refuses writes into a
        // file that another program (a repair) has replaced since it was opened.
        return DatabaseError(QCoreApplication::translate("Store", "The database file '%1' was replaced by another "
                                                                  "program (a repair) while the change was made, so it "
                                                                  "was not saved. Try again.")
                                 .arg(name),
                             DatabaseError::Kind::Busy);
    return DatabaseError(
        QCoreApplication::translate("Store", "The database file '%1' cannot be changed: it can only be read.")
            .arg(name),
        DatabaseError::Kind::ReadOnly);
}

} // namespace

bool BookWasReplaced(const QSqlDatabase &db)
{
    const QVariant handle = db.isOpen() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto *connection = *static_cast<sqlite3 *const *>(handle.constData());
    int moved = 0;
    return connection && sqlite3_file_control(connection, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK
           && moved != 0;
}

qint64 DataVersion(const QSqlDatabase &db)
{
    QSqlQuery version(db);
    return version.exec("PRAGMA data_version") && version.next() ? version.value(0).toLongLong() : -1;
}

bool HasDatabaseHeader(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3", 16);
}

QSqlDatabase OpenCutShortDatabase(const QString &fileName, const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connectionName);
    const QString uri = QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()).toString(QUrl::FullyEncoded);
    db.setDatabaseName(uri + "?mode=rw");
    db.setConnectOptions("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000");
    QSqlError failure;
    if (!db.open()) {
        failure = db.lastError();
    } else {
        // Before the first read: SQLite checks the file's length against its header then.
        QSqlQuery query(db);
        if (!query.exec("PRAGMA writable_schema = ON") || !query.exec("SELECT count(*) FROM sqlite_master"))
            failure = query.lastError();
    }
    if (failure.isValid()) {
        const DatabaseError error = ToDatabaseError(failure, fileName);
        CloseDatabase(db);
        throw error;
    }
    return db;
}

bool OpenBookAsFarAsReadable(QSqlDatabase &db, const QString &fileName, const QString &connectionName)
{
    CloseDatabase(db);
    try {
        db = OpenDatabase(fileName, connectionName);
        return false;
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::NotADatabase || !HasDatabaseHeader(fileName))
            throw;
        try {
            db = OpenCutShortDatabase(fileName, connectionName);
            return true;
        } catch (const DatabaseError &) {
            throw error;
        }
    }
}

void RequireWritable(const QSqlDatabase &db, const QString &fileName)
{
    const QSqlError failure = tryOneChange(db);
    if (!failure.isValid())
        return;
    const DatabaseError error = ToDatabaseError(failure, fileName);
    if (error.kind() != DatabaseError::Kind::ReadOnly && error.kind() != DatabaseError::Kind::CannotOpen)
        return; // in use or damaged: that is for the operations that meet it to report
    throw readOnlyError(fileName);
}

std::optional<DatabaseError> PlainFileFailure(const QString &fileName, const QString &engineText, int resultCode)
{
    const QString path = localPath(fileName);
    if (path.isEmpty())
        return std::nullopt;
    const QString name = QFileInfo(path).fileName();
    if (engineText.contains("database or disk is full"))
        return DatabaseError(QCoreApplication::translate("Store", "The database file '%1' could not be written: the "
                                                                  "disk is full. Make room on it, then try again.")
                                 .arg(name));
    if (engineText.contains("disk I/O error"))
        return DatabaseError(QCoreApplication::translate("Store", "The database file '%1' could not be read or "
                                                                  "written: the disk reported an error.")
                                 .arg(name));
    if (engineText.contains("readonly database"))
        return readOnlyError(path, resultCode);
    if (engineText.contains("database is locked")
        && FileIsOpenSomewhere(QFileInfo(RealBookPath(path)).absoluteDir().filePath(RepairFileName)))
        return DatabaseError(QCoreApplication::translate("Store", "The database file '%1' is being repaired by another "
                                                                  "program. Try again when the repair is done.")
                                 .arg(name),
                             DatabaseError::Kind::Busy);
    if (engineText.contains("unable to open database file")
        && QFile::encodeName(QFileInfo(path).absoluteFilePath()).size() >= SQLitePathLimit)
        return DatabaseError(QCoreApplication::translate("Store", "The database file '%1' cannot be opened: its path "
                                                                  "is longer than the %2 characters the database "
                                                                  "accepts. Move it to a folder with a shorter path.")
                                 .arg(name)
                                 .arg(SQLitePathLimit),
                             DatabaseError::Kind::CannotOpen);
    if (engineText.contains("no such table") && QFileInfo(path).isFile() && QFileInfo(path).size() == 0)
        return DatabaseError(QCoreApplication::translate("Store", "The file '%1' is empty: it holds no address book. "
                                                                  "Move it away or delete it, and the program makes a "
                                                                  "new one at the next start.")
                                 .arg(name),
                             DatabaseError::Kind::NotADatabase);
    return std::nullopt;
}


} // namespace varnelle
