#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

namespace varnelle {

// The passwords of the sync accounts for one session of the program: kept
// in the desktop's keyring when one answers (QtKeychain and a Secret
// Service), else asked once a session and held in memory only. Never written
// to the book, a log or a settings file. The keyring answers later: the
// answers come by calling back, at once when the password is in memory, and
// not at all when the context object has gone meanwhile.
class SyncPasswords : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(const QString &password)>;

    explicit SyncPasswords(QObject *parent = nullptr) : QObject(parent) {}

    // The password of user at server: from memory, the keyring, or asked
    // (empty when the user cancels).
    void password(const QString &server, const QString &user, QObject *context, Answer answer);
    // The password from memory or the keyring, never asked; empty when neither has it.
    void known(const QString &server, const QString &user, QObject *context, Answer answer);
    // Remembers a password typed in the accounts dialog, in the keyring too.
    void remember(const QString &server, const QString &user, const QString &password);
    // Forgets a password that the server refused.
    void forget(const QString &server, const QString &user);
    // Asks for a password again after the server refused the one it was
    // given, saying so (empty when the user cancels).
    void askAgain(const QString &server, const QString &user, Answer answer);

    // Stores a password in the keyring for a caller that runs no event loop
    // (the command line): the keyring is spoken to on a thread of its own.
    // False when no keyring took it.
    static bool KeepInKeyring(const QString &server, const QString &user, const QString &password);

private:
    QHash<QString, QString> mSession;
};

} // namespace varnelle
