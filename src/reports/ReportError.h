#pragma once

#include "common/Error.h"

namespace varnelle {

// Every failure of the report engine: the message is a sentence a person can act on.
// A data file found damaged is told apart, so that the program can say how to mend it.
class ReportError : public Error {
public:
    explicit ReportError(const QString &message, bool damagedData = false) : Error(message), mDamagedData(damagedData) {}
    bool damagedData() const { return mDamagedData; }

private:
    bool mDamagedData;
};

} // namespace varnelle
