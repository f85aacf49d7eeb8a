#include "sync/DavClient.h"

#include "common/Log.h"
#include "sync/SyncError.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QDnsLookup>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>
#include <QCryptographicHash>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>

namespace varnelle::sync {

namespace {

constexpr int MaxRedirects = 5;
constexpr int RetryPauseMs = 1000;

bool sameServer(const QUrl &a, const QUrl &b)
{
    return a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && a.scheme() == b.scheme()
        && a.port(a.scheme() == "https" ? 443 : 80) == b.port(b.scheme() == "https" ? 443 : 80);
}

// The sync's whole time has passed.
SyncError tooLong(const QString &host)
{
    return SyncError(QCoreApplication::translate("Sync", "The sync with the server %1 took too long and was stopped; "
                                                         "what was done is kept, and the next sync goes on from "
                                                         "there.")
                         .arg(host),
                     SyncError::Kind::Unreachable);
}

// Qt Network warns of its own inner state ("QNetworkReplyImplPrivate::error:
// Internal problem, this method must only be called once.") when a request
// that already failed is stopped; the failure itself is told by the sync.
// Every other message goes on to the handler there was.
QtMessageHandler previousHandler = nullptr;

void withoutNetworkNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QNetworkReplyImplPrivate::error: Internal problem")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void dropNetworkNoise()
{
    static std::once_flag once;
    std::call_once(once, [] { previousHandler = qInstallMessageHandler(withoutNetworkNoise); });
}

QString shown(const QUrl &url) { return url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery); }

// Why a request failed, never empty, without a full stop of its own.
QString reasonOf(const QNetworkReply *reply)
{
    QString reason = reply->errorString().trimmed();
    while (reason.endsWith(u'.'))
        reason.chop(1);
    if (reason.isEmpty())
        reason = QCoreApplication::translate("Sync", "the connection failed (network error %1)")
                     .arg(int(reply->error()));
    return reason;
}

// Whether the host and port of an https address answer a plain http request:
// one line asked and a moment waited for, on the transport's thread.
bool answersPlainHttp(const QUrl &url)
{
    QTcpSocket socket;
    socket.connectToHost(url.host(), quint16(url.port(443)));
    if (!socket.waitForConnected(3000))
        return false;
    socket.write("HEAD / HTTP/1.0\r\nHost: " + url.host().toUtf8() + "\r\n\r\n");
    if (!socket.waitForBytesWritten(3000) || !socket.waitForReadyRead(3000))
        return false;
    return socket.read(5) == "HTTP/";
}

QString plainAddress(const QUrl &url)
{
    QUrl plain = url;
    plain.setScheme(QStringLiteral("http"));
    plain.setPath(QStringLiteral("/"));
    return plain.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery);
}

} // namespace

// The requests of one runAll(): filled in on the transport's thread, handed
// over to the waiting caller under the mutex once over.
struct DavClient::Batch {
    std::vector<DavRequest> requests;
    size_t parallel = 1;
    int requestMs = 60000;
    QDeadlineTimer deadline;
    qint64 maxBytes = 0;

    // The transport's thread only, until over.
    std::vector<DavResponse> responses;
    std::optional<SyncError> failure;
    QList<QNetworkReply *> running;
    size_t next = 0;
    size_t done = 0;

    std::mutex mutex;
    std::condition_variable ended;
    bool over = false;
};

// QNetworkAccessManager on the client's thread.
class DavClient::Transport : public QObject {
public:
    Transport(DavClient &client, const QString &user, const QString &password)
        : mClient(client), mUser(user), mPassword(password)
    {
    }

    void begin(const std::shared_ptr<Batch> &batch)
    {
        if (!mManager) {
            mManager = new QNetworkAccessManager(this);
            connect(mManager, &QNetworkAccessManager::authenticationRequired, this, &Transport::authenticate);
        }
        while (batch->next < batch->requests.size() && batch->next < batch->parallel && !batch->failure) {
            const size_t i = batch->next++;
            start(batch, i, batch->requests[i], 0);
        }
    }

