// File > Repair Database: mend in place, compact, replace atomically.
#include "support/BookDamage.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"

#include "store/AddressBook.h"
#include "ui/widgets/MessageBox.h"
#include "ui/main/RepairCommand.h"
#include "store/Database.h"
#include "store/repair/Health.h"
#include "ui/main/MainWindow.h"
#include "app/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTest>
#include <QTextStream>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

using namespace varnelle;
using namespace varnelle::test;

namespace {

const char *const AllRows = "SELECT 'A', PersonID, IsBusiness, LastName, FirstName, Company, State FROM Address "
                            "UNION ALL SELECT 'T', TypeID, TelephoneType, NULL, NULL, NULL, NULL FROM TelephoneType "
                            "UNION ALL SELECT 'N', PersonID, TypeID, Number, NULL, NULL, NULL FROM TelephoneList "
                            "UNION ALL SELECT 'S', rowid, IsBusiness, NULL, NULL, NULL, NULL FROM Setup "
                            "ORDER BY 1, 2, 3";

MainWindow &loadWithData()
{
    MainWindow &main = CurrentMainWindow();
    main.load();
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home'), ('Work')");
    for (int i = 0; i < 200; ++i)
        RunQuery(
            CurrentBook().database(),
            "INSERT INTO Address (IsBusiness, LastName, FirstName, Company, State) VALUES (?,?,?,?,?)",
            {i % 2, QString("Last%1").arg(i), QString("First%1").arg(i), i % 3 ? QVariant("Acme") : QVariant(), "NY"});
    RunQuery(CurrentBook().database(), "INSERT INTO TelephoneList SELECT PersonID, 1, '555-' || PersonID FROM Address");
    // Leave free pages behind so that compacting has something to do.
    RunQuery(CurrentBook().database(), "DELETE FROM Address WHERE PersonID > 150");
    return main;
}

// A closed book of contacts over several pages, two types, a number each.
void makeBook(const QString &fileName = DatabaseFileName, int contacts = 400)
{
    EnsureDatabase(fileName);
    Exec(fileName, "INSERT INTO Setup VALUES (1)");
    Exec(fileName, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home'), ('Work')");
    Exec(fileName, QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO Address (IsBusiness, LastName, FirstName, Company, State) "
                           "SELECT i % 2, 'Last' || i, 'First' || i, 'A company of some size ' || i, 'NY' FROM n")
                       .arg(contacts));
    Exec(fileName, "INSERT INTO TelephoneList SELECT PersonID, 1 + PersonID % 2, '555-' || PersonID FROM Address");
}

// Destroys one page of the contacts' table; returns how many contacts were on it.
int destroyContactPage(const QString &fileName = DatabaseFileName)
{
    const int page = LeafPage(fileName, "Address", 2);
    const int cells = CellsOnPage(fileName, page);
    ZeroPage(fileName, page);
    return cells;
}

bool passesIntegrityCheck(const QString &fileName)
{
    return Rows(fileName, "PRAGMA integrity_check") == QList<QVariantList>{{"ok"}};
}

int fileMode(const QString &name)
{
    struct stat st {};
    return ::stat(QFile::encodeName(name).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class RepairTest : public QObject {
    Q_OBJECT
private slots:
    void healthyRepairKeepsEveryRowAndLeavesNoCopy();
    void leftoverCopyFailsOnceAndTouchesNeitherFile();
    void damagedFileIsReportedThenReopenIsFatal();
    void salvageKeepsEveryReadableRowAndReportsTheCounts_data();
    void salvageKeepsEveryReadableRowAndReportsTheCounts();
    void refusedRepairLeavesTheFileByteForByte_data();
    void refusedRepairLeavesTheFileByteForByte();
    void repairKeepsModeOwnerAndLink_data();
    void repairKeepsModeOwnerAndLink();
    void indexDamageMetInAnEditIsMendedByRepair_data();
    void indexDamageMetInAnEditIsMendedByRepair();
    void temporaryFilesOfAKilledRepairGoOnceTheirOwnerIsGone();
    void commandLineChecksAndRepairsWithoutAWindow_data();
    void commandLineChecksAndRepairsWithoutAWindow();
    void importsOfAnotherProgramDuringARepairAreKept();
    void windowMeetsABookHeldOrReplacedByAnotherProgram_data();
    void windowMeetsABookHeldOrReplacedByAnotherProgram();
    void bookNoticesWhatAnotherProgramDid_data();
    void bookNoticesWhatAnotherProgramDid();
    void bookOpenedDespiteItsDamageIsRepairedFromTheMenu_data();
    void bookOpenedDespiteItsDamageIsRepairedFromTheMenu();
};

void RepairTest::healthyRepairKeepsEveryRowAndLeavesNoCopy()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadWithData();
    const QList<QVariantList> before = Rows(DatabaseFileName, AllRows);
    const qint64 sizeBefore = QFileInfo(DatabaseFileName).size();

    find<QAction>(main, "repairAction")->trigger();

    QVERIFY2(boxes.messages.isEmpty(), qPrintable(boxes.texts().join("\n")));
    QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"Address.mdb"});
    QCOMPARE(Rows(DatabaseFileName, AllRows), before);
    QVERIFY(QFileInfo(DatabaseFileName).size() < sizeBefore);
    // The schema came through the copy: keys are still assigned and checked.
    QVERIFY(CurrentBook().database().isOpen());
    RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness) VALUES (1)");
    QCOMPARE(Rows(DatabaseFileName, "SELECT max(PersonID) FROM Address")[0][0].toInt(), 201);
    QVERIFY_THROWS_EXCEPTION(DatabaseError,
                             RunQuery(CurrentBook().database(), "INSERT INTO Address (State) VALUES ('ABC')"));
    QVERIFY_THROWS_EXCEPTION(
        DatabaseError, RunQuery(CurrentBook().database(), "INSERT INTO TelephoneType (TelephoneType) VALUES ('work')"));
}

