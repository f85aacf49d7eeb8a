#include "common/FileFailure.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

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

} // namespace varnelle
