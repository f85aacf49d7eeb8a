#pragma once

#include <QSqlDatabase>
#include <QString>
#include <cstdint>

namespace varnelle {

struct ReportRequest;

// Application-wide state, held for the whole run.
extern QSqlDatabase gDatabase;    // the one handle on Address.mdb
extern bool gIsBusiness;          // current view: true = business contacts
extern bool gTypesChanged;        // telephone types changed since the number dialog filled its list
extern bool gRefreshCriteria;     // the report criteria lists must be rebuilt
extern std::int32_t gTypeID;      // number handed between editor and number dialog; 0 = add / nothing stored
extern QString gNumberLine;       // list line of the number the dialog stored
extern std::int32_t gPersonID;    // contact handed to the editor; 0 after a cancel
extern QString gAppTitle;         // "Varnelle For Windows": caption of every message box
extern ReportRequest *gReport;    // request of the current report run, or nullptr
extern bool gAllRecords;          // "All Records" was chosen in the destination dialog

// Opens Address.mdb into gDatabase. Throws DatabaseError.
void OpenMainDatabase();
// Closes gDatabase when it is open.
void CloseMainDatabase();

// Puts every application-wide variable back to its start value (tests).
void ResetGlobals();

} // namespace varnelle
