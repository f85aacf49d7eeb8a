#include "ui/sync/SyncPasswords.h"

#include "ui/widgets/MessageBox.h"

#include <QPointer>
#include <QThread>
#include <future>
#include <memory>

#ifdef VARNELLE_HAVE_KEYCHAIN
#include <qt6keychain/keychain.h>
#endif

namespace varnelle {

namespace {

const char *const KeyringService = "Varnelle CardDAV";

QString keyOf(const QString &server, const QString &user) { return user + u'@' + server; }

// Writes a password to the keyring, or takes it out when empty; the job
// deletes itself when done.
void toKeyring(const QString &key, const QString &password)
{
#ifdef VARNELLE_HAVE_KEYCHAIN
    QKeychain::Job *job = nullptr;
    if (password.isEmpty()) {
        auto *remove = new QKeychain::DeletePasswordJob(KeyringService);
        remove->setKey(key);
        job = remove;
    } else {
        auto *write = new QKeychain::WritePasswordJob(KeyringService);
        write->setKey(key);
        write->setTextData(password);
        job = write;
    }
    job->start();
#else
    Q_UNUSED(key);
    Q_UNUSED(password);
#endif
}

} // namespace

void SyncPasswords::password(const QString &server, const QString &user, QObject *context, Answer answer)
{
    known(server, user, context, [this, server, user, answer](const QString &found) {
        if (!found.isEmpty())
            return answer(found);
        const QString typed = PasswordBox(tr("Sync"), tr("Password of %1 on %2:").arg(user, server));
        if (!typed.isEmpty())
            mSession.insert(keyOf(server, user), typed);
        answer(typed);
    });
}

void SyncPasswords::askAgain(const QString &server, const QString &user, Answer answer)
{
    const QString typed = PasswordBox(tr("Sync"), tr("The server refused the password for %1.").arg(user) + u'\n'
                                                      + tr("Password of %1 on %2:").arg(user, server));
    if (!typed.isEmpty())
        mSession.insert(keyOf(server, user), typed);
    answer(typed);
}

void SyncPasswords::known(const QString &server, const QString &user, QObject *context, Answer answer)
{
    const QString key = keyOf(server, user);
    if (const QString inMemory = mSession.value(key); !inMemory.isEmpty())
        return answer(inMemory);
#ifdef VARNELLE_HAVE_KEYCHAIN
    auto *job = new QKeychain::ReadPasswordJob(KeyringService); // deletes itself when done
    job->setKey(key);
    const QPointer<SyncPasswords> self(this);
    connect(job, &QKeychain::Job::finished, context, [self, key, job, answer] {
        const QString found = job->error() == QKeychain::NoError ? job->textData() : QString();
        if (self && !found.isEmpty())
            self->mSession.insert(key, found);
        answer(found);
    });
    job->start();
#else
    Q_UNUSED(context);
    answer(QString());
#endif
}

void SyncPasswords::remember(const QString &server, const QString &user, const QString &password)
{
    mSession.insert(keyOf(server, user), password);
    toKeyring(keyOf(server, user), password);
}

void SyncPasswords::forget(const QString &server, const QString &user)
{
    mSession.remove(keyOf(server, user));
    toKeyring(keyOf(server, user), QString());
}

bool SyncPasswords::KeepInKeyring(const QString &server, const QString &user, const QString &password)
{
#ifdef VARNELLE_HAVE_KEYCHAIN
    QThread thread;
    thread.start();
    auto done = std::make_shared<std::promise<bool>>();
    std::future<bool> stored = done->get_future();
    QObject context;
    context.moveToThread(&thread);
    QMetaObject::invokeMethod(&context, [done, key = keyOf(server, user), password] {
        auto *job = new QKeychain::WritePasswordJob(KeyringService); // deletes itself when finished
        job->setKey(key);
        job->setTextData(password);
        QObject::connect(job, &QKeychain::Job::finished, job, [done](QKeychain::Job *finished) {
            done->set_value(finished->error() == QKeychain::NoError);
        });
        job->start();
    });
    const bool ok = stored.wait_for(std::chrono::seconds(30)) == std::future_status::ready && stored.get();
    thread.quit();
    thread.wait();
    return ok;
#else
    Q_UNUSED(server);
    Q_UNUSED(user);
    Q_UNUSED(password);
    return false;
#endif
}

} // namespace varnelle
