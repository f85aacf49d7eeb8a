#include "common/FileFailure.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace varnelle {

QString FileFailureCause(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QCoreApplication::translate("Files", "the disk is full");
    case EIO:
        return QCoreApplication::translate("Files", "the disk reported an error while reading or writing it");
    case EROFS:
        return QCoreApplication::translate("Files", "the disk can only be read");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Files", "permission to change it is denied");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Files", "its name or path is longer than the system allows");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString WriteFailureCause(const QFileDevice &file)
{
    const int error = errno;
    // Qt tells a full disk apart, and otherwise names the system's cause, at times none at all.
    const bool known = error == ENOSPC || error == EIO || error == EROFS || error == EACCES || error == EPERM;
    if (file.error() == QFileDevice::ResourceError)
        return FileFailureCause(ENOSPC);
    if (known || file.errorString().isEmpty() || file.errorString() == QLatin1String("Unknown error"))
        return error == 0 ? QCoreApplication::translate("Files", "the system gave no cause") : FileFailureCause(error);
    return file.errorString();
}

QString NotAFile(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("Files", "it is a folder, not a file");
    if (S_ISFIFO(status.st_mode))
        return QCoreApplication::translate("Files", "it is a pipe (FIFO), not a file");
    if (S_ISSOCK(status.st_mode))
        return QCoreApplication::translate("Files", "it is a socket, not a file");
    return QCoreApplication::translate("Files", "it is a device, not a file");
#else
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return QCoreApplication::translate("Files", "it is a folder, not a file");
    return QCoreApplication::translate("Files", "it is a device, not a file");
#endif
}

} // namespace varnelle
