#include "store/History.h"
#include "store/repair/Maintenance.h"

#include "store/BookFile.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/SearchIndex.h"
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
    // In the exclusive locking mode the lock of a write transaction stays after it ends. It
    // ends by a rollback, which writes nothing: a commit would write the header of a file cut short.
    RunQuery(db, "BEGIN EXCLUSIVE");
    RunQuery(db, "ROLLBACK");
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
// The repair is where the user asks for a check: the full one, which also
// compares every index with its table, whatever the size of the book.
bool compactIfSound(const QSqlDatabase &db, const QString &copy)
{
    if (!FindDamage(db, CheckDepth::Full).isEmpty())
        return false;
    try {
        RunQuery(db, "VACUUM INTO ?", {copy});
        // The repaired book makes its search keys anew.
        Connection repaired = OpenConnection(copy, QStringLiteral("repaired"));
        ForgetSearchKeys(repaired.database());
        PruneHistory(repaired.database());
    } catch (const DatabaseError &error) {
        if (error.kind() != DatabaseError::Kind::Damaged)
            throw;
        return false;
    }
    return true;
}

// A copy of an earlier repair beside the book: one that no process holds
// open is left by a repair that was killed, and goes (true); one held open is
// another repair's, at work, and stops this one.
bool removeLeftoverCopy(const QString &fileName, const QString &copy)
{
    if (!QFileInfo::exists(copy) && !QFileInfo(copy).isSymLink())
        return false;
    if (QFileInfo(copy).isSymLink() || FileIsOpenSomewhere(copy) || !QFile::remove(copy))
        throw InterruptedRepairError(fileName);
    QFile::remove(copy + "-journal");
    return true;
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

RepairResult RepairBook(const QString &fileName, const SalvageProgress &progress)
{
    const QString book = RealBookPath(fileName);
    const QString copy = QFileInfo(book).absoluteDir().filePath(RepairFileName);
    RemoveLeftoverFiles(book);
    RepairResult result;
    QSqlDatabase db;
    bool copyIsOurs = false;
    try {
        // SQLite refuses a file cut short whole, though its header is its own: salvaged as far as it goes.
        // A file whose header is damaged is salvaged from its pages.
        std::optional<DatabaseError> refused;
        bool unopened = false;
        const QString connection = "repair-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
        try {
            db = OpenDatabase(book, connection);
        } catch (const DatabaseError &error) {
            if (error.kind() != DatabaseError::Kind::NotADatabase)
                throw;
            refused = error;
            try {
                if (!HasDatabaseHeader(book))
                    throw error;
                db = OpenCutShortDatabase(book, connection);
            } catch (const DatabaseError &) {
                unopened = true;
            }
        }
        if (!unopened)
            holdBook(db);
        // Held by this repair, the book has no other repair at work on it.
        result.removedLeftover = removeLeftoverCopy(fileName, copy);
        copyIsOurs = true;
        // Opening the book rolled back a journal a killed change left; what is left of one now is no journal of a
        // change at all (killed before its header was written), and must not lie beside the new file.
        if (!unopened)
            QFile::remove(book + "-journal");
        // Numbers whose type is lost get it made again by a salvage.
        result.salvaged = refused || !FindOrphanNumbers(db).isEmpty() || !compactIfSound(db, copy);
        if (result.salvaged) {
            QFile::remove(copy);
            try {
                result.report = unopened ? SalvageInto(book, copy, progress)
                                         : SalvageFromOpenBook(db, book, copy, progress);
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
    } catch (const DatabaseError &) {
        CloseDatabase(db);
        if (copyIsOurs)
            QFile::remove(copy); // the book is still the one found
        throw;
    }
    return result;
}

} // namespace varnelle
