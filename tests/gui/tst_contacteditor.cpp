// The contact editor, opened from the main window as the user does: address
// boxes written by Save only, numbers written at once, the State box's
// capitals, and every way of leaving it.
#include "support/Modal.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SortedLists.h"
#include "ui/widgets/LayoutUnits.h"
#include "store/Database.h"
#include "store/Contacts.h"
#include "store/DetailTables.h"
#include "ui/contact/PhoneNumberDialog.h"
#include "ui/contact/ContactDetailsDialog.h"
#include "ui/contact/ContactDialog.h"
#include "ui/main/ContactListModel.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QImage>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QInputMethodEvent>
#include <QListView>
#include <QTest>
#include <optional>
#include <QSignalSpy>

using namespace varnelle;
using namespace varnelle::test;

namespace {

const char *const AddressFields = "Title, FirstName, LastName, Company, Street, City, State, ZipCode, EMail, Spouse, "
                                  "Children";

// Types Work (1), Home (2), Fax (3). Contact 1, Smith, has every field and a
// Home and a Work number (stored in that order); contact 2 has a last name only.
MainWindow &loadFixture()
{
    MainWindow &main = CurrentMainWindow();
    main.load();
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Work'), ('Home'), ('Fax')");
    RunQuery(CurrentBook().database(),
             QString("INSERT INTO Address (IsBusiness, %1) VALUES (1, 'Dr', 'John', 'Smith', 'Acme', "
                     "'1 Main St', 'Springfield', 'IL', '62701', 'john@acme.test', 'Jane', 'Tim, Tom')")
                 .arg(AddressFields));
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneList VALUES (1, 2, '555-0102'), (1, 1, '555-0101')");
    RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness, LastName) VALUES (1, 'Taylor')");
    main.fillList();
    return main;
}

// A contact's address fields; Null reads as an invalid QVariant.
QVariantList addressRow(int personId)
{
    QVariantList row =
        Rows(DatabaseFileName, QString("SELECT %1 FROM Address WHERE PersonID = ?").arg(AddressFields), {personId})
            .value(0);
    for (QVariant &value : row) {
        if (value.isNull())
            value = QVariant();
    }
    return row;
}

QList<QVariantList> numberRows()
{
    return Rows(DatabaseFileName, "SELECT PersonID, TypeID, Number FROM TelephoneList ORDER BY PersonID, TypeID");
}

QStringList boxTexts(const ContactDialog &editor)
{
    QStringList texts;
    for (const char *box : {"titleBox", "firstNameBox", "lastNameBox", "companyBox", "streetBox", "cityBox", "stateBox",
                            "zipCodeBox", "emailBox", "spouseBox", "childrenBox"})
        texts << find<QLineEdit>(editor, box)->text();
    return texts;
}

