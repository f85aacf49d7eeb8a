#pragma once

#include <QSqlDatabase>
#include <QString>

namespace varnelle {

// A connection of the QSQLITE driver under a name of its own, closed and
// forgotten when the object goes: side connections (a new file being made, a
// repair, a salvage, a report run) need no clean-up on any way out.
class Connection {
public:
    Connection() = default;
    // Adds a connection named after purpose ("salvage", "report") and a
    // unique suffix; not yet open.
    explicit Connection(const QString &purpose);
    ~Connection();
    Connection(Connection &&other) noexcept;
    Connection &operator=(Connection &&other) noexcept;
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase &database() { return mDatabase; }
    const QSqlDatabase &database() const { return mDatabase; }
    QString name() const { return mName; }
    bool isOpen() const { return mDatabase.isOpen(); }

    // Closes and forgets the connection now; every query on it must be gone.
    void close();

private:
    QString mName;
    QSqlDatabase mDatabase;
};

} // namespace varnelle
