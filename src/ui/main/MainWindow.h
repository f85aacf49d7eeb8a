#pragma once

#include "reports/ReportRequest.h"
#include "ui/main/ContactListModel.h"
#include "ui/widgets/WindowPlacement.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QSplitter;

namespace varnelle {

class AddressBook;
class ContactActions;
class ContactDetailPane;
class DatabaseError;
class InterchangeActions;
class ContactList;
class ContactSearch;
class PhoneTypesDialog;
class ReportActions;

// The main window: the contact list of the current view, its buttons and the
// menus. Creating and loading it starts the program; closing it ends it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AddressBook &book, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up: buttons, caption and centring, the database file, the
    // saved view, the list. Throws DatabaseError when the database cannot be
    // opened or read; the caller ends the program then.
    void load();

    // True once a failure the program cannot go on from has been shown: the
    // application's event loop has been told to end with status 1.
    bool hasFailed() const { return mFailed; }

    // The list of the current view, read again from the book.
    void fillList();
    // The list line of a contact as the book holds it now.
    QString formatLine(std::int32_t personId);

    // The request of the last report that was run (none before the first).
    const ReportRequest &lastReportRequest() const;

    // Imports the files one after the other as File > "Import Contacts…"
    // does once a file is chosen (the files given at start-up, or handed
    // over by a second start on the same book).
    void importFiles(const QStringList &fileNames);
    // Opens the editor on a contact, chosen in the list of its view.
    void editContactNumbered(std::int32_t personId);
    // Puts the words in the search box, as if typed there.
    void searchFor(const QString &text);

    // The telephone types window, once it has been opened; nullptr before.
    PhoneTypesDialog *phoneTypesDialog() const { return mTypesDialog.get(); }

public slots:
    // File menu (import and export: InterchangeActions)
    void repairDatabase();

    // Tables menu
    void showPhoneTypes();

    // Contact list and its buttons (ContactList)
    void addContact();
    void editContact();
    void deleteContact();
    void switchView();

    // View menu: the detail pane beside the list, shown or not (remembered)
    void showDetails(bool shown);

    // Help menu
    void showAbout();

private:
    // The search band above the list, in twips: the box, then its count line.
    // The rest of the window lies SearchBand lower than it would without it.
    static constexpr double SearchBoxTop = 120, SearchBoxHeight = 315;
    static constexpr double SearchCountTop = 465, SearchCountHeight = 195;
    static constexpr double SearchBand = 570;
    void layOut(QWidget *client);

    QLineEdit *mSearchBox = nullptr;
    QLabel *mSearchCount = nullptr;
    QListView *mContactList = nullptr;
    ContactListModel *mContacts = nullptr;
    ContactSearch *mSearch = nullptr; // the search box; what the list shows of mContacts
    ContactList *mList = nullptr; // what the buttons do to the list
    QPushButton *mAddButton = nullptr;
    QPushButton *mEditButton = nullptr;
    QPushButton *mDeleteButton = nullptr;
    QPushButton *mViewButton = nullptr;

    QMenu *mFileMenu = nullptr;
    QAction *mRepairAction = nullptr;
    QAction *mExitAction = nullptr;
    QMenu *mTablesMenu = nullptr;
    QAction *mPhoneTypesAction = nullptr;
    ReportActions *mReports = nullptr; // the Reports menu
    InterchangeActions *mInterchange = nullptr; // import and export in the File menu
    QMenu *mViewMenu = nullptr;
    QAction *mDetailsAction = nullptr;
    QSplitter *mSplitter = nullptr; // the list and the detail pane
    ContactDetailPane *mDetailPane = nullptr;
    ContactActions *mContactActions = nullptr; // the contact menu's, the pane's and a drag's
    QMenu *mHelpMenu = nullptr;
    QAction *mAboutAction = nullptr;


protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void setButtons();
    // The contact of the list's current row (0 for none) to the detail pane;
    // readAgain when it may have changed.
    void showCurrentDetails(bool readAgain);
    // The menu of the contact at pos (in the list's viewport).
    void showContactMenu(const QPoint &pos);
    void keepPaneWidth();
    // Makes the window wider by up to `wider` pixels, keeping it on its screen.
    void growWithinScreen(int wider);
    // Shows the failure, closes the book and ends the program with status 1.
    void failWith(const QString &message);

    AddressBook &mBook;
    bool mFailed = false;
    std::unique_ptr<PhoneTypesDialog> mTypesDialog;
};

} // namespace varnelle
