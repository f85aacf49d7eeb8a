#include "app/AppDataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace varnelle {

QString AppDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool EnterAppDataFolder(QString *error)
{
    const QString folder = AppDataFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        if (error)
            *error = QCoreApplication::translate("CommandLine",
                                                 "The folder '%1' for the address book cannot be created or entered.")
                         .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return true;
}

} // namespace varnelle
