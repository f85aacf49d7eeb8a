// File > Repair Database on a book of 100,000 contacts (half business, two
// numbers each), as after a start-up that found it sound, against the floor:
// the sqlite3 shell's VACUUM INTO of the same file, process start included.
// Also the repair of the same book with one destroyed page, which salvages
// every readable row into a new book.
//
// Run from the build directory: ./bench/bench_repair
#include "store/Database.h"
#include "store/repair/Maintenance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <cstdio>
#include <functional>
#include <vector>

using namespace varnelle;

namespace {

constexpr int Contacts = 100000;
constexpr int Rounds = 9;
const char *const Master = "master.mdb";

void buildBook()
{
    EnsureDatabase(Master);
    QSqlDatabase db = OpenDatabase(Master, "bench-build");
    InTransaction(db, [&] {
        RunQuery(db, "INSERT INTO Setup (IsBusiness) VALUES (1)");
        RunQuery(db, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Work'), ('Home'), ('Fax')");
        // Names of 3 to 15 random letters, as varied as real ones for the indexes.
        RunQuery(db, QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                             "INSERT INTO Address (IsBusiness, Title, LastName, FirstName, Company, City, State) "
                             "SELECT i % 2 = 0, 'Mr', substr(hex(randomblob(8)), 1, 3 + abs(random()) % 13), "
                             "substr(hex(randomblob(5)), 1, 3 + abs(random()) % 8), 'Acme', 'Springfield', 'NY' FROM n")
                         .arg(Contacts));
        for (int type : {3, 2})
            RunQuery(db, QString("INSERT INTO TelephoneList (PersonID, TypeID, Number) "
                                 "SELECT PersonID, %1, printf('555-%06d-%1', PersonID) FROM Address")
                             .arg(type));
    });
    CloseDatabase(db);
}

void destroyOnePage(const QString &fileName)
{
    QSqlDatabase db = OpenDatabase(fileName, "bench-damage");
    int page = 0, size = 0;
    {
        QSqlQuery q = RunQuery(db, "SELECT pageno FROM dbstat WHERE name = 'Address' AND pagetype = 'leaf' "
                                   "ORDER BY pageno LIMIT 1 OFFSET 500");
        page = q.next() ? q.value(0).toInt() : 0;
        QSqlQuery s = RunQuery(db, "PRAGMA page_size");
        size = s.next() ? s.value(0).toInt() : 0;
    }
    CloseDatabase(db);
    QFile file(fileName);
    if (page > 0 && file.open(QIODevice::ReadWrite) && file.seek(qint64(page - 1) * size))
        file.write(QByteArray(size, '\0'));
}

// Random bytes over the cells of the last leaf of the contacts, its header and
// cell pointers kept: rowids in the billions, where a lookup of every rowid
// up to the highest took minutes.
void garbageOnLastLeaf(const QString &fileName)
{
    QSqlDatabase db = OpenDatabase(fileName, "bench-garbage");
    int page = 0, size = 0;
    {
        QSqlQuery q = RunQuery(db, "SELECT max(pageno) FROM dbstat WHERE name = 'Address' AND pagetype = 'leaf'");
        page = q.next() ? q.value(0).toInt() : 0;
        QSqlQuery s = RunQuery(db, "PRAGMA page_size");
        size = s.next() ? s.value(0).toInt() : 0;
    }
    CloseDatabase(db);
    QFile file(fileName);
    if (page <= 0 || !file.open(QIODevice::ReadWrite) || !file.seek(qint64(page - 1) * size))
        return;
    QByteArray bytes = file.read(size);
    const int cells = (uchar(bytes[3]) << 8) | uchar(bytes[4]);
    std::mt19937 random(7);
    for (qsizetype i = 8 + 2 * cells; i < bytes.size(); ++i)
        bytes[i] = char(random() & 0xff);
    file.seek(qint64(page - 1) * size);
    file.write(bytes);
}

// A fresh copy of the book as Address.mdb, then the timed step.
double timed(const std::function<void()> &prepare, const std::function<void()> &step)
{
    QFile::remove(DatabaseFileName);
    QFile::copy(Master, DatabaseFileName);
    prepare();
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    buildBook();
    std::printf("book: %d contacts, %lld bytes\n", Contacts, QFile(Master).size());

    std::vector<double> repair, vacuum, salvage, garbage;
    RepairResult salvaged, garbled;
    for (int round = 0; round < Rounds; ++round) {
        repair.push_back(timed([] {}, [] { RepairBook(DatabaseFileName); }));
        vacuum.push_back(timed([] { QFile::remove("vacuum.mdb"); }, [] {
            QProcess::execute("sqlite3", {DatabaseFileName, "VACUUM INTO 'vacuum.mdb'"});
        }));
        salvage.push_back(timed([] {
            QFile::remove(QString(DatabaseFileName) + ".damaged");
            destroyOnePage(DatabaseFileName);
        }, [&] { salvaged = RepairBook(DatabaseFileName); }));
        garbage.push_back(timed([] {
            QFile::remove(QString(DatabaseFileName) + ".damaged");
            garbageOnLastLeaf(DatabaseFileName);
        }, [&] { garbled = RepairBook(DatabaseFileName); }));
    }
    const double a = median(repair), b = median(vacuum);
    std::printf("(a) repair of a sound book (compaction reading every page, row counts, flush, rename): "
                "%.1f ms (median of %d)\n", a, Rounds);
    std::printf("(b) sqlite3 shell, VACUUM INTO of the same file: %.1f ms (median of %d)\n", b, Rounds);
    std::printf("ratio a/b: %.2f\n", a / b);
    const SalvagedTable &contacts = salvaged.report.of("Address");
    std::printf("(c) repair of the book with one destroyed page (salvage): %.1f ms (median of %d); "
                "%lld contacts saved, %lld lost\n",
                median(salvage), Rounds, contacts.saved, contacts.lost);
    std::printf("(d) repair of the book with garbage rowids on the last leaf of the contacts (salvage): %.1f ms "
                "(median of %d); %lld contacts saved, %lld lost\n",
                median(garbage), Rounds, garbled.report.of("Address").saved, garbled.report.of("Address").lost);
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
