#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace varnelle::sync {

struct DavRequest {
    QByteArray method;
    QUrl url;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
};

struct DavResponse {
    int status = 0;
    QUrl url; // after redirects
    QByteArray body;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
};

// HTTP for CardDAV. The requests travel on a thread of the client's own,
// where QNetworkAccessManager runs on that thread's event loop; run() and
// runAll() wait for them without running an event loop of their own, so the
// sync can be written from beginning to end on a worker thread (or the
// command line's) and no window's events are handled in the middle of it.
// Answers Basic and Digest challenges of the account's server only, and
// once: a second challenge means the password is wrong. Follows redirects
// itself: never from https to http, a change (PUT, DELETE) never to another
// server, and a read to another host without the credentials. Refuses plain
// http to a host other than this machine unless allowed, untrusted
// certificates, responses over the size limit; stops within a second of a
// cancel. Failures of the transport throw SyncError naming the server; HTTP
// statuses are returned.
class DavClient {
public:
    DavClient(const QUrl &server, const QString &userName, const QString &password, bool insecure);
    ~DavClient();
    DavClient(const DavClient &) = delete;
    DavClient &operator=(const DavClient &) = delete;

    // Asked ten times a second, on the caller's thread, while requests run;
    // true stops them (SyncError, Kind::Cancelled).
    void setCancelCheck(std::function<bool()> cancelled) { mCancelled = std::move(cancelled); }
    void setMaxResponseBytes(qint64 bytes) { mMaxBytes = bytes; }
    // A certificate the user trusts for this account although no authority
    // vouches for it: its SHA-256 fingerprint, with or without colons.
    void setTrustedCertificate(const QString &fingerprint) { mTrusted = NormalizedFingerprint(fingerprint); }
    // The fingerprint as 64 upper-case hex digits; empty when it is none.
    static QString NormalizedFingerprint(const QString &fingerprint);
    // Each request's whole time, from sending to the last byte of the answer:
    // a server that trickles its answer is cut off all the same.
    void setRequestDeadline(int milliseconds) { mRequestMs = milliseconds; }
    // The time of all the requests from now on (none by default), and more of it
    // for more work; requests still running when it has passed fail.
    void setDeadline(qint64 milliseconds) { mDeadline = QDeadlineTimer(milliseconds); }
    void extendDeadline(qint64 milliseconds);

    DavResponse run(const DavRequest &request);
    // Runs the requests with at most `parallel` at once; the responses in the requests' order.
    std::vector<DavResponse> runAll(const std::vector<DavRequest> &requests, int parallel = 4);

    // The CardDAV service of a domain as its DNS tells it (RFC 6764): the
    // _carddavs._tcp SRV record's host and port, with the path of its TXT
    // record, else the well-known path; empty when the DNS names none or does
    // not answer within a few seconds. An address or this machine is never looked up.
    QUrl serviceAddress(const QString &domain);

    // Requests sent so far, redirects and authentication rounds included.
    int requestCount() const { return mRequests; }
    QString serverName() const { return mServer.host(); }

    // Whether a URL may be used: throws SyncError for plain http to a host
    // other than this machine when insecure is not set.
    static void CheckTransport(const QUrl &url, bool insecure);
    static bool IsLoopback(const QString &host);

private:
    class Transport;
    struct Batch;

    QUrl mServer;
    bool mInsecure;
    QString mTrusted;
    std::function<bool()> mCancelled;
    qint64 mMaxBytes = 100LL * 1024 * 1024;
    int mRequestMs = 60000;
    QDeadlineTimer mDeadline{QDeadlineTimer::Forever};
    std::atomic<int> mRequests{0};
    std::unique_ptr<QThread> mThread;
    Transport *mTransport = nullptr; // lives on mThread
};

} // namespace varnelle::sync
