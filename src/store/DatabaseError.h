#pragma once

#include "common/Error.h"

#include <QString>

namespace varnelle {

// A failure of the store, carrying a sentence a person can read, the kind of
// failure, and SQLite's own words where SQLite reported it.
class DatabaseError : public Error {
public:
    enum class Kind { Other, DuplicateKey, TooLong, NotADatabase, CannotOpen, Busy, ReadOnly, Damaged };

    explicit DatabaseError(const QString &message, Kind kind = Kind::Other, const QString &engineText = {})
        : Error(message), mKind(kind), mEngineText(engineText) {}

    Kind kind() const { return mKind; }
    // SQLite's message; empty when the failure is the store's own finding.
    QString engineText() const { return mEngineText; }

private:
    Kind mKind;
    QString mEngineText;
};

// The failure of OpenForReading: the step that failed and the driver's own
// words, for a caller that tells the failure in its own sentence.
class ReadingOpenError : public DatabaseError {
public:
    enum class Step { Open, Collation, Begin };
    ReadingOpenError(const DatabaseError &error, Step step, const QString &driverText)
        : DatabaseError(error), mStep(step), mDriverText(driverText) {}
    Step step() const { return mStep; }
    QString driverText() const { return mDriverText; }

private:
    Step mStep;
    QString mDriverText;
};

} // namespace varnelle
