#include "app/SyncCommands.h"

#include "ui/sync/SyncPasswords.h"
#include "store/Database.h"
#include "store/Setup.h"
#include "store/SyncState.h"
#include "sync/BookSync.h"
#include "sync/DavClient.h"
#include "sync/Discovery.h"
#include "sync/SyncError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTextStream>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace varnelle {

namespace {

// Where the password comes from; asked once for each server and user.
class Passwords {
public:
    // The command runs in `folder`, the book's.
    Passwords(const QString &command, const QString &folder) : mCommand(command), mFolder(folder) {}

    QString get(const QString &server, const QString &user)
    {
        const QString key = server + u'\n' + user;
        if (!mKnown.contains(key))
            mKnown.insert(key, read(server));
        return mKnown.value(key);
    }

private:
    QString read(const QString &server)
    {
        if (!mCommand.isEmpty()) {
            QProcess process;
            process.setWorkingDirectory(mFolder);
            process.start("/bin/sh", {"-c", mCommand});
            if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
                || process.exitCode() != 0)
            {
                QString reason = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
                if (reason.isEmpty())
                    reason = process.exitStatus() == QProcess::NormalExit && process.state() == QProcess::NotRunning
                        ? QCoreApplication::translate("SyncCommands", "it ended with status %1")
                              .arg(process.exitCode())
                        : QCoreApplication::translate("SyncCommands", "it did not end normally");
                throw sync::SyncError(
                    QCoreApplication::translate("SyncCommands", "The password command for %1 failed: %2")
                        .arg(server, reason));
            }
            return QString::fromLocal8Bit(process.readAllStandardOutput()).section(u'\n', 0, 0).remove(u'\r');
        }
#ifdef Q_OS_UNIX
        if (!::isatty(STDIN_FILENO)) {
            if (mStdinUsed)
                return mFromStdin;
            QFile in;
            if (in.open(stdin, QIODevice::ReadOnly))
                mFromStdin = QString::fromLocal8Bit(in.readLine()).remove(u'\n').remove(u'\r');
            mStdinUsed = true;
            return mFromStdin;
        }
#endif
        throw sync::SyncError(QCoreApplication::translate("SyncCommands", "No password for %1: give it with "
                                                                          "--password-command, or on standard input.")
                                  .arg(server));
    }

    QString mCommand;
    QString mFolder;
    QHash<QString, QString> mKnown;
    QString mFromStdin;
    bool mStdinUsed = false;
};

QString viewName(bool isBusiness)
{
    return isBusiness ? QCoreApplication::translate("SyncCommands", "business")
                      : QCoreApplication::translate("SyncCommands", "personal");
}

