#include "sync/DavClient.h"

#include "sync/SyncError.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslError>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace varnelle::sync {

namespace {

constexpr int MaxRedirects = 5;

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

} // namespace

DavClient::DavClient(const QUrl &server, const QString &userName, const QString &password, bool insecure,
                     QObject *parent)
    : QObject(parent),
      mManager(new QNetworkAccessManager(this)),
      mServer(server),
      mUser(userName),
      mPassword(password),
      mInsecure(insecure)
{
    connect(mManager, &QNetworkAccessManager::authenticationRequired, this, &DavClient::authenticate);
}

DavClient::~DavClient() = default;

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

void DavClient::authenticate(QNetworkReply *reply, QAuthenticator *authenticator)
{
    // Only the account's own server gets the credentials, and only once a
    // request: asked again, they were refused.
    if (!sameServer(reply->url(), mServer) || reply->property("varnelle-auth-tried").toBool())
        return;
    reply->setProperty("varnelle-auth-tried", true);
    ++mRequests;
    authenticator->setUser(mUser);
    authenticator->setPassword(mPassword);
}

QNetworkReply *DavClient::send(const DavRequest &r)
{
    CheckTransport(r.url, mInsecure);
    QNetworkRequest request(r.url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    for (const auto &[name, value] : r.headers)
        request.setRawHeader(name, value);
    ++mRequests;
    return mManager->sendCustomRequest(request, r.method, r.body);
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
    std::vector<DavResponse> responses(requests.size());
    if (requests.empty())
        return responses;
    QEventLoop loop;
    std::optional<SyncError> failure;
    QList<QNetworkReply *> running;
    size_t next = 0;
    size_t done = 0;
    const QString host = mServer.host();

    auto fail = [&](const SyncError &error) {
        if (!failure)
            failure = error;
        const QList<QNetworkReply *> replies = running;
        for (QNetworkReply *reply : replies)
            reply->abort();
        loop.quit();
    };
    std::function<void(size_t, const DavRequest &, int)> start;
    auto finished = [&](QNetworkReply *reply, size_t index, const DavRequest &request, int redirects) {
        running.removeOne(reply);
        reply->deleteLater();
        if (failure)
            return;
        const QVariant statusValue = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const int status = statusValue.isValid() ? statusValue.toInt() : 0;
        const QNetworkReply::NetworkError error = reply->error();
        if ((error == QNetworkReply::AuthenticationRequiredError || status == 401) && !sameServer(reply->url(), mServer))
            return fail(SyncError(QCoreApplication::translate(
                                      "Sync", "The server %1 redirected to %2, which asks for a password; the "
                                              "password is given to %1 only.")
                                      .arg(host, reply->url().toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery)),
                                  SyncError::Kind::Refused));
        if (error == QNetworkReply::AuthenticationRequiredError || status == 401)
            return fail(SyncError(
                QCoreApplication::translate("Sync", "The server %1 refused the user name or password.").arg(host),
                SyncError::Kind::Authentication));
        if (error == QNetworkReply::SslHandshakeFailedError)
            return fail(SyncError(QCoreApplication::translate(
                                      "Sync", "The certificate of the server %1 is not trusted, so no connection was "
                                              "made: %2")
                                      .arg(host, reply->property("varnelle-ssl").toString()),
                                  SyncError::Kind::Refused));
        if ((error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
            && mDeadline.hasExpired())
            return fail(tooLong(host));
        if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
            return fail(
                SyncError(QCoreApplication::translate("Sync", "The server %1 did not answer in time.").arg(host),
                          SyncError::Kind::Unreachable));
        if (status == 0)
            return fail(SyncError(QCoreApplication::translate("Sync", "The server %1 cannot be reached: %2.")
                                      .arg(host, reply->errorString()),
                                  SyncError::Kind::Unreachable));
        if ((status == 301 || status == 302 || status == 303 || status == 307 || status == 308)
            && reply->hasRawHeader("Location")) {
            const QUrl target = reply->url().resolved(QUrl::fromEncoded(reply->rawHeader("Location")));
            if (redirects >= MaxRedirects)
                return fail(
                    SyncError(QCoreApplication::translate("Sync", "The server %1 redirects too often.").arg(host)));
            // A change goes to the account's server only: sent elsewhere it
            // would reach a server that was never chosen, without the password.
            if ((request.method == "PUT" || request.method == "DELETE") && !sameServer(target, mServer))
                return fail(SyncError(QCoreApplication::translate(
                                          "Sync", "The server %1 redirected a change to %2, another server; the "
                                                  "change was not sent there.")
                                          .arg(host, target.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery)),
                                      SyncError::Kind::Refused));
            if (reply->url().scheme() == QLatin1String("https") && target.scheme() != QLatin1String("https"))
                return fail(SyncError(QCoreApplication::translate(
                                          "Sync", "The server %1 redirects to an address without encryption, which "
                                                  "is refused.")
                                          .arg(host),
                                      SyncError::Kind::Refused));
            DavRequest again = request;
            again.url = target;
            return start(index, again, redirects + 1);
        }
        DavResponse &response = responses[index];
        response.status = status;
        response.url = reply->url();
        response.body = reply->readAll();
        for (const auto &[name, value] : reply->rawHeaderPairs())
            response.headers.insert(name.toLower(), value);
        ++done;
        if (next < requests.size()) {
            const size_t i = next++;
            start(i, requests[i], 0);
        } else if (done == requests.size()) {
            loop.quit();
        }
    };
    start = [&](size_t index, const DavRequest &request, int redirects) {
        QNetworkReply *reply = nullptr;
        try {
            reply = send(request);
        } catch (const SyncError &error) {
            return fail(error);
        }
        running << reply;
        // The whole request within its deadline, however the bytes come.
        auto *late = new QTimer(reply);
        late->setSingleShot(true);
        connect(late, &QTimer::timeout, reply, [reply] { reply->abort(); });
        late->start(mDeadline.isForever() ? mRequestMs : int(std::clamp<qint64>(mDeadline.remainingTime(), 0, mRequestMs)));
        connect(reply, &QNetworkReply::sslErrors, reply, [reply](const QList<QSslError> &errors) {
            QStringList texts;
            for (const QSslError &e : errors)
                texts << e.errorString();
            reply->setProperty("varnelle-ssl", texts.join(QLatin1String("; ")));
        });
        connect(reply, &QNetworkReply::downloadProgress, reply, [&, reply](qint64 received, qint64 total) {
            if (received > mMaxBytes || total > mMaxBytes)
                fail(SyncError(QCoreApplication::translate(
                                   "Sync", "The server %1 sent a response larger than %2 MB, which is refused.")
                                   .arg(host)
                                   .arg(mMaxBytes / (1024 * 1024))));
            Q_UNUSED(reply);
        });
        const DavRequest copy = request;
        connect(reply, &QNetworkReply::finished, reply,
                [&, reply, index, copy, redirects] { finished(reply, index, copy, redirects); });
    };

    QTimer tick;
    tick.setInterval(100);
    connect(&tick, &QTimer::timeout, &loop, [&] {
        if (mCancelled && mCancelled())
            fail(SyncError(QCoreApplication::translate("Sync", "The sync was cancelled."), SyncError::Kind::Cancelled));
        else if (mDeadline.hasExpired())
            fail(tooLong(host));
    });
    tick.start();
    while (next < requests.size() && next < size_t(std::max(1, parallel)) && !failure) {
        const size_t i = next++;
        start(i, requests[i], 0);
    }
    if (!failure && done < requests.size())
        loop.exec();
    // Replies aborted on a failure still finish; let them go before the loop's state does.
    const QList<QNetworkReply *> left = running;
    for (QNetworkReply *reply : left) {
        reply->disconnect();
        reply->abort();
        reply->deleteLater();
    }
    if (failure)
        throw *failure;
    return responses;
}

} // namespace varnelle::sync
