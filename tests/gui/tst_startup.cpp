// Start-up: creating the database file, opening it, the Setup row, fatal failures.
#include "support/BookDamage.h"
#include "support/Modal.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"
#include "app/Program.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Setup.h"
#include "ui/main/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace varnelle;
using namespace varnelle::test;

namespace {

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList columns(const QString &table)
{
    QStringList result;
    for (const QVariantList &row : Rows(DatabaseFileName, QString("PRAGMA table_info(\"%1\")").arg(table)))
        result << row[1].toString() + " " + row[2].toString();
    return result;
}

// name:unique:field,field for the explicit indexes of a table
QStringList indexes(const QString &table)
{
    QStringList result;
    for (const QVariantList &row : Rows(DatabaseFileName, QString("PRAGMA index_list(\"%1\")").arg(table))) {
        QStringList fields;
        for (const QVariantList &f :
             Rows(DatabaseFileName, QString("PRAGMA index_info(\"%1\")").arg(row[1].toString())))
            fields << f[2].toString();
        result << row[1].toString() + ":" + row[2].toString() + ":" + fields.join(",");
    }
    result.sort();
    return result;
}

// A book of 300 contacts, half of them business, with a number each.
void makeBook()
{
    EnsureDatabase();
    Exec(DatabaseFileName, "INSERT INTO Setup VALUES (1)");
    Exec(DatabaseFileName, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home')");
    Exec(DatabaseFileName, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                           "INSERT INTO Address (IsBusiness, LastName, Street) "
                           "SELECT i % 2, 'Last' || i, 'A street long enough to fill pages ' || i FROM n");
    Exec(DatabaseFileName, "INSERT INTO TelephoneList SELECT PersonID, 1, '555-' || PersonID FROM Address");
}

int fileMode(const QString &name)
{
    struct stat st {};
    return ::stat(QFile::encodeName(name).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

MainWindow &loadMain()
{
    MainWindow &main = CurrentMainWindow();
    main.load();
    return main;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesCompleteEmptyDatabase();
    void textFieldsRefuseOverlongValuesAndKeepExactOnes();
    void keysAreUniqueAndCaseInsensitive();
    void existingValidFileIsLeftByteForByte();
    void fileLackingATableStaysAsItIs();
    void fileThatIsNotADatabaseIsReportedAndKept();
    void failedCreationLeavesNoFile();
    void viewSurvivesARestart();
    void onlyTheFirstSetupRowIsReadAndSwitched();
    void fatalStartShowsOneMessageAndFails();
    void closingMainWindowClosesDatabase();
    void damagedFileWarnsOnceAndTheStartGoesOn_data();
    void damagedFileWarnsOnceAndTheStartGoesOn();
    void newBookHonoursTheUmask_data();
    void newBookHonoursTheUmask();
    void bookThatCannotBeUsedIsRefusedWithItsCause_data();
    void bookThatCannotBeUsedIsRefusedWithItsCause();
    void unusableFileIsNamedWithItsCause_data();
    void unusableFileIsNamedWithItsCause();
    void messagesNameTheFileAndSpeakPlainly_data();
    void messagesNameTheFileAndSpeakPlainly();
};

void StartupTest::firstStartCreatesCompleteEmptyDatabase()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadMain();

    QVERIFY(QFile::exists(DatabaseFileName));
    QCOMPARE(QDir(".").entryList(QDir::Files), QStringList{"Address.mdb"});
    QCOMPARE(main.windowTitle(), QString("Varnelle For Windows"));
    QCOMPARE(AppTitle(), QString("Varnelle For Windows"));
    QVERIFY(boxes.messages.isEmpty());

    QStringList tables;
    for (const QVariantList &row : Rows(DatabaseFileName, "SELECT name FROM sqlite_master WHERE type = 'table' "
                                                          "AND name NOT LIKE 'sqlite_%' ORDER BY rowid"))
        tables << row[0].toString();
    // The four tables, then the search's keys beside them.
    QCOMPARE(tables, (QStringList{"Setup", "TelephoneType", "TelephoneList", "Address", "SearchText"}));

    QCOMPARE(columns("Setup"), QStringList{"IsBusiness BOOLEAN"});
    QCOMPARE(columns("TelephoneType"), (QStringList{"TypeID INTEGER", "TelephoneType VARCHAR(20)"}));
    QCOMPARE(columns("TelephoneList"), (QStringList{"PersonID INTEGER", "TypeID INTEGER", "Number VARCHAR(20)"}));
    QCOMPARE(columns("Address"),
             (QStringList{"PersonID INTEGER", "IsBusiness BOOLEAN", "Title VARCHAR(12)", "FirstName VARCHAR(15)",
                          "LastName VARCHAR(25)", "Company VARCHAR(30)", "Street VARCHAR(40)", "State VARCHAR(2)",
                          "City VARCHAR(25)", "ZipCode VARCHAR(10)", "EMail VARCHAR(50)", "Spouse VARCHAR(30)",
                          "Children VARCHAR(50)"}));

    // Automatic keys are the rowid; the other indexes carry their names.
    QCOMPARE(indexes("Setup"), QStringList{});
    QCOMPARE(indexes("TelephoneType"), QStringList{"sqlite_autoindex_TelephoneType_1:1:TelephoneType"});
    QCOMPARE(indexes("TelephoneList"),
             (QStringList{"TypeID:0:TypeID", "sqlite_autoindex_TelephoneList_1:1:PersonID,TypeID"}));
    QCOMPARE(indexes("Address"), QStringList{"Name:0:IsBusiness,LastName,FirstName"});
    const QString ddl = Rows(DatabaseFileName, "SELECT group_concat(sql, ';') FROM sqlite_master")[0][0].toString();
    QVERIFY(ddl.contains("CONSTRAINT \"TelephoneType\" UNIQUE (\"TelephoneType\")"));
    QCOMPARE(ddl.count("CONSTRAINT \"Primary\" PRIMARY KEY"), 3);
    QCOMPARE(ddl.count("AUTOINCREMENT"), 2);

    // One Setup row with the business view; nothing else.
    QCOMPARE(Rows(DatabaseFileName, "SELECT IsBusiness FROM Setup"), (QList<QVariantList>{{1}}));
    for (const char *table : {"TelephoneType", "TelephoneList", "Address"})
        QCOMPARE(Rows(DatabaseFileName, QString("SELECT count(*) FROM %1").arg(table))[0][0].toInt(), 0);
    QVERIFY(CurrentBook().isBusiness());
    QCOMPARE(find<QListView>(main, "contactList")->model()->rowCount(), 0);
    QVERIFY(!find<QPushButton>(main, "editButton")->isEnabled());
    QVERIFY(!find<QPushButton>(main, "deleteButton")->isEnabled());
    QCOMPARE(find<QPushButton>(main, "viewButton")->text(), QString("&Business"));
}

void StartupTest::textFieldsRefuseOverlongValuesAndKeepExactOnes()
{
    TempWorkDir dir;
    loadMain();
    const struct {
        const char *table;
        const char *field;
        int size;
    } fields[] = {{"TelephoneType", "TelephoneType", 20}, {"TelephoneList", "Number", 20}, {"Address", "Title", 12},
                  {"Address", "FirstName", 15},           {"Address", "LastName", 25},    {"Address", "Company", 30},
                  {"Address", "Street", 40},              {"Address", "State", 2},        {"Address", "City", 25},
                  {"Address", "ZipCode", 10},             {"Address", "EMail", 50},       {"Address", "Spouse", 30},
                  {"Address", "Children", 50}};
    for (const auto &f : fields) {
        const QString insert = QString("INSERT INTO %1 (%2) VALUES (?)").arg(f.table, f.field);
        // Characters, not bytes, count: a full field of accented letters fits.
        RunQuery(CurrentBook().database(), insert, {QString(f.size, QChar(0xE9))});
        try {
            RunQuery(CurrentBook().database(), insert, {QString(f.size + 1, 'x')});
            QFAIL(qPrintable(QString("%1.%2 took an over-long value").arg(f.table, f.field)));
        } catch (const DatabaseError &e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::TooLong);
            QCOMPARE(e.message(), QString("The text for the field '%1' is too long: it holds at most %2 characters.")
                                      .arg(f.field)
                                      .arg(f.size));
        }
    }
    // Three letters in State are refused and nothing is stored; empty and Null are allowed.
    const int before = Rows(DatabaseFileName, "SELECT count(*) FROM Address")[0][0].toInt();
    QVERIFY_THROWS_EXCEPTION(DatabaseError,
                             RunQuery(CurrentBook().database(), "INSERT INTO Address (State) VALUES ('NYC')"));
    QCOMPARE(Rows(DatabaseFileName, "SELECT count(*) FROM Address")[0][0].toInt(), before);
    RunQuery(CurrentBook().database(), "INSERT INTO Address (State, City) VALUES ('', NULL)");
    QCOMPARE(Rows(DatabaseFileName, "SELECT count(*) FROM Address")[0][0].toInt(), before + 1);
}

void StartupTest::keysAreUniqueAndCaseInsensitive()
{
    TempWorkDir dir;
    loadMain();
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home')");
    try {
        RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('HOME')");
        QFAIL("a type name differing only in case was stored");
    } catch (const DatabaseError &e) {
        QCOMPARE(e.kind(), DatabaseError::Kind::DuplicateKey);
        QVERIFY2(e.message().contains("index 'TelephoneType'"), qPrintable(e.message()));
    }
    QCOMPARE(Rows(DatabaseFileName, "SELECT TypeID, TelephoneType FROM TelephoneType"),
             (QList<QVariantList>{{1, "Home"}}));

    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (7, 1, '555')");
    try {
        RunQuery(CurrentBook().database(), "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (7, 1, '556')");
        QFAIL("a second number of the same type was stored");
    } catch (const DatabaseError &e) {
        QCOMPARE(e.kind(), DatabaseError::Kind::DuplicateKey);
        QVERIFY2(e.message().contains("index 'Primary'"), qPrintable(e.message()));
        QVERIFY2(e.message().contains("PersonID and TypeID"), qPrintable(e.message()));
    }
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (8, 1, '556')");

    // The store assigns keys and never reuses a deleted one.
    RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness) VALUES (1)");
    RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness) VALUES (0)");
    RunQuery(CurrentBook().database(), "DELETE FROM Address WHERE PersonID = 2");
    RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness) VALUES (0)");
    QCOMPARE(Rows(DatabaseFileName, "SELECT PersonID FROM Address ORDER BY PersonID"),
             (QList<QVariantList>{{1}, {3}}));
}