void RepairTest::leftoverCopyFailsOnceAndTouchesNeitherFile()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadWithData();
    writeFile(RepairFileName, "left over from an earlier repair");
    QFile held(RepairFileName); // a repair at work holds its copy open
    QVERIFY(held.open(QIODevice::ReadOnly));
    CurrentBook().close();
    const QByteArray data = ReadAll(DatabaseFileName);
    CurrentBook().open();

    find<QAction>(main, "repairAction")->trigger();

    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].title, QString("Varnelle For Windows"));
    QCOMPARE(boxes.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes.messages[0].text,
             QString("The file '_MDBFIX_.MDB' already exists: an earlier repair was interrupted. 'Address.mdb' is "
                     "intact. Move '_MDBFIX_.MDB' away or delete it, then repair again."));
    QCOMPARE(ReadAll(RepairFileName), QByteArray("left over from an earlier repair"));
    QVERIFY(CurrentBook().database().isOpen());
    CurrentBook().close();
    QCOMPARE(ReadAll(DatabaseFileName), data);
}

void RepairTest::damagedFileIsReportedThenReopenIsFatal()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    MainWindow &main = loadWithData();
    CurrentBook().close();
    const QByteArray garbage = QByteArray("this is no longer a database\n").repeated(100);
    writeFile(DatabaseFileName, garbage);

    main.repairDatabase();
    // The reopen's failure ends the program, after its own message.
    QVERIFY(main.hasFailed());
    QVERIFY(!CurrentBook().isOpen());
    QCOMPARE(boxes.messages.size(), 2);
    QVERIFY2(boxes.messages[1].text.contains("Address.mdb"), qPrintable(boxes.messages[1].text));
    // The repair's own failure was shown once; the file was neither replaced nor emptied.
    QVERIFY2(boxes.messages[0].text.contains("Address.mdb"), qPrintable(boxes.messages[0].text));
    QCOMPARE(ReadAll(DatabaseFileName), garbage);
    QVERIFY(!QFile::exists(RepairFileName));
}

