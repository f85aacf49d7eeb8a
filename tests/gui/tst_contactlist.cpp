// The main window's contact list: filling, line format, add, edit, delete and
// the business/personal switch, driven through the window's controls.
#include "support/Modal.h"
#include "support/ModalScript.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "ui/main/ContactLines.h"
#include "ui/main/ContactListModel.h"
#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/SortedLists.h"
#include "store/Database.h"
#include "ui/contact/PhoneNumberDialog.h"
#include "ui/contact/ContactDialog.h"
#include "ui/main/ContactDetailPane.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DesktopLinks.h"

#include <QApplication>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrlQuery>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QListWidget>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

using namespace varnelle;
using namespace varnelle::test;

namespace {

constexpr double LimitPixels = 2750.0 / 15.0;

MainWindow &loadMain()
{
    MainWindow &main = CurrentMainWindow();
    main.load();
    return main;
}

std::int32_t addContact(bool isBusiness, const QVariant &last, const QVariant &first)
{
    return RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness, LastName, FirstName) VALUES (?, ?, ?)",
                    {isBusiness, last, first})
        .lastInsertId()
        .toInt();
}

void addNumber(std::int32_t personId, int typeId, const QVariant &number)
{
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)",
             {personId, typeId, number});
}

QListView *contactList(const MainWindow &main)
{
    return find<QListView>(main, "contactList");
}

int rows(const MainWindow &main)
{
    return contactList(main)->model()->rowCount();
}

QVariant at(const MainWindow &main, int row, int role)
{
    return contactList(main)->model()->index(row, 0).data(role);
}

// The lines as drawn: the name padded to the number's column, a tab and the number.
QString lineAt(const MainWindow &main, int row)
{
    return at(main, row, ContactListModel::LineRole).toString();
}

int personAt(const MainWindow &main, int row)
{
    return at(main, row, ContactListModel::PersonIdRole).toInt();
}

QList<int> selectedRows(const MainWindow &main)
{
    QList<int> selected;
    for (const QModelIndex &index : contactList(main)->selectionModel()->selectedIndexes())
        selected << index.row();
    return selected;
}

QStringList texts(const MainWindow &main)
{
    QStringList result;
    for (int i = 0; i < rows(main); ++i)
        result << lineAt(main, i);
    return result;
}

QList<int> ids(const MainWindow &main)
{
    QList<int> result;
    for (int i = 0; i < rows(main); ++i)
        result << personAt(main, i);
    return result;
}

QStringList names(const MainWindow &main)
{
    QStringList result;
    for (int i = 0; i < rows(main); ++i)
        result << at(main, i, ContactListModel::NameRole).toString();
    return result;
}

QList<QVariantList> allRows()
{
    return Rows(DatabaseFileName, "SELECT 'A', PersonID, IsBusiness, LastName, FirstName, NULL FROM Address "
                                  "UNION ALL SELECT 'N', PersonID, TypeID, Number, NULL, NULL FROM TelephoneList "
                                  "ORDER BY 1, 2, 3");
}

bool nothingSelected(const MainWindow &main)
{
    return selectedRows(main).isEmpty() && !find<QPushButton>(main, "editButton")->isEnabled()
           && !find<QPushButton>(main, "deleteButton")->isEnabled();
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void select(MainWindow &main, int row)
{
    QListView *list = contactList(main);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
}

// Links the program hands to the desktop, recorded instead of opened.
struct LinkRecorder {
    LinkRecorder()
    {
        SetLinkOpener([this](const QUrl &url) {
            opened << url;
            return true;
        });
    }
    ~LinkRecorder() { SetLinkOpener({}); }
    QList<QUrl> opened;
};

// A contact with something of every kind the menus and the pane act on.
std::int32_t addFullContact()
{
    const std::int32_t amy = RunQuery(CurrentBook().database(),
                                      "INSERT INTO Address (IsBusiness, LastName, FirstName, Company, Street, City, "
                                      "State, ZipCode, Email) VALUES (1, 'Adams', 'Amy', 'Acme & Sons', "
                                      "'1 Main St', 'Springfield', 'IL', '62701', 'amy@example.com')")
                                 .lastInsertId()
                                 .toInt();
    addNumber(amy, 1, "+1 438 555 0142");
    return amy;
}

// The padding rule measured the slow way, one space at a time.
QString padOneByOne(QString s, const std::function<qreal(const QString &)> &width)
{
    while (s.size() < 42)
        s += ' ';
    while (width(s) <= LimitPixels)
        s += ' ';
    return s;
}

} // namespace