void StartupTest::existingValidFileIsLeftByteForByte()
{
    TempWorkDir dir;
    EnsureDatabase();
    Exec(DatabaseFileName, "INSERT INTO Setup VALUES (0)");
    Exec(DatabaseFileName, "INSERT INTO Address (IsBusiness, LastName) VALUES (0, 'Smith')");
    const QString rows = "SELECT * FROM Setup, Address";
    const QList<QVariantList> before = Rows(DatabaseFileName, rows);

    MainWindow &main = loadMain();
    QVERIFY(!CurrentBook().isBusiness());
    QCOMPARE(find<QPushButton>(main, "viewButton")->text(), QString("&Personal"));
    main.close();
    QVERIFY(!CurrentBook().database().isOpen());
    // The file gains the search's keys; what it held stays as it was.
    QCOMPARE(Rows(DatabaseFileName, rows), before);
    QCOMPARE(QDir(".").entryList(QDir::Files), QStringList{"Address.mdb"});
}

void StartupTest::fileLackingATableStaysAsItIs()
{
    TempWorkDir dir;
    // Opening never makes a file.
    QVERIFY_THROWS_EXCEPTION(DatabaseError, Exec(DatabaseFileName, "SELECT 1"));
    QVERIFY(!QFile::exists(DatabaseFileName));

    QVERIFY(CreateDatabaseFile(DatabaseFileName, {"CREATE TABLE Setup (IsBusiness BOOLEAN)",
                                                  "CREATE TABLE Address (PersonID INTEGER PRIMARY KEY, "
                                                  "IsBusiness BOOLEAN, LastName TEXT, FirstName TEXT)",
                                                  "INSERT INTO Setup VALUES (1)"}));
    const QByteArray before = ReadAll(DatabaseFileName);
    loadMain();
    QCOMPARE(Rows(DatabaseFileName, "SELECT count(*) FROM sqlite_master WHERE name = 'TelephoneType'")[0][0].toInt(),
             0);
    CurrentBook().close();
    QCOMPARE(ReadAll(DatabaseFileName), before);

    // Without the Setup table the start fails, and the file is still left alone.
    dir.restart();
    QFile::remove(DatabaseFileName);
    QVERIFY(CreateDatabaseFile(DatabaseFileName, {"CREATE TABLE Address (PersonID INTEGER PRIMARY KEY)"}));
    const QByteArray noSetup = ReadAll(DatabaseFileName);
    try {
        loadMain();
        QFAIL("a start without a Setup table succeeded");
    } catch (const DatabaseError &e) {
        QVERIFY2(e.message().contains("Setup"), qPrintable(e.message()));
    }
    QCOMPARE(ReadAll(DatabaseFileName), noSetup);
}

