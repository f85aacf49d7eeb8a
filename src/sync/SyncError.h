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
    explicit SyncError(const QString &message, Kind kind = Kind::Other, qsizetype count = 0)
        : Error(message), mKind(kind), mCount(count)
    {
    }
    Kind kind() const { return mKind; }
    qsizetype count() const { return mCount; }

private:
    Kind mKind;
    qsizetype mCount;
};

} // namespace varnelle::sync
