#include "app/AppDataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace varnelle {

QString AppDataFolder()
{
    // The folder of the program's name, not of its organisation and name:
    // where the book has always been kept.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + u'/' + QCoreApplication::applicationName();
}

void AdoptOldSettings()
{
    const QString settings = QSettings().fileName();
    const QString old = QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Unknown Organization"),
                                  QCoreApplication::applicationName())
                            .fileName();
    if (old == settings || QFileInfo::exists(settings) || !QFileInfo(old).isFile())
        return;
    if (QDir().mkpath(QFileInfo(settings).path()) && QFile::rename(old, settings))
        QDir().rmdir(QFileInfo(old).path()); // only when nothing else is left in it
}

} // namespace varnelle