class ContactListTest : public QObject {
    Q_OBJECT
private slots:
    void nameColumnForEachNameCombination();
    void lineShowsTheNumberOfTheLowestType();
    void paddingMatchesMeasuringSpaceBySpace();
    void paddingStopsWhenSpacesHaveNoWidth();
    void listHoldsTheViewSortedWithoutRegardToCaseOrAccents();
    void sortedFillPlacesStraysAndLaterEntries();
    void emptyViewAndViewWithOnlyOtherContacts();
    void switchingTwiceReturnsTheSameListAndCaptions();
    void addThenCancelLeavesDatabaseAndListAsBefore();
    void addThenSaveShowsTheLineAtItsPlaceUnselected();
    void editThenCancelKeepsTheEntrySelected();
    void selectionStaysOnEmptyClickAndCtrlClick();
    void editThenSaveRebuildsTheLine();
    void changedNumbersRebuildTheLineWhicheverButtonCloses_data();
    void changedNumbersRebuildTheLineWhicheverButtonCloses();
    void doubleClickAndEnterOpenTheEditor();
    void deleteAsksAndRemovesExactlyTheContactsRows();
    void deleteFailureChangesNothingAndShowsOneMessage();
    void rowsReadAsNameTabNumber_data();
    void rowsReadAsNameTabNumber();
    void typingAFirstLetterSelectsTheNextNameWithIt();
    void detailPaneFollowsTheListAndOpensItsLinks_data();
    void detailPaneFollowsTheListAndOpensItsLinks();
    void contactMenuActs_data();
    void contactMenuActs();
    void contactDragsOutAsAVCardFile();
    void droppedContactFilesAreImported_data();
    void droppedContactFilesAreImported();
};

void ContactListTest::nameColumnForEachNameCombination()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    const QString last25 = "Abcdefghijklmnopqrstuvwxy";
    const QString first15 = "Abcdefghijklmno";
    const struct {
        QVariant last, first;
        QString column;
    } cases[] = {
        {"Smith", "John", "Smith, John"}, {"Smith", QVariant(), "Smith"}, {"Smith", "", "Smith"},
        {QVariant(), "John", "John"},     {"", "John", "John"},           {QVariant(), QVariant(), "Unknown"},
        {"", "", "Unknown"},              {last25, first15, last25 + ", " + first15},
    };
    for (const auto &c : cases)
        addContact(true, c.last, c.first);
    main.fillList();

    const QFontMetricsF metrics(main.font());
    QCOMPARE(rows(main), int(std::size(cases)));
    for (int row = 0; row < rows(main); ++row) {
        const QString line = lineAt(main, row);
        const int person = personAt(main, row);
        const auto &c = cases[person - 1];
        QVERIFY2(!line.contains('\t'), qPrintable(line)); // no numbers
        QCOMPARE(line.left(42), c.column.leftJustified(42));
        QCOMPARE(at(main, row, ContactListModel::NameRole).toString(), c.column);
        // Then spaces up to the first width above 2750 twips in the window's font.
        QVERIFY(metrics.horizontalAdvance(line) > LimitPixels);
        QVERIFY(line.size() == 42 || metrics.horizontalAdvance(line.chopped(1)) <= LimitPixels);
        QCOMPARE(line.mid(42).count(' '), line.size() - 42);
    }
    // The longest names fill the column without a pad space.
    const QString longest = main.formatLine(8);
    QCOMPARE(longest.left(42), last25 + ", " + first15);
    QCOMPARE(main.formatLine(6),
             padOneByOne("Unknown", [&](const QString &s) { return metrics.horizontalAdvance(s); }));
}

void ContactListTest::lineShowsTheNumberOfTheLowestType()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    const int both = addContact(true, "Both", QVariant());
    addNumber(both, 3, "555-0003");
    addNumber(both, 1, "555-0001");
    const int nullNumber = addContact(true, "Null", QVariant());
    addNumber(nullNumber, 2, QVariant());
    const int other = addContact(true, "Other", QVariant());
    addNumber(other + 1, 1, "555-0999"); // someone else's number
    main.fillList();

    QCOMPARE(texts(main).size(), 3);
    QCOMPARE(lineAt(main, 0).section('\t', 1), QString("555-0001"));
    QCOMPARE(lineAt(main, 0).count('\t'), 1);
    QVERIFY(lineAt(main, 1).endsWith('\t')); // a Null number: the tab, then nothing
    QVERIFY(!lineAt(main, 2).contains('\t'));
    // A single line is built the same way as the filled list.
    QCOMPARE(main.formatLine(both), lineAt(main, 0));
    QCOMPARE(main.formatLine(nullNumber), lineAt(main, 1));
}

