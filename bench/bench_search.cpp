// The search box on 100,000 contacts (50,000 in the view, two numbers each):
// the time from a keystroke to the updated list, for one to five letters and
// for four digits, against the floor of one plain SQLite query (LIKE over the
// same columns) returning the same contacts; the index, read on a thread of
// its own once the list is shown, as a first search typed at once after
// start-up waits for it; and the memory it adds. Then `varnelle --find` and
// `varnelle --query` as whole processes, in processor time of paired runs,
// against the sqlite3 shell running the LIKE query over both views. Last,
// the desktop's search: `varnelle --search-provider` answering GNOME Shell's
// question over the session bus.
//
// Run from the build directory: QT_QPA_PLATFORM=offscreen dbus-run-session ./bench/bench_search
#include "BenchBook.h"
#include "BenchSupport.h"
#include "store/AddressBook.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace varnelle;

namespace {

constexpr int Contacts = 100000;
constexpr int Rounds = 5;

// The searched columns of the book, as the search box searches them.
const QStringList Columns{"Title",  "FirstName", "LastName", "Company", "Street", "City",
                          "State",  "ZipCode",   "EMail",    "Spouse",  "Children"};

// The floor's condition: a word of a column starting with `text` (or, for
// digits, a number holding them).
QString floorCondition(const QString &text, bool digits, QVariantList &values)
{
    QString where;
    if (digits) {
        where = "EXISTS (SELECT 1 FROM TelephoneList n WHERE n.PersonID = a.PersonID AND "
                "replace(replace(replace(n.Number, '-', ''), ' ', ''), '.', '') LIKE ?)";
        values << "%" + text + "%";
    } else {
        QStringList terms;
        for (const QString &column : Columns) {
            terms << QString("a.%1 LIKE ? OR a.%1 LIKE ?").arg(column);
            values << text + "%" << "% " + text + "%";
        }
        where = "(" + terms.join(" OR ") + ")";
    }
    return where;
}

// The floor: contacts of the business view matching, read by one query.
int floorQuery(const QSqlDatabase &db, const QString &text, bool digits)
{
    QVariantList values;
    const QString where = floorCondition(text, digits, values);
    QSqlQuery q = RunQuery(db, "SELECT a.PersonID FROM Address a WHERE a.IsBusiness = 1 AND " + where, values);
    int rows = 0;
    while (q.next())
        ++rows;
    return rows;
}

} // namespace

