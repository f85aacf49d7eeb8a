#include "data/Maintenance.h"

#include "data/BookFile.h"
#include "data/Database.h"
#include "data/Health.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <filesystem>
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

} // namespace

RepairResult RepairBook(const QString &fileName)
{
    const QString book = RealBookPath(fileName);
    const QString copy = QFileInfo(book).absoluteDir().filePath(RepairFileName);
    // A leftover copy of an earlier repair stops this one before either file is touched.
    if (QFileInfo::exists(copy) || QFileInfo(copy).isSymLink())
        throw CopyExistsError();
    QStringList damage;
    WithConnection(book, [&](QSqlDatabase &db) { damage = FindDamage(db); });

    RepairResult result;
    result.salvaged = !damage.isEmpty();
    try {
        if (result.salvaged)
            result.report = SalvageInto(book, copy);
        else
            CompactInto(book, copy);
        KeepModeAndOwner(book, copy);
        if (result.salvaged)
            result.keptAs = KeepDamagedOriginal(book);
        ReplaceFile(copy, book);
    } catch (const DatabaseError &) {
        QFile::remove(copy); // the book is still the one found
        throw;
    }
    return result;
}

void CompactInto(const QString &fileName, const QString &copyName)
{
    const QString copyPath = QFileInfo(copyName).absoluteFilePath();
    if (QFileInfo::exists(copyPath))
        throw CopyExistsError();
    try {
        WithConnection(fileName, [&](QSqlDatabase &db) { RunQuery(db, "VACUUM INTO ?", {copyPath}); });
    } catch (const DatabaseError &) {
        QFile::remove(copyPath); // a copy cut short is of no use
        throw;
    }
}

void ReplaceFile(const QString &from, const QString &to)
{
    QFile copy(from);
    if (!copy.open(QIODevice::ReadWrite))
        throw DatabaseError(QString("The file '%1' cannot be opened: %2").arg(from, copy.errorString()));
#ifdef Q_OS_UNIX
    if (::fsync(copy.handle()) != 0)
        throw DatabaseError(QString("The file '%1' could not be written to disk.").arg(from));
#endif
    copy.close();

    std::error_code error;
    // Replaces the target in one step: the target names either the old file or the new one.
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), error);
    if (error)
        throw DatabaseError(QString("The file '%1' could not be renamed to '%2': %3.")
                                .arg(from, to, QString::fromStdString(error.message())));
}

} // namespace varnelle