void ContactListTest::paddingMatchesMeasuringSpaceBySpace()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    const QFontMetricsF metrics(main.font());
    const LinePadder padder(main.font());
    const auto measure = [&](const QString &s) { return metrics.horizontalAdvance(s); };

    // Narrow, wide, accented and non-Latin names, with and without kerning pairs.
    QStringList samples = {"i",          "Ill, Lili",  "WWWWWWWWWWWWWWWWWWWWWWWWW, MMMMMMMMMMMMMMM",
                           "AVAWAY, To", "Ærøskøbing", QString::fromUtf8("Ωμέγα, Δέλτα"),
                           QString::fromUtf8("Nguyễn, Văn"), QString::fromUtf8("e\u0301te\u0301")};
    QRandomGenerator random(7);
    const QString letters = QString::fromUtf8("abcdefghijklmnopqrstuvwxyzAVTWYLfi .,'-éüßÅ");
    for (int i = 0; i < 300; ++i) {
        QString name;
        const int length = random.bounded(1, 43);
        for (int k = 0; k < length; ++k)
            name += letters[random.bounded(letters.size())];
        samples << name;
    }
    for (const QString &name : samples) {
        const QString padded = padder.Pad(name);
        QCOMPARE(padded, padOneByOne(name, measure));
        QCOMPARE(padder.Width(padded), metrics.horizontalAdvance(padded));
    }
}

void ContactListTest::paddingStopsWhenSpacesHaveNoWidth()
{
    // A font that draws spaces with no width would never reach the limit.
    const LinePadder noSpace([](const QString &s) { return qreal(QString(s).remove(' ').size()); });
    QCOMPARE(noSpace.Pad("Smith"), QString("Smith").leftJustified(42));

    // With a measure of its own the padder still adds the spaces one by one would.
    const auto halfSpaces = [](const QString &s) { return s.count(' ') * 2.5 + (s.size() - s.count(' ')) * 4.0; };
    const LinePadder padder(halfSpaces);
    for (const QString &name : {QString("A"), QString("Smith, John"), QString(40, 'x'), QString(42, 'W')})
        QCOMPARE(padder.Pad(name), padOneByOne(name, halfSpaces));
}

void ContactListTest::listHoldsTheViewSortedWithoutRegardToCaseOrAccents()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    const int adams = addContact(true, "adams", "Zoe");
    const int adamson = addContact(true, "ADAMSON", QVariant());
    const int baker = addContact(true, "Baker", "anna");
    const int anne = addContact(true, QVariant(), "Anne"); // sorts by its first name
    const int unknown = addContact(true, QVariant(), QVariant());
    const int zeller = addContact(true, "Zeller", QVariant());
    const int zed = addContact(true, "Zed", QVariant());
    addContact(false, "Able", "Personal");
    const int emile = addContact(true, QString::fromUtf8("Émile"), "Ä");
    const int aerzte = addContact(true, QString::fromUtf8("Ärzte"), QVariant());
    main.fillList();

    // Accented letters sort with their base letters, not after Z.
    QCOMPARE(names(main),
             (QStringList{"adams, Zoe", "ADAMSON", "Anne", QString::fromUtf8("Ärzte"), "Baker, anna",
                          QString::fromUtf8("Émile, Ä"), "Unknown", "Zed", "Zeller"}));
    QCOMPARE(ids(main), (QList<int>{adams, adamson, anne, aerzte, baker, emile, unknown, zed, zeller}));
    QStringList sorted = texts(main);
    std::stable_sort(sorted.begin(), sorted.end(), ListTextLess);
    QCOMPARE(texts(main), sorted);
    QVERIFY(nothingSelected(main));
    QCOMPARE(find<QPushButton>(main, "viewButton")->text(), QString("&Business"));
}

void ContactListTest::sortedFillPlacesStraysAndLaterEntries()
{
    ContactListModel model;
    const auto entry = [](const QString &line, std::int32_t personId) {
        return ContactListModel::Entry{personId, line, {}, false, line};
    };
    const auto lines = [&] {
        QStringList result;
        for (int row = 0; row < model.rowCount(); ++row)
            result << model.index(row).data(ContactListModel::LineRole).toString();
        return result;
    };
    QRandomGenerator random(11);
    for (int round = 0; round < 20; ++round) {
        // Mostly in order, with a few entries out of place at either end or anywhere.
        std::vector<ContactListModel::Entry> entries;
        for (int i = 0; i < 200; ++i)
            entries.push_back(entry(QString("name%1").arg(i, 3, 10, QChar('0')), i));
        for (int k = 0; k < round; ++k)
            std::swap(entries[random.bounded(200)], entries[random.bounded(200)]);
        entries.insert(entries.begin(), entry("ZZZ first", 1000));
        entries.push_back(entry("aaa last", 1001));
        entries.push_back(entry("NAME050", 1002));
        model.setEntries(entries);

        QCOMPARE(model.rowCount(), 203);
        QStringList expected;
        for (const ContactListModel::Entry &e : entries)
            expected << e.line;
        std::stable_sort(expected.begin(), expected.end(), ListTextLess);
        QCOMPARE(lines(), expected);
        for (int row = 0; row < model.rowCount(); ++row) {
            const auto match = std::find_if(entries.begin(), entries.end(), [&](const ContactListModel::Entry &e) {
                return e.line == model.index(row).data(ContactListModel::LineRole).toString();
            });
            QCOMPARE(model.personIdAt(row), match->personId);
        }
    }
    // A contact added later goes to its sorted place.
    const int added = model.addEntry(entry("name0505", 7));
    QCOMPARE(lines().indexOf("name051"), added + 1);
}

