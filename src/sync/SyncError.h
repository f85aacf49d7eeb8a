#pragma once

#include "common/Error.h"

#include <QCoreApplication>

namespace varnelle::sync {

// A sync that could not be done or finished: the message names the server
// and the cause. What was applied before it stays consistent.
class SyncError : public Error {
public:
    // Emptied: the server's address book lost most or all of the cards synced
    // with it; count tells how many, and nothing was removed here.
    // TooLarge: a response over the size limit.
    enum class Kind { Other, Cancelled, Refused, Authentication, Unreachable, Emptied, TooLarge };
    explicit SyncError(const QString &message, Kind kind = Kind::Other, qsizetype count = 0,
                       const QString &certificate = {})
        : Error(message), mKind(kind), mCount(count), mCertificate(certificate)
    {
    }
    Kind kind() const { return mKind; }
    qsizetype count() const { return mCount; }
    // The SHA-256 fingerprint of a certificate not trusted, "AB:CD:...".
    QString certificate() const { return mCertificate; }

private:
    Kind mKind;
    qsizetype mCount;
    QString mCertificate;
};

} // namespace varnelle::sync
