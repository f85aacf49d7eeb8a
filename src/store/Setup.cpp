#include "store/Setup.h"

#include "store/Database.h"

namespace varnelle {

bool ReadSetupView(const QSqlDatabase &db)
{
    QSqlQuery row = RunQuery(db, "SELECT IsBusiness FROM Setup ORDER BY rowid LIMIT 1");
    if (row.next())
        return row.value(0).toBool();
    RunQuery(db, "INSERT INTO Setup (IsBusiness) VALUES (?)", {InitialViewIsBusiness});
    return InitialViewIsBusiness;
}

bool SavedSetupView(const QSqlDatabase &db)
{
    QSqlQuery row = RunQuery(db, "SELECT IsBusiness FROM Setup ORDER BY rowid LIMIT 1");
    return row.next() ? row.value(0).toBool() : InitialViewIsBusiness;
}

bool SwapSetupView(const QSqlDatabase &db)
{
    RunQuery(db, "UPDATE Setup SET IsBusiness = NOT coalesce(IsBusiness, 0) "
                 "WHERE rowid = (SELECT min(rowid) FROM Setup)");
    return ReadSetupView(db);
}

} // namespace varnelle