    // Stops the batch: its running requests are aborted and the caller woken.
    void fail(const std::shared_ptr<Batch> &batch, const SyncError &error)
    {
        if (batch->failure || isOver(*batch))
            return;
        batch->failure = error;
        const QList<QNetworkReply *> replies = batch->running;
        batch->running.clear();
        for (QNetworkReply *reply : replies) {
            reply->disconnect(this);
            reply->disconnect(reply);
            reply->abort();
            reply->deleteLater();
        }
        end(*batch);
    }

private:
    static bool isOver(Batch &batch)
    {
        const std::lock_guard lock(batch.mutex);
        return batch.over;
    }

    static void end(Batch &batch)
    {
        {
            const std::lock_guard lock(batch.mutex);
            batch.over = true;
        }
        batch.ended.notify_all();
    }

    void authenticate(QNetworkReply *reply, QAuthenticator *authenticator)
    {
        // Only the account's own server gets the credentials, and only once a
        // request: asked again, they were refused.
        if (!sameServer(reply->url(), mClient.mServer) || reply->property("varnelle-auth-tried").toBool())
            return;
        reply->setProperty("varnelle-auth-tried", true);
        ++mClient.mRequests;
        authenticator->setUser(mUser);
        authenticator->setPassword(mPassword);
    }

