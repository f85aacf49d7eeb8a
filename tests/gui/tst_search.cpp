// The search box above the contact list and the command line's look-ups,
// driven as a user and a mail program drive them.
#include "app/Program.h"
#include "support/ModalScript.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "store/AddressBook.h"
#include "store/Database.h"
#include "store/DetailTables.h"
#include "ui/main/ContactListModel.h"
#include "ui/main/MainWindow.h"

#include <QAccessible>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QTest>

using namespace varnelle;
using namespace varnelle::test;

namespace {

std::int32_t addContact(bool isBusiness, const QString &last, const QString &first, const QString &company,
                        const QString &city, const QString &email, const QString &number)
{
    QSqlDatabase &db = CurrentBook().database();
    const int id = RunQuery(db, "INSERT INTO Address (IsBusiness, LastName, FirstName, Company, City, EMail) "
                                "VALUES (?, ?, ?, ?, ?, ?)",
                            {isBusiness, last, first, company, city, email})
                       .lastInsertId()
                       .toInt();
    if (!number.isEmpty())
        RunQuery(db, "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, 1, ?)", {id, number});
    return id;
}

// A business view of five (one with details) and a personal contact, added past the loaded window.
MainWindow &loadBook()
{
    MainWindow &main = CurrentMainWindow();
    main.load();
    main.show();
    main.activateWindow();
    if (!QTest::qWaitForWindowActive(&main)) // for its keyboard shortcuts
        qWarning("the main window did not become active");
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Work')");
    addContact(true, "Müller", "Jürgen", "Café São Paulo", "London", "jm@example.com", "+44 20 7946 0958");
    addContact(true, "Adams", "Ann", "Acme", "Boston", "ann@acme.test", "555-0100");
    addContact(true, "Émile", "Zola", "Acme", "Paris", "", "");
    addContact(true, "100% Pure", "O'Hara", "under_score", "", "", "");
    Contact smith;
    smith.personId = addContact(true, "Smith", "John", "Initech", "Boston", "", "(555) 010-2000");
    smith.details.note = "Prefers calls after six";
    smith.details.nicknames = {"Jack"};
    smith.details.emails = {{"work", "jsmith@corp.test"}};
    smith.details.telephones = {{"Work", "030 4455 66"}};
    smith.details.addresses = {{"home", {}, {}, "1 Rua Augusta", "Lisbon", {}, "1100-048", "Portugal"}};
    WriteContactDetails(CurrentBook().database(), smith);
    addContact(false, "Baker", "Bob", "Acme", "Boston", "bob@home.test", "");
    CurrentBook().notifyContactsChanged();
    return main;
}

QListView *list(MainWindow &main) { return find<QListView>(main, "contactList"); }
QLineEdit *box(MainWindow &main) { return find<QLineEdit>(main, "searchBox"); }

QStringList names(MainWindow &main)
{
    QStringList shown;
    for (int row = 0; row < list(main)->model()->rowCount(); ++row)
        shown << list(main)->model()->index(row, 0).data(ContactListModel::NameRole).toString();
    return shown;
}

QString selectedName(MainWindow &main)
{
    const QModelIndexList selected = list(main)->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data(ContactListModel::NameRole).toString();
}

void search(MainWindow &main, const QString &text)
{
    box(main)->clear();
    typeText(box(main), text);
}

int runProgram(const QStringList &arguments, QString *output)
{
    QProcess process;
    process.start(QDir(QCoreApplication::applicationDirPath() + "/..").filePath("varnelle"), arguments);
    if (!process.waitForFinished(60000))
        return -1;
    *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void listNarrowsAsYouType_data();
    void listNarrowsAsYouType();
    void escapeClearsAndKeepsTheContactChosen();
    void enterEditsAndASavedContactStaysInView();
    void startOpensTheContactOrTheWords_data();
    void startOpensTheContactOrTheWords();
    void commandLineOnABookAWindowHolds_data();
    void commandLineOnABookAWindowHolds();
    void searchOffersTheOtherView();
    void keptKeysFollowEveryChange_data();
    void keptKeysFollowEveryChange();
};

void SearchTest::listNarrowsAsYouType_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    const QStringList everyone{"100% Pure, O'Hara", "Adams, Ann", "Émile, Zola", "Müller, Jürgen", "Smith, John"};
    QTest::newRow("nothing") << "" << everyone;
    QTest::newRow("only spaces") << "   " << everyone;
    QTest::newRow("accent- and case-blind") << "MULLER" << QStringList{"Müller, Jürgen"};
    QTest::newRow("accented first letter") << "emile" << QStringList{"Émile, Zola"};
    QTest::newRow("city with accents") << "sao" << QStringList{"Müller, Jürgen"};
    QTest::newRow("words in any order") << "boston acme" << QStringList{"Adams, Ann"};
    QTest::newRow("digits inside a number") << "7946" << QStringList{"Müller, Jürgen"};
    QTest::newRow("separators ignored") << "0102000" << QStringList{"Smith, John"};
    QTest::newRow("e-mail fragment") << "@example" << QStringList{"Müller, Jürgen"};
    QTest::newRow("percent is literal") << "100%" << QStringList{"100% Pure, O'Hara"};
    QTest::newRow("underscore is literal") << "under_" << QStringList{"100% Pure, O'Hara"};
    QTest::newRow("quote is literal") << "o'hara" << QStringList{"100% Pure, O'Hara"};
    QTest::newRow("other view not searched") << "baker" << QStringList{};
    QTest::newRow("word of a note") << "six" << QStringList{"Smith, John"};
    QTest::newRow("nickname") << "jack" << QStringList{"Smith, John"};
    QTest::newRow("further e-mail fragment") << "@corp" << QStringList{"Smith, John"};
    QTest::newRow("digits of a further number") << "445566" << QStringList{"Smith, John"};
    QTest::newRow("further address") << "lisbon portugal" << QStringList{"Smith, John"};
    QTest::newRow("long text") << QString(1000, u'x') << QStringList{};
    QTest::newRow("emoji") << "😀" << QStringList{};
}

