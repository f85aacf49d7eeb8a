// File > Repair Database: mend in place, compact, replace atomically.
#include "support/TestSupport.h"

#include "app/Forms.h"
#include "app/Globals.h"
#include "app/MessageBox.h"
#include "data/Database.h"
#include "forms/main/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace varnelle;
using namespace varnelle::test;

namespace {

const char *const AllRows = "SELECT 'A', PersonID, IsBusiness, LastName, FirstName, Company, State FROM Address "
                            "UNION ALL SELECT 'T', TypeID, TelephoneType, NULL, NULL, NULL, NULL FROM TelephoneType "
                            "UNION ALL SELECT 'N', PersonID, TypeID, Number, NULL, NULL, NULL FROM TelephoneList "
                            "UNION ALL SELECT 'S', rowid, IsBusiness, NULL, NULL, NULL, NULL FROM Setup "
                            "ORDER BY 1, 2, 3";

frmMain &loadWithData()
{
    frmMain &main = Form<frmMain>();
    main.Load();
    RunQuery(gDatabase, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home'), ('Work')");
    for (int i = 0; i < 200; ++i)
        RunQuery(gDatabase, "INSERT INTO Address (IsBusiness, LastName, FirstName, Company, State) VALUES (?,?,?,?,?)",
                 {i % 2, QString("Last%1").arg(i), QString("First%1").arg(i), i % 3 ? QVariant("Acme") : QVariant(),
                  "NY"});
    RunQuery(gDatabase, "INSERT INTO TelephoneList SELECT PersonID, 1, '555-' || PersonID FROM Address");
    // Leave free pages behind so that compacting has something to do.
    RunQuery(gDatabase, "DELETE FROM Address WHERE PersonID > 150");
    return main;
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
};

void RepairTest::healthyRepairKeepsEveryRowAndLeavesNoCopy()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    frmMain &main = loadWithData();
    const QList<QVariantList> before = Rows(DatabaseFileName, AllRows);
    const qint64 sizeBefore = QFileInfo(DatabaseFileName).size();

    main.mnuRepair->trigger();

    QVERIFY2(boxes.messages.isEmpty(), qPrintable(boxes.texts().join("\n")));
    QCOMPARE(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"Address.mdb"});
    QCOMPARE(Rows(DatabaseFileName, AllRows), before);
    QVERIFY(QFileInfo(DatabaseFileName).size() < sizeBefore);
    // The schema came through the copy: keys are still assigned and checked.
    QVERIFY(gDatabase.isOpen());
    RunQuery(gDatabase, "INSERT INTO Address (IsBusiness) VALUES (1)");
    QCOMPARE(Rows(DatabaseFileName, "SELECT max(PersonID) FROM Address")[0][0].toInt(), 201);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, RunQuery(gDatabase, "INSERT INTO Address (State) VALUES ('ABC')"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError,
                             RunQuery(gDatabase, "INSERT INTO TelephoneType (TelephoneType) VALUES ('work')"));
}

void RepairTest::leftoverCopyFailsOnceAndTouchesNeitherFile()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    frmMain &main = loadWithData();
    writeFile(RepairFileName, "left over from an earlier repair");
    CloseMainDatabase();
    const QByteArray data = ReadAll(DatabaseFileName);
    OpenMainDatabase();

    main.mnuRepair->trigger();

    QCOMPARE(boxes.messages.size(), 1);
    QCOMPARE(boxes.messages[0].title, QString("Varnelle For Windows"));
    QCOMPARE(boxes.messages[0].style, int(MsgRefusal));
    QVERIFY2(boxes.messages[0].text.contains("_MDBFIX_.MDB"), qPrintable(boxes.messages[0].text));
    QCOMPARE(ReadAll(RepairFileName), QByteArray("left over from an earlier repair"));
    QVERIFY(gDatabase.isOpen());
    CloseMainDatabase();
    QCOMPARE(ReadAll(DatabaseFileName), data);
}

void RepairTest::damagedFileIsReportedThenReopenIsFatal()
{
    TempWorkDir dir;
    ScriptedBoxes boxes;
    CatchFatal fatal;
    frmMain &main = loadWithData();
    CloseMainDatabase();
    const QByteArray garbage = QByteArray("this is no longer a database\n").repeated(100);
    writeFile(DatabaseFileName, garbage);

    try {
        main.mnuRepair_Click();
        QFAIL("the reopen of a damaged file succeeded");
    } catch (const FatalExit &exit) {
        QVERIFY2(exit.text.contains("Address.mdb"), qPrintable(exit.text));
    }
    // The repair's own failure was shown once; the file was neither replaced nor emptied.
    QCOMPARE(boxes.messages.size(), 1);
    QVERIFY2(boxes.messages[0].text.contains("Address.mdb"), qPrintable(boxes.messages[0].text));
    QCOMPARE(ReadAll(DatabaseFileName), garbage);
    QVERIFY(!QFile::exists(RepairFileName));
}

QTEST_MAIN(RepairTest)
#include "tst_repair.moc"
