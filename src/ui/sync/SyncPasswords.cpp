#include "ui/sync/SyncPasswords.h"

#include "ui/widgets/MessageBox.h"

#include <QEventLoop>

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

} // namespace varnelle
