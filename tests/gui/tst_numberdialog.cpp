// The telephone number dialog, shown the way the contact editor shows it.
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"
#include "store/Database.h"
#include "ui/contact/PhoneNumberDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <QTimer>

using namespace varnelle;
using namespace varnelle::test;

namespace {

// Types Work (1), Home (2), Fax (3); contact 1 with a Home number.
void loadFixture()
{
    CurrentMainWindow().load();
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Work'), ('Home'), ('Fax')");
    RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness, LastName) VALUES (1, 'Smith')");
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneList VALUES (1, 2, '555-0100')");
}

struct NumberDialog {
    std::shared_ptr<PhoneNumberDialog> owned;
    PhoneNumberDialog &form;
    QComboBox *typeCombo;
    QLineEdit *numberBox;
    QPushButton *saveButton, *cancelButton;

    QStringList types() const
    {
        QStringList list;
        for (int i = 0; i < typeCombo->count(); ++i)
            list << typeCombo->itemText(i);
        return list;
    }
    // Picks a type with the keyboard, as a user would.
    void chooseType(const QString &name)
    {
        typeCombo->setFocus();
        const int target = typeCombo->findText(name);
        QVERIFY(target >= 0);
        while (typeCombo->currentIndex() != target)
            QTest::keyClick(typeCombo, typeCombo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
    void typeNumber(const QString &number)
    {
        numberBox->selectAll();
        QTest::keyClicks(numberBox, number);
    }
};

// Shows the dialog for contact 1 with the given type (0: a new number), as the editor does.
NumberDialog showDialog(std::int32_t typeId)
{
    auto owned = std::make_shared<PhoneNumberDialog>(CurrentBook(), 1, typeId);
    PhoneNumberDialog &form = *owned;
    form.show();
    return {owned, form, form.findChild<QComboBox *>("typeCombo"), form.findChild<QLineEdit *>("numberBox"),
            form.findChild<QPushButton *>("saveButton"), form.findChild<QPushButton *>("cancelButton")};
}

QList<QVariantList> numbers()
{
    return Rows(DatabaseFileName, "SELECT PersonID, TypeID, Number FROM TelephoneList ORDER BY PersonID, TypeID");
}

} // namespace

class NumberDialogTest : public QObject {
    Q_OBJECT
private slots:
    void addModeStartsEmptyAndStores();
    void inputChecksInTheirOrder();
    void duplicateTypeRefusedThenAnotherAccepted();
    void editModeChangesTheNumberUnderItsType();
    void cancelEscapeAndFrameHandBackNothing();
    void typesListedAsTheBookHoldsThem();
    void modalShowingEndsWhenHidden();
    void typesListAndComboSortAccentedNamesWithTheirLetters();
};

void NumberDialogTest::addModeStartsEmptyAndStores()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    loadFixture();
    NumberDialog d = showDialog(0);

    QCOMPARE(d.form.windowTitle(), QString("Telephone Number"));
    QCOMPARE(d.types(), (QStringList{"Fax", "Home", "Work"}));
    QCOMPARE(d.typeCombo->currentIndex(), -1);
    QVERIFY(d.typeCombo->isEnabled());
    QCOMPARE(d.numberBox->text(), QString());
    QCOMPARE(d.form.focusWidget(), d.typeCombo);
    QVERIFY(!d.saveButton->isDefault());

    d.chooseType("Work");
    QCOMPARE(d.form.focusWidget(), d.numberBox); // choosing a type moves on to the number
    QTest::keyClicks(d.numberBox, "(555) 123-4567 ext. 89"); // the box takes 20 characters
    QCOMPARE(d.numberBox->text(), QString("(555) 123-4567 ext. "));
    QTest::keyClick(d.numberBox, Qt::Key_Return); // Enter in the box does not save
    QVERIFY(d.form.isVisible());
    d.saveButton->setFocus();
    QTest::keyClick(d.saveButton, Qt::Key_Return); // Enter on the focused button does

