#include "store/Connection.h"

#include <QUuid>
#include <utility>

namespace varnelle {

Connection::Connection(const QString &purpose)
    : mName(purpose + '-' + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    mDatabase = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mName);
}

Connection::~Connection() { close(); }

Connection::Connection(Connection &&other) noexcept
    : mName(std::exchange(other.mName, QString())), mDatabase(std::exchange(other.mDatabase, QSqlDatabase()))
{
}

Connection &Connection::operator=(Connection &&other) noexcept
{
    if (this != &other) {
        close();
        mName = std::exchange(other.mName, QString());
        mDatabase = std::exchange(other.mDatabase, QSqlDatabase());
    }
    return *this;
}

void Connection::close()
{
    if (mName.isEmpty())
        return;
    mDatabase.close();
    mDatabase = QSqlDatabase();
    QSqlDatabase::removeDatabase(mName);
    mName.clear();
}

} // namespace varnelle
