#include "ui/sync/SyncPasswords.h"

#include "ui/widgets/MessageBox.h"

#include <QEventLoop>
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

#ifdef VARNELLE_HAVE_KEYCHAIN
// Runs a keyring job to its end; false when no keyring answered.
bool runJob(QKeychain::Job &job)
{
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.setAutoDelete(false);
    job.start();
    loop.exec();
    return job.error() == QKeychain::NoError;
}
#endif

QString fromKeyring(const QString &key)
{
#ifdef VARNELLE_HAVE_KEYCHAIN
    QKeychain::ReadPasswordJob job(KeyringService);
    job.setKey(key);
    if (runJob(job))
        return job.textData();
#else
    Q_UNUSED(key);
#endif
    return {};
}

void toKeyring(const QString &key, const QString &password)
{
#ifdef VARNELLE_HAVE_KEYCHAIN
    if (password.isEmpty()) {
        QKeychain::DeletePasswordJob job(KeyringService);
        job.setKey(key);
        runJob(job);
        return;
    }
    QKeychain::WritePasswordJob job(KeyringService);
    job.setKey(key);
    job.setTextData(password);
    runJob(job);
#else
    Q_UNUSED(key);
    Q_UNUSED(password);
#endif
}

} // namespace

QString SyncPasswords::password(const QString &server, const QString &user)
{
    QString found = known(server, user);
    if (found.isEmpty()) {
        found = PasswordBox(tr("Sync"), tr("Password of %1 on %2:").arg(user, server));
        if (found.isEmpty())
            return {};
        mSession.insert(keyOf(server, user), found);
    }
    return found;
}

QString SyncPasswords::known(const QString &server, const QString &user)
{
    const QString key = keyOf(server, user);
    if (const QString inMemory = mSession.value(key); !inMemory.isEmpty())
        return inMemory;
    const QString found = fromKeyring(key);
    if (!found.isEmpty())
        mSession.insert(key, found);
    return found;
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
        QObject::connect(job, &QKeychain::Job::finished, job,
                         [done](QKeychain::Job *finished) { done->set_value(finished->error() == QKeychain::NoError); });
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