    QVERIFY(!d.form.isVisible());
    QCOMPARE(d.form.storedNumber()->typeId, 1);
    QCOMPARE(d.form.storedNumber()->line, QString("Work\t(555) 123-4567 ext. "));
    QCOMPARE(numbers(), (QList<QVariantList>{{1, 1, "(555) 123-4567 ext. "}, {1, 2, "555-0100"}}));
    QVERIFY(boxes.messages.isEmpty());
}

void NumberDialogTest::inputChecksInTheirOrder()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    loadFixture();
    NumberDialog d = showDialog(0);

    QTest::mouseClick(d.saveButton, Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList{"Please enter a telephone number."});
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(d.form.focusWidget(), d.numberBox);

    QTest::keyClicks(d.numberBox, "   ");
    QTest::mouseClick(d.saveButton, Qt::LeftButton);
    QCOMPARE(boxes.texts(), (QStringList{"Please enter a telephone number.", "Please select a type of number."}));
    QCOMPARE(d.form.focusWidget(), d.typeCombo);
    QVERIFY(d.form.isVisible());
    QVERIFY(!d.form.storedNumber());
    QCOMPARE(numbers().size(), 1);

    // A number of blanks only is stored exactly as typed.
    d.chooseType("Fax");
    QTest::mouseClick(d.saveButton, Qt::LeftButton);
    QCOMPARE(boxes.messages.size(), 2);
    QCOMPARE(numbers().last(), (QVariantList{1, 3, "   "}));
    QCOMPARE(d.form.storedNumber()->line, QString("Fax\t   "));
}

void NumberDialogTest::duplicateTypeRefusedThenAnotherAccepted()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    loadFixture();
    NumberDialog d = showDialog(0);
    d.chooseType("Home");
    d.typeNumber("555-0199");
    QTest::mouseClick(d.saveButton, Qt::LeftButton);

    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
    QVERIFY2(boxes.messages[0].text.contains("already has a telephone number of this type"),
             qPrintable(boxes.messages[0].text));
    QVERIFY(d.form.isVisible());
    QVERIFY(!d.form.storedNumber());
    QCOMPARE(d.numberBox->text(), QString("555-0199"));
    QCOMPARE(numbers(), (QList<QVariantList>{{1, 2, "555-0100"}}));

    d.chooseType("Fax");
    QTest::mouseClick(d.saveButton, Qt::LeftButton);
    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(d.form.storedNumber()->typeId, 3);
    QCOMPARE(numbers(), (QList<QVariantList>{{1, 2, "555-0100"}, {1, 3, "555-0199"}}));
}

void NumberDialogTest::editModeChangesTheNumberUnderItsType()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    loadFixture();
    NumberDialog d = showDialog(2);

    QCOMPARE(d.numberBox->text(), QString("555-0100"));
    QCOMPARE(d.typeCombo->currentText(), QString("Home"));
    QVERIFY(!d.typeCombo->isEnabled());
    QCOMPARE(d.form.focusWidget(), d.numberBox);

    d.typeNumber("555-0111");
    QTest::mouseClick(d.saveButton, Qt::LeftButton);
    QVERIFY(!d.form.isVisible());
    QCOMPARE(d.form.storedNumber()->typeId, 2);
    QCOMPARE(d.form.storedNumber()->line, QString("Home\t555-0111"));
    QCOMPARE(numbers(), (QList<QVariantList>{{1, 2, "555-0111"}}));

    // The next showing in add mode starts afresh.
    NumberDialog again = showDialog(0);
    QCOMPARE(again.numberBox->text(), QString());
    QCOMPARE(again.typeCombo->currentIndex(), -1);
    QVERIFY(again.typeCombo->isEnabled());
    QVERIFY(boxes.messages.isEmpty());
}

