#pragma once

#include <QString>

namespace varnelle {

// The folder under the user's data location where a start from the
// applications menu keeps its address book (e.g. ~/.local/share/Varnelle);
// app/CommandLine.h's BookFileOf makes it when it is missing.
QString AppDataFolder();

// The settings are kept under the program's organisation and name
// (~/.config/Varnelle/Varnelle.conf); earlier versions, which named no
// organisation, kept them under "Unknown Organization". Moves that file to
// its place, once: never over settings already there.
void AdoptOldSettings();

} // namespace varnelle
