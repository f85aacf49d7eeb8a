// Every menu command can be reached with the mouse and with the keyboard, and
// none is disabled, checked or hidden.
#include "support/ModalScript.h"
#include "support/TestSupport.h"

#include "store/AddressBook.h"
#include "store/Contacts.h"
#include "ui/main/MainWindow.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QAction>
#include <QAbstractItemView>
#include <QDialog>
#include <QLineEdit>
#include <QTreeWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace varnelle;
using namespace varnelle::test;

#define QVERIFY_ACTIVE(window)                                                                                  \
    do {                                                                                                       \
        if (!QTest::qWaitForWindowActive(&(window)))                                                           \
            qWarning("the main window did not become active");                                                 \
    } while (false)

namespace {

struct Command {
    const char *menu;     // objectName of the menu
    Qt::Key menuKey;      // its access key
    const char *action;   // objectName of the command
    Qt::Key actionKey;    // its access key within the menu
    const char *dialog;   // the modal dialog it opens, or nullptr
    const char *closeButton; // the button that closes it, or nullptr for Esc
};

const Command Commands[] = {
    {"fileMenu", Qt::Key_F, "importAction", Qt::Key_I, "importFileDialog", nullptr},
    {"fileMenu", Qt::Key_F, "exportAction", Qt::Key_P, "exportFileDialog", nullptr},
    {"fileMenu", Qt::Key_F, "repairAction", Qt::Key_R, nullptr, nullptr},
    {"editMenu", Qt::Key_I, "recentlyDeletedAction", Qt::Key_D, "RecentlyDeletedDialog", "closeButton"},
    {"editMenu", Qt::Key_I, "historyAction", Qt::Key_H, "HistoryDialog", "closeButton"},
    {"tablesMenu", Qt::Key_T, "phoneTypesAction", Qt::Key_T, nullptr, nullptr},
    {"reportsMenu", Qt::Key_R, "addressListAction", Qt::Key_A, "ReportDestinationDialog", "cancelButton"},
    {"reportsMenu", Qt::Key_R, "telephoneListAction", Qt::Key_T, "ReportDestinationDialog", "cancelButton"},
    {"reportsMenu", Qt::Key_R, "detailReportAction", Qt::Key_D, "ReportDestinationDialog", "cancelButton"},
    {"helpMenu", Qt::Key_H, "aboutAction", Qt::Key_A, "AboutDialog", "okButton"},
    {"fileMenu", Qt::Key_F, "exitAction", Qt::Key_X, nullptr, nullptr},
};

MainWindow &startMain()
{
    MainWindow &main = CurrentMainWindow();
    main.load();
    main.activateWindow();
    QVERIFY_ACTIVE(main);
    return main;
}

// Runs open (which picks the command), answering the dialog it shows and
// bringing the main window back after the types window.
void pick(MainWindow &main, const Command &c, const std::function<void()> &open)
{
    ModalScript script;
    if (c.dialog) {
        const QString button = c.closeButton;
        script.expect(c.dialog, [button](QDialog &d) {
            if (button.isEmpty())
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                QTest::mouseClick(d.findChild<QPushButton *>(button), Qt::LeftButton);
        });
    }
    script.run(open);
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    QCOMPARE(script.pending(), 0);
    if (QByteArray(c.action) == "phoneTypesAction") {
        QVERIFY(!main.isVisible());
        QTest::mouseClick(main.phoneTypesDialog()->findChild<QPushButton *>("okButton"), Qt::LeftButton);
        QVERIFY(main.isVisible());
        main.activateWindow();
        QVERIFY_ACTIVE(main);
    }
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void menuBarHoldsEveryCommandEnabled();
    void everyCommandWithTheMouse();
    void everyCommandWithTheKeyboard();
    void undoAndRedoWithTheKeyboard();
};

void MenusTest::menuBarHoldsEveryCommandEnabled()
{
    TempWorkDir dir;
    MainWindow &main = startMain();
    QStringList titles;
    for (QAction *a : main.menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&File", "Ed&it", "&View", "&Tables", "&Reports", "&Help"}));
    const QStringList captions = {QString::fromUtf8("&Import Contacts\u2026"),
                                  QString::fromUtf8("Ex&port Contacts\u2026"),
                                  "&Repair Database",
                                  QString::fromUtf8("Sync &Accounts\u2026"),
                                  "S&ync Now",
                                  "", // a separator before Exit
                                  "E&xit",
                                  "&Details",
                                  "&Telephone Types",
                                  "&Address List",
                                  "&Telephone List",
                                  "&Detail Report",
                                  "&About"};
    QStringList found;
    for (const char *menu : {"fileMenu", "viewMenu", "tablesMenu", "reportsMenu", "helpMenu"})
        for (QAction *a : main.findChild<QMenu *>(menu)->actions()) {
            found << a->text();
            // Only View > Details is shown or not.
            QVERIFY(a->isEnabled() && a->isVisible() && a->isCheckable() == (a->objectName() == "detailsAction"));
        }
    QCOMPARE(found, captions);
}

// Picks every command in turn with choose(main, menu, action, command), Exit
// last, and checks that each was triggered once and that Exit ended the run.
void pickEveryCommand(const std::function<void(MainWindow &, QMenu *, QAction *, const Command &)> &choose)
{
    TempWorkDir dir;
    MainWindow &main = startMain();
    for (const Command &c : Commands) {
        auto *menu = main.findChild<QMenu *>(c.menu);
        auto *action = main.findChild<QAction *>(c.action);
        QSignalSpy triggered(action, &QAction::triggered);
        // Closing a dialog gives the main window back its activation, as a window manager does.
        main.activateWindow();
        QVERIFY_ACTIVE(main);
        pick(main, c, [&] { choose(main, menu, action, c); });
        QCOMPARE(triggered.count(), 1);
    }
    QVERIFY(!main.isVisible()); // Exit closed the main window
    QVERIFY(!CurrentBook().database().isValid());
}

void MenusTest::everyCommandWithTheMouse()
{
    pickEveryCommand([](MainWindow &main, QMenu *menu, QAction *action, const Command &) {
        QMenuBar *bar = main.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    });
}

void MenusTest::everyCommandWithTheKeyboard()
{
    pickEveryCommand([](MainWindow &main, QMenu *menu, QAction *, const Command &c) {
        QTest::keyClick(&main, c.menuKey, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, c.actionKey);
    });
}

// Undo and Redo name what they take back and follow their keys; Recently
// Deleted restores a contact found by its name.
void MenusTest::undoAndRedoWithTheKeyboard()
{
    TempWorkDir dir;
    MainWindow &main = startMain();
    QSqlDatabase &db = CurrentBook().database();
    const std::int32_t ann = AddContact(db, true);
    Contact named = *ReadContactFields(db, ann);
    named.lastName = "Smith";
    named.firstName = "Ann";
    StoreChangedFields(db, ann, *ReadContactFields(db, ann), named);
    DeleteContactWithNumbers(db, ann);
    CurrentBook().notifyContactsChanged();
    auto *undo = main.findChild<QAction *>("undoAction");
    auto *redo = main.findChild<QAction *>("redoAction");
    const auto listed = [&] { return main.findChild<QAbstractItemView *>("contactList")->model()->rowCount(); };
    QCOMPARE(undo->text(), "&Undo Delete 'Smith, Ann'");
    QVERIFY(!redo->isEnabled());
    QCOMPARE(listed(), 0);

    const struct {
        QKeyCombination key;
        int listed;
        const char *undoText;
        const char *redoText;
    } steps[] = {
        {Qt::CTRL | Qt::Key_Z, 1, "&Undo Add 'Smith, Ann'", "&Redo Delete 'Smith, Ann'"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, 0, "&Undo Delete 'Smith, Ann'", "&Redo"},
        {Qt::CTRL | Qt::Key_Z, 1, "&Undo Add 'Smith, Ann'", "&Redo Delete 'Smith, Ann'"},
        {Qt::CTRL | Qt::Key_Y, 0, "&Undo Delete 'Smith, Ann'", "&Redo"},
    };
    for (const auto &step : steps) {
        QTest::keyClick(&main, step.key.key(), step.key.keyboardModifiers());
        QCOMPARE(listed(), step.listed);
        QCOMPARE(undo->text(), step.undoText);
        QCOMPARE(redo->text(), step.redoText);
    }

    ModalScript script;
    script.expect("RecentlyDeletedDialog", [](QDialog &d) {
        auto *list = d.findChild<QTreeWidget *>("deletedList");
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(list->topLevelItem(0)->text(0), "Smith, Ann");
        QTest::keyClicks(d.findChild<QLineEdit *>("deletedSearch"), "SMI");
        QVERIFY(!list->topLevelItem(0)->isHidden());
        QTest::keyClick(&d, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(list->topLevelItemCount(), 0);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    script.run([&] {
        QTest::keyClick(&main, Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(main.findChild<QMenu *>("editMenu")->isVisible());
        QTest::keyClick(main.findChild<QMenu *>("editMenu"), Qt::Key_D);
    });
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    QCOMPARE(listed(), 1);
    QCOMPARE(undo->text(), "&Undo Restore of 1 Contact");
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
