// The telephone types window, driven as a user would.
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"
#include "store/Database.h"
#include "ui/main/MainWindow.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace varnelle;
using namespace varnelle::test;

namespace {

struct TypesWindow {
    MainWindow &main;
    PhoneTypesDialog &form;
    QLineEdit *typeBox;
    QListWidget *typeList;
    QPushButton *addButton, *editButton, *deleteButton, *okButton;
    std::shared_ptr<QSignalSpy> typesChanged; // the book's announcements since the window opened

    QStringList texts() const
    {
        QStringList list;
        for (int i = 0; i < typeList->count(); ++i)
            list << typeList->item(i)->text();
        return list;
    }
    QString selected() const
    {
        const auto items = typeList->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    void select(const QString &name)
    {
        const auto found = typeList->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        typeList->scrollToItem(found.first());
        QTest::mouseClick(typeList->viewport(), Qt::LeftButton, {}, typeList->visualItemRect(found.first()).center());
    }
    void add(const QString &name)
    {
        typeBox->clear();
        typeText(typeBox, name);
        QTest::mouseClick(addButton, Qt::LeftButton);
    }
    bool editAndDeleteEnabled() const { return editButton->isEnabled() && deleteButton->isEnabled(); }
    bool editAndDeleteDisabled() const { return !editButton->isEnabled() && !deleteButton->isEnabled(); }
};

TypesWindow openTypes()
{
    MainWindow &main = CurrentMainWindow();
    if (!CurrentBook().database().isOpen())
        main.load();
    find<QAction>(main, "phoneTypesAction")->trigger();
    PhoneTypesDialog &form = *main.phoneTypesDialog();
    return {main,
            form,
            form.findChild<QLineEdit *>("typeBox"),
            form.findChild<QListWidget *>("typeList"),
            form.findChild<QPushButton *>("addButton"),
            form.findChild<QPushButton *>("editButton"),
            form.findChild<QPushButton *>("deleteButton"),
            form.findChild<QPushButton *>("okButton"),
            std::make_shared<QSignalSpy>(&CurrentBook(), &AddressBook::typesChanged)};
}

QList<QVariantList> typeRows()
{
    return Rows(DatabaseFileName, "SELECT TypeID, TelephoneType FROM TelephoneType ORDER BY TypeID");
}

} // namespace

class TypesTest : public QObject {
    Q_OBJECT
private slots:
    void opensOverHiddenMainWithEmptyListAndButtonsOff();
    void addStoresSelectsAndSorts();
    void addRefusesNameDifferingOnlyInCase_data();
    void addRefusesNameDifferingOnlyInCase();
    void nulIsNeverStored();
    void keysTypedAfterAMnemonicLandInOrder();
    void renameThroughTheInputBox();
    void renameRefusalsChangeNothing();
    void selectionStaysOnEmptyClickAndCtrlClick();
    void deleteChecksUseFirstThenAsks();
    void okEscapeAndFrameBringMainBack();
    void thousandTypesStaySorted();
};

void TypesTest::opensOverHiddenMainWithEmptyListAndButtonsOff()
{
    TempWorkDir dir;
    TypesWindow w = openTypes();
    QVERIFY(w.form.isVisible());
    QVERIFY(!w.main.isVisible());
    QCOMPARE(w.form.windowTitle(), QString("Telephone Types"));
    QCOMPARE(w.typeList->count(), 0);
    QVERIFY(w.editAndDeleteDisabled());
    QVERIFY(!w.addButton->isEnabled());
    QVERIFY(w.okButton->isEnabled());
    QCOMPARE(w.form.focusWidget(), w.typeBox);

    QTest::keyClicks(w.typeBox, "H");
    QVERIFY(w.addButton->isEnabled());
    QTest::keyClick(w.typeBox, Qt::Key_Backspace);
    QVERIFY(!w.addButton->isEnabled());
    // The box takes at most 20 characters.
    QTest::keyClicks(w.typeBox, "Twenty-one characters");
    QCOMPARE(w.typeBox->text(), QString("Twenty-one character"));
}

void TypesTest::addStoresSelectsAndSorts()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    TypesWindow w = openTypes();
    w.add("Work");
    w.add("home");
    w.add("Fax");

