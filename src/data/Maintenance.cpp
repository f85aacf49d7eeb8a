#include "data/Maintenance.h"

#include "data/BookFile.h"
#include "data/Database.h"
#include "data/Health.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <filesystem>
#include <future>
#include <optional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace varnelle {

namespace {

// Runs body on a connection of its own to fileName, closed afterwards.
template <class Body>
void WithConnection(const QString &fileName, Body &&body)
{
    QSqlDatabase db = OpenDatabase(fileName, "maintenance-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
    try {
        body(db);
    } catch (...) {
        CloseDatabase(db);
        throw;
    }
    CloseDatabase(db);
}

// Puts the file 'from' in the place of 'to' with one atomic rename, after
// flushing it to disk.
void ReplaceFile(const QString &from, const QString &to)
{
    QFile copy(from);
    if (!copy.open(QIODevice::ReadWrite))
        throw DatabaseError(
            QString("The file '%1' cannot be opened: %2").arg(QFileInfo(from).fileName(), copy.errorString()));
#ifdef Q_OS_UNIX
    if (::fsync(copy.handle()) != 0)
        throw DatabaseError(QString("The file '%1' could not be written to disk.").arg(QFileInfo(from).fileName()));
#endif
    copy.close();

    std::error_code error;
    // Replaces the target in one step: the target names either the old file or the new one.
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), error);
    if (error)
        throw DatabaseError(QString("The file '%1' could not be renamed to '%2': %3.")
                                .arg(QFileInfo(from).fileName(), QFileInfo(to).fileName(),
                                     QString::fromStdString(error.message())));
}

} // namespace

RepairResult RepairBook(const QString &fileName)
{
    const QString book = RealBookPath(fileName);
    const QString copy = QFileInfo(book).absoluteDir().filePath(RepairFileName);
    // A leftover copy of an earlier repair stops this one before either file is touched.
    if (QFileInfo::exists(copy) || QFileInfo(copy).isSymLink())
        throw CopyExistsError();
    RepairResult result;
    try {
        // The check and the compaction read the file at the same time, each
        // on a connection of its own; the compacted copy is used only when the
        // check finds the file sound.
        std::future<bool> sound = std::async(std::launch::async, [&book] {
            bool found = false;
            WithConnection(book, [&](QSqlDatabase &db) { found = FindDamage(db).isEmpty(); });
            return found;
        });
        std::optional<DatabaseError> compactFailure;
        try {
            WithConnection(book, [&](QSqlDatabase &db) { RunQuery(db, "VACUUM INTO ?", {copy}); });
        } catch (const DatabaseError &error) {
            compactFailure = error;
        }
        result.salvaged = !sound.get();
        if (result.salvaged) {
            QFile::remove(copy);
            result.report = SalvageInto(book, copy);
        } else if (compactFailure) {
            throw *compactFailure;
        }
        KeepModeAndOwner(book, copy);
        if (result.salvaged)
            result.keptAs = KeepDamagedOriginal(book);
        ReplaceFile(copy, book);
        ForgetIndexDamage();
    } catch (const DatabaseError &) {
        QFile::remove(copy); // the book is still the one found
        throw;
    }
    return result;
}

} // namespace varnelle