void StartupTest::fileThatIsNotADatabaseIsReportedAndKept()
{
    const QList<QByteArray> contents = {
        QByteArray("Dear diary, this is a letter and not an address book.\n").repeated(40), QByteArray()};
    for (const QByteArray &content : contents) {
        TempWorkDir dir;
        writeFile(DatabaseFileName, content);
        try {
            loadMain();
            QFAIL("a start on a file that is not a database succeeded");
        } catch (const DatabaseError &e) {
            QVERIFY2(e.message().contains("Address.mdb"), qPrintable(e.message()));
        }
        QCOMPARE(ReadAll(DatabaseFileName), content);
        QCOMPARE(QDir(".").entryList(QDir::Files), QStringList{"Address.mdb"});
    }
}

void StartupTest::failedCreationLeavesNoFile()
{
    TempWorkDir dir;
    QVERIFY(!CreateDatabaseFile(DatabaseFileName, {"CREATE TABLE Setup (IsBusiness BOOLEAN)",
                                                   "CREATE TABLE Broken (", "CREATE TABLE Later (x)"}));
    QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{});

    // A file that appears meanwhile is never replaced.
    writeFile(DatabaseFileName, "mine");
    QVERIFY(!CreateDatabaseFile(DatabaseFileName, schema::CreateStatements()));
    QCOMPARE(ReadAll(DatabaseFileName), QByteArray("mine"));
    EnsureDatabase();
    QCOMPARE(ReadAll(DatabaseFileName), QByteArray("mine"));
    QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"Address.mdb"});
}

