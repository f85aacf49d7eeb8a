#include "common/ProductInfo.h"

#include "VersionInfo.h"

#include <QCoreApplication>

namespace varnelle {

QString AppTitle()
{
    return QString::fromUtf8(version::ProductName);
}

QString VersionText(int major, int minor)
{
    return QCoreApplication::translate("About", "Version %1.%2").arg(major).arg(minor);
}

} // namespace varnelle