void SearchTest::listNarrowsAsYouType()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    TempWorkDir dir;
    MainWindow &main = loadBook();
    find<QWidget>(main, "contactList")->setFocus();
    QTest::keyClick(&main, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(main.focusWidget(), box(main));
    typeText(box(main), typed);
    QCOMPARE(names(main), shown);
    const bool active = !typed.trimmed().isEmpty();
    // What the other view holds is offered after a dash (searchOffersTheOtherView).
    QCOMPARE(find<QLabel>(main, "searchCount")->text().section(QString(" — "), 0, 0),
             active ? QString("%1 of 5 contacts").arg(shown.size()) : QString());
    QCOMPARE(selectedName(main), active ? shown.value(0) : QString());
}

void SearchTest::escapeClearsAndKeepsTheContactChosen()
{
    TempWorkDir dir;
    MainWindow &main = loadBook();
    list(main)->setFocus();
    QTest::keyClicks(list(main), "/"); // "/" in the list goes to the search box
    QCOMPARE(main.focusWidget(), box(main));
    typeText(box(main), "acme");
    QCOMPARE(names(main), (QStringList{"Adams, Ann", "Émile, Zola"}));
    list(main)->setCurrentIndex(list(main)->model()->index(1, 0));
    QTest::keyClick(box(main), Qt::Key_Escape);
    QCOMPARE(box(main)->text(), QString());
    QCOMPARE(main.focusWidget(), list(main));
    QCOMPARE(names(main).size(), 5);
    QCOMPARE(selectedName(main), QString("Émile, Zola"));
    QVERIFY(find<QLabel>(main, "searchCount")->text().isEmpty());
}

