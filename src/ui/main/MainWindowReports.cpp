// The main window's Reports and Help menus and the report run.
#include "ui/main/MainWindow.h"

#include "ui/about/AboutDialog.h"
#include "ui/reports/ReportCriteriaDialog.h"
#include "ui/reports/ReportDestinationDialog.h"
#include "ui/reports/ReportRunner.h"
#include "reports/ReportEngine.h"
#include "reports/ReportRequest.h"
#include "store/AddressBook.h"

namespace varnelle {

void MainWindow::showAddressList()
{
    runReport(mBook.isBusiness() ? "bAddress.rpt" : "Address.rpt");
}

void MainWindow::showTelephoneList()
{
    runReport(mBook.isBusiness() ? "Business.rpt" : "Personal.rpt");
}

void MainWindow::showDetailReport()
{
    runReport(mBook.isBusiness() ? "bDetail.rpt" : "Detail.rpt");
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

// Destination dialog, then (for a partial report) the criteria dialog, then
// the run. Both dialogs keep the user's choices for the next run; a Cancel of
// the destination, or a close of either through its frame, ends the run silently.
void MainWindow::runReport(const QString &definition)
{
    if (!mReportEngine) {
        mReportEngine = new ReportEngine(this);
        mReportEngine->setObjectName("reportEngine");
    }
    if (!mDestinationDialog)
        mDestinationDialog = std::make_unique<ReportDestinationDialog>();
    if (mDestinationDialog->exec() != QDialog::Accepted)
        return;

    ReportRequest request;
    request.definition = definition;
    request.dataFile = mBook.fileName();
    mDestinationDialog->fillDestination(request);
    if (!mDestinationDialog->allRecords()) {
        if (!mCriteriaDialog)
            mCriteriaDialog = std::make_unique<ReportCriteriaDialog>(mBook);
        if (mCriteriaDialog->exec() != QDialog::Accepted)
            return; // closed through its frame: nothing is shown, printed or written
        request.criteria = mCriteriaDialog->criteria();
    }
    mLastReportRequest = request;
    RunReport(*mReportEngine, request, this);
}

} // namespace varnelle
