#include "store/Criteria.h"

#include "store/Database.h"

namespace varnelle {

QStringList DistinctValues(const QSqlDatabase &db, const QString &field)
{
    QSqlQuery query = RunQuery(db, QString("SELECT DISTINCT [%1] FROM [Address]").arg(field));
    QStringList values;
    while (query.next()) {
        const QVariant value = query.value(0);
        if (!value.isNull() && !value.toString().isEmpty())
            values << value.toString();
    }
    CheckRowsRead(query);
    return values;
}

} // namespace varnelle
