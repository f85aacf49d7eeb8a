// Keys of the windows: commands, lists moved with the keys, tab order, the
// number dialog's type list, and the report preview.
#include "support/AllWindows.h"
#include "support/ModalScript.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "reports/ReportEngine.h"
#include "store/AddressBook.h"
#include "store/Database.h"
#include "ui/contact/ContactDialog.h"
#include "ui/contact/PhoneNumberDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/reports/ReportPreviewWindow.h"
#include "ui/reports/ReportRunner.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QPointer>
#include <QSpinBox>
#include <QTest>

using namespace varnelle;
using namespace varnelle::test;

class KeysTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowKeys_data();
    void mainWindowKeys();
    void currentRowAfterAnOperation_data();
    void currentRowAfterAnOperation();
    void movingInAListSelects_data();
    void movingInAListSelects();
    void numberDialogTypeKeyMovesToNumber_data();
    void numberDialogTypeKeyMovesToNumber();
    void tabOrder_data();
    void tabOrder();
    void previewCloses_data();
    void previewCloses();
    void previewTurnsPagesFromThePageBox();
};

namespace {

// The main window, active, over contacts named Contact 0..count-1, the list focused.
QAbstractItemView *activeMainWindow(int count)
{
    MainWindow &main = CurrentMainWindow();
    main.load();
    for (int i = 0; i < count; ++i)
        RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness, LastName, City) VALUES (1, ?, 'Town')",
                 {QString("Contact %1").arg(i, 3, 10, QChar('0'))});
    CurrentBook().notifyContactsChanged();
    main.show();
    QApplication::setActiveWindow(&main);
    (void)QTest::qWaitForWindowActive(&main);
    auto *list = find<QAbstractItemView>(main, "contactList");
    list->setFocus();
    return list;
}

// Shows a dialog as the active window and returns it.
template <class Dialog>
Dialog &activate(Dialog &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    (void)QTest::qWaitForWindowActive(&dialog);
    return dialog;
}

// A preview of the address list of 300 contacts, from the main window.
QPointer<ReportPreviewWindow> showPreview()
{
    activeMainWindow(300);
    ReportEngine engine;
    engine.setDefinitionFolders({VARNELLE_SOURCE_REPORTS_DIR});
    ReportRequest request;
    request.definition = "bAddress.rpt";
    request.dataFile = QDir::current().absoluteFilePath(DatabaseFileName);
    request.destination = ReportDestination::Screen;
    RunReport(engine, request, &CurrentMainWindow());
    QPointer<ReportPreviewWindow> preview;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<ReportPreviewWindow *>(w); p && p->isVisible())
            preview = p;
    if (preview) {
        QApplication::setActiveWindow(preview);
        (void)QTest::qWaitForWindowActive(preview);
    }
    return preview;
}

} // namespace

void KeysTest::mainWindowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("chosen");   // a contact chosen first
    QTest::addColumn<QString>("dialog"); // the dialog it opens; empty: a question
    QTest::newRow("Ctrl+N adds") << int(Qt::Key_N) << int(Qt::ControlModifier) << false << "ContactDialog";
    QTest::newRow("F2 edits") << int(Qt::Key_F2) << 0 << true << "ContactDialog";
    QTest::newRow("Enter edits") << int(Qt::Key_Return) << 0 << true << "ContactDialog";
    QTest::newRow("Delete asks") << int(Qt::Key_Delete) << 0 << true << "";
    QTest::newRow("F1 shows About") << int(Qt::Key_F1) << 0 << false << "AboutDialog";
}

void KeysTest::mainWindowKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, chosen);
    QFETCH(QString, dialog);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    QAbstractItemView *list = activeMainWindow(2);
    if (chosen)
        list->setCurrentIndex(list->model()->index(0, 0));
    ModalScript script;
    if (!dialog.isEmpty())
        script.expect(dialog, [](QDialog &d) { d.reject(); });
    script.run([&] { QTest::keyClick(list, Qt::Key(key), Qt::KeyboardModifiers(modifiers)); });
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    QCOMPARE(script.pending(), 0);
    if (dialog.isEmpty()) {
        QCOMPARE(boxes.texts(), QStringList{"Delete Contact 000?"});
        QCOMPARE(Rows(DatabaseFileName, "SELECT COUNT(*) FROM Address").value(0).value(0).toInt(), 2); // answered No
    }
}