void ContactListTest::emptyViewAndViewWithOnlyOtherContacts()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    QCOMPARE(rows(main), 0);
    QVERIFY(nothingSelected(main));

    addContact(false, "Personal", "Only");
    main.fillList();
    QCOMPARE(rows(main), 0);
    QVERIFY(nothingSelected(main));

    // Enter, Edit and Delete with nothing to act on do nothing.
    ScriptedBoxes boxes;
    bool editorShown = false;
    WhenShown<ContactDialog>([&](ContactDialog &) { editorShown = true; });
    QTest::keyClick(contactList(main), Qt::Key_Return);
    main.editContact();
    main.deleteContact();
    QCoreApplication::processEvents();
    QVERIFY(!editorShown);
    QVERIFY(boxes.messages.isEmpty());

    click(find<QPushButton>(main, "viewButton"));
    QCOMPARE(names(main), QStringList{"Personal, Only"});
}

void ContactListTest::switchingTwiceReturnsTheSameListAndCaptions()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    addContact(true, "Business", "One");
    addContact(true, "Business", "Two");
    addContact(false, "Personal", "Three");
    main.fillList();
    const QStringList business = texts(main);
    const QList<int> businessIds = ids(main);
    select(main, 1);
    QVERIFY(find<QPushButton>(main, "editButton")->isEnabled());

    click(find<QPushButton>(main, "viewButton"));
    QVERIFY(!CurrentBook().isBusiness());
    QCOMPARE(find<QPushButton>(main, "viewButton")->text(), QString("&Personal"));
    QCOMPARE(names(main), QStringList{"Personal, Three"});
    QCOMPARE(Rows(DatabaseFileName, "SELECT IsBusiness FROM Setup"), (QList<QVariantList>{{0}}));
    QVERIFY(nothingSelected(main));

    click(find<QPushButton>(main, "viewButton"));
    QVERIFY(CurrentBook().isBusiness());
    QCOMPARE(find<QPushButton>(main, "viewButton")->text(), QString("&Business"));
    QCOMPARE(texts(main), business);
    QCOMPARE(ids(main), businessIds);
    QCOMPARE(Rows(DatabaseFileName, "SELECT IsBusiness FROM Setup"), (QList<QVariantList>{{1}}));
    QVERIFY(nothingSelected(main));
}

void ContactListTest::addThenCancelLeavesDatabaseAndListAsBefore()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadMain();
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home')");
    addNumber(addContact(true, "Kept", "Karl"), 1, "555-0100");
    main.fillList();
    const QList<QVariantList> rowsBefore = allRows();
    const QStringList listBefore = texts(main);

    bool shown = false;
    WhenShown<ContactDialog>([&](ContactDialog &editor) {
        shown = true;
        // While the editor is open the new contact is listed and selected.
        QCOMPARE(rows(main), 2);
        QCOMPARE(at(main, selectedRows(main).value(0), ContactListModel::NameRole).toString(), QString("Unknown"));
        QTest::keyClicks(find<QLineEdit>(editor, "firstNameBox"), "Temporary");
        // A number stored for the new contact goes with it.
        WhenShown<PhoneNumberDialog>([](PhoneNumberDialog &dialog) {
            find<QComboBox>(dialog, "typeCombo")->setCurrentIndex(0);
            QTest::keyClicks(find<QLineEdit>(dialog, "numberBox"), "555-0199");
            click(find<QPushButton>(dialog, "saveButton"));
        });
        click(find<QPushButton>(editor, "addNumberButton"));
        QCOMPARE(Rows(DatabaseFileName, "SELECT count(*) FROM TelephoneList")[0][0].toInt(), 2);
        click(find<QPushButton>(editor, "cancelButton"));
        QCOMPARE(editor.savedContact(), std::nullopt);
    });
    click(find<QPushButton>(main, "addButton"));

    QVERIFY(shown);
    QCOMPARE(allRows(), rowsBefore);
    QCOMPARE(texts(main), listBefore);
    QVERIFY(nothingSelected(main));
    QVERIFY(boxes.messages.isEmpty());
}