    QCOMPARE(w.texts(), (QStringList{"Fax", "home", "Work"}));
    QCOMPARE(w.selected(), QString("Fax"));
    QVERIFY(w.editAndDeleteEnabled());
    QCOMPARE(w.typeBox->text(), QString());
    QVERIFY(!w.addButton->isEnabled());
    QCOMPARE(w.form.focusWidget(), w.typeBox);
    QVERIFY(!w.typesChanged->isEmpty());
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, "Work"}, {2, "home"}, {3, "Fax"}}));
    for (int i = 0; i < w.typeList->count(); ++i) {
        const QListWidgetItem *item = w.typeList->item(i);
        QCOMPARE(Rows(DatabaseFileName, "SELECT TelephoneType FROM TelephoneType WHERE TypeID = ?",
                      {item->data(Qt::UserRole)})[0][0].toString(),
                 item->text());
    }
    // Names are stored as typed, blanks included.
    w.add(" Car ");
    QCOMPARE(typeRows().last(), (QVariantList{4, " Car "}));
    QVERIFY(boxes.messages.isEmpty());
}

void TypesTest::addRefusesNameDifferingOnlyInCase_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("typed");
    QTest::newRow("ASCII") << "Home" << "HOME";
    QTest::newRow("umlaut") << QString::fromUtf8("Büro") << QString::fromUtf8("BÜRO");
    QTest::newRow("accents") << QString::fromUtf8("Télécopie") << QString::fromUtf8("TÉLÉCOPIE");
}

void TypesTest::addRefusesNameDifferingOnlyInCase()
{
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    TypesWindow w = openTypes();
    w.add(existing);
    w.add("Aux");
    w.typesChanged->clear();
    const QString refusal = QString("The telephone type '%1' was not saved: the type '%2' already exists, and the "
                                    "index 'TelephoneType' allows no two types with the same name.")
                                .arg(typed, existing);
    w.add(typed);

    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes.messages[0].text, refusal);
    QCOMPARE(w.typeBox->text(), typed);

    // Renaming another type to it is refused the same way.
    w.select("Aux");
    boxes.answerInput(typed);
    QTest::mouseClick(w.editButton, Qt::LeftButton);
    QCOMPARE(boxes.messages.size(), 2);
    QCOMPARE(boxes.messages[1].text, refusal);
    QCOMPARE(w.texts(), (QStringList{"Aux", existing}));
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, existing}, {2, "Aux"}}));
    QVERIFY(w.typesChanged->isEmpty());

    // A type may change the case of its own name.
    w.select(existing);
    boxes.answerInput(typed);
    QTest::mouseClick(w.editButton, Qt::LeftButton);
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, typed}, {2, "Aux"}}));
}

void TypesTest::nulIsNeverStored()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    TypesWindow w = openTypes();
    // Typed or pasted into the box, a NUL is dropped.
    w.add(QString("ab") + QChar(u'\0') + "c");
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, "abc"}}));

    // Through the input box it reaches the store, which refuses it: the
    // size check alone would count only the characters before the NUL.
    w.select("abc");
    boxes.answerInput(QString("ab") + QChar(u'\0') + QString(40, u'x'));
    QTest::mouseClick(w.editButton, Qt::LeftButton);
    QCOMPARE(boxes.messages.size(), 1);
    QVERIFY2(boxes.messages[0].text.contains("NUL character"), qPrintable(boxes.messages[0].text));
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, "abc"}}));
    QCOMPARE(w.texts(), QStringList{"abc"});
}

