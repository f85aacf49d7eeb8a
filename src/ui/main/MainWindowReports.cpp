// The main window's Reports and Help menus and the report run.
#include "ui/main/MainWindow.h"

#include "ui/Forms.h"
#include "ui/Globals.h"
#include "ui/widgets/MessageBox.h"
#include "store/Database.h"
#include "ui/about/AboutDialog.h"
#include "reports/ReportEngine.h"
#include "ui/reports/ReportRunner.h"
#include "ui/reports/ReportCriteriaDialog.h"
#include "ui/reports/ReportDestinationDialog.h"

namespace varnelle {

void MainWindow::mnuAddress_Click()
{
    RunReport(gIsBusiness ? "bAddress.rpt" : "Address.rpt");
}

void MainWindow::mnuTelephone_Click()
{
    RunReport(gIsBusiness ? "Business.rpt" : "Personal.rpt");
}

void MainWindow::mnuDetail_Click()
{
    RunReport(gIsBusiness ? "bDetail.rpt" : "Detail.rpt");
}

void MainWindow::mnuAbout_Click()
{
    AboutDialog about(this);
    about.exec();
}

// Destination dialog, then (for a partial report) the criteria dialog, then
// the data file, the definition file and the run. The engine's failures are
// shown in one message; a Cancel ends the run silently.
void MainWindow::RunReport(const QString &reportFile)
{
    if (!rptAddress) {
        rptAddress = new ReportEngine(this);
        rptAddress->setObjectName("rptAddress");
    }
    gReport = &rptRequest;
    Form<ReportDestinationDialog>().exec();
    if (!gReport)
        return;
    if (gAllRecords)
        rptRequest.selectionFormula.clear(); // an earlier partial run's formula must not narrow this one
    else
        Form<ReportCriteriaDialog>().exec();

    rptRequest.dataFile = DatabaseFileName;
    rptRequest.definition = reportFile;
    varnelle::RunReport(*rptAddress, rptRequest, this);
}

} // namespace varnelle
