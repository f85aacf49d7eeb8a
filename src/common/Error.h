#pragma once

#include <QString>
#include <stdexcept>

namespace varnelle {

// The base of every failure the program reports: its message is a sentence a
// person can read and act on, naming the file where there is one.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message) : std::runtime_error(message.toStdString()), mMessage(message) {}
    QString message() const { return mMessage; }

private:
    QString mMessage;
};

} // namespace varnelle
