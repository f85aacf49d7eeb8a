// The main window's Reports and Help menus and the report run.
#include "forms/main/frmMain.h"

namespace varnelle {

void frmMain::mnuAddress_Click() {}
void frmMain::mnuTelephone_Click() {}
void frmMain::mnuDetail_Click() {}
void frmMain::mnuAbout_Click() {}
void frmMain::RunReport(const QString &reportFile)
{
    Q_UNUSED(reportFile);
}

} // namespace varnelle