void RepairTest::salvageKeepsEveryReadableRowAndReportsTheCounts_data()
{
    QTest::addColumn<bool>("zeroed");
    QTest::newRow("page of zeros") << true;
    QTest::newRow("page whose cell pointers are scrambled") << false;
}

void RepairTest::salvageKeepsEveryReadableRowAndReportsTheCounts()
{
    QFETCH(bool, zeroed);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    makeBook();
    const QList<QVariantList> before = Rows(DatabaseFileName, AllRows);
    const int page = LeafPage(DatabaseFileName, "Address", 2);
    const int onPage = CellsOnPage(DatabaseFileName, page);
    zeroed ? ZeroPage(DatabaseFileName, page) : ScrambleCellPointers(DatabaseFileName, page, onPage / 2);
    const QByteArray damaged = ReadAll(DatabaseFileName);
    writeFile("Address.mdb.damaged", "kept from an earlier repair");
    MainWindow &main = CurrentMainWindow();
    main.load();
    QCOMPARE(boxes.messages.size(), 1); // the start-up's word on the damage

    find<QAction>(main, "repairAction")->trigger();

    // Only rows of the damaged page are missing: all of them when it is
    // destroyed, those its scrambled pointers hide when it is not.
    const QList<QVariantList> after = Rows(DatabaseFileName, AllRows);
    const int lost = int(before.size() - after.size());
    QVERIFY2(zeroed ? lost == onPage : lost > 0 && lost < onPage, qPrintable(QString::number(lost)));
    QCOMPARE(boxes.messages.size(), 2);
    QCOMPARE(boxes.messages[1].text,
             QString("The database file 'Address.mdb' was damaged. What could still be read is in the repaired file: "
                     "%1 contacts, 400 telephone numbers and 2 telephone types were saved. %2 contacts could not be "
                     "read. The damaged file is kept as 'Address.mdb.damaged.1'.")
                 .arg(400 - lost)
                 .arg(lost));
    QCOMPARE(ReadAll("Address.mdb.damaged.1"), damaged);
    QCOMPARE(ReadAll("Address.mdb.damaged"), QByteArray("kept from an earlier repair"));
    QVERIFY(!QFile::exists(RepairFileName));
    QVERIFY(passesIntegrityCheck(DatabaseFileName));
    // A complete book: the schema of a new one.
    EnsureDatabase("new.mdb");
    const QString schema = "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name";
    QCOMPARE(Rows(DatabaseFileName, schema), Rows("new.mdb", schema));
    // Every row saved is as it was, and the list shows the saved contacts of the view.
    for (const QVariantList &row : after)
        QVERIFY2(before.contains(row), qPrintable(row[0].toString() + row[1].toString()));
    QCOMPARE(find<QListView>(main, "contactList")->model()->rowCount(),
             Rows(DatabaseFileName, "SELECT count(*) FROM Address WHERE IsBusiness = 1")[0][0].toInt());
    // Keys go on after the highest ever given, and the program opens the file without a word.
    RunQuery(CurrentBook().database(), "INSERT INTO Address (IsBusiness) VALUES (1)");
    QCOMPARE(Rows(DatabaseFileName, "SELECT max(PersonID) FROM Address")[0][0].toInt(), 401);
    dir.restart();
    CurrentMainWindow().load();
    QCOMPARE(boxes.messages.size(), 2);
}

void RepairTest::refusedRepairLeavesTheFileByteForByte_data()
{
    QTest::addColumn<bool>("leftoverCopy");
    QTest::addColumn<QString>("message");
    QTest::newRow("leftover copy") << true << "The file '_MDBFIX_.MDB' already exists";
    QTest::newRow("book of another program")
        << false << "'Address.mdb' is not a Varnelle address book (no such column: State).";
}