void StartupTest::viewSurvivesARestart()
{
    TempWorkDir dir;
    loadMain();
    QVERIFY(CurrentBook().isBusiness());
    QVERIFY(!SwapSetupView(CurrentBook().database()));
    dir.restart();

    MainWindow &main = loadMain();
    QVERIFY(!CurrentBook().isBusiness());
    QCOMPARE(find<QPushButton>(main, "viewButton")->text(), QString("&Personal"));
    QCOMPARE(Rows(DatabaseFileName, "SELECT IsBusiness FROM Setup"), (QList<QVariantList>{{0}}));
}

void StartupTest::onlyTheFirstSetupRowIsReadAndSwitched()
{
    TempWorkDir dir;
    EnsureDatabase();
    Exec(DatabaseFileName, "INSERT INTO Setup VALUES (0)");
    Exec(DatabaseFileName, "INSERT INTO Setup VALUES (1)");
    loadMain();
    QVERIFY(!CurrentBook().isBusiness());
    QVERIFY(SwapSetupView(CurrentBook().database()));
    QCOMPARE(Rows(DatabaseFileName, "SELECT IsBusiness FROM Setup ORDER BY rowid"),
             (QList<QVariantList>{{1}, {1}}));
}

void StartupTest::fatalStartShowsOneMessageAndFails()
{
    TempWorkDir dir;
    writeFile(DatabaseFileName, QByteArray("not a database, just some text in a file\n").repeated(30));
    ScriptedBoxes boxes;
    QCOMPARE(RunProgram(CurrentBook()), 1);
    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].title, QString("Varnelle For Windows"));
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes.messages[0].text,
             QString("The file 'Address.mdb' is not a database of this program, or it is damaged."));
}

