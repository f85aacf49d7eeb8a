#include "ui/Globals.h"

#include "store/Database.h"

namespace varnelle {

QSqlDatabase gDatabase;
bool gIsBusiness = false;
bool gTypesChanged = false;
bool gRefreshCriteria = false;
std::int32_t gTypeID = 0;
QString gNumberLine;
std::int32_t gPersonID = 0;
QString gAppTitle;
ReportRequest *gReport = nullptr;
bool gAllRecords = false;

void OpenMainDatabase()
{
    CloseMainDatabase();
    gDatabase = OpenDatabase(DatabaseFileName, "gDatabase");
}

void CloseMainDatabase()
{
    CloseDatabase(gDatabase);
}

void ResetGlobals()
{
    CloseMainDatabase();
    gIsBusiness = false;
    gTypesChanged = false;
    gRefreshCriteria = false;
    gTypeID = 0;
    gNumberLine.clear();
    gPersonID = 0;
    gAppTitle.clear();
    gReport = nullptr;
    gAllRecords = false;
}

} // namespace varnelle