void RepairTest::refusedRepairLeavesTheFileByteForByte()
{
    QFETCH(bool, leftoverCopy);
    QFETCH(QString, message);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    makeBook();
    QFile held(RepairFileName); // a repair at work holds its copy open
    if (leftoverCopy) {
        writeFile(RepairFileName, "left over");
        QVERIFY(held.open(QIODevice::ReadOnly));
    } else
        Exec(DatabaseFileName, "ALTER TABLE Address DROP COLUMN State");
    destroyContactPage();
    const QStringList files = QDir(".").entryList(QDir::Files);
    const QByteArray before = ReadAll(DatabaseFileName);

    FixDatabase(DatabaseFileName);

    QCOMPARE(boxes.messages.size(), 1);
    QVERIFY2(boxes.messages[0].text.startsWith(message), qPrintable(boxes.messages[0].text));
    QCOMPARE(ReadAll(DatabaseFileName), before);
    QCOMPARE(QDir(".").entryList(QDir::Files), files);
}

void RepairTest::repairKeepsModeOwnerAndLink_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("link");
    QTest::addColumn<int>("contacts");
    QTest::newRow("sound book") << false << false << 400;
    QTest::newRow("damaged book") << true << false << 400;
    QTest::newRow("sound book through a link") << false << true << 400;
    QTest::newRow("damaged book through a link") << true << true << 400;
    // Checked by its compaction, which meets the destroyed page.
    QTest::newRow("damaged book too large for the full check") << true << false << 40000;
}

void RepairTest::repairKeepsModeOwnerAndLink()
{
    QFETCH(bool, damaged);
    QFETCH(bool, link);
    QFETCH(int, contacts);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    const QString book = link ? "store/book.sqlite" : DatabaseFileName;
    QVERIFY(QDir(".").mkpath("store"));
    makeBook(book, contacts);
    if (link)
        QVERIFY(QFile::link(book, DatabaseFileName));
    if (damaged)
        destroyContactPage(book);
    QCOMPARE(::chmod(QFile::encodeName(book).constData(), 0600), 0);
    // Root may give the file to another user, and the repair keeps it that user's.
    const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
    QCOMPARE(::chown(QFile::encodeName(book).constData(), owner, gid_t(-1)), 0);

    FixDatabase(DatabaseFileName);

    QCOMPARE(boxes.messages.size(), damaged ? 1 : 0);
    if (damaged) { // the kept original is named where it can be found
        const QString kept = link ? QFileInfo(book + ".damaged").canonicalFilePath() : book + ".damaged";
        QVERIFY2(boxes.messages[0].text.endsWith(QString("kept as '%1'.").arg(kept)),
                 qPrintable(boxes.messages[0].text));
    }
    QCOMPARE(fileMode(book), 0600);
    QCOMPARE(QFileInfo(book).ownerId(), owner);
    QCOMPARE(QFileInfo(DatabaseFileName).isSymLink(), link);
    QCOMPARE(QFileInfo(DatabaseFileName).canonicalFilePath(), QFileInfo(book).canonicalFilePath());
    QVERIFY(passesIntegrityCheck(DatabaseFileName));
    QCOMPARE(QFile::exists(book + ".damaged"), damaged);
    QStringList left = QDir(".").entryList(QDir::Files | QDir::System) + QDir("store").entryList(QDir::Files);
    QVERIFY2(!left.contains(RepairFileName), qPrintable(left.join(", ")));
}

void RepairTest::indexDamageMetInAnEditIsMendedByRepair_data()
{
    QTest::addColumn<int>("contacts");
    QTest::newRow("small book") << 400;
    QTest::newRow("book too large for the full check at start-up") << 40000;
}

