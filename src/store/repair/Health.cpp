#include "store/repair/Health.h"

#include "store/Database.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace varnelle {

bool FullCheckIsCheap(const QSqlDatabase &db)
{
    QSqlQuery pages(db);
    return (pages.exec("PRAGMA page_count") && pages.next() && pages.value(0).toInt() <= FullCheckPageLimit);
}

QStringList FindDamage(const QSqlDatabase &db, CheckDepth depth)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QStringList problems;
    if (query.exec(QString("PRAGMA %1(5)").arg(depth == CheckDepth::Full || FullCheckIsCheap(db) ? "integrity_check" : "quick_check"))) {
        while (query.next()) {
            const QString line = query.value(0).toString();
            if (line != "ok")
                problems << line;
        }
    }
    if (query.lastError().isValid())
        problems << query.lastError().databaseText();
    return problems;
}

QStringList FindOrphanNumbers(const QSqlDatabase &db)
{
    QStringList lines;
    QSqlQuery count(db);
    if (count.exec("SELECT count(*) FROM TelephoneList WHERE TypeID NOT IN (SELECT TypeID FROM TelephoneType)")
        && count.next() && count.value(0).toLongLong() > 0)
        lines << QCoreApplication::translate("Store", "telephone numbers without a telephone type: %1")
                     .arg(count.value(0).toLongLong());
    return lines;
}

QList<qint64> RowCounts(const QSqlDatabase &db, const QString &table, const QString &schema)
{
    QStringList sources{"NOT INDEXED"};
    QSqlQuery indexes(db);
    if (indexes.exec(QString("PRAGMA %1.index_list([%2])").arg(schema, table))) {
        while (indexes.next())
            sources << QString("INDEXED BY [%1]").arg(indexes.value(1).toString());
    }
    QList<qint64> counts;
    for (const QString &source : sources) {
        // sum(1), not count(*): SQLite counts rows through its smallest index, whatever the query names.
        QSqlQuery count(db);
        const bool read =
            count.exec(QString("SELECT coalesce(sum(1), 0) FROM %1.[%2] %3").arg(schema, table, source)) && count.next();
        counts << (read ? count.value(0).toLongLong() : -1);
    }
    return counts;
}

bool RowCountsAgree(const QSqlDatabase &db)
{
    for (const schema::Table &table : schema::Tables()) {
        const QList<qint64> counts = RowCounts(db, table.name);
        if (counts.contains(-1) || counts.count(counts.first()) != counts.size())
            return false;
    }
    return true;
}

} // namespace varnelle