void SearchTest::enterEditsAndASavedContactStaysInView()
{
    TempWorkDir dir;
    MainWindow &main = loadBook();
    search(main, "initech");
    ModalScript script;
    script.expect("ContactDialog", [](QDialog &d) {
        retype(d, "companyBox", "Globex");
        click(d, "saveButton");
    });
    script.run([&] { QTest::keyClick(box(main), Qt::Key_Return); });
    QCOMPARE(script.shown, QStringList{"ContactDialog"});
    QCOMPARE(Rows("Address.mdb", "SELECT Company FROM Address WHERE LastName = 'Smith'"),
             QList<QVariantList>{{"Globex"}});
    // Saved as no longer matching, it stays until the search changes.
    QCOMPARE(names(main), QStringList{"Smith, John"});
    typeText(box(main), " ");
    QCOMPARE(names(main), QStringList{});
    search(main, "glob");
    QCOMPARE(names(main), QStringList{"Smith, John"});
}

void SearchTest::startOpensTheContactOrTheWords_data()
{
    QTest::addColumn<QString>("editLastName"); // the contact asked for by a start; none when empty
    QTest::addColumn<QString>("words");        // the words asked for
    QTest::addColumn<QString>("edited");       // the last name the editor showed; none when empty
    QTest::addColumn<QStringList>("shown"); // in the list after; the whole list for words
    QTest::newRow("a contact of the view hidden by the search")
        << "Adams" << "" << "Adams" << QStringList{"Adams, Ann"};
    QTest::newRow("a contact of the other view") << "Baker" << "" << "Baker" << QStringList{"Baker, Bob"};
    QTest::newRow("words") << "" << "acme" << "" << QStringList{"Adams, Ann", "Émile, Zola"};
}

void SearchTest::startOpensTheContactOrTheWords()
{
    QFETCH(QString, editLastName);
    QFETCH(QString, words);
    QFETCH(QString, edited);
    QFETCH(QStringList, shown);
    TempWorkDir dir;
    MainWindow &main = loadBook();
    search(main, "initech");
    WindowRequest request;
    request.searchText = words;
    if (!editLastName.isEmpty())
        request.editContact =
            Rows("Address.mdb", "SELECT PersonID FROM Address WHERE LastName = ?", {editLastName}).value(0).value(0).toInt();
    QString editing;
    ModalScript script;
    if (!edited.isEmpty())
        script.expect("ContactDialog", [&](QDialog &d) {
            editing = find<QLineEdit>(d, "lastNameBox")->text();
            click(d, "cancelButton");
        });
    script.run([&] {
        DoRequest(main, request);
        QTRY_COMPARE(script.pending(), 0);
        QTest::qWait(0);
    });
    QVERIFY2(script.problems.isEmpty(), qPrintable(script.problems.join("; ")));
    QCOMPARE(editing, edited);
    if (!edited.isEmpty())
        QCOMPARE(selectedName(main).section(',', 0, 0), edited);
    if (!words.isEmpty()) {
        QCOMPARE(box(main)->text(), words);
        QCOMPARE(names(main), shown);
    }
    for (const QString &name : shown)
        QVERIFY2(names(main).contains(name), qPrintable(name));
}