QStringList lines(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QList<int> typeIds(const QListWidget *list)
{
    QList<int> result;
    for (int i = 0; i < list->count(); ++i)
        result << ItemData(list->item(i));
    return result;
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void retype(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void selectLine(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Opens the editor on the contact listed at row of the main window, runs act
// in it, and returns when it has closed.
// The contact the last editor shown through editContact saved; none after a cancel.
std::optional<std::int32_t> lastSaved;

void editContact(MainWindow &main, int row, std::function<void(ContactDialog &)> act)
{
    bool shown = false;
    lastSaved.reset();
    WhenShown<ContactDialog>([&](ContactDialog &editor) {
        shown = true;
        act(editor);
        lastSaved = editor.savedContact();
    });
    find<QListView>(main, "contactList")->setCurrentIndex(find<QListView>(main, "contactList")->model()->index(row, 0));
    click(find<QPushButton>(main, "editButton"));
    QVERIFY(shown);
}

// Stores a number through the number dialog, choosing its type with the keyboard.
void answerNumberDialog(const QString &type, const QString &number)
{
    WhenShown<PhoneNumberDialog>([=](PhoneNumberDialog &dialog) {
        find<QComboBox>(dialog, "typeCombo")->setFocus();
        const int target = find<QComboBox>(dialog, "typeCombo")->findText(type);
        while (find<QComboBox>(dialog, "typeCombo")->isEnabled() && target >= 0
               && find<QComboBox>(dialog, "typeCombo")->currentIndex() != target)
            QTest::keyClick(find<QComboBox>(dialog, "typeCombo"),
                            find<QComboBox>(dialog, "typeCombo")->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
        find<QLineEdit>(dialog, "numberBox")->selectAll();
        QTest::keyClicks(find<QLineEdit>(dialog, "numberBox"), number);
        click(find<QPushButton>(dialog, "saveButton"));
    });
}

// Makes window the active one, as a click on it does.
void activate(QWidget &window)
{
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
}

// Presses the key in the focused control of the active window.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// A contact as the store holds it: the whole values of its fields and its details.
Contact storedContact(int personId)
{
    Contact contact = ReadContactFields(CurrentBook().database(), personId).value_or(Contact());
    ReadContactDetails(CurrentBook().database(), contact);
    return contact;
}

// Opens the More part from the editor, runs act in it and returns when it has closed.
void withMore(ContactDialog &editor, std::function<void(ContactDetailsDialog &)> act)
{
    bool shown = false;
    WhenShown<ContactDetailsDialog>([&](ContactDetailsDialog &more) {
        shown = true;
        act(more);
    });
    click(find<QPushButton>(editor, "moreButton"));
    QVERIFY(shown);
}

void showPage(ContactDetailsDialog &more, const QString &page)
{
    find<QTabWidget>(more, "pages")->setCurrentWidget(find<QWidget>(more, page));
}

// Fills the parts of a list's entry in their order and presses OK.
void answerEntry(const QStringList &values)
{
    WhenShown<DetailEntryDialog>([=](DetailEntryDialog &dialog) {
        auto *form = dialog.findChild<QFormLayout *>();
        for (int i = 0; i < values.size(); ++i) {
            QWidget *field = form->itemAt(i, QFormLayout::FieldRole)->widget();
            if (auto *lines = qobject_cast<QPlainTextEdit *>(field))
                lines->setPlainText(values[i]);
            else if (auto *combo = qobject_cast<QComboBox *>(field))
                combo->setCurrentText(values[i]);
            else
                retype(static_cast<QLineEdit *>(field), values[i]);
        }
        click(find<QPushButton>(dialog, "okButton"));
    });
}

// What the store holds of contact 1 for the control of the More part, on one line.
QString storedDetail(const QString &control)
{
    const Contact c = storedContact(1);
    const ContactDetails &d = c.details;
    const auto labeled = [](const QList<LabeledValue> &values) {
        QStringList shown;
        for (const LabeledValue &v : values)
            shown << v.label + ":" + v.value;
        return shown.join('|');
    };
    const QHash<QString, QString> stored = {
        {"middleNameBox", d.middleName},
        {"nicknameList", d.nicknames.join('|')},
        {"jobTitleBox", d.jobTitle},
        {"departmentList", d.orgUnits.join('|')},
        {"countryBox", d.country},
        {"emailList", labeled(d.emails)},
        {"numberList", labeled(d.telephones)},
        {"webList", labeled(d.webAddresses)},
        {"messagingList", labeled(d.messaging)},
        {"socialList", labeled(d.social)},
        {"relatedList", labeled(d.related)},
        {"categoryList", d.categories.join('|')},
        {"birthdayBox", d.birthday.toIso()},
        {"anniversaryBox", d.anniversary.toIso()},
        {"noteBox", d.note},
        {"wholeFirstNameBox", c.firstName.isEmpty() ? QString() : c.firstName + "|" + addressRow(1)[1].toString()},
    };
    if (control == "addressList") {
        QStringList shown;
        for (const ContactAddress &a : d.addresses)
            shown << QStringList{a.label, a.street, a.locality, a.region, a.postalCode, a.country}.join(';');
        return shown.join('|');
    }
    return stored.value(control);
}

// Answers a file dialog with the name, as a user types it and clicks Open.
void answerFileDialog(const QString &name)
{
    WhenShown<QFileDialog>([name](QFileDialog &dialog) {
        dialog.selectFile(name);
        QPushButton *open = dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Open);
        QTRY_VERIFY(open->isEnabled());
        click(open);
    });
}

} // namespace

class ContactEditorTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStandWhereTheyBelongInTabOrder();
    void changedElsewhereWhileEditing_data();
    void changedElsewhereWhileEditing();
    void listFollowsChangesMadeElsewhere_data();
    void listFollowsChangesMadeElsewhere();
    void showsTheContactWithNumbersInTypeCreationOrder();
    void saveStoresEveryBoxAndEmptiedBoxesAsNull();
    void cancelDiscardsAddressEditsButKeepsNumberChanges();
    void frameCloseAndEscapeActAsCancel();
    void typedTextSurvivesAddingANumber();
    void editNumberReplacesTheLineInPlace();
    void enterInTheNumberListEditsOnlyWithASelection();
    void numberSelectionStaysOnEmptyClickAndCtrlClick();
    void stateBoxCapitalisesTypedLettersOnly();
    void secondShowingForAnotherContactShowsOnlyThatContact();
    void aMovedEditorOpensWhereItWasLeft();
    void contactNotFoundHidesWithoutMessage();
    void refusedSaveKeepsTheEditorOpenWithTheEntries();
    void untouchedEmptyTextsAreKept();
    void emojiAtTheLimitIsKeptWholeAndNulDropped_data();
    void emojiAtTheLimitIsKeptWholeAndNulDropped();
    void boxSaysWhenItIsFullAndWhatWasLeftOut_data();
    void boxSaysWhenItIsFullAndWhatWasLeftOut();
    void morePartWorksFromTheKeyboard();
    void eachKindOfDetailIsAddedChangedAndRemoved_data();
    void eachKindOfDetailIsAddedChangedAndRemoved();
    void cancelLeavesDetailsAsTheyWere_data();
    void cancelLeavesDetailsAsTheyWere();
    void dateThatIsNoDateIsRefused_data();
    void dateThatIsNoDateIsRefused();
    void dateKeptAsTextIsShownAsWritten();
    void photoFromAFile_data();
    void photoFromAFile();
};

void ContactEditorTest::controlsStandWhereTheyBelongInTabOrder()
{
    TempWorkDir dir;
    ContactDialog editor(CurrentBook(), 1);
    // As drawn, or moved right and down as far as the labels' texts need.
    QCOMPARE(editor.size().expandedTo(TwipsSize(7095, 5610)), editor.size());
    QVERIFY(!(editor.windowFlags() & Qt::WindowMinimizeButtonHint));
    const QRect state = find<QLineEdit>(editor, "stateBox")->geometry();
    const QRect numbers = editor.findChild<QListWidget *>("numberList")->geometry();
    QCOMPARE(state.size(), TwipsSize(615, 285));
    QCOMPARE(numbers.size(), TwipsSize(3975, 1620));
    QCOMPARE(state.left() - numbers.left(), TwipsToPixels(4080) - TwipsToPixels(1560));
    QVERIFY(numbers.left() >= TwipsToPixels(1560) && numbers.top() - state.top() >= TwipsToPixels(3120 - 1680));
    QCOMPARE(editor.findChild<QLabel *>("emailLabel")->text(), QString("E-&Mail Address:"));
    QVERIFY(editor.findChild<QPushButton *>("saveButton")->isDefault());
    QTest::keyClicks(find<QLineEdit>(editor, "childrenBox"), QString(51, u'x'));
    QCOMPARE(find<QLineEdit>(editor, "childrenBox")->text(), QString(50, u'x'));
    QCOMPARE(editor.findChildren<QLineEdit *>().size(), 11);

    QStringList order;
    QWidget *w = find<QLineEdit>(editor, "titleBox");
    for (int i = 0; i < 17; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order,
             (QStringList{"titleBox", "firstNameBox", "lastNameBox", "companyBox", "streetBox", "cityBox", "stateBox",
                          "zipCodeBox", "emailBox", "spouseBox", "childrenBox", "numberList", "addNumberButton",
                          "editNumberButton", "deleteNumberButton", "saveButton", "cancelButton"}));
}

void ContactEditorTest::changedElsewhereWhileEditing_data()
{
    QTest::addColumn<bool>("keepMine");
    QTest::newRow("save over it") << true;
    QTest::newRow("see it as it is now") << false;
}

void ContactEditorTest::changedElsewhereWhileEditing()
{
    QFETCH(bool, keepMine);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    editContact(main, 0, [&](ContactDialog &editor) {
        retype(editor, "cityBox", "Boston");
        withMore(editor, [](ContactDetailsDialog &more) {
            answerEntry({"Jack"});
            click(find<QPushButton>(more, "nicknameListAdd"));
            click(find<QPushButton>(more, "okButton"));
        });
        Exec(DatabaseFileName, "UPDATE Address SET City = 'Chicago', Company = 'Initech' WHERE PersonID = 1");
        Contact changed = storedContact(1);
        changed.details.note = "Changed elsewhere";
        WriteContactDetails(CurrentBook().database(), changed);
        boxes.answer(keepMine ? QMessageBox::Yes : QMessageBox::No);
        click(find<QPushButton>(editor, "saveButton"));
        QCOMPARE(boxes.messages.size(), 1);
        QVERIFY(boxes.messages[0].text.startsWith("This contact was changed elsewhere"));
        QCOMPARE(editor.isVisible(), !keepMine);
        if (!keepMine) {
            QCOMPARE(find<QLineEdit>(editor, "cityBox")->text(), QString("Chicago"));
            QCOMPARE(find<QLineEdit>(editor, "companyBox")->text(), QString("Initech"));
            withMore(editor, [](ContactDetailsDialog &more) {
                QCOMPARE(find<QPlainTextEdit>(more, "noteBox")->toPlainText(), QString("Changed elsewhere"));
                QCOMPARE(find<QListWidget>(more, "nicknameList")->count(), 0);
                click(find<QPushButton>(more, "cancelButton"));
            });
            click(find<QPushButton>(editor, "cancelButton"));
        }
    });
    // Only the boxes and details the user changed are written over the other change.
    QCOMPARE(Rows(DatabaseFileName, "SELECT City, Company FROM Address WHERE PersonID = 1").value(0),
             (QVariantList{keepMine ? "Boston" : "Chicago", "Initech"}));
    QCOMPARE(storedContact(1).details.note, QString("Changed elsewhere"));
    QCOMPARE(storedContact(1).details.nicknames, keepMine ? QStringList{"Jack"} : QStringList{});
}

void ContactEditorTest::listFollowsChangesMadeElsewhere_data()
{
    QTest::addColumn<QString>("change"); // made by another program
    QTest::addColumn<bool>("whileEditing");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("listed");
    QTest::newRow("added while the editor is open")
        << "INSERT INTO Address (IsBusiness, LastName) VALUES (1, 'Young')" << true << QStringList{} << 3;
    QTest::newRow("deleted before Edit")
        << "DELETE FROM Address WHERE PersonID = 1" << false
        << QStringList{"This contact is no longer in the address book: it was deleted elsewhere."} << 1;
}

void ContactEditorTest::listFollowsChangesMadeElsewhere()
{
    QFETCH(QString, change);
    QFETCH(bool, whileEditing);
    QFETCH(QStringList, messages);
    QFETCH(int, listed);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    auto *list = find<QListView>(main, "contactList");
    list->setCurrentIndex(list->model()->index(0, 0));
    if (!whileEditing)
        Exec(DatabaseFileName, change);
    bool shown = false;
    WhenShown<ContactDialog>([&](ContactDialog &editor) {
        shown = true;
        if (whileEditing)
            Exec(DatabaseFileName, change);
        click(find<QPushButton>(editor, "cancelButton"));
    });
    click(find<QPushButton>(main, "editButton"));
    QCoreApplication::processEvents(); // no editor: the waiting step passes by
    QCOMPARE(shown, whileEditing);
    QCOMPARE(boxes.texts(), messages);
    QCOMPARE(list->model()->rowCount(), listed);
}

void ContactEditorTest::showsTheContactWithNumbersInTypeCreationOrder()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    editContact(main, 0, [](ContactDialog &editor) {
        QCOMPARE(editor.windowTitle(), QString("Edit Address"));
        QCOMPARE(boxTexts(editor), (QStringList{"Dr", "John", "Smith", "Acme", "1 Main St", "Springfield", "IL",
                                                "62701", "john@acme.test", "Jane", "Tim, Tom"}));
        QCOMPARE(lines(find<QListWidget>(editor, "numberList")), (QStringList{"Work\t555-0101", "Home\t555-0102"}));
        QCOMPARE(typeIds(find<QListWidget>(editor, "numberList")), (QList<int>{1, 2}));
        QVERIFY(!find<QPushButton>(editor, "editNumberButton")->isEnabled()
                && !find<QPushButton>(editor, "deleteNumberButton")->isEnabled());
        QCOMPARE(editor.focusWidget(), find<QLineEdit>(editor, "titleBox"));
        selectLine(find<QListWidget>(editor, "numberList"), 1);
        QVERIFY(find<QPushButton>(editor, "editNumberButton")->isEnabled()
                && find<QPushButton>(editor, "deleteNumberButton")->isEnabled());
        click(find<QPushButton>(editor, "cancelButton"));
    });
    QVERIFY(boxes.messages.isEmpty());
}

void ContactEditorTest::saveStoresEveryBoxAndEmptiedBoxesAsNull()
{
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    QSignalSpy contactsChanged(&CurrentBook(), &AddressBook::contactsChanged);
    editContact(main, 0, [](ContactDialog &editor) {
        retype(find<QLineEdit>(editor, "firstNameBox"), "Jon");
        retype(find<QLineEdit>(editor, "companyBox"), "");
        retype(find<QLineEdit>(editor, "childrenBox"), "");
        retype(find<QLineEdit>(editor, "emailBox"), "jon@acme.test");
        click(find<QPushButton>(editor, "saveButton"));
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(lastSaved, std::optional<std::int32_t>(1));
    QVERIFY(!contactsChanged.isEmpty());
    QCOMPARE(addressRow(1), (QVariantList{"Dr", "Jon", "Smith", QVariant(), "1 Main St", "Springfield", "IL", "62701",
                                          "jon@acme.test", "Jane", QVariant()}));
    QCOMPARE(Rows(DatabaseFileName, "SELECT Company IS NULL, Children IS NULL, IsBusiness FROM Address "
                                    "WHERE PersonID = 1"),
             (QList<QVariantList>{{1, 1, 1}}));
    QCOMPARE(
        find<QListView>(main, "contactList")->model()->index(0, 0).data(ContactListModel::LineRole).toString().left(9),
        QString("Smith, Jo"));
}

void ContactEditorTest::cancelDiscardsAddressEditsButKeepsNumberChanges()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    QSignalSpy contactsChanged(&CurrentBook(), &AddressBook::contactsChanged);
    editContact(main, 0, [&](ContactDialog &editor) {
        retype(find<QLineEdit>(editor, "firstNameBox"), "Changed");
        selectLine(find<QListWidget>(editor, "numberList"), 0);
        click(find<QPushButton>(editor, "deleteNumberButton")); // answered No
        QCOMPARE(find<QListWidget>(editor, "numberList")->count(), 2);
        boxes.answer(QMessageBox::Yes);
        click(find<QPushButton>(editor, "deleteNumberButton"));
        QCOMPARE(lines(find<QListWidget>(editor, "numberList")), QStringList{"Home\t555-0102"});
        QVERIFY(!find<QPushButton>(editor, "editNumberButton")->isEnabled()
                && !find<QPushButton>(editor, "deleteNumberButton")->isEnabled());
        click(find<QPushButton>(editor, "cancelButton"));
    });
    QCOMPARE(boxes.texts(), (QStringList{"Delete Work\t555-0101?", "Delete Work\t555-0101?"}));
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Question);
    QCOMPARE(lastSaved, std::nullopt);
    QVERIFY(contactsChanged.isEmpty());
    QCOMPARE(addressRow(1)[1].toString(), QString("John"));
    QCOMPARE(numberRows(), (QList<QVariantList>{{1, 2, "555-0102"}}));
}

void ContactEditorTest::frameCloseAndEscapeActAsCancel()
{
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    const QVariantList before = addressRow(1);
    editContact(main, 0, [](ContactDialog &editor) {
        retype(find<QLineEdit>(editor, "lastNameBox"), "Framed");
        editor.close();
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(lastSaved, std::nullopt);
    QCOMPARE(addressRow(1), before);

    editContact(main, 0, [](ContactDialog &editor) {
        retype(find<QLineEdit>(editor, "lastNameBox"), "Escaped");
        QTest::keyClick(find<QLineEdit>(editor, "lastNameBox"), Qt::Key_Escape);
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(lastSaved, std::nullopt);
    QCOMPARE(addressRow(1), before);

    // Enter on the focused Cancel button cancels; Enter in a box saves (Save is the default button).
    editContact(main, 0, [](ContactDialog &editor) {
        retype(find<QLineEdit>(editor, "lastNameBox"), "Entered");
        find<QPushButton>(editor, "cancelButton")->setFocus();
        QTest::keyClick(find<QPushButton>(editor, "cancelButton"), Qt::Key_Return);
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(lastSaved, std::nullopt);
    QCOMPARE(addressRow(1), before);
    editContact(main, 0, [](ContactDialog &editor) {
        retype(find<QLineEdit>(editor, "lastNameBox"), "Entered");
        QTest::keyClick(find<QLineEdit>(editor, "lastNameBox"), Qt::Key_Return);
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(lastSaved, std::optional<std::int32_t>(1));
    QCOMPARE(Rows(DatabaseFileName, "SELECT LastName FROM Address WHERE PersonID = 1")[0][0].toString(),
             QString("Entered"));

    // A new contact left through the frame is removed again, as after Cancel.
    const int contacts = Rows(DatabaseFileName, "SELECT count(*) FROM Address")[0][0].toInt();
    WhenShown<ContactDialog>([](ContactDialog &editor) {
        QTest::keyClicks(find<QLineEdit>(editor, "lastNameBox"), "Closed");
        editor.close();
    });
    click(find<QPushButton>(main, "addButton"));
    QCOMPARE(Rows(DatabaseFileName, "SELECT count(*) FROM Address")[0][0].toInt(), contacts);
    QCOMPARE(find<QListView>(main, "contactList")->model()->rowCount(), 2);
}

void ContactEditorTest::typedTextSurvivesAddingANumber()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    editContact(main, 1, [](ContactDialog &editor) {
        QTest::keyClicks(find<QLineEdit>(editor, "firstNameBox"), "Tina");
        QTest::keyClicks(find<QLineEdit>(editor, "cityBox"), "Shelbyville");
        answerNumberDialog("Home", "555-0201");
        click(find<QPushButton>(editor, "addNumberButton"));
        answerNumberDialog("Fax", "555-0203");
        click(find<QPushButton>(editor, "addNumberButton"));
        // Appended in the order added, whatever the type names.
        QCOMPARE(lines(find<QListWidget>(editor, "numberList")), (QStringList{"Home\t555-0201", "Fax\t555-0203"}));
        QCOMPARE(typeIds(find<QListWidget>(editor, "numberList")), (QList<int>{2, 3}));
        QCOMPARE(find<QLineEdit>(editor, "firstNameBox")->text(), QString("Tina"));
        QCOMPARE(find<QLineEdit>(editor, "cityBox")->text(), QString("Shelbyville"));
        QCOMPARE(editor.windowTitle(), QString("Edit Address"));
        click(find<QPushButton>(editor, "saveButton"));
    });
    QCOMPARE(lastSaved, std::optional<std::int32_t>(2));
    QCOMPARE(addressRow(2).mid(1, 2), (QVariantList{"Tina", "Taylor"}));
    QCOMPARE(addressRow(2)[5].toString(), QString("Shelbyville"));
    QCOMPARE(numberRows().mid(2), (QList<QVariantList>{{2, 2, "555-0201"}, {2, 3, "555-0203"}}));
    // The main window's line now shows the number of the lowest type.
    QVERIFY(find<QListView>(main, "contactList")
                ->model()
                ->index(1, 0)
                .data(ContactListModel::LineRole)
                .toString()
                .endsWith("\t555-0201"));
    QVERIFY(boxes.messages.isEmpty());
}

void ContactEditorTest::editNumberReplacesTheLineInPlace()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    editContact(main, 0, [](ContactDialog &editor) {
        selectLine(find<QListWidget>(editor, "numberList"), 0);
        answerNumberDialog("Work", "555-0111");
        click(find<QPushButton>(editor, "editNumberButton"));
        QCOMPARE(lines(find<QListWidget>(editor, "numberList")), (QStringList{"Work\t555-0111", "Home\t555-0102"}));
        QCOMPARE(typeIds(find<QListWidget>(editor, "numberList")), (QList<int>{1, 2}));
        QVERIFY(find<QListWidget>(editor, "numberList")->selectedItems().isEmpty());
        QVERIFY(!find<QPushButton>(editor, "editNumberButton")->isEnabled()
                && !find<QPushButton>(editor, "deleteNumberButton")->isEnabled());

        // Cancelled in the dialog: the list stays as it was.
        selectLine(find<QListWidget>(editor, "numberList"), 1);
        WhenShown<PhoneNumberDialog>(
            [](PhoneNumberDialog &dialog) { click(find<QPushButton>(dialog, "cancelButton")); });
        click(find<QPushButton>(editor, "editNumberButton"));
        QCOMPARE(lines(find<QListWidget>(editor, "numberList")), (QStringList{"Work\t555-0111", "Home\t555-0102"}));
        click(find<QPushButton>(editor, "cancelButton"));
    });
    QCOMPARE(numberRows(), (QList<QVariantList>{{1, 1, "555-0111"}, {1, 2, "555-0102"}}));
}

void ContactEditorTest::enterInTheNumberListEditsOnlyWithASelection()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    editContact(main, 0, [](ContactDialog &editor) {
        int dialogShownFor = 0;
        selectLine(find<QListWidget>(editor, "numberList"), 1);
        WhenShown<PhoneNumberDialog>([&](PhoneNumberDialog &dialog) {
            dialogShownFor = find<QComboBox>(dialog, "typeCombo")->currentData().toInt();
            click(find<QPushButton>(dialog, "cancelButton"));
        });
        QTest::keyClick(find<QListWidget>(editor, "numberList"), Qt::Key_Return);
        QCOMPARE(dialogShownFor, 2);
        QVERIFY(editor.isVisible());

        // A double-click on a line does the same.
        dialogShownFor = 0;
        const QPoint onWork = find<QListWidget>(editor, "numberList")
                                  ->visualItemRect(find<QListWidget>(editor, "numberList")->item(0))
                                  .center();
        WhenShown<PhoneNumberDialog>([&](PhoneNumberDialog &dialog) {
            dialogShownFor = find<QComboBox>(dialog, "typeCombo")->currentData().toInt();
            click(find<QPushButton>(dialog, "cancelButton"));
        });
        QTest::mouseClick(find<QListWidget>(editor, "numberList")->viewport(), Qt::LeftButton, {}, onWork);
        QTest::mouseDClick(find<QListWidget>(editor, "numberList")->viewport(), Qt::LeftButton, {}, onWork);
        QCOMPARE(dialogShownFor, 1);

        // With nothing selected, Enter is the form's: Save.
        find<QListWidget>(editor, "numberList")->clearSelection();
        retype(find<QLineEdit>(editor, "titleBox"), "Prof");
        find<QListWidget>(editor, "numberList")->setFocus();
        QTest::keyClick(find<QListWidget>(editor, "numberList"), Qt::Key_Return);
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(lastSaved, std::optional<std::int32_t>(1));
    QCOMPARE(addressRow(1)[0].toString(), QString("Prof"));
}

void ContactEditorTest::numberSelectionStaysOnEmptyClickAndCtrlClick()
{
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    editContact(main, 0, [](ContactDialog &editor) {
        QCOMPARE(selectedRowsAfterClicks(find<QListWidget>(editor, "numberList"), 1), (QList<int>{1, 1, 1, 1}));
        QVERIFY(find<QPushButton>(editor, "editNumberButton")->isEnabled()
                && find<QPushButton>(editor, "deleteNumberButton")->isEnabled());
        click(find<QPushButton>(editor, "cancelButton"));
    });
}

void ContactEditorTest::stateBoxCapitalisesTypedLettersOnly()
{
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    editContact(main, 1, [](ContactDialog &editor) {
        QLineEdit *state = find<QLineEdit>(editor, "stateBox");
        QTest::keyClicks(state, "ny");
        QCOMPARE(state->text(), QString("NY"));
        QTest::keyClick(state, Qt::Key_Backspace);
        QTest::keyClicks(state, "-7");
        QCOMPARE(state->text(), QString("N-")); // no case, unchanged; at most two characters

        // A letter composed through an input method is typed, too.
        state->clear();
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("\u00e9"));
        QApplication::sendEvent(state, &composed);
        QCOMPARE(state->text(), QString::fromUtf8("\u00c9"));

        state->clear();
        QApplication::clipboard()->setText("ny");
        QTest::keyClick(state, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(state->text(), QString("ny"));
        click(find<QPushButton>(editor, "saveButton"));
    });
    QCOMPARE(addressRow(2)[6].toString(), QString("ny"));
}

void ContactEditorTest::secondShowingForAnotherContactShowsOnlyThatContact()
{
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    editContact(main, 0, [](ContactDialog &editor) {
        QTest::keyClicks(find<QLineEdit>(editor, "spouseBox"), " and Joe");
        click(find<QPushButton>(editor, "cancelButton"));
    });
    editContact(main, 1, [](ContactDialog &editor) {
        QCOMPARE(editor.windowTitle(), QString("Edit Address"));
        QCOMPARE(boxTexts(editor), (QStringList{"", "", "Taylor", "", "", "", "", "", "", "", ""}));
        QCOMPARE(find<QListWidget>(editor, "numberList")->count(), 0);
        QVERIFY(!find<QPushButton>(editor, "editNumberButton")->isEnabled()
                && !find<QPushButton>(editor, "deleteNumberButton")->isEnabled());
        click(find<QPushButton>(editor, "saveButton"));
    });
    // Saving the second contact wrote nothing of the first into it.
    QCOMPARE(addressRow(2), (QVariantList{QVariant(), QVariant(), "Taylor", QVariant(), QVariant(), QVariant(),
                                          QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}));
    QCOMPARE(addressRow(1)[9].toString(), QString("Jane"));
}

void ContactEditorTest::aMovedEditorOpensWhereItWasLeft()
{
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    QPoint centred, left;
    editContact(main, 0, [&](ContactDialog &editor) {
        centred = editor.pos();
        editor.move(centred + QPoint(40, 30));
        left = editor.pos();
        click(find<QPushButton>(editor, "cancelButton"));
    });
    QVERIFY(left != centred);
    editContact(main, 1, [&](ContactDialog &editor) {
        QCOMPARE(editor.pos(), left);
        click(find<QPushButton>(editor, "cancelButton"));
    });
}

void ContactEditorTest::contactNotFoundHidesWithoutMessage()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    loadFixture();
    ContactDialog editor(CurrentBook(), 99);
    editor.exec();
    QVERIFY(!editor.isVisible());
    QCOMPARE(editor.savedContact(), std::nullopt);
    QVERIFY(boxes.messages.isEmpty());

    // The next showing for a contact that exists works as usual.
    ContactDialog next(CurrentBook(), 2);
    WhenShown<ContactDialog>([](ContactDialog &shown) {
        QCOMPARE(find<QLineEdit>(shown, "lastNameBox")->text(), QString("Taylor"));
        click(find<QPushButton>(shown, "saveButton"));
    });
    next.exec();
    QCOMPARE(next.savedContact(), std::optional<std::int32_t>(2));
}

void ContactEditorTest::refusedSaveKeepsTheEditorOpenWithTheEntries()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    const QVariantList before = addressRow(1);
    Exec(DatabaseFileName, "CREATE TRIGGER no_edits BEFORE UPDATE ON Address "
                           "BEGIN SELECT RAISE(ABORT, 'contacts are read-only today'); END");
    QSignalSpy contactsChanged(&CurrentBook(), &AddressBook::contactsChanged);
    editContact(main, 0, [&](ContactDialog &editor) {
        contactsChanged.clear(); // the list followed the trigger made elsewhere before the editor opened
        retype(find<QLineEdit>(editor, "firstNameBox"), "Johnny");
        click(find<QPushButton>(editor, "saveButton"));
        QCOMPARE(boxes.messages.size(), 1);
        QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
        QVERIFY2(boxes.messages[0].text.contains("contacts are read-only today"), qPrintable(boxes.messages[0].text));
        QVERIFY(editor.isVisible());
        QCOMPARE(find<QLineEdit>(editor, "firstNameBox")->text(), QString("Johnny"));
        QVERIFY(!editor.savedContact());
        QVERIFY(contactsChanged.isEmpty());
        QCOMPARE(addressRow(1), before);

        // Allowed again: the same entries, with one more correction, are saved.
        Exec(DatabaseFileName, "DROP TRIGGER no_edits");
        QTest::keyClicks(find<QLineEdit>(editor, "firstNameBox"), "!");
        click(find<QPushButton>(editor, "saveButton"));
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(lastSaved, std::optional<std::int32_t>(1));
    QVERIFY(!contactsChanged.isEmpty());
    QCOMPARE(addressRow(1)[1].toString(), QString("Johnny!"));

    // A contact deleted while it is being edited is reported, not silently lost.
    editContact(main, 1, [&](ContactDialog &editor) {
        QTest::keyClicks(find<QLineEdit>(editor, "firstNameBox"), "Tess");
        Exec(DatabaseFileName, "DELETE FROM Address WHERE PersonID = 2");
        click(find<QPushButton>(editor, "saveButton"));
        QVERIFY(editor.isVisible());
        QCOMPARE(find<QLineEdit>(editor, "firstNameBox")->text(), QString("Tess"));
        click(find<QPushButton>(editor, "cancelButton"));
    });
    QCOMPARE(boxes.messages.size(), 2);
    QCOMPARE(boxes.messages[1].text, QString("The changes were not saved: this contact is no longer in the database."));
    QCOMPARE(lastSaved, std::nullopt);
}

void ContactEditorTest::untouchedEmptyTextsAreKept()
{
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    RunQuery(CurrentBook().database(), "UPDATE Address SET Title = '', Company = '' WHERE PersonID = 2");
    editContact(main, 1, [](ContactDialog &editor) {
        retype(find<QLineEdit>(editor, "lastNameBox"), "Tailor");
        click(find<QPushButton>(editor, "saveButton"));
    });
    QCOMPARE(Rows(DatabaseFileName, "SELECT LastName, Title, Company, FirstName IS NULL, City IS NULL FROM Address "
                                    "WHERE PersonID = 2"),
             (QList<QVariantList>{{"Tailor", "", "", 1, 1}}));
}

void ContactEditorTest::emojiAtTheLimitIsKeptWholeAndNulDropped_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");
    QTest::newRow("first name") << "firstNameBox" << "FirstName" << 15;
    QTest::newRow("last name") << "lastNameBox" << "LastName" << 25;
    QTest::newRow("city") << "cityBox" << "City" << 25;
}

void ContactEditorTest::emojiAtTheLimitIsKeptWholeAndNulDropped()
{
    QFETCH(QString, box);
    QFETCH(QString, field);
    QFETCH(int, limit);
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two UTF-16 units
    const QString letters(limit - 2, u'a');
    editContact(main, 1, [&](ContactDialog &editor) {
        QLineEdit *edit = find<QLineEdit>(editor, box);
        // Typed: the emoji fills the last place; one more does not fit at all.
        retype(edit, letters + "b");
        typeText(edit, emoji + emoji);
        QCOMPARE(edit->text(), letters + "b" + emoji);
        // Pasted: a NUL is dropped, and of what does not fit nothing is split.
        edit->selectAll();
        QApplication::clipboard()->setText(letters + QChar(u'\0') + "c" + emoji + emoji);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), letters + "c" + emoji);
        click(find<QPushButton>(editor, "saveButton"));
    });
    const QString stored = Rows(DatabaseFileName, QString("SELECT %1 FROM Address WHERE PersonID = 2").arg(field))
                               .value(0).value(0).toString();
    QCOMPARE(stored, letters + "c" + emoji);
    QVERIFY(!stored.contains(QChar::ReplacementCharacter));
}

void ContactEditorTest::boxSaysWhenItIsFullAndWhatWasLeftOut_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("limit");
    QTest::newRow("e-mail") << "emailBox" << 50;
    QTest::newRow("state") << "stateBox" << 2;
}

void ContactEditorTest::boxSaysWhenItIsFullAndWhatWasLeftOut()
{
    QFETCH(QString, box);
    QFETCH(int, limit);
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    editContact(main, 0, [&](ContactDialog &editor) { // Smith, whose state fills its box
        QLineEdit *edit = find<QLineEdit>(editor, box);
        QVERIFY(!edit->findChild<QLabel *>("limitNotice")); // filled by the window: nothing to tell
        retype(edit, QString(limit - 1, u'A'));
        QVERIFY(!edit->findChild<QLabel *>("limitNotice") || !edit->findChild<QLabel *>("limitNotice")->isVisible());
        typeText(edit, "B"); // the last place
        auto *notice = edit->findChild<QLabel *>("limitNotice");
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->text(), QString("This box holds at most %1 characters.").arg(limit));
        QVERIFY(notice->geometry().top() >= edit->mapToGlobal(QPoint(0, edit->height())).y()); // under the box
        edit->selectAll();
        QApplication::clipboard()->setText(QString(limit, u'C') + "DEF");
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString(limit, u'C'));
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(),
                 QString("3 characters did not fit and were left out: this box holds at most %1 characters.")
                     .arg(limit));
        QTest::keyClick(edit, Qt::Key_Backspace); // room again: the notice goes
        QVERIFY(!notice->isVisible());
        click(find<QPushButton>(editor, "cancelButton"));
    });
}

void ContactEditorTest::morePartWorksFromTheKeyboard()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    editContact(main, 0, [](ContactDialog &editor) {
        activate(editor);
        bool shown = false;
        WhenShown<ContactDetailsDialog>([&](ContactDetailsDialog &more) {
            activate(more);
            shown = true;
            press(Qt::Key_M, Qt::AltModifier); // the E-mail & Phone page
            press(Qt::Key_A, Qt::AltModifier); // its further e-mail addresses
            QCOMPARE(QApplication::focusWidget(), find<QListWidget>(more, "emailList"));
            press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), find<QPushButton>(more, "emailListAdd"));
            WhenShown<DetailEntryDialog>([](DetailEntryDialog &entry) {
                activate(entry);
                QTest::keyClicks(QApplication::focusWidget(), "jon@home.test");
                press(Qt::Key_Tab);
                QTest::keyClicks(QApplication::focusWidget(), "home");
                press(Qt::Key_Return);
            });
            press(Qt::Key_Space);
            activate(more);
            QCOMPARE(lines(find<QListWidget>(more, "emailList")), QStringList{"home: jon@home.test"});
            press(Qt::Key_E, Qt::AltModifier); // the Dates & Note page
            press(Qt::Key_B, Qt::AltModifier); // its birthday
            QTest::keyClicks(QApplication::focusWidget(), DateText({1984, 3, 7, {}}));
            press(Qt::Key_Return);
            QVERIFY(!more.isVisible());
        });
        press(Qt::Key_I, Qt::AltModifier);
        QVERIFY(shown);
        activate(editor);
        press(Qt::Key_S, Qt::AltModifier);
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(lastSaved, std::optional<std::int32_t>(1));
    QCOMPARE(storedContact(1).details.emails, (QList<LabeledValue>{{"home", "jon@home.test"}}));
    QCOMPARE(storedContact(1).details.birthday.toIso(), QString("1984-03-07"));
    QVERIFY(boxes.messages.isEmpty());
}