void ContactListTest::addThenSaveShowsTheLineAtItsPlaceUnselected()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadMain();
    click(find<QPushButton>(main, "viewButton")); // the personal view
    addContact(false, "Adams", "Amy");
    addContact(false, "Young", "Yves");
    main.fillList();
    QSignalSpy contactsChanged(&CurrentBook(), &AddressBook::contactsChanged);

    std::optional<std::int32_t> saved;
    WhenShown<ContactDialog>([&](ContactDialog &editor) {
        QTest::keyClicks(find<QLineEdit>(editor, "lastNameBox"), "Miller");
        QTest::keyClicks(find<QLineEdit>(editor, "firstNameBox"), "Ann");
        click(find<QPushButton>(editor, "saveButton"));
        saved = editor.savedContact();
    });
    click(find<QPushButton>(main, "addButton"));

    QCOMPARE(names(main), (QStringList{"Adams, Amy", "Miller, Ann", "Young, Yves"}));
    const int added = personAt(main, 1);
    QCOMPARE(saved, std::optional<std::int32_t>(added));
    QCOMPARE(Rows(DatabaseFileName, "SELECT IsBusiness, LastName, FirstName FROM Address WHERE PersonID = ?", {added}),
             (QList<QVariantList>{{0, "Miller", "Ann"}}));
    QVERIFY(!contactsChanged.isEmpty());
    QVERIFY(nothingSelected(main));
    QVERIFY(boxes.messages.isEmpty());
}

void ContactListTest::editThenCancelKeepsTheEntrySelected()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    addContact(true, "Adams", "Amy");
    const int baker = addContact(true, "Baker", "Bob");
    main.fillList();
    const QStringList before = texts(main);
    select(main, 1);

    std::optional<std::int32_t> saved = -1;
    WhenShown<ContactDialog>([&](ContactDialog &editor) {
        find<QLineEdit>(editor, "lastNameBox")->clear();
        QTest::keyClicks(find<QLineEdit>(editor, "lastNameBox"), "Changed");
        click(find<QPushButton>(editor, "cancelButton"));
        saved = editor.savedContact();
    });
    click(find<QPushButton>(main, "editButton"));

    QCOMPARE(saved, std::nullopt);
    QCOMPARE(texts(main), before);
    QCOMPARE(selectedRows(main).size(), 1);
    QCOMPARE(personAt(main, selectedRows(main).first()), baker);
    QVERIFY(find<QPushButton>(main, "editButton")->isEnabled() && find<QPushButton>(main, "deleteButton")->isEnabled());
    QCOMPARE(Rows(DatabaseFileName, "SELECT LastName FROM Address WHERE PersonID = ?", {baker})[0][0].toString(),
             QString("Baker"));
}

void ContactListTest::editThenSaveRebuildsTheLine()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    const int adams = addContact(true, "Adams", "Amy");
    addContact(true, "Baker", "Bob");
    main.fillList();
    select(main, 0);

    std::optional<std::int32_t> saved;
    WhenShown<ContactDialog>([&](ContactDialog &editor) {
        find<QLineEdit>(editor, "lastNameBox")->selectAll();
        QTest::keyClicks(find<QLineEdit>(editor, "lastNameBox"), "Carter");
        click(find<QPushButton>(editor, "saveButton"));
        saved = editor.savedContact();
    });
    click(find<QPushButton>(main, "editButton"));

    QCOMPARE(saved, std::optional<std::int32_t>(adams));
    QCOMPARE(names(main), (QStringList{"Baker, Bob", "Carter, Amy"}));
    QCOMPARE(personAt(main, 1), adams);
    QCOMPARE(rows(main), 2);
    QVERIFY(nothingSelected(main));
}

void ContactListTest::changedNumbersRebuildTheLineWhicheverButtonCloses_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("listed"); // whether the line shows 555-0199 afterwards
    QTest::newRow("add, then Cancel") << "add" << "cancelButton" << true;
    QTest::newRow("add, then Save") << "add" << "saveButton" << true;
    QTest::newRow("delete, then Cancel") << "delete" << "cancelButton" << false;
}

// Numbers are stored at once, so the line shows them whichever button closed the editor.
void ContactListTest::changedNumbersRebuildTheLineWhicheverButtonCloses()
{
    QFETCH(QString, change);
    QFETCH(QString, button);
    QFETCH(bool, listed);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadMain();
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home')");
    const int adams = addContact(true, "Adams", "Amy");
    if (change == "delete")
        addNumber(adams, 1, "555-0199");
    main.fillList();
    select(main, 0);
    QCOMPARE(texts(main).value(0).contains("555-0199"), !listed);

    WhenShown<ContactDialog>([&](ContactDialog &editor) {
        if (change == "add") {
            WhenShown<PhoneNumberDialog>([](PhoneNumberDialog &dialog) {
                find<QComboBox>(dialog, "typeCombo")->setCurrentIndex(0);
                QTest::keyClicks(find<QLineEdit>(dialog, "numberBox"), "555-0199");
                click(find<QPushButton>(dialog, "saveButton"));
            });
            click(find<QPushButton>(editor, "addNumberButton"));
        } else {
            auto *numbers = find<QListWidget>(editor, "numberList");
            numbers->setCurrentRow(0);
            boxes.answer(QMessageBox::Yes);
            click(find<QPushButton>(editor, "deleteNumberButton"));
        }
        click(find<QPushButton>(editor, button));
    });
    click(find<QPushButton>(main, "editButton"));

    QCOMPARE(rows(main), 1);
    QCOMPARE(personAt(main, 0), adams);
    QCOMPARE(texts(main).value(0).contains("555-0199"), listed);
}