void NumberDialogTest::cancelEscapeAndFrameHandBackNothing()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    loadFixture();

    const auto cancelWith = [](const QString &typed, const std::function<void(NumberDialog &)> &cancel) {
        NumberDialog d = showDialog(2);
        d.typeNumber(typed);
        cancel(d);
        QVERIFY(!d.form.isVisible());
        QVERIFY(!d.form.storedNumber());
    };
    cancelWith("999", [](NumberDialog &d) { QTest::mouseClick(d.cancelButton, Qt::LeftButton); });
    cancelWith("998", [](NumberDialog &d) { QTest::keyClick(&d.form, Qt::Key_Escape); });
    cancelWith("997", [](NumberDialog &d) { d.form.close(); });
    // Enter on the focused Cancel button presses it.
    cancelWith("996", [](NumberDialog &d) {
        d.cancelButton->setFocus();
        QTest::keyClick(d.cancelButton, Qt::Key_Return);
    });

    QCOMPARE(numbers(), (QList<QVariantList>{{1, 2, "555-0100"}}));
    QVERIFY(boxes.messages.isEmpty());
}

void NumberDialogTest::typesListedAsTheBookHoldsThem()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    loadFixture();
    QCOMPARE(showDialog(0).types(), (QStringList{"Fax", "Home", "Work"}));

    // Each showing reads the types: one added by another program is listed.
    Exec(DatabaseFileName, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Pager')");
    QCOMPARE(showDialog(0).types(), (QStringList{"Fax", "Home", "Pager", "Work"}));

    // A rename in the types window is listed at the next showing.
    find<QAction>(CurrentMainWindow(), "phoneTypesAction")->trigger();
    PhoneTypesDialog &types = *CurrentMainWindow().phoneTypesDialog();
    auto *list = types.findChild<QListWidget *>("typeList");
    list->setCurrentItem(list->findItems("Work", Qt::MatchExactly).first());
    boxes.answerInput(QString("Office"));
    QTest::mouseClick(types.findChild<QPushButton *>("editButton"), Qt::LeftButton);
    QTest::mouseClick(types.findChild<QPushButton *>("okButton"), Qt::LeftButton);

    NumberDialog d = showDialog(0);
    QCOMPARE(d.types(), (QStringList{"Fax", "Home", "Office", "Pager"}));
    QCOMPARE(d.typeCombo->currentIndex(), -1);
    QCOMPARE(d.typeCombo->itemData(d.typeCombo->findText("Office")).toInt(), 1);
}

void NumberDialogTest::modalShowingEndsWhenHidden()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    loadFixture();
    PhoneNumberDialog form(CurrentBook(), 1, 0);
    QTimer::singleShot(0, [&form] {
        auto *combo = form.findChild<QComboBox *>("typeCombo");
        combo->setCurrentIndex(combo->findText("Fax"));
        QTest::keyClicks(form.findChild<QLineEdit *>("numberBox"), "555-0142");
        QTest::mouseClick(form.findChild<QPushButton *>("saveButton"), Qt::LeftButton);
    });
    form.exec();
    QCOMPARE(form.storedNumber()->typeId, 3);
    QCOMPARE(form.storedNumber()->line, QString("Fax\t555-0142"));
}

void NumberDialogTest::typesListAndComboSortAccentedNamesWithTheirLetters()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    CurrentMainWindow().load();
    const QStringList sorted{"Adams", QString::fromUtf8("Ärzte"), "Baker", QString::fromUtf8("Émile"), "Zeller"};
    for (const QString &name : {sorted[4], sorted[3], sorted[2], sorted[1], sorted[0]})
        RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES (?)", {name});

    find<QAction>(CurrentMainWindow(), "phoneTypesAction")->trigger();
    auto *list = CurrentMainWindow().phoneTypesDialog()->findChild<QListWidget *>("typeList");
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    QCOMPARE(listed, sorted);

    NumberDialog d = showDialog(0);
    QCOMPARE(d.types(), sorted);
}

QTEST_MAIN(NumberDialogTest)
#include "tst_numberdialog.moc"
