// The disk failing under an import, an export and a repair from the command
// line, at each of their writes, fsyncs and renames in turn: the book stays
// sound and either unchanged or complete, and a failure is told in plain words.
#include "support/BookDamage.h"
#include "support/TestSupport.h"

#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cerrno>

using namespace varnelle;
using namespace varnelle::test;

namespace {

const char *const Contents = "SELECT PersonID, LastName FROM Address UNION ALL SELECT PersonID, Number FROM "
                             "TelephoneList ORDER BY 1, 2";

constexpr int Killed = 9; // the status of a run the shim killed

struct Run {
    int status = -1;
    QString said;
};

Run runProgram(const QString &folder, const QStringList &arguments, const QString &call, long at, int error)
{
    QProcess program;
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", VARNELLE_FAULT_SHIM);
    environment.insert("VARNELLE_FAULT_DIR", folder);
    environment.insert("VARNELLE_FAULT_CALL", call);
    environment.insert("VARNELLE_FAULT_AT", QString::number(at));
    environment.insert("VARNELLE_FAULT_ERRNO", QString::number(error));
    environment.insert("VARNELLE_FAULT_COUNT", QDir(folder).filePath("../calls"));
    program.setProcessEnvironment(environment);
    program.start(VARNELLE_PROGRAM, arguments);
    if (!program.waitForFinished(60000))
        return {};
    const QString said = QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
    return {program.exitStatus() == QProcess::CrashExit ? Killed : program.exitCode(), said};
}

void makeBook(const QString &fileName)
{
    EnsureDatabase(fileName);
    Exec(fileName, "INSERT INTO Setup VALUES (1)");
    Exec(fileName, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home')");
    Exec(fileName, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                   "INSERT INTO Address (IsBusiness, LastName, Street) "
                   "SELECT i % 2, 'Last' || i, 'A street long enough to fill pages ' || i FROM n");
    Exec(fileName, "INSERT INTO TelephoneList SELECT PersonID, 1, '555-' || PersonID FROM Address");
    Exec(fileName, "DELETE FROM Address WHERE PersonID % 3 = 0"); // free pages for the repair to drop
}

// After a killed run: the next repair (which removes the copy a killed repair
// left, and says so) leaves no file of the program's own beside the book.
void leavesNothingAfterTheNextRepair(const QString &folder, const QString &where)
{
    const bool leftover = QFile::exists(QDir(folder).filePath("_MDBFIX_.MDB"));
    const Run repaired = runProgram(folder, {"--repair"}, "none", 0, 0);
    QVERIFY2(repaired.status == 0, qPrintable(where + repaired.said));
    QCOMPARE(repaired.said.contains("An earlier repair was interrupted; the file '_MDBFIX_.MDB' it left was removed."),
             leftover);
    QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.removeAll("Address.mdb");
    left.removeAll("out.vcf");
    QVERIFY2(left.isEmpty(), qPrintable(where + " left: " + left.join(", ")));
}

bool isSound(const QString &fileName)
{
    return Rows(fileName, "PRAGMA integrity_check") == QList<QVariantList>{{"ok"}};
}

} // namespace

class FaultTest : public QObject {
    Q_OBJECT
private slots:
    void everyFailureOfTheDiskIsToldAndHarmless_data();
    void everyFailureOfTheDiskIsToldAndHarmless();
};

void FaultTest::everyFailureOfTheDiskIsToldAndHarmless_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("cause");
    for (const char *operation : {"import", "export", "repair"}) {
        QTest::addRow("%s, killed at a write", operation) << operation << "write" << 0 << QString();
        QTest::addRow("%s, killed at an fsync", operation) << operation << "fsync" << 0 << QString();
        QTest::addRow("%s, write: disk full", operation) << operation << "write" << ENOSPC << "the disk is full";
        QTest::addRow("%s, write: I/O error", operation) << operation << "write" << EIO << "the disk reported an error";
        QTest::addRow("%s, fsync", operation) << operation << "fsync" << EIO << "the disk reported an error";
    }
    // A summary that cannot be written after the import is in the book: told as that, never as a failed import.
    QTest::newRow("import and summary, write: disk full") << "import and summary" << "write" << ENOSPC
                                                          << "the disk is full";
    QTest::newRow("import and summary, write: I/O error") << "import and summary" << "write" << EIO
                                                          << "the disk reported an error";
    // The others write their files in place (SQLite) or link them into place (Qt's QSaveFile).
    QTest::newRow("repair, rename") << "repair" << "rename" << EIO << "the disk reported an error";
    QTest::newRow("repair, killed at the rename") << "repair" << "rename" << 0 << QString();
}