void ContactListTest::doubleClickAndEnterOpenTheEditor()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    addContact(true, "Adams", "Amy");
    const int baker = addContact(true, "Baker", "Bob");
    main.fillList();

    QString shownFor;
    const auto cancelNoting = [&](ContactDialog &editor) {
        shownFor = find<QLineEdit>(editor, "lastNameBox")->text();
        click(find<QPushButton>(editor, "cancelButton"));
    };
    WhenShown<ContactDialog>(cancelNoting);
    QListView *list = contactList(main);
    // A double-click reaches the list as a click, then the double-click.
    const QPoint onBaker = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onBaker);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onBaker);
    QCOMPARE(shownFor, QString("Baker"));

    shownFor.clear();
    select(main, 1);
    WhenShown<ContactDialog>(cancelNoting);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(shownFor, QString("Baker"));
    QCOMPARE(personAt(main, selectedRows(main).value(0)), baker);
}

void ContactListTest::deleteAsksAndRemovesExactlyTheContactsRows()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadMain();
    const int smith = addContact(true, "Smith", "John");
    addNumber(smith, 1, "555-0001");
    addNumber(smith, 2, "555-0002");
    const int other = addContact(true, "Taylor", QVariant());
    addNumber(other, 1, "555-0003");
    const int personal = addContact(false, "Smith", "John");
    addNumber(personal, 2, "555-0004");
    main.fillList();
    const QList<QVariantList> before = allRows();
    QSignalSpy contactsChanged(&CurrentBook(), &AddressBook::contactsChanged);

    select(main, 0);
    click(find<QPushButton>(main, "deleteButton")); // answered No
    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].text, QString("Delete Smith, John?"));
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Question);
    QCOMPARE(allRows(), before);
    QCOMPARE(rows(main), 2);

    boxes.answer(QMessageBox::Yes);
    click(find<QPushButton>(main, "deleteButton"));
    QCOMPARE(boxes.messages.size(), 2);
    QList<QVariantList> expected = before;
    expected.erase(std::remove_if(expected.begin(), expected.end(),
                                  [&](const QVariantList &row) { return row[1].toInt() == smith; }),
                   expected.end());
    QCOMPARE(allRows(), expected);
    QCOMPARE(ids(main), QList<int>{other});
    QVERIFY(nothingSelected(main));
    QVERIFY(!contactsChanged.isEmpty());
}

void ContactListTest::deleteFailureChangesNothingAndShowsOneMessage()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadMain();
    const int smith = addContact(true, "Smith", "John");
    addNumber(smith, 1, "555-0001");
    main.fillList();
    // The store refuses the second step, removing the numbers.
    Exec(DatabaseFileName, "CREATE TRIGGER keep_numbers BEFORE DELETE ON TelephoneList "
                           "BEGIN SELECT RAISE(ABORT, 'numbers cannot be deleted now'); END");
    const QList<QVariantList> before = allRows();

    select(main, 0);
    boxes.answer(QMessageBox::Yes);
    click(find<QPushButton>(main, "deleteButton"));

    QCOMPARE(boxes.messages.size(), 2);
    QCOMPARE(boxes.messages[1].icon, QMessageBox::Warning);
    QVERIFY2(boxes.messages[1].text.contains("numbers cannot be deleted now"), qPrintable(boxes.messages[1].text));
    QCOMPARE(allRows(), before); // the contact's row is still there too
    QCOMPARE(ids(main), QList<int>{smith});

    // Once the store allows it, the same delete goes through.
    Exec(DatabaseFileName, "DROP TRIGGER keep_numbers");
    boxes.answer(QMessageBox::Yes);
    select(main, 0);
    click(find<QPushButton>(main, "deleteButton"));
    QCOMPARE(boxes.messages.size(), 3);
    QCOMPARE(allRows(), QList<QVariantList>{});
    QCOMPARE(rows(main), 0);
}

void ContactListTest::selectionStaysOnEmptyClickAndCtrlClick()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    addContact(true, "Adams", "Amy");
    addContact(true, "Baker", "Bob");
    main.fillList();
    QCOMPARE(selectedRowsAfterClicks(contactList(main), 1), (QList<int>{1, 1, 1, 1}));
    QVERIFY(find<QPushButton>(main, "editButton")->isEnabled() && find<QPushButton>(main, "deleteButton")->isEnabled());
}

void ContactListTest::rowsReadAsNameTabNumber_data()
{
    QTest::addColumn<int>("role");
    QTest::newRow("display") << int(Qt::DisplayRole);
    QTest::newRow("accessible") << int(Qt::AccessibleTextRole);
}