void TypesTest::keysTypedAfterAMnemonicLandInOrder()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    TypesWindow w = openTypes();
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    // Typed at once, with no pause for the button's animation.
    QTest::keyClicks(w.typeBox, "Pager");
    QTest::keyClick(w.typeBox, Qt::Key_A, Qt::AltModifier);
    QTest::keyClicks(w.form.focusWidget(), "Car");
    QTest::keyClick(w.form.focusWidget(), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, "Pager"}, {2, "Car"}}));
    QCOMPARE(w.texts(), (QStringList{"Car", "Pager"}));
    QVERIFY(boxes.messages.isEmpty());
}

void TypesTest::renameThroughTheInputBox()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    TypesWindow w = openTypes();
    w.add("Work");
    w.add("Fax");
    w.typesChanged->clear();

    w.select("Fax");
    boxes.answerInput(QString("Mobile"));
    QTest::mouseClick(w.editButton, Qt::LeftButton);
    QCOMPARE(boxes.inputs.size(), 1);
    QCOMPARE(boxes.inputs[0].title, QString("Varnelle For Windows"));
    QCOMPARE(boxes.inputs[0].text, QString("What is the type of telphone number?|Fax"));
    QCOMPARE(w.texts(), (QStringList{"Mobile", "Work"}));
    QCOMPARE(w.selected(), QString("Mobile"));
    QVERIFY(w.editAndDeleteEnabled());
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, "Work"}, {2, "Mobile"}}));
    QVERIFY(!w.typesChanged->isEmpty());

    // Double-click and Enter rename too; the same name rewrites the same record.
    boxes.answerInput(QString("Mobile"));
    const QListWidgetItem *mobile = w.typeList->findItems("Mobile", Qt::MatchExactly).first();
    const QPoint at = w.typeList->visualItemRect(mobile).center();
    QTest::mouseClick(w.typeList->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w.typeList->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(boxes.inputs.size(), 2);
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, "Work"}, {2, "Mobile"}}));

    w.select("Work");
    boxes.answerInput(QString("Office"));
    QTest::keyClick(w.typeList, Qt::Key_Return);
    QCOMPARE(w.texts(), (QStringList{"Mobile", "Office"}));
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, "Office"}, {2, "Mobile"}}));
    QVERIFY(boxes.messages.isEmpty());

    // Enter with nothing selected asks nothing.
    w.typeList->clearSelection();
    QTest::keyClick(w.typeList, Qt::Key_Return);
    QCOMPARE(boxes.inputs.size(), 3);
}

void TypesTest::renameRefusalsChangeNothing()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    TypesWindow w = openTypes();
    w.add("Work");
    w.add("Home");
    const auto before = typeRows();
    w.typesChanged->clear();

    w.select("Home");
    boxes.answerInput(std::nullopt); // Cancel
    QTest::mouseClick(w.editButton, Qt::LeftButton);
    boxes.answerInput(QString()); // text cleared, then OK
    QTest::mouseClick(w.editButton, Qt::LeftButton);
    QCOMPARE(typeRows(), before);
    QCOMPARE(w.texts(), (QStringList{"Home", "Work"}));
    QCOMPARE(w.selected(), QString("Home"));
    QVERIFY(w.editAndDeleteEnabled());
    QVERIFY(boxes.messages.isEmpty());

    boxes.answerInput(QString("WORK"));
    QTest::mouseClick(w.editButton, Qt::LeftButton);
    QCOMPARE(boxes.messages.size(), 1);
    QVERIFY(boxes.messages[0].text.contains("'Work' already exists"));
    QCOMPARE(typeRows(), before);
    QCOMPARE(w.texts(), (QStringList{"Home", "Work"}));
    QCOMPARE(w.selected(), QString("Home"));
    QVERIFY(w.typesChanged->isEmpty());

    // A type deleted behind the window's back cannot be renamed.
    Exec(DatabaseFileName, "DELETE FROM TelephoneType WHERE TelephoneType = 'Home'");
    boxes.answerInput(QString("House"));
    QTest::mouseClick(w.editButton, Qt::LeftButton);
    QCOMPARE(boxes.messages.size(), 2);
    QCOMPARE(w.texts(), (QStringList{"Home", "Work"}));
}