void KeysTest::currentRowAfterAnOperation_data()
{
    QTest::addColumn<QList<int>>("keys");       // on the list, Contact 001 chosen first
    QTest::addColumn<QString>("lastName");      // typed into the editor that opens; empty: Cancel
    QTest::addColumn<QString>("current");       // asked about after Space and Delete
    QTest::newRow("saved edit") << QList<int>{Qt::Key_F2} << "Smith" << "Smith";
    QTest::newRow("cancelled edit") << QList<int>{Qt::Key_F2} << "" << "Contact 001";
    QTest::newRow("deleted") << QList<int>{Qt::Key_Delete} << "" << "Contact 002";
    QTest::newRow("added") << QList<int>{(Qt::CTRL | Qt::Key_N).toCombined()} << "Aaron" << "Aaron";
}

// A keyboard user presses Space and then Delete after an operation: the
// question names the contact just handled, or the neighbour of one deleted.
void KeysTest::currentRowAfterAnOperation()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, lastName);
    QFETCH(QString, current);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    QAbstractItemView *list = activeMainWindow(3);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    ModalScript script;
    if (keys.first() == Qt::Key_Delete)
        boxes.answer(QMessageBox::Yes);
    else
        script.expect("ContactDialog", [&](QDialog &editor) {
            activate(editor);
            if (lastName.isEmpty()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                return;
            }
            auto *box = find<QWidget>(editor, "lastNameBox");
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, lastName);
            QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
        });
    const QKeyCombination key = QKeyCombination::fromCombined(keys.first());
    script.run([&] { QTest::keyClick(list, key.key(), key.keyboardModifiers()); });
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    activate(*list->window());
    list->setFocus();
    boxes.messages.clear();
    QTest::keyClick(list, Qt::Key_Space);
    QTest::keyClick(list, Qt::Key_Delete); // answered No
    QCOMPARE(boxes.texts(), QStringList{QString("Delete %1?").arg(current)});
}

void KeysTest::movingInAListSelects_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("button"); // enabled once an entry is selected
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row"); // selected afterwards
    const struct {
        const char *window, *list, *button, *letter;
        int lastRow;
    } lists[] = {
        {"MainWindow", "contactList", "editButton", "c", 2},
        {"ContactDialog", "numberList", "editNumberButton", "w", 2},
        {"PhoneTypesDialog", "typeList", "editButton", "w", 2},
    };
    for (const auto &l : lists) {
        const QList<std::pair<const char *, std::pair<int, int>>> keys = {
            {"Home", {Qt::Key_Home, 0}},         {"End", {Qt::Key_End, l.lastRow}},
            {"Down", {Qt::Key_Down, 1}},         {"Up", {Qt::Key_Up, 0}},
            {"PageDown", {Qt::Key_PageDown, l.lastRow}}, {"PageUp", {Qt::Key_PageUp, 0}},
            {"first letter", {QKeySequence(QString(l.letter).toUpper())[0].key(), -1}},
        };
        for (const auto &[name, key] : keys)
            QTest::addRow("%s %s", l.window, name) << l.window << l.list << l.button << key.first << key.second;
    }
}

void KeysTest::movingInAListSelects()
{
    QFETCH(QString, window);
    QFETCH(QString, list);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, row);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    CurrentMainWindow().load();
    AddressBook &book = CurrentBook();
    // Three contacts, three types and three numbers of contact 1.
    RunQuery(book.database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home'), ('Mobile'), ('Work')");
    QWidget *form = nullptr;
    std::unique_ptr<QDialog> dialog;
    if (window == "MainWindow") {
        form = activeMainWindow(3)->window();
    } else {
        RunQuery(book.database(), "INSERT INTO Address (IsBusiness, LastName) VALUES (1, 'Smith')");
        RunQuery(book.database(), "INSERT INTO TelephoneList VALUES (1, 1, '1'), (1, 2, '2'), (1, 3, '3')");
        if (window == "ContactDialog")
            dialog = std::make_unique<ContactDialog>(book, 1);
        else
            dialog = std::make_unique<PhoneTypesDialog>(book);
        form = &activate(*dialog);
    }
    auto *view = find<QAbstractItemView>(*form, list);
    view->setFocus();
    QVERIFY(!view->selectionModel()->hasSelection());
    QVERIFY(!find<QPushButton>(*form, button)->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    if (row >= 0)
        QCOMPARE(selected.first().row(), row);
    QCOMPARE(view->currentIndex(), selected.first());
    QVERIFY(find<QPushButton>(*form, button)->isEnabled());
}

void KeysTest::numberDialogTypeKeyMovesToNumber_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("type");
    QTest::newRow("first letter") << int(Qt::Key_W) << "Work";
    QTest::newRow("Down arrow") << int(Qt::Key_Down) << "Home";
}