void ContactEditorTest::eachKindOfDetailIsAddedChangedAndRemoved_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("storedAdded");
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<QString>("storedChanged");
    QTest::newRow("middle name") << "namesPage" << "middleNameBox" << QStringList{"Quincy"} << "Quincy"
                                 << QStringList{"Q."} << "Q.";
    QTest::newRow("nickname") << "namesPage" << "nicknameList" << QStringList{"Jack"} << "Jack"
                              << QStringList{"Johnny"} << "Johnny";
    QTest::newRow("job title") << "organisationPage" << "jobTitleBox" << QStringList{"Engineer"} << "Engineer"
                               << QStringList{"Chief Engineer"} << "Chief Engineer";
    QTest::newRow("department") << "organisationPage" << "departmentList" << QStringList{"Sales"} << "Sales"
                                << QStringList{"Research"} << "Research";
    QTest::newRow("country") << "addressesPage" << "countryBox" << QStringList{"USA"} << "USA"
                             << QStringList{"Canada"} << "Canada";
    QTest::newRow("address") << "addressesPage" << "addressList"
                             << QStringList{"2 Elm St\nBack door", "Shelbyville", "Ontario", "K1A 0B1", "Canada",
                                            "", "", "home"}
                             << "home;2 Elm St\nBack door;Shelbyville;Ontario;K1A 0B1;Canada"
                             << QStringList{"9 Oak Rd", "Ogdenville", "", "", "", "", "", "work"}
                             << "work;9 Oak Rd;Ogdenville;;;";
    QTest::newRow("e-mail") << "emailPhonePage" << "emailList" << QStringList{"jon@home.test", "home"}
                            << "home:jon@home.test" << QStringList{"jon@mail.test", ""} << ":jon@mail.test";
    QTest::newRow("number") << "emailPhonePage" << "numberList" << QStringList{"555-0199", "Work"}
                            << "Work:555-0199" << QStringList{"555-0198", "Home"} << "Home:555-0198";
    QTest::newRow("web address") << "internetPage" << "webList" << QStringList{"https://jon.test", "work"}
                                 << "work:https://jon.test" << QStringList{"https://smith.test", "home"}
                                 << "home:https://smith.test";
    QTest::newRow("messaging") << "internetPage" << "messagingList" << QStringList{"jon@chat.test", "xmpp"}
                               << "xmpp:jon@chat.test" << QStringList{"live:jon", "skype"} << "skype:live:jon";
    QTest::newRow("social") << "internetPage" << "socialList" << QStringList{"https://social.test/@jon", "mastodon"}
                            << "mastodon:https://social.test/@jon" << QStringList{"jon", "github"} << "github:jon";
    QTest::newRow("related") << "peoplePage" << "relatedList" << QStringList{"Ann Smith", "sibling"}
                             << "sibling:Ann Smith" << QStringList{"Bo Smith", "friend"} << "friend:Bo Smith";
    QTest::newRow("category") << "peoplePage" << "categoryList" << QStringList{"Family"} << "Family"
                              << QStringList{"Work"} << "Work";
    QTest::newRow("birthday") << "datesPage" << "birthdayBox" << QStringList{DateText({1984, 3, 7, {}})}
                              << "1984-03-07" << QStringList{DateText({0, 2, 29, {}})} << "--02-29";
    QTest::newRow("anniversary") << "datesPage" << "anniversaryBox" << QStringList{DateText({0, 6, 21, {}})}
                                 << "--06-21" << QStringList{"2001-06-21"} << "2001-06-21";
    QTest::newRow("note") << "datesPage" << "noteBox" << QStringList{"Met at the fair\nLikes tea"}
                          << "Met at the fair\nLikes tea" << QStringList{"Moved away"} << "Moved away";
    QTest::newRow("first name in full") << "fieldsPage" << "wholeFirstNameBox"
                                        << QStringList{"Maximilian-Alexander"} << "Maximilian-Alexander|Maximilian-Alex"
                                        << QStringList{"Max"} << "Max|Max";
}