void RepairTest::indexDamageMetInAnEditIsMendedByRepair()
{
    QFETCH(int, contacts);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    makeBook(DatabaseFileName, contacts);
    MainWindow &main = CurrentMainWindow();
    main.load();
    CurrentBook().close();
    // The type index now names 'Abcd' where the table holds 'Home'.
    ReplaceOnPage(DatabaseFileName, LeafPage(DatabaseFileName, "sqlite_autoindex_TelephoneType_1"), "Home", "Abcd");
    CurrentBook().open();
    QCOMPARE(FindDamage(CurrentBook().database()).isEmpty(), contacts > 400); // the quick check does not see it
    const QString insert = "INSERT INTO TelephoneType (TelephoneType) VALUES ('Abcd')";
    try {
        RunQuery(CurrentBook().database(), insert);
        QFAIL("a value the damaged index holds was stored");
    } catch (const DatabaseError &error) {
        QCOMPARE(error.kind(), DatabaseError::Kind::Damaged);
        QCOMPARE(error.message(), QString("The change was not saved: an index of table 'TelephoneType' in the "
                                          "database file 'Address.mdb' is damaged. Choose File > Repair Database "
                                          "to mend it, then try again."));
    }

    find<QAction>(main, "repairAction")->trigger();

    QCOMPARE(boxes.messages.size(), 1);
    QVERIFY2(boxes.messages[0].text.contains("Nothing was lost."), qPrintable(boxes.messages[0].text));
    RunQuery(CurrentBook().database(), insert);
    QCOMPARE(Rows(DatabaseFileName, "SELECT TelephoneType FROM TelephoneType ORDER BY TypeID"),
             (QList<QVariantList>{{"Home"}, {"Work"}, {"Abcd"}}));
}

void RepairTest::temporaryFilesOfAKilledRepairGoOnceTheirOwnerIsGone()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    makeBook();
    for (const char *name : {"Address.mdb.new-Ab12Cd", "_MDBFIX_.MDB.new-Ef34Gh", "Address.mdb.new-Held00", RepairFileName})
        writeFile(name, "a half-made book");
    QFile held("Address.mdb.new-Held00"); // its owner is still at work on it
    QVERIFY(held.open(QIODevice::ReadOnly));

    FixDatabase(DatabaseFileName);

    // The copy of the killed repair goes, with a word; the sound book is compacted without one.
    QCOMPARE(boxes.texts(),
             QStringList{"An earlier repair was interrupted; the file '_MDBFIX_.MDB' it left was removed."});
    QCOMPARE(QDir(".").entryList(QDir::Files), (QStringList{"Address.mdb", "Address.mdb.new-Held00"}));
}

void RepairTest::commandLineChecksAndRepairsWithoutAWindow_data()
{
    QTest::addColumn<QString>("option");
    // sound, damaged (a page of contacts destroyed), cut short, header (zeroed), leftover (a copy of an
    // earlier repair beside it), held leftover (one a repair at work holds open), typeless (numbers whose
    // type is gone), index (two index leaves swapped in a book of over FullCheckPageLimit pages)
    QTest::addColumn<QString>("book");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines"); // the last lines printed; "*" ends a line's start
    QTest::newRow("check, sound") << "--check" << "sound" << 0
                                  << QStringList{"The database file 'Address.mdb' is sound."};
    QTest::newRow("check, damaged") << "--check" << "damaged" << 1 << QStringList();
    QTest::newRow("check, numbers without a type")
        << "--check" << "typeless" << 1 << QStringList{"  telephone numbers without a telephone type: 2"};
    QTest::newRow("check, index leaves swapped in a large book") << "--check" << "index" << 1 << QStringList();
    QTest::newRow("repair, sound") << "--repair" << "sound" << 0
                                   << QStringList{"The database file 'Address.mdb' was sound and has been compacted."};
    QTest::newRow("repair, damaged")
        << "--repair" << "damaged" << 0
        << QStringList{"The database file 'Address.mdb' was salvaged: Setup 1 saved, 0 lost; TelephoneType 2 saved, 0 "
                       "lost; TelephoneList 400 saved, 0 lost; Address %1 saved, %2 lost."};
    QTest::newRow("repair, numbers without a type")
        << "--repair" << "typeless" << 0
        << QStringList{"The database file 'Address.mdb' was salvaged: Setup 1 saved, 0 lost; TelephoneType 2 saved, 0 "
                       "lost; TelephoneList 400 saved, 0 lost; Address 400 saved, 0 lost."};
    QTest::newRow("repair, cut short") << "--repair" << "cut short" << 0
                                       << QStringList{"The database file 'Address.mdb' was salvaged: *"};
    QTest::newRow("repair, header zeroed")
        << "--repair" << "header" << 0
        << QStringList{"The database file 'Address.mdb' was salvaged: Setup 1 saved, 0 lost; TelephoneType 2 saved, 0 "
                       "lost; TelephoneList 400 saved, 0 lost; Address 400 saved, 0 lost."};
    QTest::newRow("repair, leftover copy")
        << "--repair" << "leftover" << 0
        << QStringList{"An earlier repair was interrupted; the file '_MDBFIX_.MDB' it left was removed.",
                       "The database file 'Address.mdb' was sound and has been compacted."};
    QTest::newRow("repair, leftover copy held open")
        << "--repair" << "held leftover" << 1
        << QStringList{"The file '_MDBFIX_.MDB' already exists: an earlier repair was interrupted. 'Address.mdb' is "
                       "intact. Move '_MDBFIX_.MDB' away or delete it, then repair again."};
}

