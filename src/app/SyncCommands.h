#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace varnelle {

// The sync commands of the command line:
//   --add-account URL --user NAME [--view business|personal]
//       [--address-book NAME-OR-URL] [--password-command CMD] [--insecure]
//   --accounts
//   --remove-account N
//   --sync [--view business|personal|all] [--password-command CMD]
// A password comes from the first line of --password-command's output, else
// from standard input when that is no terminal; it is never stored.

// Whether the arguments (the program's name first) ask for one of them.
bool IsSyncCommand(const QStringList &arguments);

// The sync commands for the end of --help.
QString SyncHelpText();

// Runs it on Address.mdb in the current folder and prints a summary. Returns
// 0 on success, 1 on a failure (the message names the server and the cause),
// 2 for a mistake in the options. Needs a QCoreApplication.
int RunSyncCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace varnelle