void ContactEditorTest::eachKindOfDetailIsAddedChangedAndRemoved()
{
    QFETCH(QString, page);
    QFETCH(QString, control);
    QFETCH(QStringList, added);
    QFETCH(QString, storedAdded);
    QFETCH(QStringList, changed);
    QFETCH(QString, storedChanged);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    // Enters the values into the control; an empty list removes the entry of a list.
    const auto enter = [&](const QStringList &values) {
        editContact(main, 0, [&](ContactDialog &editor) {
            withMore(editor, [&](ContactDetailsDialog &more) {
                showPage(more, page);
                if (auto *list = more.findChild<QListWidget *>(control)) {
                    if (list->count())
                        selectLine(list, 0);
                    if (values.isEmpty()) {
                        click(find<QPushButton>(more, control + "Remove"));
                    } else {
                        answerEntry(values);
                        click(find<QPushButton>(more, control + (list->count() ? "Change" : "Add")));
                    }
                } else if (auto *note = more.findChild<QPlainTextEdit *>(control)) {
                    note->setPlainText(values.value(0));
                } else {
                    retype(find<QLineEdit>(more, control), values.value(0));
                }
                click(find<QPushButton>(more, "okButton"));
            });
            click(find<QPushButton>(editor, "saveButton"));
        });
    };
    enter(added);
    QCOMPARE(storedDetail(control), storedAdded);
    enter(changed);
    QCOMPARE(storedDetail(control), storedChanged);
    enter({});
    QCOMPARE(storedDetail(control), QString());
    QVERIFY(boxes.messages.isEmpty());
    QCOMPARE(lastSaved, std::optional<std::int32_t>(1));
}