void KeysTest::numberDialogTypeKeyMovesToNumber()
{
    QFETCH(int, key);
    QFETCH(QString, type);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    CurrentMainWindow().load();
    AddressBook &book = CurrentBook();
    RunQuery(book.database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Work'), ('Home')");
    RunQuery(book.database(), "INSERT INTO Address (IsBusiness, LastName) VALUES (1, 'Smith')");
    PhoneNumberDialog dialog(book, 1, 0);
    activate(dialog);
    QCOMPARE(QApplication::focusWidget(), find<QComboBox>(dialog, "typeCombo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("numberBox"));
    QTest::keyClicks(QApplication::focusWidget(), "555 0142");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier); // Enter does not save here
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(Rows(DatabaseFileName, "SELECT t.TelephoneType, n.Number FROM TelephoneList n "
                                    "JOIN TelephoneType t ON t.TypeID = n.TypeID"),
             (QList<QVariantList>{{type, "555 0142"}}));
}

void KeysTest::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("main") << "MainWindow"
                          << QStringList{"contactList", "addButton", "editButton", "deleteButton", "viewButton", "searchBox"};
    QTest::newRow("editor") << "ContactDialog"
                            << QStringList{"titleBox", "firstNameBox", "lastNameBox", "companyBox", "streetBox",
                                           "cityBox", "stateBox", "zipCodeBox", "emailBox", "spouseBox",
                                           "childrenBox", "numberList", "addNumberButton", "editNumberButton",
                                           "deleteNumberButton", "saveButton", "cancelButton", "moreButton"};
    QTest::newRow("number") << "PhoneNumberDialog"
                            << QStringList{"typeCombo", "numberBox", "saveButton", "cancelButton"};
    QTest::newRow("types") << "PhoneTypesDialog"
                           << QStringList{"typeBox", "typeList", "addButton", "editButton", "deleteButton", "okButton"};
    QTest::newRow("criteria") << "ReportCriteriaDialog"
                              << QStringList{"companyCombo", "excludeCompanyBox", "stateCombo", "excludeStateBox",
                                             "lastNameCombo", "excludeLastNameBox", "okButton"};
    QTest::newRow("destination") << "ReportDestinationDialog"
                                 << QStringList{"printerOption", "screenOption", "diskOption", "allRecordsOption",
                                                "partialReportOption", "copiesBox", "fileNameBox", "fileTypeCombo",
                                                "browseButton", "okButton", "cancelButton"};
    QTest::newRow("about") << "AboutDialog" << QStringList{"okButton"};
}

void KeysTest::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    const ShownWindows shown = ShowAllWindows();
    QWidget *form = shown.window(window);
    QVERIFY(form);
    const QList<QWidget *> controls = Controls(*form);
    // Radio buttons of one group take the tab focus only while checked, so
    // every control that can take the focus counts.
    const auto inChain = [&](QWidget *w) { return w->focusPolicy() != Qt::NoFocus && controls.contains(w); };
    QWidget *first = form->findChild<QWidget *>(order.first());
    QVERIFY(first);
    QStringList chain{first->objectName()};
    for (QWidget *w = first->nextInFocusChain(); w != first && chain.size() <= controls.size();
         w = w->nextInFocusChain())
        if (inChain(w))
            chain << w->objectName();
    QCOMPARE(chain.join(' '), order.join(' '));
}

void KeysTest::previewCloses_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
}

void KeysTest::previewCloses()
{
    QFETCH(QKeySequence, key);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    QPointer<ReportPreviewWindow> preview = showPreview();
    QVERIFY(preview);
    QTest::keySequence(preview.data(), key);
    QTRY_VERIFY(!preview);
}

void KeysTest::previewTurnsPagesFromThePageBox()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    QPointer<ReportPreviewWindow> preview = showPreview();
    QVERIFY(preview);
    // It opens centred over the main window.
    QVERIFY((preview->frameGeometry().center() - CurrentMainWindow().frameGeometry().center()).manhattanLength() <= 4);
    auto *pageBox = find<QSpinBox>(*preview, "pageNumber");
    pageBox->setFocus();
    const int last = preview->layout().pageCount() - 1;
    QVERIFY2(last >= 2, qPrintable(QString::number(last)));
    const std::pair<QKeyCombination, int> steps[] = {
        {Qt::CTRL | Qt::Key_End, last}, {QKeyCombination(Qt::Key_PageUp), last - 1},
        {Qt::CTRL | Qt::Key_Home, 0},   {QKeyCombination(Qt::Key_PageDown), 1},
    };
    for (const auto &[key, page] : steps) {
        QTest::keyClick(pageBox, key.key(), key.keyboardModifiers());
        QCOMPARE(preview->currentPage(), page);
    }
    preview->close();
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
