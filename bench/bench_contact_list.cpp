// Start-up of the main window with 100,000 contacts (50,000 in each view, two
// numbers each) against the floor: one plain query reading the same contacts
// with their first numbers in the same order. Prints both, their ratio and the
// process's peak memory. Then the program as a whole process, from launch to
// the first paint of the filled list and to the search box's index ready,
// against minimal_list, the smallest Qt program showing the same rows, in
// paired runs.
//
// Run from the build directory: QT_QPA_PLATFORM=offscreen ./bench/bench_contact_list
#include "BenchBook.h"
#include "BenchSupport.h"
#include "store/AddressBook.h"
#include "store/Database.h"
#include "store/repair/Health.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QListView>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include <unistd.h>

using namespace varnelle;

namespace {

constexpr int Contacts = 100000;
constexpr int Rounds = 5;

// The floor: the business view's contacts with their first numbers, read by
// one query on a connection of its own.
qint64 floorQuery(int &rows)
{
    QElapsedTimer timer;
    timer.start();
    QSqlDatabase db = OpenDatabase(DatabaseFileName, "bench-floor");
    {
        QSqlQuery q = RunQuery(db,
                               "SELECT a.PersonID, a.LastName, a.FirstName, "
                               "(SELECT n.Number FROM TelephoneList n WHERE n.PersonID = a.PersonID "
                               "ORDER BY n.TypeID LIMIT 1) "
                               "FROM Address a WHERE a.IsBusiness = 1 ORDER BY a.LastName, a.FirstName");
        std::vector<std::pair<int, QString>> read;
        while (q.next())
            read.emplace_back(q.value(0).toInt(), q.value(1).toString() + q.value(2).toString() + q.value(3).toString());
        rows = static_cast<int>(read.size());
    }
    CloseDatabase(db);
    return timer.nsecsElapsed();
}

qint64 startUp(int &rows)
{
    QElapsedTimer timer;
    timer.start();
    AddressBook book;
    MainWindow main(book);
    main.load();
    rows = main.findChild<QListView *>("contactList")->model()->rowCount();
    return timer.nsecsElapsed();
}

// The checks the start-up runs on the opened file (part of the start-up above):
// the damage check and the probe that the file can be changed.
qint64 startUpChecks()
{
    QSqlDatabase db = OpenDatabase(DatabaseFileName, "bench-checks");
    QElapsedTimer timer;
    timer.start();
    const bool sound = FindDamage(db).isEmpty();
    RequireWritable(db, DatabaseFileName);
    const qint64 elapsed = timer.nsecsElapsed();
    CloseDatabase(db);
    if (!sound)
        std::printf("the benchmark's book is damaged\n");
    return elapsed;
}

// The processor time a running process has used so far, in milliseconds.
double processCpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return (fields[11].toDouble() + fields[12].toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// A program started in the book's folder, offscreen, timed until each of
// the marks appears on its standard error; then ended. Wall and processor
// milliseconds for each mark; empty when a mark did not come within a minute.
std::vector<std::pair<double, double>> launchUntil(const QString &program, const QStringList &marks)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "varnelle.ui.info=true");
    process.setProcessEnvironment(env);
    std::vector<std::pair<double, double>> times;
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    QByteArray seen;
    while (times.size() < size_t(marks.size()) && timer.elapsed() < 60000) {
        process.waitForReadyRead(5);
        seen += process.readAllStandardError();
        if (seen.contains(marks[qsizetype(times.size())].toUtf8()))
            times.emplace_back(timer.nsecsElapsed() / 1e6, processCpuMs(process.processId()));
        if (process.state() == QProcess::NotRunning)
            break;
    }
    process.kill();
    process.waitForFinished();
    if (times.size() < size_t(marks.size()))
        times.clear();
    return times;
}

double median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2] / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    RunHeadlessUnlessTold();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;

    QElapsedTimer build;
    build.start();
    BuildBenchBook(Contacts);
    std::printf("built %d contacts in %.0f ms\n", Contacts, build.nsecsElapsed() / 1e6);

    std::vector<qint64> floorTimes, startTimes, checkTimes;
    int floorRows = 0, listRows = 0;
    floorQuery(floorRows); // warm the file cache
    for (int round = 0; round < Rounds; ++round) {
        floorTimes.push_back(floorQuery(floorRows));
        startTimes.push_back(startUp(listRows));
        checkTimes.push_back(startUpChecks());
    }
    if (floorRows != listRows) {
        std::printf("row counts differ: floor %d, list %d\n", floorRows, listRows);
        return 1;
    }
    const double a = median(startTimes);
    const double b = median(floorTimes);
    std::printf("(a) main window start-up, list of %d contacts filled: %.1f ms (median of %d)\n", listRows, a, Rounds);
    std::printf("(b) one plain query, same contacts and first numbers:  %.1f ms (median of %d)\n", b, Rounds);
    std::printf("ratio a/b: %.2f\n", a / b);
    std::printf("(c) of (a), the checks of the opened file (damage, writable): %.1f ms (median of %d)\n",
                median(checkTimes), Rounds);
    std::printf("peak memory (VmHWM): %.1f MB\n", PeakMemoryKb() / 1024.0);

    std::vector<double> drawnCpu, readyCpu, floorCpu, drawnWall, readyWall, floorWall;
    // A first start makes the search's keys and keeps them in the book; the
    // timed ones read them.
    launchUntil(VARNELLE_PROGRAM, {"search index ready"});
    for (int round = 0; round < Rounds; ++round) {
        const auto program = launchUntil(VARNELLE_PROGRAM, {"contact list drawn", "search index ready"});
        const auto floor = launchUntil(MINIMAL_LIST_PROGRAM, {"drawn"});
        if (program.empty() || floor.empty()) {
            std::printf("a program did not show its list\n");
            return 1;
        }
        drawnWall.push_back(program[0].first);
        drawnCpu.push_back(program[0].second);
        readyWall.push_back(program[1].first);
        readyCpu.push_back(program[1].second);
        floorWall.push_back(floor[0].first);
        floorCpu.push_back(floor[0].second);
    }
    std::printf("(d) varnelle, launch to the filled list drawn: %.0f ms wall, %.0f ms processor (medians of %d)\n",
                Median(drawnWall), Median(drawnCpu), Rounds);
    std::printf("(e) varnelle, launch to the search index ready: %.0f ms wall, %.0f ms processor\n", Median(readyWall),
                Median(readyCpu));
    std::printf("(f) minimal_list, launch to the same rows drawn: %.0f ms wall, %.0f ms processor\n",
                Median(floorWall), Median(floorCpu));
    std::printf("ratio d/f in processor time: %.2f (target at most 1.3); e/d: %.2f (target at most 1.1)\n",
                Median(drawnCpu) / Median(floorCpu), Median(readyCpu) / Median(drawnCpu));
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