    void start(const std::shared_ptr<Batch> &batch, size_t index, const DavRequest &r, int redirects,
               bool retried = false)
    {
        if (batch->failure)
            return;
        try {
            CheckTransport(r.url, mClient.mInsecure);
        } catch (const SyncError &error) {
            return fail(batch, error);
        }
        QNetworkRequest request(r.url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        for (const auto &[name, value] : r.headers)
            request.setRawHeader(name, value);
        ++mClient.mRequests;
        // The request as a user may send it in a report: never its headers (the password) nor the URL's user.
        qCDebug(lcSync).noquote() << r.method << r.url.toDisplayString(QUrl::RemoveUserInfo) << r.body.size()
                                  << "bytes";
        QNetworkReply *reply = mManager->sendCustomRequest(request, r.method, r.body);
        batch->running << reply;
        connect(reply, &QNetworkReply::sslErrors, reply, [reply, trusted = mClient.mTrusted](const QList<QSslError> &errors) {
            const QString fingerprint = QString::fromLatin1(
                reply->sslConfiguration().peerCertificate().digest(QCryptographicHash::Sha256).toHex().toUpper());
            // The very certificate the user trusts for this account.
            if (!trusted.isEmpty() && fingerprint == trusted)
                return reply->ignoreSslErrors();
            QStringList texts;
            for (const QSslError &e : errors)
                texts << e.errorString();
            reply->setProperty("varnelle-ssl", texts.join(QLatin1String("; ")));
            reply->setProperty("varnelle-fingerprint", fingerprint);
        });
        connect(reply, &QNetworkReply::downloadProgress, this, [this, batch](qint64 received, qint64 total) {
            if (received > batch->maxBytes || total > batch->maxBytes)
                fail(batch, SyncError(QCoreApplication::translate(
                                          "Sync", "The server %1 sent a response larger than %2 MB, which is refused.")
                                          .arg(mClient.mServer.host())
                                          .arg(batch->maxBytes / (1024 * 1024)),
                                      SyncError::Kind::TooLarge));
        });
        // The whole request within its deadline, however the bytes come, and
        // within the sync's when that ends first.
        const qint64 left = batch->deadline.isForever() ? batch->requestMs : batch->deadline.remainingTime();
        const bool syncEndsFirst = left < batch->requestMs;
        auto *late = new QTimer(reply);
        late->setSingleShot(true);
        connect(late, &QTimer::timeout, reply, [reply, syncEndsFirst] {
            reply->setProperty("varnelle-sync-deadline", syncEndsFirst);
            reply->abort();
        });
        late->start(int(std::clamp<qint64>(left, 0, batch->requestMs)));
        connect(reply, &QNetworkReply::finished, this, [this, batch, reply, index, r, redirects, retried] {
            finished(batch, reply, index, r, redirects, retried);
        });
    }

    void finished(const std::shared_ptr<Batch> &batch, QNetworkReply *reply, size_t index, const DavRequest &request,
                  int redirects, bool retried)
    {
        batch->running.removeOne(reply);
        reply->deleteLater();
        if (batch->failure)
            return;
        const QString host = mClient.mServer.host();
        const QVariant statusValue = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const int status = statusValue.isValid() ? statusValue.toInt() : 0;
        const QNetworkReply::NetworkError error = reply->error();
        qCDebug(lcSync).noquote() << "answer" << status << error << request.method
                                  << reply->url().toDisplayString(QUrl::RemoveUserInfo) << reply->bytesAvailable()
                                  << "bytes";
        // A server busy for a moment, or a connection dropped: once more after a pause.
        const bool temporary = status == 500 || status == 502 || status == 503 || status == 504
            || error == QNetworkReply::RemoteHostClosedError || error == QNetworkReply::TemporaryNetworkFailureError;
        if (temporary && !retried && !batch->deadline.hasExpired()) {
            QTimer::singleShot(RetryPauseMs, this,
                               [this, batch, index, request, redirects] { start(batch, index, request, redirects, true); });
            return;
        }
        const bool refused = error == QNetworkReply::AuthenticationRequiredError || status == 401;
        if (refused && !sameServer(reply->url(), mClient.mServer))
            return fail(batch, SyncError(QCoreApplication::translate(
                                             "Sync", "The server %1 redirected to %2, which asks for a password; "
                                                     "the password is given to %1 only.")
                                             .arg(host, shown(reply->url())),
                                         SyncError::Kind::Refused));
        if (refused)
            return fail(batch, SyncError(QCoreApplication::translate(
                                             "Sync", "The server %1 refused the user name or password.")
                                             .arg(host),
                                         SyncError::Kind::Authentication));
        if (error == QNetworkReply::SslHandshakeFailedError) {
            const QString certificate = reply->property("varnelle-ssl").toString();
            // An https request answered in plain http: no certificate at all.
            if (certificate.isEmpty() && answersPlainHttp(reply->url()))
                return fail(batch, SyncError(QCoreApplication::translate(
                                                 "Sync", "The server %1 answers in plain http, not https. If it "
                                                         "is meant to be reached so, give its address as %2.")
                                                 .arg(host, plainAddress(reply->url())),
                                             SyncError::Kind::Refused));
            if (certificate.isEmpty())
                return fail(batch, SyncError(QCoreApplication::translate(
                                                 "Sync", "No secure connection to the server %1 could be made: %2")
                                                 .arg(host, reasonOf(reply)),
                                             SyncError::Kind::Refused));
            QString fingerprint = reply->property("varnelle-fingerprint").toString();
            for (qsizetype at = fingerprint.size() - 2; at > 0; at -= 2)
                fingerprint.insert(at, u':');
            return fail(batch, SyncError(QCoreApplication::translate(
                                             "Sync", "The certificate of the server %1 is not trusted, so no "
                                                     "connection was made: %2")
                                                 .arg(host, certificate)
                                             + u' '
                                             + QCoreApplication::translate("Sync", "Its SHA-256 fingerprint is %1.")
                                                   .arg(fingerprint),
                                         SyncError::Kind::Refused, 0, fingerprint));
        }
        if ((error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
            && (batch->deadline.hasExpired() || reply->property("varnelle-sync-deadline").toBool()))
            return fail(batch, tooLong(host));
        if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
            return fail(batch, SyncError(QCoreApplication::translate("Sync", "The server %1 did not answer in time.")
                                                 .arg(host)
                                             + u' ' + QCoreApplication::translate("Sync", "Try again later."),
                                         SyncError::Kind::Unreachable));
        if (status == 0)
            return fail(batch, SyncError(QCoreApplication::translate("Sync", "The server %1 cannot be reached: %2.")
                                                 .arg(host, reasonOf(reply))
                                             + u' '
                                             + QCoreApplication::translate(
                                                 "Sync", "Check the server's address in the sync accounts and this "
                                                         "computer's network connection, then sync again."),
                                         SyncError::Kind::Unreachable));
        if ((status == 301 || status == 302 || status == 303 || status == 307 || status == 308)
            && reply->hasRawHeader("Location")) {
            const QUrl target = reply->url().resolved(QUrl::fromEncoded(reply->rawHeader("Location")));
            if (redirects >= MaxRedirects)
                return fail(batch, SyncError(QCoreApplication::translate("Sync", "The server %1 redirects too often.")
                                                 .arg(host)));
            // A change goes to the account's server only: sent elsewhere it
            // would reach a server that was never chosen, without the password.
            if ((request.method == "PUT" || request.method == "DELETE") && !sameServer(target, mClient.mServer))
                return fail(batch, SyncError(QCoreApplication::translate(
                                                 "Sync", "The server %1 redirected a change to %2, another server; "
                                                         "the change was not sent there.")
                                                 .arg(host, shown(target)),
                                             SyncError::Kind::Refused));
            if (reply->url().scheme() == QLatin1String("https") && target.scheme() != QLatin1String("https"))
                return fail(batch, SyncError(QCoreApplication::translate(
                                                 "Sync", "The server %1 redirects to an address without "
                                                         "encryption, which is refused.")
                                                 .arg(host),
                                             SyncError::Kind::Refused));
            DavRequest again = request;
            again.url = target;
            return start(batch, index, again, redirects + 1);
        }
        DavResponse &response = batch->responses[index];
        response.status = status;
        response.url = reply->url();
        response.body = reply->readAll();
        for (const auto &[name, value] : reply->rawHeaderPairs())
            response.headers.insert(name.toLower(), value);
        ++batch->done;
        if (batch->next < batch->requests.size()) {
            const size_t i = batch->next++;
            start(batch, i, batch->requests[i], 0);
        } else if (batch->done == batch->requests.size()) {
            end(*batch);
        }
    }

    DavClient &mClient;
    QString mUser;
    QString mPassword;
    QNetworkAccessManager *mManager = nullptr;
};

QUrl DavClient::serviceAddress(const QString &domain)
{
    if (domain.isEmpty() || IsLoopback(domain) || !QHostAddress(domain).isNull())
        return {};
    struct Found {
        std::mutex mutex;
        std::condition_variable ended;
        bool over = false;
        QUrl url;
    };
    auto found = std::make_shared<Found>();
    const auto finish = [found](const QUrl &url) {
        {
            const std::lock_guard lock(found->mutex);
            found->url = url;
            found->over = true;
        }
        found->ended.notify_all();
    };
    QMetaObject::invokeMethod(mTransport, [transport = mTransport, domain, finish] {
        auto *srv = new QDnsLookup(QDnsLookup::SRV, "_carddavs._tcp." + domain, transport);
        QObject::connect(srv, &QDnsLookup::finished, transport, [srv, transport, domain, finish] {
            srv->deleteLater();
            const QList<QDnsServiceRecord> records = srv->serviceRecords();
            if (srv->error() != QDnsLookup::NoError || records.isEmpty() || records.first().target() == u'.'
                || records.first().target().isEmpty())
                return finish({});
            QUrl url;
            url.setScheme(QStringLiteral("https"));
            url.setHost(records.first().target().chopped(records.first().target().endsWith(u'.') ? 1 : 0));
            if (records.first().port() != 443)
                url.setPort(records.first().port());
            url.setPath(QStringLiteral("/.well-known/carddav"));
            auto *txt = new QDnsLookup(QDnsLookup::TXT, "_carddavs._tcp." + domain, transport);
            QObject::connect(txt, &QDnsLookup::finished, transport, [txt, url, finish]() mutable {
                txt->deleteLater();
                for (const QDnsTextRecord &record : txt->textRecords())
                    for (const QByteArray &value : record.values())
                        if (value.startsWith("path=") && value.size() > 5)
                            url.setPath(QString::fromUtf8(value.mid(5)));
                finish(url);
            });
            txt->lookup();
        });
        srv->lookup();
    });
    std::unique_lock lock(found->mutex);
    found->ended.wait_for(lock, std::chrono::seconds(5), [&] { return found->over; });
    return found->url;
}

DavClient::DavClient(const QUrl &server, const QString &userName, const QString &password, bool insecure)
    : mServer(server), mInsecure(insecure), mThread(std::make_unique<QThread>())
{
    dropNetworkNoise();
    mThread->setObjectName(QStringLiteral("DavClient"));
    mTransport = new Transport(*this, userName, password);
    mTransport->moveToThread(mThread.get());
    mThread->start(); // QThread::run(): the thread's own event loop
}

DavClient::~DavClient()
{
    // The manager and its replies go on the thread they live on.
    QMetaObject::invokeMethod(mTransport, [transport = mTransport] { delete transport; }, Qt::BlockingQueuedConnection);
    mThread->quit();
    mThread->wait();
}

QString DavClient::NormalizedFingerprint(const QString &fingerprint)
{
    QString hex = fingerprint.trimmed().toUpper();
    hex.remove(u':');
    static const QRegularExpression sha256(QStringLiteral("^[0-9A-F]{64}$"));
    return sha256.match(hex).hasMatch() ? hex : QString();
}

bool DavClient::IsLoopback(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

void DavClient::CheckTransport(const QUrl &url, bool insecure)
{
    if (url.scheme() == QLatin1String("https") || (url.scheme() == QLatin1String("http") && (insecure || IsLoopback(url.host()))))
        return;
    if (url.scheme() == QLatin1String("http"))
        throw SyncError(QCoreApplication::translate(
                            "Sync", "The server %1 is reached by plain http, which would send the password "
                                    "unencrypted. Use an https address, or allow it with --insecure on a network "
                                    "you trust.")
                            .arg(url.host()),
                        SyncError::Kind::Refused);
    throw SyncError(
        QCoreApplication::translate("Sync", "The address '%1' is no http or https address.").arg(url.toDisplayString()),
        SyncError::Kind::Refused);
}

void DavClient::extendDeadline(qint64 milliseconds)
{
    if (!mDeadline.isForever())
        mDeadline = QDeadlineTimer(mDeadline.remainingTime() + milliseconds);
}

DavResponse DavClient::run(const DavRequest &request)
{
    return runAll({request}, 1).front();
}

std::vector<DavResponse> DavClient::runAll(const std::vector<DavRequest> &requests, int parallel)
{
    if (requests.empty())
        return {};
    auto batch = std::make_shared<Batch>();
    batch->requests = requests;
    batch->responses.resize(requests.size());
    batch->parallel = size_t(std::max(1, parallel));
    batch->requestMs = mRequestMs;
    batch->deadline = mDeadline;
    batch->maxBytes = mMaxBytes;
    QMetaObject::invokeMethod(mTransport, [transport = mTransport, batch] { transport->begin(batch); });

    // Waits, looking ten times a second for a cancel and the sync's deadline.
    bool stopping = false;
    while (true) {
        {
            std::unique_lock lock(batch->mutex);
            if (batch->ended.wait_for(lock, std::chrono::milliseconds(100), [&] { return batch->over; }))
                break;
        }
        if (stopping)
            continue;
        std::optional<SyncError> stop;
        if (mCancelled && mCancelled())
            stop = SyncError(QCoreApplication::translate("Sync", "The sync was cancelled."),
                             SyncError::Kind::Cancelled);
        else if (mDeadline.hasExpired())
            stop = tooLong(mServer.host());
        if (stop) {
            stopping = true;
            QMetaObject::invokeMethod(mTransport, [transport = mTransport, batch, error = *stop] {
                transport->fail(batch, error);
            });
        }
    }
    if (batch->failure)
        throw *batch->failure;
    return std::move(batch->responses);
}

} // namespace varnelle::sync
