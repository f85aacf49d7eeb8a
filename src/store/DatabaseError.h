#pragma once

#include <QString>
#include <stdexcept>

namespace varnelle {

// A failure of the store, carrying a sentence a person can read.
class DatabaseError : public std::runtime_error {
public:
    enum class Kind { Other, DuplicateKey, TooLong, NotADatabase, CannotOpen, Busy, ReadOnly, Damaged };

    explicit DatabaseError(const QString &message, Kind kind = Kind::Other)
        : std::runtime_error(message.toStdString()), mMessage(message), mKind(kind) {}

    QString message() const { return mMessage; }
    Kind kind() const { return mKind; }

private:
    QString mMessage;
    Kind mKind;
};

} // namespace varnelle
