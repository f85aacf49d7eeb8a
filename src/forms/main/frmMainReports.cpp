// The main window's Reports and Help menus and the report run.
#include "forms/main/frmMain.h"

#include "app/Forms.h"
#include "app/Globals.h"
#include "app/MessageBox.h"
#include "data/Database.h"
#include "forms/about/FrmAbout.h"
#include "reports/engine/ReportEngine.h"
#include "reports/frmReportSelection.h"
#include "reports/frmRpt.h"

namespace varnelle {

void frmMain::mnuAddress_Click()
{
    RunReport(gIsBusiness ? "bAddress.rpt" : "Address.rpt");
}

void frmMain::mnuTelephone_Click()
{
    RunReport(gIsBusiness ? "Business.rpt" : "Personal.rpt");
}

void frmMain::mnuDetail_Click()
{
    RunReport(gIsBusiness ? "bDetail.rpt" : "Detail.rpt");
}

void frmMain::mnuAbout_Click()
{
    FrmAbout about(this);
    about.exec();
}

// Destination dialog, then (for a partial report) the criteria dialog, then
// the data file, the definition file and the run. The engine's failures are
// shown in one message; a Cancel ends the run silently.
void frmMain::RunReport(const QString &reportFile)
{
    if (!rptAddress) {
        rptAddress = new ReportEngine(this);
        rptAddress->setObjectName("rptAddress");
    }
    gReport = rptAddress;
    Form<frmRpt>().exec();
    if (!gReport)
        return;
    if (gAllRecords)
        rptAddress->setSelectionFormula(QString()); // an earlier partial run's formula must not narrow this one
    else
        Form<frmReportSelection>().exec();

    try {
        rptAddress->setDataFiles(0, DatabaseFileName);
        rptAddress->setReportFileName(reportFile);
        rptAddress->setAction(1);
    } catch (const ReportError &error) {
        MsgBox(error.damagedData() ? error.message() + " Choose File > Repair Database to save what can still be read."
                                   : error.message(),
               MsgRefusal);
    } catch (const std::exception &error) {
        MsgBox(QString::fromLocal8Bit(error.what()), MsgRefusal);
    }
}

} // namespace varnelle
