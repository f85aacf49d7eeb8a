#pragma once

#include <QString>

namespace varnelle {

// The folder under the user's data location where a start from the
// applications menu keeps its address book (e.g. ~/.local/share/Varnelle).
QString AppDataFolder();

// Creates that folder when it is missing and makes it the current folder, so
// that Address.mdb is found and made there. On failure returns false and
// sets `error` to a sentence naming the folder.
bool EnterAppDataFolder(QString *error);

// The settings are kept under the program's organisation and name
// (~/.config/Varnelle/Varnelle.conf); earlier versions, which named no
// organisation, kept them under "Unknown Organization". Moves that file to
// its place, once: never over settings already there.
void AdoptOldSettings();

} // namespace varnelle