void RepairTest::commandLineChecksAndRepairsWithoutAWindow()
{
    QFETCH(QString, option);
    QFETCH(QString, book);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    TempWorkDir dir;
    if (book == "index") {
        // Small pages make a book of many pages from few contacts.
        EnsureDatabase(DatabaseFileName);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "small pages");
            db.setDatabaseName(DatabaseFileName);
            QVERIFY(db.open());
            RunQuery(db, "PRAGMA page_size = 512");
            RunQuery(db, "VACUUM");
            db.close();
        }
        QSqlDatabase::removeDatabase("small pages");
        makeBook(DatabaseFileName, 6000);
        QVERIFY2(Rows(DatabaseFileName, "PRAGMA page_count")[0][0].toInt() > FullCheckPageLimit,
                 qPrintable(Rows(DatabaseFileName, "PRAGMA page_size")[0][0].toString()));
        const QString index = Rows(DatabaseFileName, "SELECT name FROM sqlite_master WHERE type = 'index' AND "
                                                     "tbl_name = 'Address' AND sql IS NOT NULL")[0][0].toString();
        SwapPages(DatabaseFileName, LeafPage(DatabaseFileName, index, 1),
                  LeafPage(DatabaseFileName, index, LeafPageCount(DatabaseFileName, index) - 2));
    } else {
        makeBook();
    }
    const int lost = book == "damaged" ? destroyContactPage() : 0;
    if (book == "cut short")
        TruncateToPages(DatabaseFileName, Rows(DatabaseFileName, "PRAGMA page_count")[0][0].toInt() * 3 / 5);
    if (book == "typeless")
        Exec(DatabaseFileName, "UPDATE TelephoneList SET TypeID = 7 WHERE PersonID <= 2");
    if (book == "header")
        ZeroHeader(DatabaseFileName);
    QFile held(RepairFileName);
    if (book.contains("leftover"))
        writeFile(RepairFileName, "left over");
    if (book == "held leftover")
        QVERIFY(held.open(QIODevice::ReadOnly));
    const QByteArray before = ReadAll(DatabaseFileName);
    QString printed, errors;
    QTextStream out(&printed), err(&errors);

    QCOMPARE(RunWithoutWindows(ParseCommandLine({"varnelle", option}), QDir().absoluteFilePath(DatabaseFileName), out,
                               err),
             status);

    out.flush();
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
    const QStringList printedLines = printed.trimmed().split('\n');
    if (option == "--check" && status == 1)
        QVERIFY2(printedLines.first() == DamagedBookError().message() && printedLines.size() > 1, qPrintable(printed));
    QVERIFY2(printedLines.size() >= lines.size(), qPrintable(printed));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = printedLines[printedLines.size() - lines.size() + i];
        const QString expected = lines[i].contains("%1") ? lines[i].arg(400 - lost).arg(lost) : lines[i];
        QVERIFY2(expected.endsWith('*') ? line.startsWith(expected.chopped(1)) : line == expected, qPrintable(printed));
    }
    const bool repaired = option == "--repair" && status == 0;
    const bool damaged = book == "damaged" || book == "cut short" || book == "header" || book == "index";
    QCOMPARE(passesIntegrityCheck(DatabaseFileName), repaired || !damaged);
    // A salvage keeps the damaged file as it was, byte for byte.
    QCOMPARE(QFile::exists("Address.mdb.damaged"), repaired && book != "sound" && !book.contains("leftover"));
    if (QFile::exists("Address.mdb.damaged"))
        QCOMPARE(ReadAll("Address.mdb.damaged"), before);
    QCOMPARE(QFile::exists(RepairFileName), book == "held leftover");
    if (repaired && book == "typeless")
        QCOMPARE(Rows(DatabaseFileName, "SELECT TelephoneType FROM TelephoneType WHERE TypeID = 7"),
                 QList<QVariantList>{{"Type 7"}});
}

