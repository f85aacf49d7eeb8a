// The first sync of N contacts (2,000, or the first argument: 10,000 takes
// hours, as each PUT to Radicale reads its whole collection again) up to an
// empty Radicale address book and down into an empty book, on loopback, each
// against a floor: a plain HTTP client PUTting the same cards one request at
// a time, and listing them and fetching them by addressbook-multiget in
// batches of 100 one request at a time, without parsing. Target: at most 1.5
// times the floor. Then a later sync with 10 changes on each side, counted in
// HTTP requests. Target: at most 10 plus a small constant, never proportional
// to the book. And how soon a first sync up stops after Cancel: target
// within a second. Last, the upload against a client that PUTs one card at
// a time, in interleaved rounds of the same run.

#include "store/Database.h"
#include "store/SyncState.h"
#include "sync/BookSync.h"
#include "sync/CardValues.h"
#include "sync/DavClient.h"
#include "sync/DavXml.h"
#include "sync/SyncError.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>

using namespace varnelle;

namespace {


void writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
}

double ms(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int Contacts = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    const QString radicale = QStandardPaths::findExecutable("radicale");
    if (radicale.isEmpty()) {
        std::fprintf(stderr, "radicale is not installed\n");
        return 1;
    }
    QTemporaryDir dir;
    int port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    for (const char *book : {"synced", "floor", "cancelled"}) {
        QDir().mkpath(dir.filePath(QString("store/collection-root/bench/%1").arg(book)));
        writeFile(dir.filePath(QString("store/collection-root/bench/%1/.Radicale.props").arg(book)),
                  R"({"tag": "VADDRESSBOOK"})");
    }
    writeFile(dir.filePath("users"), "bench:bench\n");
    writeFile(dir.filePath("config"), QString("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = htpasswd\n"
                                              "htpasswd_filename = %2\nhtpasswd_encryption = plain\n[storage]\n"
                                              "filesystem_folder = %3\n[logging]\nlevel = warning\n")
                                          .arg(port)
                                          .arg(dir.filePath("users"), dir.filePath("store"))
                                          .toUtf8());
    QProcess server;
    server.start(radicale, {"--config", dir.filePath("config")});
    for (int i = 0; i < 100; ++i) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (socket.waitForConnected(100))
            break;
        QThread::msleep(100);
    }
    const QString base = QString("http://127.0.0.1:%1/bench/").arg(port);

    // The book to send.
    const QString upFile = dir.filePath("Up.mdb");
    EnsureDatabase(upFile);
    QSqlDatabase up = OpenDatabase(upFile, "up");
    up.transaction();
    for (int i = 0; i < Contacts; ++i)
        RunQuery(up, "INSERT INTO Address (IsBusiness, FirstName, LastName, Company, EMail, City) VALUES (1, ?, ?, ?, "
                     "?, ?)",
                 {QString("First%1").arg(i), QString("Last%1").arg(i), "Example Ltd", QString("p%1@example.com").arg(i),
                  "Springfield"});
    up.commit();
    SyncAccount account;
    account.serverUrl = base;
    account.userName = "bench";
    account.isBusiness = true;
    account.bookUrl = base + "synced/";
    account.id = AddSyncAccount(up, account);

    // Floor, up: the same kind of cards PUT one at a time.
    sync::DavClient plain(QUrl(base), "bench", "bench", false);
    QElapsedTimer t;
    t.start();
    QStringList floorPaths;
    for (int i = 0; i < Contacts; ++i) {
        sync::BookValues v = sync::BookValues::normalized(
            {"", QString("First%1").arg(i), QString("Last%1").arg(i), "Example Ltd", "", "", "Springfield", "",
             QString("p%1@example.com").arg(i), "", ""},
            {});
        const QString uid = QString("floor-%1").arg(i);
        floorPaths << "/bench/floor/" + uid + ".vcf";
        plain.run({"PUT", QUrl(base + "floor/" + uid + ".vcf"), sync::NewCard(v, true, uid),
                   {{"Content-Type", "text/vcard"}, {"If-None-Match", "*"}}});
    }
    const double floorUp = ms(t);

    t.restart();
    const sync::SyncSummary first = sync::SyncBook(up, upFile, ReadSyncAccounts(up).first(), "bench");
    const double syncUp = ms(t);

    // Floor, down: the list of the book's cards (the sync-collection REPORT
    // that any client needs to learn the hrefs), then multiget in batches
    // of 100, one request at a time.
    t.restart();
    qint64 bytes = plain.run({"REPORT", QUrl(base + "floor/"), sync::SyncCollectionBody({}),
                              {{"Depth", "0"}, {"Content-Type", "application/xml"}}})
                       .body.size();
    for (int i = 0; i < Contacts; i += 100)
        bytes += plain.run({"REPORT", QUrl(base + "floor/"), sync::MultigetBody(floorPaths.mid(i, 100)),
                            {{"Depth", "1"}, {"Content-Type", "application/xml"}}})
                     .body.size();
    const double floorDown = ms(t);

    const QString downFile = dir.filePath("Down.mdb");
    EnsureDatabase(downFile);
    QSqlDatabase down = OpenDatabase(downFile, "down");
    account.id = AddSyncAccount(down, account);
    t.restart();
    const sync::SyncSummary second = sync::SyncBook(down, downFile, ReadSyncAccounts(down).first(), "bench");
    const double syncDown = ms(t);

    // A later sync: 10 contacts changed in each book, the other's changes come in.
    for (int i = 0; i < 10; ++i) {
        RunQuery(up, "UPDATE Address SET City = 'Shelbyville' WHERE PersonID = ?", {i + 1});
        RunQuery(down, "UPDATE Address SET Company = 'Other Ltd' WHERE PersonID = ?", {i + 100});
    }
    sync::SyncBook(down, downFile, ReadSyncAccounts(down).first(), "bench");
    const sync::SyncSummary later = sync::SyncBook(up, upFile, ReadSyncAccounts(up).first(), "bench");

    // Cancel: a first sync up of another book to an empty address book,
    // cancelled two seconds in, while it sends; the time until it stops.
    const QString cancelFile = dir.filePath("Cancel.mdb");
    EnsureDatabase(cancelFile);
    QSqlDatabase cancel = OpenDatabase(cancelFile, "cancel");
    RunQuery(cancel, "ATTACH DATABASE ? AS up", {upFile});
    RunQuery(cancel, "INSERT INTO Address SELECT * FROM up.Address");
    RunQuery(cancel, "DETACH DATABASE up");
    account.bookUrl = base + "cancelled/";
    account.id = AddSyncAccount(cancel, account);
    constexpr qint64 CancelAfterMs = 2000;
    sync::SyncOptions cancelling;
    t.restart();
    cancelling.cancelled = [&t] { return t.elapsed() >= CancelAfterMs; };
    double stoppedAfter = -1;
    try {
        sync::SyncBook(cancel, cancelFile, ReadSyncAccounts(cancel).first(), "bench", cancelling);
    } catch (const sync::SyncError &) {
        stoppedAfter = ms(t) - double(CancelAfterMs);
    }
    CloseDatabase(cancel);

    // Upload against a client that PUTs one card at a time, interleaved in
    // rounds (one first, then the other) so that the machine's moods touch
    // both alike, each into an empty address book of its own. Target: at
    // most 1.1 times the one-at-a-time client.
    constexpr int Rounds = 3;
    const int roundContacts = std::min(Contacts, 500);
    QList<double> ratios;
    for (int round = 0; round < Rounds; ++round) {
        const QString synced = QString("round%1-sync").arg(round), single = QString("round%1-single").arg(round);
        for (const QString &book : {synced, single}) {
            QDir().mkpath(dir.filePath("store/collection-root/bench/" + book));
            writeFile(dir.filePath("store/collection-root/bench/" + book + "/.Radicale.props"),
                      R"({"tag": "VADDRESSBOOK"})");
        }
        const QString roundFile = dir.filePath(QString("Round%1.mdb").arg(round));
        EnsureDatabase(roundFile);
        QSqlDatabase roundBook = OpenDatabase(roundFile, QString("round%1").arg(round));
        RunQuery(roundBook, "ATTACH DATABASE ? AS up", {upFile});
        RunQuery(roundBook, "INSERT INTO Address SELECT * FROM up.Address WHERE PersonID <= ?", {roundContacts});
        RunQuery(roundBook, "DETACH DATABASE up");
        account.bookUrl = base + synced + u'/';
        account.id = AddSyncAccount(roundBook, account);
        double oneAtATime = 0, bySync = 0;
        const auto putEach = [&] {
            QElapsedTimer each;
            each.start();
            for (int i = 0; i < roundContacts; ++i) {
                const sync::BookValues v = sync::BookValues::normalized(
                    {"", QString("First%1").arg(i), QString("Last%1").arg(i), "Example Ltd", "", "", "Springfield",
                     "", QString("p%1@example.com").arg(i), "", ""},
                    {});
                const QString uid = QString("single-%1").arg(i);
                plain.run({"PUT", QUrl(base + single + u'/' + uid + ".vcf"), sync::NewCard(v, true, uid),
                           {{"Content-Type", "text/vcard"}, {"If-None-Match", "*"}}});
            }
            oneAtATime = ms(each);
        };
        const auto syncUpRound = [&] {
            QElapsedTimer each;
            each.start();
            sync::SyncBook(roundBook, roundFile, ReadSyncAccounts(roundBook).first(), "bench");
            bySync = ms(each);
        };
        if (round % 2 == 0) {
            putEach();
            syncUpRound();
        } else {
            syncUpRound();
            putEach();
        }
        CloseDatabase(roundBook);
        ratios << bySync / oneAtATime;
        std::printf("upload round %d, %d contacts: sync %8.0f ms, one card at a time %8.0f ms, %.2fx\n", round + 1,
                    roundContacts, bySync, oneAtATime, bySync / oneAtATime);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("upload against one card at a time: median %.2fx (target: at most 1.1x)\n", ratios[Rounds / 2]);

    std::printf("first sync up of %d contacts:   %8.0f ms (floor %8.0f ms, %.2fx; %d went out, %d requests)\n",
                Contacts, syncUp, floorUp, syncUp / floorUp, first.wentOut, first.requests);
    std::printf("first sync down of %d contacts: %8.0f ms (floor %8.0f ms, %.2fx; %d came in, %lld bytes)\n",
                Contacts, syncDown, floorDown, syncDown / floorDown, second.cameIn, bytes);
    std::printf("later sync, 10 changes each side: %d requests (%d came in, %d went out)\n", later.requests,
                later.cameIn, later.wentOut);
    std::printf("cancel while sending: stopped %.0f ms after Cancel (target: within a second)\n", stoppedAfter);
    CloseDatabase(up);
    CloseDatabase(down);
    server.terminate();
    server.waitForFinished();
    return 0;
}