std::optional<bool> viewNamed(const QString &name)
{
    if (name.compare(QLatin1String("business"), Qt::CaseInsensitive) == 0)
        return true;
    if (name.compare(QLatin1String("personal"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

int listAccounts(const QSqlDatabase &db, QTextStream &out)
{
    const QList<SyncAccount> accounts = ReadSyncAccounts(db);
    if (accounts.isEmpty())
        out << QCoreApplication::translate("SyncCommands", "No sync accounts.") << '\n';
    for (qsizetype i = 0; i < accounts.size(); ++i) {
        const SyncAccount &a = accounts[i];
        out << QCoreApplication::translate("SyncCommands", "%1: the %2 view with '%3' (%4), user %5%6")
                   .arg(i + 1)
                   .arg(viewName(a.isBusiness), a.bookName, a.bookUrl, a.userName,
                        a.insecure ? QCoreApplication::translate("SyncCommands", ", plain http allowed") : QString())
            << '\n';
    }
    return 0;
}

int addAccount(QSqlDatabase &db, const SyncCommand &c, Passwords &passwords, QTextStream &out)
{
    QString userInUrl;
    QString passwordInUrl;
    const QUrl server = sync::ServerUrl(c.url, &userInUrl, &passwordInUrl);
    const bool insecure = c.insecure;
    sync::DavClient::CheckTransport(server, insecure);
    const std::optional<bool> named = viewNamed(c.view);
    const bool isBusiness = named ? *named : ReadSetupView(db);
    const QString user = c.user.isEmpty() ? userInUrl : c.user;
    // A password in the address goes to the keyring, never to the book.
    if (!passwordInUrl.isEmpty() && !SyncPasswords::KeepInKeyring(server.host(), user, passwordInUrl))
        throw sync::SyncError(
            QCoreApplication::translate(
                "SyncCommands", "The address of %1 holds a password, which Varnelle keeps only in the desktop's "
                                "keyring, and no keyring took it. Give the address without the password, and the "
                                "password with --password-command or on standard input.")
                .arg(server.host()),
            sync::SyncError::Kind::Refused);
    sync::DavClient client(server, user, passwordInUrl.isEmpty() ? passwords.get(server.host(), user) : passwordInUrl,
                           insecure);
    client.setTrustedCertificate(c.trustedCertificate);
    const sync::RemoteBook book = sync::ChooseAddressBook(sync::FindAddressBooks(client, server),
                                                          c.addressBook, server.host());
    SyncAccount account;
    account.serverUrl = server.toString();
    account.userName = user;
    account.isBusiness = isBusiness;
    account.bookUrl = book.url.toString();
    account.bookName = book.name.isEmpty() ? book.url.path() : book.name;
    account.insecure = insecure;
    account.trustedCertificate = c.trustedCertificate;
    AddSyncAccount(db, account);
    out << QCoreApplication::translate("SyncCommands", "Account %1 added: the %2 view syncs with '%3' on %4.")
               .arg(ReadSyncAccounts(db).size())
               .arg(viewName(isBusiness), account.bookName, server.host())
        << '\n';
    return 0;
}

int syncAccounts(QSqlDatabase &db, const SyncCommand &c, const QString &bookFile, Passwords &passwords,
                 QTextStream &out)
{
    const QString view = c.view.isEmpty() ? QStringLiteral("all") : c.view.toLower();
    int synced = 0;
    for (SyncAccount a : ReadSyncAccounts(db)) {
        if (view != QLatin1String("all") && viewNamed(view) != a.isBusiness)
            continue;
        if (!c.trustedCertificate.isEmpty())
            a.trustedCertificate = c.trustedCertificate;
        const QUrl url(a.bookUrl);
        sync::SyncOptions options;
        options.emptied = c.emptied;
        sync::SyncSummary summary;
        try {
            summary = sync::SyncBook(db, bookFile, a, passwords.get(url.host(), a.userName), options);
            if (!c.trustedCertificate.isEmpty()) // the certificate served: kept with the account
                StoreTrustedCertificate(db, a.id, a.trustedCertificate);
        } catch (const sync::SyncError &error) {
            if (error.kind() != sync::SyncError::Kind::Emptied)
                throw;
            throw sync::SyncError(error.message() + u' '
                                  + QCoreApplication::translate("SyncCommands",
                                                                "To remove them here too, run --sync "
                                                                "--accept-removal; to upload them again, run --sync "
                                                                "--upload-all."),
                                  error.kind(), error.count());
        }
        out << summary.lines().join(u'\n') << '\n';
        ++synced;
    }
    if (synced == 0)
        throw sync::SyncError(
            view == QLatin1String("all")
                ? QCoreApplication::translate("SyncCommands", "No account to sync: add one with --add-account.")
                : QCoreApplication::translate("SyncCommands",
                                              "No account syncs the %1 view: add one with --add-account.")
                      .arg(view));
    return 0;
}

} // namespace

QString SyncHelpText()
{
    return QCoreApplication::translate(
        "SyncCommands",
        "\nSync with a CardDAV server (the password comes from --password-command,\n"
        "else from standard input):\n"
        "  --add-account <url> --user <name> [--view business|personal]\n"
        "      [--address-book <name-or-url>] [--password-command <command>] [--insecure]\n"
        "                     Adds an account for a view and chooses its address book.\n"
        "  --accounts         Lists the accounts.\n"
        "  --remove-account <n>\n"
        "                     Removes the account of that number.\n"
        "  --sync [--view business|personal|all] [--password-command <command>]\n"
        "                     Syncs the accounts both ways and prints a summary.\n")
        + QCoreApplication::translate(
            "SyncCommands",
            "  --sync --accept-removal, --sync --upload-all\n"
            "                     When the server's address book was emptied: removes its\n"
            "                     contacts here too, or uploads them again.\n"
            "  --trust-certificate <sha256>\n"
            "                     With --add-account or --sync: trusts the server's certificate\n"
            "                     of this SHA-256 fingerprint for the account.\n");
}

int RunSyncCommand(const SyncCommand &command, const QString &bookFile, QTextStream &out, QTextStream &err)
{
    Passwords passwords(command.passwordCommand, QFileInfo(bookFile).absolutePath());
    QSqlDatabase db;
    try {
        EnsureDatabase(bookFile);
        db = OpenDatabase(bookFile, "sync-command");
        int status = 0;
        const int number = command.number;
        switch (command.kind) {
        case SyncCommand::Kind::Accounts:
            status = listAccounts(db, out);
            break;
        case SyncCommand::Kind::RemoveAccount: {
            const QList<SyncAccount> accounts = ReadSyncAccounts(db);
            if (number > accounts.size())
                throw sync::SyncError(
                    QCoreApplication::translate("SyncCommands", "There is no account %1; --accounts lists them.")
                        .arg(number));
            const sync::SyncLock lock(bookFile);
            RemoveSyncAccount(db, accounts[number - 1].id);
            out << QCoreApplication::translate("SyncCommands", "Account %1 removed.").arg(number) << '\n';
            break;
        }
        case SyncCommand::Kind::AddAccount:
            status = addAccount(db, command, passwords, out);
            break;
        case SyncCommand::Kind::Sync:
            status = syncAccounts(db, command, bookFile, passwords, out);
            break;
        case SyncCommand::Kind::None:
            break;
        }
        CloseDatabase(db);
        return status;
    } catch (const sync::SyncError &error) {
        err << error.message() << '\n';
        if (!error.certificate().isEmpty())
            err << QCoreApplication::translate("SyncCommands",
                                               "If it is your server's certificate, give --trust-certificate %1 "
                                               "to trust it for this account.")
                       .arg(error.certificate())
                << '\n';
    } catch (const DatabaseError &error) {
        err << error.message() << '\n';
    }
    CloseDatabase(db);
    return 1;
}

} // namespace varnelle