void ContactEditorTest::cancelLeavesDetailsAsTheyWere_data()
{
    QTest::addColumn<bool>("cancelMore"); // else OK in the More part, then Cancel in the editor
    QTest::newRow("Cancel in the More part, Save in the editor") << true;
    QTest::newRow("OK in the More part, Cancel in the editor") << false;
}

void ContactEditorTest::cancelLeavesDetailsAsTheyWere()
{
    QFETCH(bool, cancelMore);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    const QVariantList before = addressRow(1);
    editContact(main, 0, [&](ContactDialog &editor) {
        withMore(editor, [&](ContactDetailsDialog &more) {
            showPage(more, "emailPhonePage");
            answerEntry({"jon@home.test", "home"});
            click(find<QPushButton>(more, "emailListAdd"));
            showPage(more, "fieldsPage");
            retype(find<QLineEdit>(more, "wholeFirstNameBox"), "Johnathan-Maximilian");
            click(find<QPushButton>(more, cancelMore ? "cancelButton" : "okButton"));
        });
        // The box shows what its column will hold; the More part, opened again, the edits it holds.
        QCOMPARE(find<QLineEdit>(editor, "firstNameBox")->text(), cancelMore ? "John" : "Johnathan-Maxim");
        withMore(editor, [&](ContactDetailsDialog &more) {
            QCOMPARE(find<QListWidget>(more, "emailList")->count(), cancelMore ? 0 : 1);
            click(find<QPushButton>(more, "cancelButton"));
        });
        click(find<QPushButton>(editor, cancelMore ? "saveButton" : "cancelButton"));
    });
    QVERIFY(storedContact(1).details.isEmpty());
    QCOMPARE(addressRow(1), before);
}

