#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace varnelle {

QStringList TranslationFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + "/translations", QDir::cleanPath(programFolder + "/../share/varnelle/translations")};
}

void InstallTranslations(const QLocale &locale)
{
    // The translators live as long as the application.
    auto *own = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : TranslationFolders()) {
        if (own->load(locale, "varnelle", "_", folder)) {
            QCoreApplication::installTranslator(own);
            break;
        }
    }
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace varnelle
