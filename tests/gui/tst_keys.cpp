// Keys of the main window and the report preview.
#include "support/ModalScript.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "reports/ReportEngine.h"
#include "store/AddressBook.h"
#include "store/Database.h"
#include "ui/main/MainWindow.h"
#include "ui/reports/ReportPreviewWindow.h"
#include "ui/reports/ReportRunner.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
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