void ContactEditorTest::dateThatIsNoDateIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("words") << "next Tuesday";
    QTest::newRow("a day that does not exist") << "1984-02-31";
}

void ContactEditorTest::dateThatIsNoDateIsRefused()
{
    QFETCH(QString, typed);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    editContact(main, 0, [&](ContactDialog &editor) {
        withMore(editor, [&](ContactDetailsDialog &more) {
            showPage(more, "datesPage");
            retype(find<QLineEdit>(more, "birthdayBox"), typed);
            click(find<QPushButton>(more, "okButton"));
            QCOMPARE(boxes.messages.size(), 1);
            QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
            QVERIFY2(boxes.messages[0].text.contains(QString("\"%1\" is not a date").arg(typed)),
                     qPrintable(boxes.messages[0].text));
            QVERIFY(more.isVisible());
            QCOMPARE(more.focusWidget(), find<QLineEdit>(more, "birthdayBox"));
            click(find<QPushButton>(more, "cancelButton"));
        });
        click(find<QPushButton>(editor, "saveButton"));
    });
    QVERIFY(storedContact(1).details.birthday.isEmpty());
}

void ContactEditorTest::dateKeptAsTextIsShownAsWritten()
{
    TempWorkDir dir;
    MainWindow &main = loadFixture();
    Contact contact = storedContact(1);
    contact.details.birthday = ContactDate::fromIso("20230231");
    WriteContactDetails(CurrentBook().database(), contact);
    editContact(main, 0, [&](ContactDialog &editor) {
        withMore(editor, [&](ContactDetailsDialog &more) {
            QCOMPARE(find<QLineEdit>(more, "birthdayBox")->text(), QString("20230231"));
            click(find<QPushButton>(more, "okButton"));
        });
        click(find<QPushButton>(editor, "saveButton"));
    });
    QCOMPARE(storedContact(1).details.birthday.text, QString("20230231"));
}

