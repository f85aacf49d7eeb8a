#include "ui/main/ReportActions.h"

#include "ui/reports/ReportCriteriaDialog.h"
#include "ui/reports/ReportDestinationDialog.h"
#include "ui/reports/ReportRunner.h"
#include "reports/ReportEngine.h"
#include "store/AddressBook.h"

#include <QAction>
#include <QMenu>

namespace varnelle {

ReportActions::ReportActions(QMenu *reportsMenu, AddressBook &book, QWidget *window)
    : QObject(window), mBook(book), mWindow(window)
{
    const auto command = [&](const char *name, const QString &caption, void (ReportActions::*slot)()) {
        QAction *action = reportsMenu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
    };
    command("addressListAction", tr("&Address List"), &ReportActions::showAddressList);
    command("telephoneListAction", tr("&Telephone List"), &ReportActions::showTelephoneList);
    command("detailReportAction", tr("&Detail Report"), &ReportActions::showDetailReport);
}

ReportActions::~ReportActions() = default;

void ReportActions::showAddressList()
{
    run(MenuDefinition(ReportKind::AddressList, mBook.isBusiness()));
}

void ReportActions::showTelephoneList()
{
    run(MenuDefinition(ReportKind::TelephoneList, mBook.isBusiness()));
}

void ReportActions::showDetailReport()
{
    run(MenuDefinition(ReportKind::Detail, mBook.isBusiness()));
}

// A Cancel of the destination, or a close of either dialog through its frame,
// ends the run silently.
void ReportActions::run(const QString &definition)
{
    if (!mEngine) {
        mEngine = new ReportEngine(this);
        mEngine->setObjectName("reportEngine");
        mEngine->setBookFile(mBook.fileName()); // definitions beside the book are found first
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
    mLastRequest = request;
    RunReport(*mEngine, request, mWindow);
}

} // namespace varnelle