void ContactListTest::rowsReadAsNameTabNumber()
{
    QFETCH(int, role);
    TempWorkDir dir;
    MainWindow &main = loadMain();
    addNumber(addContact(true, "Adams", "Amy"), 1, "555-0001");
    addContact(true, "Baker", QVariant());
    main.fillList();
    QCOMPARE(at(main, 0, role).toString(), QString("Adams, Amy\t555-0001"));
    QCOMPARE(at(main, 1, role).toString(), QString("Baker"));
}

void ContactListTest::typingAFirstLetterSelectsTheNextNameWithIt()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    for (const char *last : {"Adams", "Baker", "Brown", "Carter"})
        addContact(true, last, QVariant());
    main.fillList();
    contactList(main)->setFocus();
    QTest::keyClick(contactList(main), Qt::Key_B);
    QCOMPARE(selectedRows(main), QList<int>{1});
    QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new search, not "bb"
    QTest::keyClick(contactList(main), Qt::Key_B);
    QCOMPARE(selectedRows(main), QList<int>{2});
    QVERIFY(find<QPushButton>(main, "editButton")->isEnabled());
}

void ContactListTest::detailPaneFollowsTheListAndOpensItsLinks_data()
{
    QTest::addColumn<int>("tabs"); // Tab presses in the pane: the link reached
    QTest::addColumn<QString>("link");
    QTest::newRow("number") << 1 << "tel:+14385550142";
    QTest::newRow("e-mail") << 2 << "mailto:amy@example.com";
    QTest::newRow("address") << 3 << "https://www.openstreetmap.org/search?query=1 Main St, Springfield, IL 62701";
}

void ContactListTest::detailPaneFollowsTheListAndOpensItsLinks()
{
    QFETCH(int, tabs);
    QFETCH(QString, link);
    TempWorkDir dir;
    LinkRecorder links;
    QSettings().remove("view");
    MainWindow &main = loadMain();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto *pane = find<ContactDetailPane>(main, "detailPane");
    // A first run shows the window without the pane; F3 shows it, and it stays shown.
    QVERIFY(pane->isHidden());
    const int narrow = main.width();
    const int amy = addFullContact();
    addContact(true, "Baker", "Bob");
    main.fillList();
    contactList(main)->setFocus();
    QTest::keyClick(contactList(main), Qt::Key_F3);
    QVERIFY(pane->isVisible() && main.width() > narrow);
    QVERIFY(!pane->accessibleName().isEmpty());
    QTest::keyClick(contactList(main), Qt::Key_Home);
    QCOMPARE(pane->contact(), amy);
    QVERIFY(pane->toPlainText().contains("+1 438 555 0142"));
    QTest::keyClick(contactList(main), Qt::Key_Down);
    QVERIFY(pane->toPlainText().startsWith("Bob Baker"));
    QTest::keyClick(contactList(main), Qt::Key_Up);
    QVERIFY(pane->toPlainText().startsWith("Amy Adams"));

    pane->setFocus();
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(pane, Qt::Key_Tab);
    QTest::keyClick(pane, Qt::Key_Return);
    QCOMPARE(links.opened.size(), 1);
    QCOMPARE(QUrl::fromPercentEncoding(links.opened.first().toEncoded()), link);

    dir.restart();
    MainWindow &again = loadMain();
    again.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&again));
    QVERIFY(!find<ContactDetailPane>(again, "detailPane")->isHidden());
    QTest::keyClick(&again, Qt::Key_F3);
    QVERIFY(find<ContactDetailPane>(again, "detailPane")->isHidden());
    QVERIFY(!QSettings().value("view/details").toBool());
}

void ContactListTest::contactMenuActs_data()
{
    QTest::addColumn<QString>("from"); // the list's menu, by the mouse or the menu key, or the pane's
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("clipboard"); // what the clipboard holds after, if anything
    QTest::addColumn<QString>("link");      // the link opened, if any
    QTest::newRow("copy") << "list" << "copyContactAction" << "Amy Adams\nCompany: Acme & Sons\n" << "";
    QTest::newRow("copy e-mail") << "list" << "copyEmailAction" << "amy@example.com" << "";
    QTest::newRow("write e-mail") << "list" << "writeEmailAction" << "" << "mailto:amy@example.com";
    QTest::newRow("call") << "list" << "callAction" << "" << "tel:+14385550142";
    QTest::newRow("map") << "list" << "showOnMapAction" << ""
                         << "https://www.openstreetmap.org/search?query=1 Main St, Springfield, IL 62701";
    QTest::newRow("export") << "list" << "exportCardAction" << "" << "";
    QTest::newRow("menu key: copy e-mail") << "keys" << "copyEmailAction" << "amy@example.com" << "";
    QTest::newRow("pane: call") << "pane" << "callAction" << "" << "tel:+14385550142";
}