void RepairTest::importsOfAnotherProgramDuringARepairAreKept()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    makeBook(DatabaseFileName, 40000);
    destroyContactPage(); // a salvage, which takes a while
    constexpr int Imports = 12;
    for (int i = 0; i < Imports; ++i)
        writeFile(QString("card%1.vcf").arg(i), QString("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Imported%1;Ann;;;\r\n"
                                                         "END:VCARD\r\n").arg(i).toUtf8());
    // Two other programs import one card after another while the repair runs; each line: card, status.
    QList<QProcess *> programs;
    for (int half = 0; half < 2; ++half) {
        auto *program = new QProcess(this);
        program->setWorkingDirectory(dir.path());
        program->start("sh", {"-c", QString("for i in $(seq %1 2 %2); do \"$0\" --import card$i.vcf >/dev/null 2>&1; "
                                            "echo $i $?; done").arg(half).arg(Imports - 1),
                              VARNELLE_PROGRAM});
        programs << program;
    }
    QTest::qWait(150);

    FixDatabase(DatabaseFileName);

    QStringList kept;
    for (QProcess *program : programs) {
        QVERIFY(program->state() == QProcess::NotRunning || program->waitForFinished(120000));
        for (const QByteArray &line : program->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() == 2 && fields[1] == "0")
                kept << "Imported" + QString::fromLatin1(fields[0]);
        }
        delete program;
    }
    QVERIFY(passesIntegrityCheck(DatabaseFileName));
    for (const QString &name : kept)
        QVERIFY2(Rows(DatabaseFileName, "SELECT count(*) FROM Address WHERE LastName = ?", {name})[0][0].toInt() == 1,
                 qPrintable(name + " was reported imported and is missing"));
    qInfo("%lld of %d imports reported success", qint64(kept.size()), Imports);
}

void RepairTest::windowMeetsABookHeldOrReplacedByAnotherProgram_data()
{
    QTest::addColumn<bool>("replaced"); // else held: another program is in the middle of a change
    QTest::newRow("held") << false;
    QTest::newRow("replaced by a repair") << true;
}

void RepairTest::bookNoticesWhatAnotherProgramDid_data()
{
    QTest::addColumn<QString>("change"); // none, an import, a repair
    QTest::addColumn<bool>("noticed");
    QTest::newRow("nothing") << "none" << false;
    QTest::newRow("contacts added") << "import" << true;
    QTest::newRow("file replaced") << "repair" << true;
}

