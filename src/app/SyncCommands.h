#pragma once

#include "sync/BookSync.h"

#include <QString>

class QTextStream;

namespace varnelle {

// The sync commands of the command line:
//   --add-account URL --user NAME [--view business|personal]
//       [--address-book NAME-OR-URL] [--password-command CMD] [--insecure]
//   --accounts
//   --remove-account N
//   --sync [--view business|personal|all] [--password-command CMD]
//       [--accept-removal | --upload-all]
//   --trust-certificate SHA256 with --add-account or --sync: a certificate
//       trusted for the account although no authority vouches for it
// A password comes from the first line of --password-command's output, else
// from standard input when that is no terminal; it is never stored.
struct SyncCommand {
    enum class Kind { None, AddAccount, Accounts, RemoveAccount, Sync };
    Kind kind = Kind::None;
    QString url;             // --add-account
    QString user;            // --user; empty: the user named in the url
    QString addressBook;     // --address-book
    QString passwordCommand; // --password-command
    bool insecure = false;   // --insecure
    QString view;            // --view as given; empty when not given
    int number = 0;          // --remove-account
    // --accept-removal, --upload-all: what --sync does with an emptied server book
    sync::EmptiedBook emptied = sync::EmptiedBook::Refuse;
    QString trustedCertificate; // --trust-certificate, normalized
};

// The sync commands for the end of --help.
QString SyncHelpText();

// Runs it on the book `bookFile` and prints a summary. Returns 0 on success,
// 1 on a failure (the message names the server and the cause). Needs a
// QCoreApplication.
int RunSyncCommand(const SyncCommand &command, const QString &bookFile, QTextStream &out, QTextStream &err);

} // namespace varnelle
