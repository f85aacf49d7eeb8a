// Salvage of a damaged book: every row a lookup by rowid still reads is saved.
#include "support/BookDamage.h"
#include "support/TestSupport.h"

#include "store/Database.h"
#include "store/repair/Salvage.h"

#include <QTest>

#include <algorithm>

using namespace varnelle;
using namespace varnelle::test;

namespace {

enum Damage {
    FirstLeaf,
    MiddleLeaf,
    LastLeaf,
    OutOfOrder,
    CutShort,
    GarbageRoot,
    GarbageLeaf,
    GarbageCellsOfLastLeaf,
    ZeroedHeader
};

constexpr int Contacts = 2000;

void makeBook(const QString &fileName)
{
    EnsureDatabase(fileName);
    Exec(fileName, "INSERT INTO Setup VALUES (1)");
    Exec(fileName, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home'), ('Work')");
    Exec(fileName, QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO Address (IsBusiness, LastName, FirstName, Company, State) "
                           "SELECT i % 2, 'Last' || i, 'First' || i, 'A company of some size ' || i, 'NY' FROM n")
                       .arg(Contacts));
    Exec(fileName, "INSERT INTO TelephoneList SELECT PersonID, TypeID, '555-' || PersonID || TypeID "
                   "FROM Address, TelephoneType");
}

// Damages the book; returns how many rows of the table were on the pages destroyed.
int damage(const QString &fileName, const QString &table, Damage kind)
{
    const int leaves = LeafPageCount(fileName, table);
    int onPage = 0;
    switch (kind) {
    case FirstLeaf:
    case MiddleLeaf:
    case LastLeaf: {
        const int page = LeafPage(fileName, table, kind == FirstLeaf ? 0 : kind == MiddleLeaf ? leaves / 2 : leaves - 1);
        onPage = CellsOnPage(fileName, page);
        ZeroPage(fileName, page);
        break;
    }
    case OutOfOrder:
        SwapPages(fileName, LeafPage(fileName, table, 1), LeafPage(fileName, table, leaves - 2));
        break;
    case CutShort:
        TruncateToPages(fileName, Rows(fileName, "PRAGMA page_count")[0][0].toInt() * 3 / 5);
        break;
    case GarbageRoot:
        GarbagePage(fileName, RootPage(fileName, table));
        break;
    case GarbageLeaf:
        onPage = CellsOnPage(fileName, LeafPage(fileName, table, leaves / 2));
        GarbagePage(fileName, LeafPage(fileName, table, leaves / 2));
        break;
    case GarbageCellsOfLastLeaf:
        onPage = CellsOnPage(fileName, LeafPage(fileName, table, leaves - 1));
        GarbageCells(fileName, LeafPage(fileName, table, leaves - 1));
        break;
    case ZeroedHeader:
        ZeroHeader(fileName);
        break;
    }
    return onPage;
}

QString allRows(const QString &table) { return QString("SELECT rowid, * FROM [%1] ORDER BY rowid").arg(table); }

} // namespace

class SalvageTest : public QObject {
    Q_OBJECT
private slots:
    void savesEveryRowReadableByRowid_data();
    void savesEveryRowReadableByRowid();
    void savesTheRowsOfEveryLeafLeft_data();
    void savesTheRowsOfEveryLeafLeft();
    void remakesTheTypesOfNumbersWhoseTypeIsLost_data();
    void remakesTheTypesOfNumbersWhoseTypeIsLost();
};

void SalvageTest::savesEveryRowReadableByRowid_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("kind");
    for (const char *table : {"Address", "TelephoneList"}) {
        QTest::addRow("%s first leaf", table) << table << int(FirstLeaf);
        QTest::addRow("%s middle leaf", table) << table << int(MiddleLeaf);
        QTest::addRow("%s last leaf", table) << table << int(LastLeaf);
        QTest::addRow("%s rows out of order", table) << table << int(OutOfOrder);
    }
    QTest::newRow("Setup page") << "Setup" << int(FirstLeaf);
    QTest::newRow("file cut short") << QString() << int(CutShort);
    QTest::newRow("Address garbage leaf") << "Address" << int(GarbageLeaf);
}

void SalvageTest::savesEveryRowReadableByRowid()
{
    QFETCH(QString, table);
    QFETCH(int, kind);
    TempWorkDir dir;
    makeBook("book.mdb");
    damage("book.mdb", table, Damage(kind));

    SalvageReport report;
    try {
        report = SalvageInto("book.mdb", "copy.mdb");
    } catch (const DatabaseError &error) {
        QFAIL(qPrintable(error.message()));
    }

    for (const QString name : {"Setup", "TelephoneType", "TelephoneList", "Address"}) {
        const QList<QVariantList> readable = ReadableByRowid("book.mdb", name, 3 * Contacts);
        const QList<QVariantList> saved = Rows("copy.mdb", QString("SELECT rowid, * FROM [%1]").arg(name));
        qInfo("%s: %lld readable by rowid, %lld saved", qPrintable(name), qint64(readable.size()),
              qint64(saved.size()));
        QCOMPARE(report.of(name).saved, qint64(saved.size()));
        // The rows reported lost are the ones that are, or an unknown number.
        const qint64 made = name == "Address" ? Contacts : name == "TelephoneList" ? 2 * Contacts
                            : name == "TelephoneType"                           ? 2
                                                                                 : 1;
        QVERIFY2(report.of(name).lost == -1 || report.of(name).lost == made - saved.size(),
                 qPrintable(QString::number(report.of(name).lost)));
        for (const QVariantList &row : readable)
            QVERIFY2(saved.contains(row), qPrintable(name + " " + row[0].toString()));
    }
}