void ContactListTest::contactMenuActs()
{
    QFETCH(QString, from);
    const bool fromPane = from == "pane";
    QFETCH(QString, action);
    QFETCH(QString, clipboard);
    QFETCH(QString, link);
    TempWorkDir dir;
    LinkRecorder links;
    ScriptedBoxes boxes;
    QSettings().remove("view");
    MainWindow &main = loadMain();
    main.show();
    addContact(true, "Zeller", "Zoe");
    addFullContact();
    main.fillList();
    QGuiApplication::clipboard()->clear();
    QListView *list = contactList(main);
    auto *pane = find<ContactDetailPane>(main, "detailPane");
    if (fromPane) {
        select(main, 0);
        find<QAction>(main, "detailsAction")->trigger();
    }
    QWidget *target = fromPane ? pane->viewport() : list->viewport();
    QPoint at = fromPane ? QPoint(5, 5) : list->visualRect(list->model()->index(0, 0)).center();
    const auto reason = from == "keys" ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse;
    if (from == "keys") { // on the current row, wherever the menu key puts it
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        target = list;
        at = QPoint(1, 1);
    }

    QStringList seen;
    WhenShown<QMenu>([&](QMenu &menu) {
        for (QAction *a : menu.actions())
            seen << a->objectName();
        menu.setActiveAction(menu.findChild<QAction *>(action));
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    ModalScript script;
    script.expect("exportCardDialog", [&](QDialog &d) {
        static_cast<QFileDialog &>(d).selectFile(dir.file("amy.vcf"));
        QPushButton *save = d.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Save);
        QTRY_VERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
    });
    script.run([&] {
        QContextMenuEvent event(reason, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
    });

    QVERIFY2(seen.contains(action), qPrintable(seen.join(' ')));
    QCOMPARE(seen.contains("editContactAction"), !fromPane);
    if (!fromPane)
        QCOMPARE(selectedRows(main), QList<int>{0});
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(clipboard.isEmpty() ? copied.isEmpty() : copied.startsWith(clipboard), qPrintable(copied));
    QCOMPARE(links.opened.size(), link.isEmpty() ? 0 : 1);
    if (!link.isEmpty())
        QCOMPARE(QUrl::fromPercentEncoding(links.opened.first().toEncoded()), link);
    QCOMPARE(QFile::exists(dir.file("amy.vcf")), action == "exportCardAction");
    if (QFile::exists(dir.file("amy.vcf"))) {
        const QByteArray card = ReadAll(dir.file("amy.vcf"));
        QVERIFY(card.startsWith("BEGIN:VCARD") && card.contains("EMAIL") && card.contains("amy@example.com"));
    }
    if (fromPane)
        main.findChild<QAction *>("detailsAction")->trigger();
}

void ContactListTest::contactDragsOutAsAVCardFile()
{
    TempWorkDir dir;
    MainWindow &main = loadMain();
    addFullContact();
    main.fillList();
    QAbstractItemModel *model = contactList(main)->model();
    QVERIFY(model->flags(model->index(0, 0)) & Qt::ItemIsDragEnabled);
    std::unique_ptr<QMimeData> data(model->mimeData({model->index(0, 0)}));
    QVERIFY(data);
    const QByteArray card = data->data("text/vcard");
    QVERIFY(card.startsWith("BEGIN:VCARD") && card.contains("FN:Amy Adams") && card.contains("+1 438 555 0142"));
    QCOMPARE(data->urls().size(), 1);
    QVERIFY(data->urls().first().toLocalFile().endsWith("Amy Adams.vcf"));
    QCOMPARE(ReadAll(data->urls().first().toLocalFile()), card);
}

void ContactListTest::droppedContactFilesAreImported_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ownDrag"); // a contact dragged out of this list
    QTest::addColumn<bool>("imported");
    QTest::newRow("vCard") << "people.vcf" << false << true;
    QTest::newRow("CSV") << "people.CSV" << false << true;
    QTest::newRow("text") << "people.txt" << false << false;
    QTest::newRow("the list's own") << "people.vcf" << true << false;
}

void ContactListTest::droppedContactFilesAreImported()
{
    QFETCH(QString, file);
    QFETCH(bool, ownDrag);
    QFETCH(bool, imported);
    TempWorkDir dir;
    MainWindow &main = loadMain();
    main.show();
    QFile written(dir.file(file));
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Dora Drop\r\nN:Drop;Dora;;;\r\nEND:VCARD\r\n");
    written.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(written.fileName())});
    if (ownDrag)
        data.setData("application/x-varnelle-contact", "1");

    ModalScript script;
    if (imported)
        script.expect("ImportOptionsDialog", [](QDialog &d) { d.reject(); });
    script.run([&] {
        QWidget *viewport = contactList(main)->viewport();
        const QPoint at = viewport->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &drop);
        QTest::qWait(300);
    });
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    QCOMPARE(script.shown, imported ? QStringList{"ImportOptionsDialog"} : QStringList());
}

QTEST_MAIN(ContactListTest)
#include "tst_contactlist.moc"