int main(int argc, char **argv)
{
    RunHeadlessUnlessTold();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    BuildBenchBook(Contacts);

    // The first start on a book whose search keys were never kept: they are
    // made on the index's thread, and kept in the book for every later start.
    double madeMs = 0;
    {
        AddressBook book;
        MainWindow main(book);
        main.load();
        QElapsedTimer first;
        first.start();
        main.findChild<QLineEdit *>("searchBox")->setText("q");
        QCoreApplication::processEvents();
        madeMs = first.nsecsElapsed() / 1e6;
    }

    AddressBook book;
    MainWindow main(book);
    main.load();
    auto *box = main.findChild<QLineEdit *>("searchBox");
    auto *list = main.findChild<QListView *>("contactList");
    const int everyone = list->model()->rowCount();

    // A keystroke at once after start-up waits for the index being read.
    const long before = StatusKb("VmRSS:");
    QElapsedTimer first;
    first.start();
    box->setText("q");
    QCoreApplication::processEvents();
    const double firstMs = first.nsecsElapsed() / 1e6;
    const long added = StatusKb("VmRSS:") - before;
    box->clear();

    // A name of the book to type, letter by letter.
    const QString name = list->model()->index(everyone / 3, 0).data(Qt::DisplayRole).toString().left(5).toLower();
    QList<QPair<QString, bool>> typed;
    for (int length = 1; length <= 5; ++length)
        typed.append({name.left(length), false});
    typed.append({"1234", true});

    std::printf("%d contacts in the view of %d; a first search at once after start-up (waits for the index): "
                "%.1f ms with the keys kept in the book, %.1f ms on the first start that makes them; the index "
                "adds %.1f MB\n",
                everyone, Contacts, firstMs, madeMs, added / 1024.0);
    std::printf("%-8s %8s %12s %12s %7s\n", "typed", "matches", "keystroke", "LIKE floor", "ratio");
    bool same = true;
    for (const auto &[text, digits] : typed) {
        int shown = 0;
        const double keystroke = BestOfMs(
            Rounds,
            [&] {
                box->setText(text.chopped(1));
                QCoreApplication::processEvents();
                return true;
            },
            [&] {
                box->setText(text); // one more character typed
                QCoreApplication::processEvents();
                shown = list->model()->rowCount();
                return true;
            });
        int floorRows = 0;
        const double floor = BestOfMs(Rounds, [] { return true; }, [&] {
            floorRows = floorQuery(book.database(), text, digits);
            return true;
        });
        same = same && floorRows == shown;
        std::printf("%-8s %8d %9.1f ms %9.1f ms %7.2f%s\n", qPrintable(text), shown, keystroke, floor,
                    keystroke / floor, floorRows == shown ? "" : "  (the floor found another count)");
    }
    std::printf("peak memory (VmHWM): %.1f MB\n", PeakMemoryKb() / 1024.0);

    // The command line's look-ups, whole processes, beside the window holding
    // the book; the floor is the sqlite3 shell's LIKE over both views.
    const QString word = name.left(5);
    QVariantList values;
    QString like = floorCondition(word, false, values);
    for (const QVariant &value : values)
        like.replace(like.indexOf(u'?'), 1, "'" + value.toString() + "'");
    const QString floorSql = "SELECT a.LastName, a.FirstName, a.Company, a.EMail FROM Address a WHERE " + like;
    for (const char *command : {"--find", "--query"}) {
        std::vector<double> program, shell, ratios;
        for (int round = 0; round < Rounds; ++round) {
            const double p = ChildCpuMs(QStringLiteral(VARNELLE_PROGRAM), {command, word}, dir.path(),
                                        QStringLiteral("/dev/null"), 1);
            const double s = ChildCpuMs("sqlite3", {DatabaseFileName, floorSql}, dir.path());
            if (p < 0 || s < 0)
                return 1;
            program.push_back(p);
            shell.push_back(s);
            ratios.push_back(p / s);
        }
        std::printf("%-8s %-6s processor time: median %6.0f ms; sqlite3 LIKE %6.0f ms; ratio %.2f (%.2f-%.2f)\n",
                    command, qPrintable(word), Median(program), Median(shell), Median(ratios),
                    *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()));
    }

    // The desktop's search: the provider answering GNOME Shell's question over
    // the session bus (run under dbus-run-session when there is none), the
    // first question reading the book, the later ones from its memory.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::printf("desktop search: no session bus (run under dbus-run-session)\n");
    } else {
        QProcess provider;
        provider.setWorkingDirectory(dir.path());
        provider.start(QStringLiteral(VARNELLE_PROGRAM), {"--search-provider"});
        const QString service = "org.varnelle.Varnelle.SearchProvider";
        QElapsedTimer waited;
        waited.start();
        while (!bus.interface()->isServiceRegistered(service) && waited.elapsed() < 10000)
            QThread::msleep(10);
        QDBusInterface gnome(service, "/org/varnelle/Varnelle/SearchProvider", "org.gnome.Shell.SearchProvider2",
                             bus);
        const auto ask = [&](const QStringList &terms, int *found) {
            QElapsedTimer asked;
            asked.start();
            const QDBusReply<QStringList> ids = gnome.call("GetInitialResultSet", terms);
            const double ms = asked.nsecsElapsed() / 1e6;
            *found = ids.isValid() ? int(ids.value().size()) : -1;
            return ms;
        };
        int found = 0;
        const double firstAnswer = ask({name.left(3)}, &found);
        std::printf("desktop search at %d contacts: first answer (reads the book) %.1f ms\n", Contacts, firstAnswer);
        for (const QStringList &terms : {QStringList{name.left(1)}, QStringList{name.left(3)}, QStringList{name},
                                         QStringList{"1234"}, QStringList{name.left(2), "1"}}) {
            std::vector<double> times;
            for (int round = 0; round < Rounds; ++round)
                times.push_back(ask(terms, &found));
            std::printf("  %-12s %2d results: median %6.2f ms over D-Bus\n", qPrintable(terms.join(u' ')), found,
                        Median(times));
        }
        provider.kill();
        provider.waitForFinished();
    }
    QDir::setCurrent(QDir::tempPath());
    return same ? 0 : 1;
}