void FaultTest::everyFailureOfTheDiskIsToldAndHarmless()
{
    QFETCH(QString, operation);
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(QString, cause);
    TempWorkDir dir;
    QVERIFY(QDir(".").mkdir("pristine"));
    makeBook("pristine/Address.mdb");
    QFile card("card.vcf");
    QVERIFY(card.open(QIODevice::WriteOnly));
    card.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Newcomer;Ann;;;\r\nTEL;TYPE=HOME:555-0100\r\nEND:VCARD\r\n");
    card.close();
    const QString folder = dir.file("run");
    const QStringList arguments = operation == "import"   ? QStringList{"--import", dir.file("card.vcf")}
                                  : operation == "import and summary"
                                      ? QStringList{"--import", dir.file("card.vcf"), "--summary", "s.txt"}
                                  : operation == "export" ? QStringList{"--export", "out.vcf"}
                                                          : QStringList{"--repair"};
    const QList<QVariantList> before = Rows("pristine/Address.mdb", Contents);

    // Each call in turn, up to the last one a run without faults makes.
    long last = 1;
    for (long at = 0; at <= last; ++at) {
        QDir(folder).removeRecursively();
        QVERIFY(QDir(".").mkdir("run") && QFile::copy("pristine/Address.mdb", "run/Address.mdb"));
        const Run run = runProgram(folder, arguments, call, at, error);
        if (at == 0) {
            QFile counted(dir.file("calls"));
            QVERIFY(counted.open(QIODevice::ReadOnly));
            last = counted.readAll().trimmed().toLong();
            QVERIFY2(run.status == 0, qPrintable(run.said));
            qInfo("%s: %ld calls", qPrintable(call), last);
            continue;
        }
        const QString where = QString("%1 %2 of %3: %4").arg(call).arg(at).arg(last).arg(run.said);
        QVERIFY2(run.status == 0 || run.status == 1 || (error == 0 && run.status == Killed), qPrintable(where));
        QVERIFY2(isSound("run/Address.mdb"), qPrintable(where));
        const QList<QVariantList> after = Rows("run/Address.mdb", Contents);
        if (operation.startsWith("import")) {
            const bool added = after.size() == before.size() + 2;
            const bool summaryFailed = run.said.contains("The import succeeded, but its summary could not be written");
            QVERIFY2(run.status == 0 || summaryFailed ? added
                     : run.status == 1                ? after == before
                                                      : added || after == before,
                     qPrintable(where));
            if (summaryFailed)
                QVERIFY2(run.status == 1 && run.said.contains("'s.txt'"), qPrintable(where));
            if (operation == "import and summary" && run.status == 0) // written whole, never empty
                QVERIFY2(ReadAll("run/s.txt").startsWith("1 contact imported"), qPrintable(where));
        } else {
            QVERIFY2(after == before, qPrintable(where));
        }
        if (operation == "export" && run.status == 0)
            QVERIFY2(QFile("run/out.vcf").size() > 0, qPrintable(where));
        if (operation == "export" && run.status == 1)
            QVERIFY2(!QFile::exists("run/out.vcf"), qPrintable(where));
        if (run.status == Killed)
            leavesNothingAfterTheNextRepair(folder, where);
        if (run.status == 1) {
            QVERIFY2(!cause.isEmpty() && run.said.contains(cause), qPrintable(where));
            QVERIFY2(run.said.contains("Address.mdb") || run.said.contains("out.vcf")
                         || run.said.contains("_MDBFIX_.MDB") || run.said.contains("s.txt"),
                     qPrintable(where));
            for (const char *raw : {"disk I/O error", "readonly database", "database is locked", "Unknown error"})
                QVERIFY2(!run.said.contains(raw), qPrintable(where));
        }
    }
}

QTEST_MAIN(FaultTest)
#include "tst_faults.moc"