void StartupTest::closingMainWindowClosesDatabase()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    // The real event loop: close the main window through File > Exit once it runs.
    QTimer::singleShot(0, [] { find<QAction>(*ShownWindow<MainWindow>(), "exitAction")->trigger(); });
    QCOMPARE(RunProgram(CurrentBook()), 0);
    QVERIFY(!CurrentBook().database().isValid());
    QVERIFY(boxes.messages.isEmpty());
    QVERIFY(QFile::exists(DatabaseFileName));
}

void StartupTest::damagedFileWarnsOnceAndTheStartGoesOn_data()
{
    QTest::addColumn<QString>("btree");
    QTest::addColumn<int>("leaf");
    QTest::addColumn<bool>("listComplete");
    QTest::newRow("index the list does not use") << "TypeID" << 0 << true;
    QTest::newRow("index the list is read through") << "Name" << 1 << false;
    // Opens in the initial view (business), which lists the 150 business contacts.
    QTest::newRow("Setup page") << "Setup" << 0 << true;
    QTest::newRow("file cut short") << QString() << 0 << false;
}

void StartupTest::damagedFileWarnsOnceAndTheStartGoesOn()
{
    QFETCH(QString, btree);
    QFETCH(int, leaf);
    QFETCH(bool, listComplete);
    TempWorkDir dir;
    makeBook();
    if (btree.isEmpty())
        TruncateToPages(DatabaseFileName, Rows(DatabaseFileName, "PRAGMA page_count")[0][0].toInt() * 3 / 5);
    else
        ZeroPage(DatabaseFileName, LeafPage(DatabaseFileName, btree, leaf));
    ScriptedBoxes boxes;
    MainWindow &main = loadMain();
    QCOMPARE(boxes.texts(), QStringList{"The database file 'Address.mdb' is damaged: some contacts may be missing or "
                                        "wrong. Choose File > Repair Database to save what can still be read."});
    QVERIFY(CurrentBook().database().isOpen());
    QCOMPARE(find<QListView>(main, "contactList")->model()->rowCount() == 150, listComplete);
    QVERIFY(main.isVisible());
}

void StartupTest::newBookHonoursTheUmask_data()
{
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("mode");
    QTest::newRow("077: private") << 0077 << 0600;
    QTest::newRow("027: group reads") << 0027 << 0640;
    QTest::newRow("022: everyone reads") << 0022 << 0644;
    QTest::newRow("002: never wider than 0644") << 0002 << 0644;
}

void StartupTest::newBookHonoursTheUmask()
{
    QFETCH(int, umask);
    QFETCH(int, mode);
    TempWorkDir dir;
    const mode_t before = ::umask(mode_t(umask));
    loadMain();
    ::umask(before);
    QCOMPARE(fileMode(DatabaseFileName), mode);
}

