#pragma once

#include "common/Error.h"

#include <QCoreApplication>

namespace varnelle::sync {

// A sync that could not be done or finished: the message names the server
// and the cause. What was applied before it stays consistent.
class SyncError : public Error {
public:
    enum class Kind { Other, Cancelled, Refused, Authentication, Unreachable };
    explicit SyncError(const QString &message, Kind kind = Kind::Other) : Error(message), mKind(kind) {}
    Kind kind() const { return mKind; }

private:
    Kind mKind;
};

} // namespace varnelle::sync
