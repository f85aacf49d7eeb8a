#include "store/BookFile.h"

#include "store/Database.h"
#include "store/DatabaseError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnelle {

namespace {

#ifdef Q_OS_UNIX
QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

// The process's umask, read without changing it where the system tells it.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            bool ok = false;
            if (line.startsWith("Umask:")) {
                const mode_t mask = mode_t(line.mid(6).trimmed().toUInt(&ok, 8));
                if (ok)
                    return mask;
            }
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}
#endif

} // namespace

QFileDevice::Permissions NewBookPermissions()
{
    QFileDevice::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                                           | QFile::ReadGroup | QFile::ReadOther;
#ifdef Q_OS_UNIX
    const mode_t mask = currentUmask();
    if (mask & S_IRUSR)
        permissions &= ~QFileDevice::Permissions(QFile::ReadOwner | QFile::ReadUser);
    if (mask & S_IWUSR)
        permissions &= ~QFileDevice::Permissions(QFile::WriteOwner | QFile::WriteUser);
    if (mask & S_IRGRP)
        permissions &= ~QFileDevice::Permissions(QFile::ReadGroup);
    if (mask & S_IROTH)
        permissions &= ~QFileDevice::Permissions(QFile::ReadOther);
#endif
    return permissions;
}

QString RealBookPath(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString real = info.canonicalFilePath();
    return real.isEmpty() ? info.absoluteFilePath() : real;
}

void KeepModeAndOwner(const QString &from, const QString &to)
{
#ifdef Q_OS_UNIX
    struct stat original {};
    if (::stat(encoded(from).constData(), &original) != 0)
        return; // nothing to keep
    // The owner first: changing it may clear set-id bits that the mode then restores.
    if (::chown(encoded(to).constData(), original.st_uid, original.st_gid) != 0)
        (void)::chown(encoded(to).constData(), uid_t(-1), original.st_gid); // at least the group, where allowed
    if (::chmod(encoded(to).constData(), original.st_mode & 07777) != 0)
        throw DatabaseError(
            QCoreApplication::translate("Store", "The permissions of '%1' cannot be given to the repaired file: %2.")
                .arg(QFileInfo(from).fileName(), QString::fromLocal8Bit(std::strerror(errno))));
#else
    QFile::setPermissions(to, QFile::permissions(from));
#endif
}

QString KeepDamagedOriginal(const QString &path)
{
    for (int n = 0; n < 1000; ++n) {
        const QString name = path + (n == 0 ? QStringLiteral(".damaged") : QStringLiteral(".damaged.%1").arg(n));
        if (QFileInfo(name).exists() || QFileInfo(name).isSymLink())
            continue;
#ifdef Q_OS_UNIX
        if (::link(encoded(path).constData(), encoded(name).constData()) == 0)
            return name;
        if (errno == EEXIST)
            continue;
#endif
        if (QFile::copy(path, name))
            return name;
        throw DatabaseError(QCoreApplication::translate(
                                "Store", "The damaged file '%1' cannot be kept as '%2', so it was not repaired.")
                                .arg(QFileInfo(path).fileName(), QFileInfo(name).fileName()));
    }
    throw DatabaseError(
        QCoreApplication::translate(
            "Store", "The damaged file '%1' cannot be kept: too many earlier damaged copies lie beside it.")
            .arg(QFileInfo(path).fileName()));
}

bool FileIsOpenSomewhere(const QString &path)
{
#ifdef Q_OS_LINUX
    struct stat wanted {};
    if (::stat(encoded(path).constData(), &wanted) != 0)
        return false;
    const QStringList processes = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &process : processes) {
        if (process.isEmpty() || !process.front().isDigit())
            continue;
        const QDir descriptors("/proc/" + process + "/fd");
        for (const QString &fd : descriptors.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
            struct stat held {};
            if (::stat(encoded(descriptors.filePath(fd)).constData(), &held) == 0 && held.st_dev == wanted.st_dev
                && held.st_ino == wanted.st_ino)
                return true;
        }
    }
#else
    Q_UNUSED(path);
#endif
    return false;
}

QStringList RemoveLeftoverFiles(const QString &path)
{
    QStringList removed;
#ifdef Q_OS_UNIX
    const QFileInfo book(path);
    const QDir folder = book.absoluteDir();
    const QStringList patterns{book.fileName() + ".new-*", QString(RepairFileName) + ".new-*"};
    for (const QFileInfo &file : folder.entryInfoList(patterns, QDir::Files | QDir::Hidden | QDir::System)) {
        if (file.isSymLink() || FileIsOpenSomewhere(file.absoluteFilePath()))
            continue;
        if (QFile::remove(file.absoluteFilePath()))
            removed << file.fileName();
    }
#else
    Q_UNUSED(path);
#endif
    return removed;
}

} // namespace varnelle