// Rows on leaf pages that no tree reaches any more, and books whose header
// SQLite refuses, are read from the pages themselves: every row of every leaf
// left is saved, at least as many as SQLite's shell recovers, none made up,
// and the rows reported lost are the ones that are.
void SalvageTest::savesTheRowsOfEveryLeafLeft_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("kind");
    QTest::newRow("Address root page garbage") << "Address" << int(GarbageRoot);
    QTest::newRow("TelephoneList root page garbage") << "TelephoneList" << int(GarbageRoot);
    QTest::newRow("Address leaf garbage") << "Address" << int(GarbageLeaf);
    QTest::newRow("TelephoneList leaf garbage") << "TelephoneList" << int(GarbageLeaf);
    QTest::newRow("Address middle leaf zeroed") << "Address" << int(MiddleLeaf);
    // Garbage rowids up to the billions: looked up one by one, they took minutes.
    QTest::newRow("Address last leaf's cells garbage") << "Address" << int(GarbageCellsOfLastLeaf);
    QTest::newRow("TelephoneList last leaf's cells garbage") << "TelephoneList" << int(GarbageCellsOfLastLeaf);
    QTest::newRow("header zeroed") << QString() << int(ZeroedHeader);
}

void SalvageTest::savesTheRowsOfEveryLeafLeft()
{
    QFETCH(QString, table);
    QFETCH(int, kind);
    TempWorkDir dir;
    makeBook("book.mdb");
    QHash<QString, QList<QVariantList>> original;
    for (const QString name : {"Setup", "TelephoneType", "TelephoneList", "Address"})
        original[name] = Rows("book.mdb", allRows(name));
    const int onPage = damage("book.mdb", table, Damage(kind));
    const QHash<QString, qint64> recovered = RowsTheShellRecovers("book.mdb");

    QList<int> told;
    SalvageReport report;
    try {
        report = SalvageInto("book.mdb", "copy.mdb", [&](int percent) { told << percent; });
    } catch (const DatabaseError &error) {
        QFAIL(qPrintable(error.message()));
    }

    QVERIFY(!told.isEmpty() && told.last() == 100 && std::is_sorted(told.begin(), told.end()));
    for (auto kept = original.begin(); kept != original.end(); ++kept) {
        const QList<QVariantList> saved = Rows("copy.mdb", allRows(kept.key()));
        const qint64 lost = kept.value().size() - saved.size();
        qInfo("%s: %lld saved, %lld recovered by the shell", qPrintable(kept.key()), qint64(saved.size()),
              recovered.value(kept.key(), -1));
        for (const QVariantList &row : saved)
            QVERIFY2(kept.value().contains(row), qPrintable(kept.key() + " " + row[0].toString()));
        QCOMPARE(lost, qint64(kept.key() == table ? onPage : 0));
        QCOMPARE(report.of(kept.key()).saved, qint64(saved.size()));
        QCOMPARE(report.of(kept.key()).lost, lost);
        QVERIFY(saved.size() >= recovered.value(kept.key()));
    }
}

void SalvageTest::remakesTheTypesOfNumbersWhoseTypeIsLost_data()
{
    QTest::addColumn<bool>("synced");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("named after their keys") << false << QStringList{"Type 1", "Type 2"};
    QTest::newRow("named as a synced card names the numbers") << true << QStringList{"Home", "Boat"};
}

void SalvageTest::remakesTheTypesOfNumbersWhoseTypeIsLost()
{
    QFETCH(bool, synced);
    QFETCH(QStringList, names);
    TempWorkDir dir;
    makeBook("book.mdb");
    if (synced) {
        Exec("book.mdb", "CREATE TABLE SyncAccount (AccountID INTEGER PRIMARY KEY AUTOINCREMENT, ServerUrl TEXT NOT "
                         "NULL, UserName TEXT NOT NULL, IsBusiness BOOLEAN NOT NULL, BookUrl TEXT NOT NULL, BookName "
                         "TEXT, Insecure BOOLEAN NOT NULL DEFAULT 0, SyncToken TEXT)");
        Exec("book.mdb", "CREATE TABLE SyncContact (AccountID INTEGER NOT NULL, PersonID INTEGER NOT NULL, Href "
                         "TEXT NOT NULL, ETag TEXT, Uid TEXT NOT NULL, Card TEXT, PRIMARY KEY (AccountID, PersonID))");
        Exec("book.mdb", "INSERT INTO SyncAccount (ServerUrl, UserName, IsBusiness, BookUrl) VALUES ('u', 'n', 0, 'b')");
        Exec("book.mdb", "INSERT INTO SyncContact VALUES (1, 1, '/1.vcf', 'e', 'uid-1', ?)",
             {"BEGIN:VCARD\r\nVERSION:3.0\r\nTEL;TYPE=HOME,VOICE:555-11\r\nitem1.TEL:555-12\r\n"
              "item1.X-ABLABEL:Boat\r\nEND:VCARD\r\n"});
    }
    ZeroPage("book.mdb", RootPage("book.mdb", "TelephoneType"));

    const SalvageReport report = SalvageInto("book.mdb", "copy.mdb");

    QCOMPARE(report.of("TelephoneType").remade, qint64(2));
    QCOMPARE(Rows("copy.mdb", "SELECT TypeID, TelephoneType FROM TelephoneType ORDER BY TypeID"),
             (QList<QVariantList>{{1, names[0]}, {2, names[1]}}));
    QCOMPARE(Rows("copy.mdb", "SELECT count(*) FROM TelephoneList NATURAL JOIN TelephoneType")[0][0].toInt(),
             2 * Contacts);
}

QTEST_MAIN(SalvageTest)
#include "tst_salvage.moc"