void TypesTest::deleteChecksUseFirstThenAsks()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    TypesWindow w = openTypes();
    w.add("Home");
    w.add("Fax");
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (5, 1, '555')");
    w.typesChanged->clear();

    w.select("Home");
    QTest::mouseClick(w.deleteButton, Qt::LeftButton);
    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].text, QString("Cannot delete Home."));
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(typeRows().size(), 2);
    QCOMPARE(Rows(DatabaseFileName, "SELECT count(*) FROM TelephoneList")[0][0].toInt(), 1);

    w.select("Fax");
    boxes.answer(QMessageBox::No);
    QTest::mouseClick(w.deleteButton, Qt::LeftButton);
    QCOMPARE(boxes.messages.size(), 2);
    QCOMPARE(boxes.messages[1].text, QString("Are you sure you want to delete Fax?"));
    QCOMPARE(boxes.messages[1].icon, QMessageBox::Question);
    QCOMPARE(typeRows().size(), 2);
    QVERIFY(w.typesChanged->isEmpty());

    boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(w.deleteButton, Qt::LeftButton);
    QCOMPARE(typeRows(), (QList<QVariantList>{{1, "Home"}}));
    QCOMPARE(w.texts(), QStringList{"Home"});
    QCOMPARE(w.selected(), QString());
    QVERIFY(w.editAndDeleteDisabled());
    QCOMPARE(w.form.focusWidget(), w.typeBox);
    QVERIFY(!w.typesChanged->isEmpty());
}

void TypesTest::okEscapeAndFrameBringMainBack()
{
    TempWorkDir dir;
    TypesWindow w = openTypes();
    w.add("Home");
    QTest::mouseClick(w.okButton, Qt::LeftButton);
    QVERIFY(w.main.isVisible());
    QVERIFY(!w.form.isVisible());

    // The window is kept: it comes back with its list as it was, not reread.
    Exec(DatabaseFileName, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Other')");
    TypesWindow again = openTypes();
    QCOMPARE(&again.form, &w.form);
    QCOMPARE(again.texts(), QStringList{"Home"});
    QVERIFY(!w.main.isVisible());
    QTest::keyClick(&w.form, Qt::Key_Escape);
    QVERIFY(w.main.isVisible());
    QVERIFY(!w.form.isVisible());

    openTypes();
    w.form.close();
    QVERIFY(w.main.isVisible());
    QVERIFY(!w.form.isVisible());
}

void TypesTest::thousandTypesStaySorted()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    CurrentMainWindow().load();
    for (int i = 999; i >= 0; --i)
        RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES (?)",
                 {QString("%1 Type %2").arg(i % 2 ? "odd" : "Even").arg(i, 4, 10, QChar('0'))});
    TypesWindow w = openTypes();
    QCOMPARE(w.typeList->count(), 1000);
    w.add("Middle");
    const QStringList texts = w.texts();
    QCOMPARE(texts.size(), 1001);
    for (int i = 1; i < texts.size(); ++i)
        QVERIFY2(QString::compare(texts[i - 1], texts[i], Qt::CaseInsensitive) < 0, qPrintable(texts[i]));
    QCOMPARE(texts.indexOf("Middle"), 500);
    QCOMPARE(w.selected(), QString("Middle"));
    QVERIFY(boxes.messages.isEmpty());
}

void TypesTest::selectionStaysOnEmptyClickAndCtrlClick()
{
    TempWorkDir dir;
    TypesWindow w = openTypes();
    w.add("Home");
    w.add("Work");
    QCOMPARE(selectedRowsAfterClicks(w.typeList, 0), (QList<int>{0, 0, 0, 0}));
    QVERIFY(w.editAndDeleteEnabled());
}

QTEST_MAIN(TypesTest)
#include "tst_types.moc"
