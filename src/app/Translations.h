#pragma once

#include <QLocale>
#include <QStringList>

namespace varnelle {

// The folders that may hold varnelle_<language>.qm: translations/ beside the
// program (a build) and ../share/varnelle/translations from it (installed).
QStringList TranslationFolders();

// Installs Varnelle's and Qt's own translations for the locale, when there
// are any; English needs none. Call once the application object exists.
void InstallTranslations(const QLocale &locale = QLocale::system());

} // namespace varnelle
