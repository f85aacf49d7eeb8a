// Every window read by a screen reader: each control has a name, taken from
// its label or given where no label stands beside it.
#include "support/AllWindows.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

using namespace varnelle::test;

namespace {

// What a screen reader announces a control by. A drop-down list is read by
// its entry on this desktop, and named by the label that labels it.
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return {};
    if (face->role() == QAccessible::ComboBox)
        for (const auto &[label, relation] : face->relations(QAccessible::Label))
            return label->text(QAccessible::Name);
    return face->text(QAccessible::Name);
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName();
    void namesRead_data();
    void namesRead();
};

void AccessTest::everyControlHasAName()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    const ShownWindows shown = ShowAllWindows();
    QCOMPARE(shown.windows.size(), size_t(12));
    QStringList unnamed;
    for (const ShownWindows::Window &w : shown.windows)
        for (QWidget *control : Controls(*w.widget))
            if (!qobject_cast<QLabel *>(control) && accessibleName(control).trimmed().isEmpty())
                unnamed << w.name + "/" + control->objectName() + " (" + control->metaObject()->className() + ")";
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
}

void AccessTest::namesRead_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("main list") << "MainWindow" << "contactList" << "Contacts";
    QTest::newRow("editor e-mail") << "ContactDialog" << "emailBox" << "E-Mail Address:";
    QTest::newRow("editor last name") << "ContactDialog" << "lastNameBox" << "Last name";
    QTest::newRow("editor numbers") << "ContactDialog" << "numberList" << "Telephone numbers";
    QTest::newRow("number type") << "PhoneNumberDialog" << "typeCombo" << "Type of Number:";
    QTest::newRow("number box") << "PhoneNumberDialog" << "numberBox" << "Telephone Number:";
    QTest::newRow("types list") << "PhoneTypesDialog" << "typeList" << "Telephone Types";
    QTest::newRow("exclude companies") << "ReportCriteriaDialog" << "excludeCompanyBox" << "Exclude companies";
    QTest::newRow("exclude states") << "ReportCriteriaDialog" << "excludeStateBox" << "Exclude states";
    QTest::newRow("exclude last names") << "ReportCriteriaDialog" << "excludeLastNameBox" << "Exclude last names";
    QTest::newRow("copies") << "ReportDestinationDialog" << "copiesBox" << "Copies:";
    QTest::newRow("file name") << "ReportDestinationDialog" << "fileNameBox" << "File Name:";
}

void AccessTest::namesRead()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    const ShownWindows shown = ShowAllWindows();
    QWidget *form = shown.window(window);
    QVERIFY(form);
    QWidget *widget = form->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(accessibleName(widget), name);
}

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