void RepairTest::bookNoticesWhatAnotherProgramDid()
{
    QFETCH(QString, change);
    QFETCH(bool, noticed);
    TempWorkDir dir;
    makeBook();
    AddressBook book(DatabaseFileName);
    book.open();
    book.readSavedView();
    int announced = 0;
    connect(&book, &AddressBook::contactsChanged, this, [&] { ++announced; });
    if (change == "import")
        Exec(DatabaseFileName, "INSERT INTO Address (IsBusiness, LastName) VALUES (1, 'Newcomer')");
    if (change == "repair") {
        Exec(DatabaseFileName, "VACUUM INTO 'repaired.mdb'");
        Exec("repaired.mdb", "INSERT INTO Address (IsBusiness, LastName) VALUES (1, 'Newcomer')");
        QCOMPARE(std::rename("repaired.mdb", DatabaseFileName), 0);
    }

    QCOMPARE(book.refreshIfChanged(), noticed);

    QCOMPARE(announced, noticed ? 1 : 0);
    QSqlQuery count = RunQuery(book.database(), "SELECT count(*) FROM Address WHERE LastName = 'Newcomer'");
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), change == "none" ? 0 : 1); // read from the file now in the book's place
    count = QSqlQuery();
    QCOMPARE(book.refreshIfChanged(), false);
}

void RepairTest::windowMeetsABookHeldOrReplacedByAnotherProgram()
{
    QFETCH(bool, replaced);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    makeBook();
    MainWindow &main = CurrentMainWindow();
    main.load();
    const bool business = CurrentBook().isBusiness();
    QSqlDatabase other = OpenDatabase(DatabaseFileName, "other program");
    if (replaced) {
        RunQuery(other, "VACUUM INTO 'repaired.mdb'");
        QCOMPARE(std::rename("repaired.mdb", DatabaseFileName), 0); // in one step, as a repair does
    } else {
        RunQuery(other, "BEGIN EXCLUSIVE");
    }

    find<QPushButton>(main, "viewButton")->click();

    CloseDatabase(other);
    QVERIFY2(!main.hasFailed(), qPrintable(boxes.texts().join("\n")));
    QVERIFY(main.isVisible());
    if (replaced) {
        QVERIFY2(boxes.messages.isEmpty(), qPrintable(boxes.texts().join("\n")));
        QCOMPARE(Rows(DatabaseFileName, "SELECT IsBusiness FROM Setup")[0][0].toBool(), !business);
    } else {
        QCOMPARE(boxes.texts(), QStringList{"The database file 'Address.mdb' is in use by another program. Close "
                                            "that program and try again."});
        QCOMPARE(CurrentBook().isBusiness(), business);
    }
}

void RepairTest::bookOpenedDespiteItsDamageIsRepairedFromTheMenu_data()
{
    QTest::addColumn<bool>("cutShort");
    QTest::newRow("Setup page destroyed") << false;
    QTest::newRow("file cut short") << true;
}

void RepairTest::bookOpenedDespiteItsDamageIsRepairedFromTheMenu()
{
    QFETCH(bool, cutShort);
    TempWorkDir dir;
    ScriptedBoxes boxes;
    makeBook();
    if (cutShort)
        TruncateToPages(DatabaseFileName, Rows(DatabaseFileName, "PRAGMA page_count")[0][0].toInt() * 3 / 5);
    else
        ZeroPage(DatabaseFileName, LeafPage(DatabaseFileName, "Setup"));
    MainWindow &main = CurrentMainWindow();
    main.load();
    QCOMPARE(boxes.messages.size(), 1);
    QVERIFY(!main.hasFailed());

    find<QAction>(main, "repairAction")->trigger();

    QCOMPARE(boxes.messages.size(), 2);
    QVERIFY2(boxes.messages[1].text.startsWith("The database file 'Address.mdb' was damaged."),
             qPrintable(boxes.messages[1].text));
    QVERIFY(passesIntegrityCheck(DatabaseFileName));
    QVERIFY(!main.hasFailed());
    QVERIFY(CurrentBook().isOpen());
    QCOMPARE(Rows(DatabaseFileName, "SELECT count(*) FROM Address")[0][0].toInt() == 400, !cutShort);
}

QTEST_MAIN(RepairTest)
#include "tst_repair.moc"
