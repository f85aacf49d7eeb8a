// Salvage of a damaged book: every row a lookup by rowid still reads is saved.
#include "support/BookDamage.h"
#include "support/TestSupport.h"

#include "store/Database.h"
#include "store/repair/Salvage.h"

#include <QTest>

using namespace varnelle;
using namespace varnelle::test;

namespace {

enum Damage { FirstLeaf, MiddleLeaf, LastLeaf, OutOfOrder, CutShort };

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

void damage(const QString &fileName, const QString &table, Damage kind)
{
    const int leaves = LeafPageCount(fileName, table);
    switch (kind) {
    case FirstLeaf:
    case MiddleLeaf:
    case LastLeaf:
        ZeroPage(fileName,
                 LeafPage(fileName, table, kind == FirstLeaf ? 0 : kind == MiddleLeaf ? leaves / 2 : leaves - 1));
        break;
    case OutOfOrder:
        SwapPages(fileName, LeafPage(fileName, table, 1), LeafPage(fileName, table, leaves - 2));
        break;
    case CutShort:
        TruncateToPages(fileName, Rows(fileName, "PRAGMA page_count")[0][0].toInt() * 3 / 5);
        break;
    }
}

} // namespace

class SalvageTest : public QObject {
    Q_OBJECT
private slots:
    void savesEveryRowReadableByRowid_data();
    void savesEveryRowReadableByRowid();
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
        for (const QVariantList &row : readable)
            QVERIFY2(saved.contains(row), qPrintable(name + " " + row[0].toString()));
    }
}

QTEST_MAIN(SalvageTest)
#include "tst_salvage.moc"