void StartupTest::bookThatCannotBeUsedIsRefusedWithItsCause_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<QByteArray>("header"); // bytes written at offset 44, the schema format
    QTest::addColumn<QString>("message");
    QTest::newRow("write-protected file")
        << 0777 << 0444 << QByteArray()
        << "The database file 'Address.mdb' cannot be changed: the file is write-protected. Allow changes to it, or "
           "start the program with a copy that can be changed.";
    QTest::newRow("folder without room for the journal")
        << 0555 << 0666 << QByteArray()
        << "The database file 'Address.mdb' cannot be changed: its folder does not allow the journal file that is "
           "written beside it during each change. Allow changes in the folder, or move the file to a folder that "
           "allows them.";
    QTest::newRow("unsupported format") << 0755 << 0644 << QByteArray("\0\0\0\x09", 4)
                                        << "'Address.mdb' is not a Varnelle address book (unsupported file format).";
}

void StartupTest::bookThatCannotBeUsedIsRefusedWithItsCause()
{
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(QByteArray, header);
    QFETCH(QString, message);
    TempWorkDir dir;
    makeBook();
    if (!header.isEmpty()) {
        QFile file(DatabaseFileName);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(44));
        file.write(header);
    }
    const QByteArray before = ReadAll(DatabaseFileName);
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), mode_t(folderMode)), 0);
    QCOMPARE(::chmod(DatabaseFileName, mode_t(fileMode)), 0);
    ScriptedBoxes boxes;
    int status = 0;
    {
        const AsOrdinaryUser user;
        status = RunProgram(CurrentBook());
    }
    QCOMPARE(status, 1);
    QCOMPARE(boxes.texts(), QStringList{message});
    QCOMPARE(ReadAll(DatabaseFileName), before);
}

void StartupTest::unusableFileIsNamedWithItsCause_data()
{
    QTest::addColumn<bool>("empty"); // else: a folder path longer than the database accepts
    QTest::addColumn<QString>("message");
    QTest::newRow("empty file") << true
                                << "The file 'Address.mdb' is empty: it holds no address book. Move it away or "
                                   "delete it, and the program makes a new one at the next start.";
    QTest::newRow("path too long") << false
                                   << "The database file 'Address.mdb' cannot be opened: its path is longer than the "
                                      "512 characters the database accepts. Move it to a folder with a shorter path.";
}

void StartupTest::unusableFileIsNamedWithItsCause()
{
    QFETCH(bool, empty);
    QFETCH(QString, message);
    TempWorkDir dir;
    if (empty)
        writeFile(DatabaseFileName, {});
    else
        for (int i = 0; i < 6; ++i) {
            const QString folder(100, QChar('a' + i));
            QVERIFY(QDir::current().mkdir(folder) && QDir::setCurrent(folder));
        }
    ScriptedBoxes boxes;
    QCOMPARE(RunProgram(CurrentBook()), 1);
    QCOMPARE(boxes.texts(), QStringList{message});
}

void StartupTest::messagesNameTheFileAndSpeakPlainly_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message");
    QTest::newRow("column the book lacks")
        << "SELECT IsPrivate FROM Address"
        << "'Address.mdb' is not a Varnelle address book (no such column: IsPrivate).";
    QTest::newRow("table the book lacks")
        << "SELECT 1 FROM Notes" << "'Address.mdb' is not a Varnelle address book (no such table: Notes).";
    QTest::newRow("damage met on the way")
        << "SELECT count(Street) FROM Address NOT INDEXED"
        << "The database file 'Address.mdb' is damaged: some contacts may be missing or wrong. Choose File > Repair "
           "Database to save what can still be read.";
}

void StartupTest::messagesNameTheFileAndSpeakPlainly()
{
    QFETCH(QString, sql);
    QFETCH(QString, message);
    TempWorkDir dir;
    makeBook();
    ZeroPage(DatabaseFileName, LeafPage(DatabaseFileName, "Address", 1));
    CurrentBook().open(); // through its URI, which no message shows
    try {
        RunQuery(CurrentBook().database(), sql);
        QFAIL("the statement succeeded");
    } catch (const DatabaseError &error) {
        QCOMPARE(error.message(), message);
    }
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
