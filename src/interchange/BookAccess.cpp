#include "interchange/BookAccess.h"

#include "store/Database.h"
#include "store/repair/Health.h"

#include <QSqlError>

namespace varnelle::interchange {

InterchangeError BookError(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    // A full disk, a disk error, a book that cannot be changed: the file and the cause in plain words.
    if (const std::optional<DatabaseError> plain = PlainFileFailure(DatabaseFileName, text))
        return InterchangeError(plain->message());
    return InterchangeError(QString("The address book reported a failure: %1.").arg(text));
}

QSqlQuery Prepare(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw BookError(query);
    return query;
}

void Run(QSqlQuery &query, const QVariantList &values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        throw BookError(query);
}

} // namespace varnelle::interchange
