#pragma once

#include "reports/ReportRequest.h"

#include <QObject>
#include <memory>

class QMenu;
class QWidget;

namespace varnelle {

class AddressBook;
class ReportCriteriaDialog;
class ReportDestinationDialog;
class ReportEngine;

// The Reports menu: Address List, Telephone List and Detail Report of the
// current view. Each asks for the destination, then (for a partial report)
// the criteria, and runs the report; both dialogs keep the user's choices for
// the next run. Lives as a child of the window it was added to.
class ReportActions : public QObject {
    Q_OBJECT
public:
    ReportActions(QMenu *reportsMenu, AddressBook &book, QWidget *window);
    ~ReportActions() override;

    // The request of the last report that was run (none before the first).
    const ReportRequest &lastRequest() const { return mLastRequest; }

public slots:
    void showAddressList();
    void showTelephoneList();
    void showDetailReport();

private:
    void run(const QString &definition);

    AddressBook &mBook;
    QWidget *mWindow;
    ReportEngine *mEngine = nullptr; // the report engine control, made at the first run
    std::unique_ptr<ReportDestinationDialog> mDestinationDialog;
    std::unique_ptr<ReportCriteriaDialog> mCriteriaDialog;
    ReportRequest mLastRequest;
};

} // namespace varnelle