void ContactEditorTest::photoFromAFile_data()
{
    QTest::addColumn<QString>("format"); // of the image written; empty: the bytes as given
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal"); // empty: accepted
    QTest::newRow("PNG") << "png" << QByteArray() << QString();
    QTest::newRow("JPEG") << "jpeg" << QByteArray() << QString();
    QTest::newRow("not an image") << QString() << QByteArray("BEGIN:VCARD\r\n") << "is not a PNG or JPEG image";
    QTest::newRow("GIF") << "gif" << QByteArray() << "is not a PNG or JPEG image";
    QTest::newRow("too large") << QString() << QByteArray(PhotoSizeLimit + 1, '\x89') << "is too large for a photo";
}

void ContactEditorTest::photoFromAFile()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadFixture();
    if (!format.isEmpty()) {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, qPrintable(format)) || format == "gif");
    }
    QFile file(dir.file("photo"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    editContact(main, 0, [&](ContactDialog &editor) {
        withMore(editor, [&](ContactDetailsDialog &more) {
            showPage(more, "photoPage");
            answerFileDialog(file.fileName());
            click(find<QPushButton>(more, "choosePhotoButton"));
            // Scaled to fit its place.
            const QLabel *photo = find<QLabel>(more, "photo");
            QCOMPARE(!photo->pixmap().isNull(), refusal.isEmpty());
            QVERIFY(photo->pixmap().width() <= photo->width() && photo->pixmap().height() <= photo->height());
            click(find<QPushButton>(more, "okButton"));
        });
        click(find<QPushButton>(editor, "saveButton"));
    });
    const ContactPhoto stored = storedContact(1).details.photo;
    if (refusal.isEmpty()) {
        QVERIFY(boxes.messages.isEmpty());
        QCOMPARE(stored.data, bytes);
        QCOMPARE(stored.mimeType, "image/" + format);
        // Removed again.
        editContact(main, 0, [&](ContactDialog &editor) {
            withMore(editor, [&](ContactDetailsDialog &more) {
                click(find<QPushButton>(more, "removePhotoButton"));
                QCOMPARE(find<QLabel>(more, "photo")->text(), QString("No photo"));
                click(find<QPushButton>(more, "okButton"));
            });
            click(find<QPushButton>(editor, "saveButton"));
        });
        QVERIFY(storedContact(1).details.photo.isEmpty());
    } else {
        QCOMPARE(boxes.messages.size(), 1);
        QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
        QVERIFY2(boxes.messages[0].text.contains(refusal), qPrintable(boxes.messages[0].text));
        QVERIFY(stored.isEmpty());
    }
}

QTEST_MAIN(ContactEditorTest)
#include "tst_contacteditor.moc"
