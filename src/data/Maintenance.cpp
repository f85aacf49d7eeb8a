#include "data/Maintenance.h"

#include "data/Database.h"

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

void RepairInPlace(const QString &fileName)
{
    WithConnection(fileName, [&](QSqlDatabase &db) {
        RunQuery(db, "REINDEX");
        QSqlQuery check = RunQuery(db, "PRAGMA integrity_check");
        QStringList problems;
        while (check.next()) {
            const QString line = check.value(0).toString();
            if (line != "ok")
                problems << line;
        }
        if (!problems.isEmpty())
            throw DatabaseError(QString("The database file '%1' is damaged and cannot be repaired: %2")
                                    .arg(QFileInfo(fileName).fileName(), problems.mid(0, 3).join("; ")),
                                DatabaseError::Kind::NotADatabase);
    });
}

void CompactInto(const QString &fileName, const QString &copyName)
{
    const QString copyPath = QFileInfo(copyName).absoluteFilePath();
    const bool copyExisted = QFileInfo::exists(copyPath);
    try {
        // VACUUM INTO refuses to write over an existing file.
        WithConnection(fileName, [&](QSqlDatabase &db) { RunQuery(db, "VACUUM INTO ?", {copyPath}); });
    } catch (const DatabaseError &) {
        if (!copyExisted)
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
