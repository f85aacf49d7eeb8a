#include "support/AllWindows.h"

#include "support/TestSupport.h"

#include "reports/ReportEngine.h"
#include "store/AddressBook.h"
#include "store/Database.h"
#include "ui/about/AboutDialog.h"
#include "ui/contact/ContactDetailsDialog.h"
#include "ui/contact/ContactDialog.h"
#include "ui/contact/PhoneNumberDialog.h"
#include "ui/interchange/ExportOptionsDialog.h"
#include "ui/interchange/ImportOptionsDialog.h"
#include "ui/interchange/ImportSummaryDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/reports/ReportCriteriaDialog.h"
#include "ui/reports/ReportDestinationDialog.h"
#include "ui/reports/ReportPreviewWindow.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace varnelle::test {

QWidget *ShownWindows::window(const QString &name) const
{
    for (const Window &w : windows)
        if (w.name == name)
            return w.widget;
    return nullptr;
}

ShownWindows ShowAllWindows()
{
    MainWindow &main = CurrentMainWindow();
    main.load();
    AddressBook &book = CurrentBook();
    RunQuery(book.database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Work'), ('Home')");
    RunQuery(book.database(), "INSERT INTO Address (IsBusiness, FirstName, LastName, Company, City, State) "
                              "VALUES (1, 'Ann', 'Smith', 'Acme', 'Berlin', 'BE')");
    RunQuery(book.database(), "INSERT INTO TelephoneList VALUES (1, 2, '+49 30 1234567')");
    book.notifyContactsChanged();

    ShownWindows shown;
    auto own = [&shown](const QString &name, QWidget *widget) {
        shown.owned.emplace_back(widget);
        shown.windows.push_back({name, widget});
    };
    shown.windows.push_back({"MainWindow", &main});
    own("ContactDialog", new ContactDialog(book, 1));
    own("PhoneNumberDialog", new PhoneNumberDialog(book, 1, 2));
    Contact contact;
    contact.lastName = "Smith";
    contact.details.nicknames = {"Annie"};
    own("ContactDetailsDialog", new ContactDetailsDialog(contact, {"Work", "Home"}));
    own("PhoneTypesDialog", new PhoneTypesDialog(book));
    own("ReportCriteriaDialog", new ReportCriteriaDialog(book));
    own("ReportDestinationDialog", new ReportDestinationDialog);
    own("ExportOptionsDialog", new ExportOptionsDialog("contacts.vcf", true));
    own("ImportOptionsDialog", new ImportOptionsDialog(true));
    own("ImportSummaryDialog", new ImportSummaryDialog(book, {"1 contact imported; 0 already present."}));
    own("AboutDialog", new AboutDialog(book.fileName()));

    ReportEngine engine;
    engine.setDefinitionFolders({VARNELLE_SOURCE_REPORTS_DIR});
    ReportRequest request;
    request.definition = "Address.rpt";
    request.dataFile = QDir::current().absoluteFilePath(DatabaseFileName);
    request.destination = ReportDestination::Screen;
    ReportResult result = engine.run(request);
    if (result.pages)
        own("ReportPreviewWindow", new ReportPreviewWindow(std::move(*result.pages)));

    main.show();
    for (const ShownWindows::Window &w : shown.windows) {
        w.widget->setAttribute(Qt::WA_DeleteOnClose, false);
        w.widget->show();
        (void)QTest::qWaitForWindowExposed(w.widget);
    }
    return shown;
}

QList<QWidget *> Controls(const QWidget &window)
{
    QList<QWidget *> controls;
    const auto isControl = [](const QWidget *w) {
        return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w)
               || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractItemView *>(w)
               || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QGroupBox *>(w)
               || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QLabel *>(w);
    };
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!isControl(w) || !w->isVisibleTo(&window) || w->window() != &window)
            continue;
        bool inner = false; // the line edit of a combo or spin box, a list's own viewport widgets
        for (const QWidget *p = w->parentWidget(); p && p != &window; p = p->parentWidget())
            inner = inner || (isControl(p) && !qobject_cast<const QGroupBox *>(p));
        if (!inner)
            controls << w;
    }
    return controls;
}

} // namespace varnelle::test