void SearchTest::commandLineOnABookAWindowHolds_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("find, list order")
        << QStringList{"--find", "acme"} << 0
        << QStringList{"Adams, Ann\tAcme\t555-0100\tann@acme.test", "Émile, Zola\tAcme\t\t", "Baker, Bob\tAcme\t\tbob@home.test"};
    QTest::newRow("find in one view") << QStringList{"--find", "acme", "--view", "personal"} << 0
                                      << QStringList{"Baker, Bob\tAcme\t\tbob@home.test"};
    QTest::newRow("find digits") << QStringList{"--find", "7946"} << 0
                                 << QStringList{"Müller, Jürgen\tCafé São Paulo\t+44 20 7946 0958\tjm@example.com"};
    QTest::newRow("find nothing") << QStringList{"--find", "nobody"} << 1 << QStringList{};
    QTest::newRow("show in full")
        << QStringList{"--show", "lisbon"} << 0
        << QStringList{"First Name: John", "Last Name: Smith", "Company: Initech", "City: Boston", "Nickname: Jack",
                       "Work: (555) 010-2000", "Work: 030 4455 66", "E-mail (work): jsmith@corp.test",
                       "Address (home): 1 Rua Augusta", "  1100-048 Lisbon", "  Portugal",
                       "Note: Prefers calls after six"};
    QTest::newRow("show two, a blank line between")
        << QStringList{"--show", "acme", "--view", "business"} << 0
        << QStringList{"First Name: Ann", "Last Name: Adams", "Company: Acme", "City: Boston",
                       "E-mail Address: ann@acme.test", "Work: 555-0100", "", "First Name: Zola", "Last Name: Émile",
                       "Company: Acme", "City: Paris"};
    QTest::newRow("show as vCard 4.0") << QStringList{"--show", "six", "--format", "vcard4"} << 0
                                       << QStringList{"BEGIN:VCARD", "VERSION:4.0", "FN:John Smith", "END:VCARD"};
    QTest::newRow("show nothing") << QStringList{"--show", "nobody"} << 1 << QStringList{};
    QTest::newRow("query, e-mails only")
        << QStringList{"--query", "acme"} << 0
        << QStringList{"Varnelle: 2 matching address(es)", "ann@acme.test\tAnn Adams\tAcme", "bob@home.test\tBob Baker\tAcme"};
    QTest::newRow("query without e-mail") << QStringList{"--query", "zola"} << 1
                                          << QStringList{"Varnelle: 0 matching address(es)"};
}

void SearchTest::commandLineOnABookAWindowHolds()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    TempWorkDir dir;
    // A search waits for the window's index, which keeps its keys in the book.
    typeText(box(loadBook()), "a");
    const QByteArray before = ReadAll("Address.mdb");
    QString output;
    QCOMPARE(runProgram(arguments, &output), status);
    QStringList got = output.split('\n');
    if (got.last().isEmpty())
        got.removeLast();
    if (arguments.contains("vcard4")) { // the lines that say which card it is
        QStringList card;
        for (const QString &line : std::as_const(got))
            if (QStringList{"BEGIN:", "VERSION:", "FN:", "END:"}.contains(line.section(u':', 0, 0) + u':'))
                card << line.trimmed();
        got = card;
    }
    QCOMPARE(got, lines);
    QCOMPARE(ReadAll("Address.mdb"), before); // read, never written
}

QTEST_MAIN(SearchTest)
// A search that finds nothing in this view but something in the other says
// so, and Enter goes there with the search kept.
void SearchTest::searchOffersTheOtherView()
{
    TempWorkDir dir;
    MainWindow &main = loadBook();
    search(main, "baker");
    QCOMPARE(names(main), QStringList{});
    QCOMPARE(find<QLabel>(main, "searchCount")->text(),
             QString("0 of 5 contacts — 1 in Personal (<a href=\"other-view\">Show</a>)"));
    // What a screen reader reads of the count, as it changes.
    QCOMPARE(QAccessible::queryAccessibleInterface(find<QLabel>(main, "searchCount"))->text(QAccessible::Name),
             QString("Search results: 0 of 5 contacts — 1 in Personal (Show)"));
    QTest::keyClick(box(main), Qt::Key_Return);
    QVERIFY(!CurrentBook().isBusiness());
    QCOMPARE(names(main), QStringList{"Baker, Bob"});
    QCOMPARE(selectedName(main), QString("Baker, Bob"));
    QCOMPARE(box(main)->text(), QString("baker"));
    QCOMPARE(find<QLabel>(main, "searchCount")->text(), QString("1 of 1 contacts"));
    search(main, "nobody");
    QCOMPARE(find<QLabel>(main, "searchCount")->text(), QString("0 of 1 contacts"));
}

