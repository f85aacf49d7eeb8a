#include "store/repair/Maintenance.h"

#include "store/BookFile.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/repair/Health.h"

#include "common/FileFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <filesystem>
#include <optional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace varnelle {

namespace {

// How long a repair waits for the others to finish what they are doing in the book.
constexpr int HoldWaitMilliseconds = 10000;

// Takes the book for the connection alone until it is closed: from the check
// to the rename of the new file, no other program reads or changes it, so no
// change of theirs can fall between the copy and its taking the book's place.
// Others wait (their busy timeout) and then say the book is in use.
void holdBook(const QSqlDatabase &db)
{
    RunQuery(db, QString("PRAGMA busy_timeout = %1").arg(HoldWaitMilliseconds));
    RunQuery(db, "PRAGMA locking_mode = EXCLUSIVE");
    // In the exclusive locking mode the lock of a write transaction stays after it ends.
    RunQuery(db, "BEGIN EXCLUSIVE");
    RunQuery(db, "COMMIT");
}

// Puts the file 'from' in the place of 'to' with one atomic rename, after
// flushing it to disk.
void ReplaceFile(const QString &from, const QString &to)
{
    QFile copy(from);
    if (!copy.open(QIODevice::ReadOnly)) // enough to flush it, whatever its mode
        throw DatabaseError(QCoreApplication::translate("Store", "The file '%1' cannot be opened: %2")
                                .arg(QFileInfo(from).fileName(), copy.errorString()));
#ifdef Q_OS_UNIX
    if (::fsync(copy.handle()) != 0)
        throw DatabaseError(QCoreApplication::translate("Store", "The file '%1' could not be written to disk: %2.")
                                .arg(QFileInfo(from).fileName(), FileFailureCause(errno)));
#endif
    copy.close();

    std::error_code error;
    // Replaces the target in one step: the target names either the old file or the new one.
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), error);
    if (error)
        throw DatabaseError(QCoreApplication::translate("Store", "The file '%1' could not be renamed to '%2': %3.")
                                .arg(QFileInfo(from).fileName(), QFileInfo(to).fileName(),
                                     FileFailureCause(error.value())));
}

// Compacts the book into copy when it is sound; false when it is damaged.
// Small books, and books in which damage was met during this run, get the
// full check first. A larger book, found sound by the start-up's quick check,
// is checked by its compaction: VACUUM INTO reads every row of every table and
// index and stops at an unreadable page; then each table must count the same
// rows through itself and through each of its indexes.
bool compactIfSound(const QSqlDatabase &db, const QString &copy)
{
    if (FullCheckIsCheap(db)) {
        if (!FindDamage(db).isEmpty())
            return false;
        RunQuery(db, "VACUUM INTO ?", {copy});
        return true;
    }
    try {
        RunQuery(db, "VACUUM INTO ?", {copy});
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::Damaged)
            throw;
        return false;
    }
    return RowCountsAgree(db);
}

} // namespace

DatabaseError InterruptedRepairError(const QString &fileName)
{
    const QString book = QFileInfo(fileName).fileName();
    return DatabaseError(QCoreApplication::translate("Store", "The file '%1' already exists: an earlier repair was "
                                                              "interrupted. '%2' is intact. Move '%1' away or delete "
                                                              "it, then repair again.")
                             .arg(RepairFileName, book));
}

RepairResult RepairBook(const QString &fileName)
{
    const QString book = RealBookPath(fileName);
    const QString copy = QFileInfo(book).absoluteDir().filePath(RepairFileName);
    RemoveLeftoverFiles(book);
    // A leftover copy of an earlier repair stops this one before either file is touched.
    if (QFileInfo::exists(copy) || QFileInfo(copy).isSymLink())
        throw InterruptedRepairError(fileName);
    RepairResult result;
    QSqlDatabase db;
    try {
        // SQLite refuses a file cut short whole, though its header is its own: salvaged as far as it goes.
        std::optional<DatabaseError> refused;
        const QString connection = "repair-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
        try {
            db = OpenDatabase(book, connection);
        } catch (const DatabaseError &error) {
            if (error.kind() != DatabaseError::Kind::NotADatabase || !HasDatabaseHeader(book))
                throw;
            refused = error;
            try {
                db = OpenCutShortDatabase(book, connection);
            } catch (const DatabaseError &) {
                throw error;
            }
        }
        holdBook(db);
        // Opening the book rolled back a journal a killed change left; what is left of one now is no journal of a
        // change at all (killed before its header was written), and must not lie beside the new file.
        QFile::remove(book + "-journal");
        result.salvaged = refused || !compactIfSound(db, copy);
        if (result.salvaged) {
            QFile::remove(copy);
            try {
                result.report = SalvageFromOpenBook(db, book, copy);
            } catch (const DatabaseError &error) {
                if (refused && error.kind() == DatabaseError::Kind::NotADatabase)
                    throw *refused;
                throw;
            }
        }
        KeepModeAndOwner(book, copy);
        if (result.salvaged)
            result.keptAs = KeepDamagedOriginal(book);
        ReplaceFile(copy, book);
        CloseDatabase(db); // the others come in now, to the new file
        ForgetDamage();
    } catch (const DatabaseError &) {
        CloseDatabase(db);
        QFile::remove(copy); // the book is still the one found
        throw;
    }
    return result;
}

} // namespace varnelle