// The window keeps its search keys in the book; a change made past it (the
// sqlite3 shell, an import, a repair) is found by the window's search box and
// by --find alike.
void SearchTest::keptKeysFollowEveryChange_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("renamed by the shell") << "UPDATE Address SET LastName = 'Jones' WHERE LastName = 'Smith'"
                                          << QStringList{} << "jones" << QStringList{"Jones, John"};
    QTest::newRow("old name forgotten") << "UPDATE Address SET LastName = 'Jones' WHERE LastName = 'Smith'"
                                        << QStringList{} << "smith" << QStringList{};
    QTest::newRow("number changed by the shell")
        << "UPDATE TelephoneList SET Number = '555 0199' WHERE Number = '555-0100'" << QStringList{} << "0199"
        << QStringList{"Adams, Ann"};
    QTest::newRow("number added by the shell")
        << "INSERT INTO TelephoneList (PersonID, TypeID, Number) SELECT PersonID, 1, '030 777' FROM Address "
           "WHERE FirstName = 'Zola'"
        << QStringList{} << "030777" << QStringList{"Émile, Zola"};
    QTest::newRow("deleted by the shell") << "DELETE FROM Address WHERE LastName = 'Adams'" << QStringList{} << "acme"
                                          << QStringList{"Émile, Zola"};
    QTest::newRow("moved to the other view by the shell")
        << "UPDATE Address SET IsBusiness = 0 WHERE LastName = 'Smith'" << QStringList{} << "smith" << QStringList{};
    QTest::newRow("keys replaced by a foreign table")
        << "DROP TABLE SearchText; CREATE TABLE SearchText (PersonID INTEGER PRIMARY KEY, IsBusiness, Key, EmailAt, "
           "DigitsAt); INSERT INTO SearchText SELECT PersonID, IsBusiness, 'zzz', 0, 3 FROM Address"
        << QStringList{} << "smith" << QStringList{"Smith, John"};
    QTest::newRow("note changed by the shell")
        << "UPDATE ContactDetail SET Value = 'Call at nine' WHERE Kind = 'note'" << QStringList{} << "nine"
        << QStringList{"Smith, John"};
    QTest::newRow("note changed after the shell dropped a trigger")
        << "DROP TRIGGER SearchTextDetailChanged; UPDATE ContactDetail SET Value = 'Call at nine' WHERE Kind = 'note'"
        << QStringList{} << "nine" << QStringList{"Smith, John"};
    QTest::newRow("further address deleted by the shell") << "DELETE FROM ContactAddress" << QStringList{} << "lisbon"
                                                          << QStringList{};
    QTest::newRow("imported") << "" << QStringList{"--import", "card.vcf", "--into", "business"} << "kowal"
                              << QStringList{"Kowalski, Jan"};
    QTest::newRow("repaired") << "" << QStringList{"--repair"} << "boston" << QStringList{"Adams, Ann", "Smith, John"};
}

void SearchTest::keptKeysFollowEveryChange()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, program);
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    TempWorkDir dir;
    MainWindow &main = loadBook();
    search(main, "a"); // the keys are kept in the book now
    QVERIFY(!Rows(DatabaseFileName, "SELECT PersonID FROM SearchText").isEmpty());
    QFile card("card.vcf");
    QVERIFY(card.open(QIODevice::WriteOnly));
    card.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Kowalski;Jan;;;\r\nFN:Jan Kowalski\r\nEND:VCARD\r\n");
    card.close();
    QString output;
    if (!sql.isEmpty())
        QCOMPARE(QProcess::execute("sqlite3", {DatabaseFileName, sql}), 0);
    else
        QCOMPARE(runProgram(program, &output), 0);

    CurrentBook().refreshIfChanged();
    search(main, typed);
    QCOMPARE(names(main), shown);
    QCOMPARE(runProgram({"--find", typed, "--view", "business"}, &output), shown.isEmpty() ? 1 : 0);
    QStringList found;
    for (const QString &line : output.split(u'\n', Qt::SkipEmptyParts))
        found << line.section(u'\t', 0, 0);
    QCOMPARE(found, shown);
}

#include "tst_search.moc"
