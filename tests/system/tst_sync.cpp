// Two-way CardDAV sync against a real Radicale server started on a free
// loopback port with a temporary storage folder and one htpasswd user.
#include "interchange/BookExport.h"
#include "store/AddressBook.h"
#include "store/Contacts.h"
#include "store/Database.h"
#include "store/DetailTables.h"
#include "store/SyncState.h"
#include "store/repair/Salvage.h"
#include "sync/BookSync.h"
#include "sync/DavClient.h"
#include "sync/DavXml.h"
#include "sync/Discovery.h"
#include "sync/SyncError.h"
#include "interchange/VCardSyntax.h"
#include "ui/contact/ContactDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/sync/SyncAccountsDialog.h"
#include "ui/sync/SyncActions.h"
#include "ui/sync/SyncPasswords.h"
#include "ui/widgets/MessageBox.h"
#include "support/Modal.h"
#include "support/TestSupport.h"
#include "support/UserActions.h"
#include "support/WriteBackPairs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <optional>

using namespace varnelle;

namespace {

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A Radicale server of its own for each test, user alice, one address book.
class Radicale {
public:
    explicit Radicale(bool tls = false) : mTls(tls)
    {
        mPort = freePort();
        QString tlsConfig;
        if (tls) { // a self-signed certificate, which no system trusts
            QProcess openssl;
            openssl.setStandardErrorFile(QProcess::nullDevice());
            openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                                      "/CN=127.0.0.1", "-keyout", mDir.filePath("key.pem"), "-out",
                                      mDir.filePath("cert.pem")});
            openssl.waitForFinished();
            tlsConfig = QString("ssl = True\ncertificate = %1\nkey = %2\n")
                            .arg(mDir.filePath("cert.pem"), mDir.filePath("key.pem"));
        }
        const QString books = mDir.filePath("store/collection-root/alice/contacts");
        QDir().mkpath(books);
        write(books + "/.Radicale.props", R"({"tag": "VADDRESSBOOK", "D:displayname": "Contacts"})");
        write(mDir.filePath("users"), "alice:secret\nbob:other\n");
        write(mDir.filePath("config"), QString("[server]\nhosts = 127.0.0.1:%1\n%4[auth]\ntype = htpasswd\n"
                                               "htpasswd_filename = %2\nhtpasswd_encryption = plain\n[storage]\n"
                                               "filesystem_folder = %3\n[rights]\ntype = authenticated\n"
                                               "[logging]\nlevel = critical\n")
                                           .arg(mPort)
                                           .arg(mDir.filePath("users"), mDir.filePath("store"), tlsConfig)
                                           .toUtf8());
        mProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        mProcess.start(QStandardPaths::findExecutable("radicale"), {"--config", mDir.filePath("config")});
        for (int i = 0; i < 100; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, quint16(mPort));
            if (socket.waitForConnected(100)) {
                mUp = true;
                break;
            }
            QThread::msleep(100);
        }
    }
    ~Radicale()
    {
        mProcess.terminate();
        mProcess.waitForFinished(5000);
    }
    bool isUp() const { return mUp; }
    QString url() const { return QString("%1://127.0.0.1:%2/").arg(mTls ? "https" : "http").arg(mPort); }
    QString bookUrl() const { return url() + "alice/contacts/"; }
    QString folder(const QString &book = "contacts") const
    {
        return mDir.filePath("store/collection-root/alice/" + book);
    }
    // Adds a second address book of alice's.
    void addBook(const QString &id, const QString &name)
    {
        QDir().mkpath(folder(id));
        write(folder(id) + "/.Radicale.props", QString(R"({"tag": "VADDRESSBOOK", "D:displayname": "%1"})")
                                                   .arg(name)
                                                   .toUtf8());
    }
    qsizetype count(const QString &book = "contacts") const
    {
        return QDir(folder(book)).entryList({"*.vcf"}, QDir::Files).size();
    }

    // The cards stored on the server, by file name.
    QMap<QString, QByteArray> cards() const
    {
        QMap<QString, QByteArray> out;
        for (const QString &name : QDir(folder()).entryList({"*.vcf"}, QDir::Files)) {
            QFile f(folder() + u'/' + name);
            f.open(QIODevice::ReadOnly);
            out.insert(name, f.readAll());
        }
        return out;
    }
    // The SHA-256 fingerprint of the server's certificate, "AB:CD:...", as openssl prints it.
    QString fingerprint() const
    {
        QProcess openssl;
        openssl.start("openssl", {"x509", "-in", mDir.filePath("cert.pem"), "-noout", "-fingerprint", "-sha256"});
        openssl.waitForFinished();
        return QString::fromLatin1(openssl.readAllStandardOutput()).section(u'=', 1).trimmed();
    }
    // Makes the address book anew and empty at the same address.
    void recreateBook()
    {
        QDir(folder()).removeRecursively();
        addBook("contacts", "Contacts");
    }
    // A card as another client reads it: a plain GET.
    QByteArray get(const QString &name) const
    {
        sync::DavClient client(QUrl(url()), "alice", "secret", false);
        const sync::DavResponse r = client.run({"GET", QUrl(bookUrl() + name), {}, {}});
        return r.status == 200 ? r.body : QByteArray();
    }
    // The address book's sync token of now.
    QString syncToken() const
    {
        sync::DavClient client(QUrl(url()), "alice", "secret", false);
        const sync::DavResponse r = client.run({"REPORT", QUrl(bookUrl()), sync::SyncCollectionBody({}),
                                                {{"Depth", "0"}, {"Content-Type", "application/xml"}}});
        return sync::ParseMultiStatus(r.body, r.url, "127.0.0.1").syncToken;
    }
    // Replaces the htpasswd users, which the server reads at each sign-in.
    void setUsers(const QByteArray &users) { write(mDir.filePath("users"), users); }
    // Changes the server as another client does, through HTTP.
    int request(const QByteArray &method, const QString &name, const QByteArray &card = {})
    {
        sync::DavClient client(QUrl(url()), "alice", "secret", false);
        return client.run({method, QUrl(bookUrl() + name), card, {{"Content-Type", "text/vcard"}}}).status;
    }

private:
    static void write(const QString &path, const QByteArray &text)
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }

    QTemporaryDir mDir;
    QProcess mProcess;
    bool mTls = false;
    int mPort = 0;
    bool mUp = false;
};

// A faulty server in Python on a free loopback port, one request at a time:
// "redirect URL" answers each with a 307 to URL; "trickle N SECONDS" with a
// 207 of N bytes, one byte every SECONDS; "unavailable N" the first N with a
// 503, the others with an empty 207.
class FaultyServer {
public:
    explicit FaultyServer(const QStringList &arguments)
    {
        static const char *const script = R"(
import socket, sys, time
s = socket.socket()
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(('127.0.0.1', 0))
s.listen(16)
print(s.getsockname()[1], flush=True)
served = 0
while True:
    c, _ = s.accept()
    try:
        c.settimeout(30)
        data = b''
        while b'\r\n\r\n' not in data:
            data += c.recv(65536)
        head, _, body = data.partition(b'\r\n\r\n')
        length = 0
        for line in head.split(b'\r\n'):
            if line.lower().startswith(b'content-length:'):
                length = int(line.split(b':')[1])
        while len(body) < length:
            body += c.recv(65536)
        served += 1
        if sys.argv[1] == 'unavailable':
            empty = b"<?xml version='1.0'?><multistatus xmlns='DAV:'/>"
            c.sendall(b'HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n'
                      if served <= int(sys.argv[2]) else
                      b'HTTP/1.1 207 Multi-Status\r\nContent-Length: %d\r\nConnection: close\r\n\r\n' % len(empty)
                      + empty)
        elif sys.argv[1] == 'redirect':
            c.sendall(b'HTTP/1.1 307 Temporary Redirect\r\nLocation: ' + sys.argv[2].encode()
                      + b'\r\nContent-Length: 0\r\nConnection: close\r\n\r\n')
        else:
            n = int(sys.argv[2])
            c.sendall(b'HTTP/1.1 207 Multi-Status\r\nContent-Length: %d\r\nConnection: close\r\n\r\n' % n)
            for i in range(n):
                time.sleep(float(sys.argv[3]))
                c.sendall(b' ')
    except Exception:
        pass
    c.close()
)";
        mProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        mProcess.start("python3", QStringList{"-c", script} + arguments);
        if (mProcess.waitForReadyRead(10000))
            mPort = mProcess.readLine().trimmed().toInt();
    }
    ~FaultyServer()
    {
        mProcess.kill();
        mProcess.waitForFinished();
    }
    QString bookUrl() const { return QString("http://127.0.0.1:%1/alice/contacts/").arg(mPort); }

private:
    QProcess mProcess;
    int mPort = 0;
};

// A book of its own with an account for its business view.
class Book {
public:
    Book(const Radicale &server, const QString &name = "Address.mdb") : mFile(mDir.filePath(name))
    {
        EnsureDatabase(mFile);
        db = OpenDatabase(mFile, "book-" + name + QString::number(quintptr(this)));
        account.serverUrl = server.url();
        account.userName = "alice";
        account.isBusiness = true;
        account.bookUrl = server.bookUrl();
        account.bookName = "Contacts";
        account.id = AddSyncAccount(db, account);
    }
    ~Book() { CloseDatabase(db); }

    sync::SyncSummary sync(const QString &password = "secret")
    {
        account = ReadSyncAccounts(db).first();
        return sync::SyncBook(db, mFile, account, password);
    }
    void add(const QString &first, const QString &last, const QString &email = {})
    {
        RunQuery(db, "INSERT INTO Address (IsBusiness, FirstName, LastName, EMail) VALUES (1, ?, ?, ?)",
                 {first, last, email.isEmpty() ? QVariant() : QVariant(email)});
    }
    QString value(const QString &column, const QString &lastName)
    {
        QSqlQuery q = RunQuery(db, QString("SELECT %1 FROM Address WHERE LastName = ?").arg(column), {lastName});
        return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
    }
    int count() { return scalar("SELECT count(*) FROM Address").toInt(); }
    QVariant scalar(const QString &sql)
    {
        QSqlQuery q = RunQuery(db, sql);
        return q.next() ? q.value(0) : QVariant();
    }
    QString dir() const { return mDir.path(); }
    QString file() const { return mFile; }

    QSqlDatabase db;
    SyncAccount account;

private:
    QTemporaryDir mDir;
    QString mFile;
};

QByteArray card(const QString &uid, const QString &first, const QString &last, const QByteArray &more = {})
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid.toUtf8() + "\r\nFN:" + (first + u' ' + last).toUtf8()
        + "\r\nN:" + (last + u';' + first).toUtf8() + ";;;\r\n" + more + "END:VCARD\r\n";
}

QString program() { return QStringLiteral(VARNELLE_PROGRAM); }

// A book opened as the program opens it, with one contact and an account of
// its business view with the server's book.
struct OpenBook {
    explicit OpenBook(const Radicale &server, bool withAccount = true) : book(dir.filePath("Address.mdb"))
    {
        EnsureDatabase(book.fileName());
        book.open();
        if (!withAccount)
            return;
        account.serverUrl = server.url();
        account.userName = "alice";
        account.isBusiness = true;
        account.bookUrl = server.bookUrl();
        account.bookName = "Contacts";
        account.id = AddSyncAccount(book.database(), account);
    }
    ~OpenBook() { book.close(); }
    void add(int count)
    {
        InTransaction(book.database(), [&] {
            for (int i = 0; i < count; ++i)
                RunQuery(book.database(), "INSERT INTO Address (IsBusiness, FirstName, LastName) VALUES (1, ?, ?)",
                         {QString("First%1").arg(i), QString("Last%1").arg(i)});
        });
    }
    int scalar(const QString &sql)
    {
        QSqlQuery q = RunQuery(book.database(), sql);
        return q.next() ? q.value(0).toInt() : -1;
    }

    QTemporaryDir dir;
    AddressBook book;
    SyncAccount account;
};

// Shows the accounts dialog and clicks the first account of its list.
void clickFirstAccount(SyncAccountsDialog &dialog)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *list = test::find<QListWidget>(dialog, "accountList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
}

// Runs File > Sync Now and answers its windows as a user does: once the
// progress dialog is up and the server holds cancelAt cards (never when 0),
// Cancel; every summary window is read and closed. Returns the summaries.
QStringList syncNow(QMenu &menu, QWidget &window, const Radicale &server, qsizetype cancelAt = 0,
                    qsizetype summariesWanted = 1)
{
    QStringList summaries;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *progress = window.findChild<QProgressDialog *>("syncProgress");
        if (cancelAt > 0 && progress && progress->isVisible() && server.count() >= cancelAt) {
            QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
            cancelAt = 0;
        }
        auto *summary = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (summary && summary->objectName() == "SyncSummaryDialog") {
            summaries << test::find<QPlainTextEdit>(*summary, "summaryText")->toPlainText();
            test::find<QDialogButtonBox>(*summary, QString())->button(QDialogButtonBox::Close)->click();
        }
    });
    watch.start();
    menu.findChild<QAction *>("syncNowAction")->trigger();
    // the sync runs on a thread of its own
    (void)QTest::qWaitFor([&] { return summaries.size() >= summariesWanted; }, 300000);
    return summaries;
}

// The password the passwords know, from memory or the keyring.
QString knownPassword(SyncPasswords &passwords, const QString &server, const QString &user)
{
    auto answer = std::make_shared<std::optional<QString>>();
    passwords.known(server, user, &passwords, [answer](const QString &password) { *answer = password; });
    (void)QTest::qWaitFor([&] { return answer->has_value(); }, 10000);
    return answer->value_or("<no answer>");
}

} // namespace

class SyncTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("radicale").isEmpty())
            QSKIP("radicale is not installed (scripts/install-deps.sh installs it)");
    }

    void firstSyncUpAndDown()
    {
        Radicale server;
        QVERIFY(server.isUp());
        Book book(server);
        book.add("Jane", "Doe", "jane@example.com");
        QCOMPARE(server.request("PUT", "john.vcf", card("john", "John", "Smith", "TEL;TYPE=CELL:0170 1\r\n")), 201);

        const sync::SyncSummary summary = book.sync();
        QCOMPARE(summary.cameIn, 1);
        QCOMPARE(summary.wentOut, 1);
        QCOMPARE(book.value("FirstName", "Smith"), "John");
        QCOMPARE(book.scalar("SELECT Number FROM TelephoneList l JOIN TelephoneType t USING (TypeID) "
                             "WHERE t.TelephoneType = 'Mobile'").toString(), "0170 1");
        QCOMPARE(server.cards().size(), 2);
        const QString uid = book.scalar("SELECT Uid FROM SyncContact WHERE PersonID = 1").toString();
        QVERIFY(!uid.isEmpty());
        QVERIFY(server.cards().value(uid + ".vcf").contains("UID:" + uid.toUtf8()));
        QVERIFY(server.cards().value(uid + ".vcf").contains("jane@example.com"));
        const QString exported = book.dir() + "/export.vcf";
        interchange::ExportContacts(book.db, exported, interchange::ExportFormat::VCard4, interchange::ExportScope::All);
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("UID:" + uid.toUtf8()));

        // Nothing changed: nothing moves, in a constant number of requests.
        const sync::SyncSummary again = book.sync();
        QCOMPARE(again.cameIn + again.wentOut + again.removedHere + again.removedThere, 0);
        QVERIFY(again.requests <= 3);
    }

    void mergeFieldByField()
    {
        Radicale server;
        Book book(server);
        book.add("Jane", "Doe", "jane@example.com");
        book.sync();
        const QString name = server.cards().firstKey();
        QByteArray text = server.cards().first();
        text.replace("jane@example.com", "jane@server.example");
        text.replace("END:VCARD", "ORG:Server Co\r\nEND:VCARD");
        QVERIFY(server.request("PUT", name, text) < 300);
        RunQuery(book.db, "UPDATE Address SET FirstName = 'Janet', Company = 'Book Co'");

        const sync::SyncSummary summary = book.sync();
        QCOMPARE(book.value("EMail", "Doe"), "jane@server.example"); // the server's change
        QCOMPARE(book.value("FirstName", "Doe"), "Janet");           // the book's change
        QCOMPARE(book.value("Company", "Doe"), "Book Co");           // both: the book's value wins
        QCOMPARE(summary.conflicts.size(), 1);
        QVERIFY(summary.conflicts.first().contains("Doe, Janet"));
        QVERIFY(summary.conflicts.first().contains("Server Co"));
        const QByteArray merged = server.cards().value(name);
        QVERIFY(merged.contains("jane@server.example"));
        QVERIFY(merged.contains("Janet"));
        QVERIFY(merged.contains("ORG:Book Co"));
    }

    void deletesBothWays()
    {
        Radicale server;
        Book book(server);
        book.add("Jane", "Doe");
        book.add("John", "Smith");
        book.add("Kept", "Changed");
        book.sync();
        QCOMPARE(server.cards().size(), 3);
        auto hrefOf = [&](const QString &last) {
            return book.scalar("SELECT Href FROM SyncContact s JOIN Address a USING (PersonID) WHERE a.LastName = '"
                               + last + "'").toString().section(u'/', -1);
        };
        const QString smith = hrefOf("Smith"), changed = hrefOf("Changed");
        RunQuery(book.db, "DELETE FROM Address WHERE LastName = 'Doe'");
        QCOMPARE(server.request("DELETE", smith), 200);
        // Deleted on the server, changed here: kept.
        QCOMPARE(server.request("DELETE", changed), 200);
        RunQuery(book.db, "UPDATE Address SET FirstName = 'Still' WHERE LastName = 'Changed'");

        const sync::SyncSummary summary = book.sync();
        QCOMPARE(summary.removedHere, 1);
        QCOMPARE(summary.removedThere, 1);
        QCOMPARE(book.count(), 1);
        QCOMPARE(book.value("FirstName", "Changed"), "Still");
        QCOMPARE(summary.notes.size(), 1);
        QCOMPARE(server.cards().size(), 1);
        QVERIFY(server.cards().first().contains("Still"));
    }

    void keepsWhatTheBookCannotHold()
    {
        Radicale server;
        Book book(server);
        const QByteArray extra = "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo=\r\nBDAY:1970-01-02\r\nNOTE:call after six\r\n"
                                 "EMAIL;TYPE=INTERNET,PREF:first@example.com\r\nEMAIL;TYPE=INTERNET:second@example.com\r\n"
                                 "X-CUSTOM:kept\r\n";
        QCOMPARE(server.request("PUT", "rich.vcf", card("rich", "Rich", "Card", extra)), 201);
        book.sync();
        QCOMPARE(book.value("EMail", "Card"), "first@example.com");
        RunQuery(book.db, "UPDATE Address SET EMail = 'new@example.com', City = 'Springfield'");
        QCOMPARE(book.sync().wentOut, 1);
        const QByteArray text = server.cards().value("rich.vcf");
        for (const char *kept : {"PHOTO", "iVBORw0KGgo=", "BDAY:1970-01-02", "NOTE:call after six",
                                 "second@example.com", "X-CUSTOM:kept", "new@example.com", "Springfield"})
            QVERIFY2(text.contains(kept), kept);
        QVERIFY(!text.contains("first@example.com"));
    }

    // Details merge part by part: the server's changes arrive, the book's go
    // up, and a long name kept whole travels whole.
    void detailsMergePartByPart()
    {
        Radicale server;
        Book book(server);
        const QByteArray extra = "BDAY:1970-01-02\r\nNOTE:old note\r\nEMAIL;TYPE=INTERNET,PREF:first@example.com\r\n"
                                 "EMAIL;TYPE=HOME:second@example.com\r\nX-CUSTOM:kept\r\n";
        QCOMPARE(server.request("PUT", "rich.vcf", card("rich", "Bartholomew-Alexander", "Card", extra)), 201);
        book.sync();
        const auto stored = [&] {
            Contact c = *ReadContactFields(book.db, book.scalar("SELECT PersonID FROM Address").toInt());
            c.personId = book.scalar("SELECT PersonID FROM Address").toInt();
            ReadContactDetails(book.db, c);
            return c;
        };
        Contact c = stored();
        QCOMPARE(c.firstName, "Bartholomew-Alexander");
        QCOMPARE(c.details.birthday.toIso(), "1970-01-02");
        QCOMPARE(c.details.emails.value(0).value, "second@example.com");

        QByteArray text = server.cards().value("rich.vcf");
        text.replace("BDAY:1970-01-02", "BDAY:1971-03-04");
        QVERIFY(server.request("PUT", "rich.vcf", text) < 300);
        c.details.note = "new note";
        WriteContactDetails(book.db, c);

        const sync::SyncSummary summary = book.sync();
        QCOMPARE(summary.conflicts, QStringList());
        QCOMPARE(stored().details.birthday.toIso(), "1971-03-04");
        QCOMPARE(stored().details.note, "new note");
        const QByteArray sent = server.cards().value("rich.vcf");
        for (const char *kept : {"NOTE:new note", "BDAY:1971-03-04", "second@example.com", "X-CUSTOM:kept",
                                 "Bartholomew-Alexander"})
            QVERIFY2(sent.contains(kept), sent.constData());
        QCOMPARE(book.sync().wentOut, 0);
    }

    void sqliteShellChangeSentUp()
    {
        if (QStandardPaths::findExecutable("sqlite3").isEmpty())
            QSKIP("no sqlite3 shell");
        Radicale server;
        Book book(server);
        book.add("Jane", "Doe");
        book.sync();
        QCOMPARE(QProcess::execute("sqlite3", {book.file(), "UPDATE Address SET Spouse = 'John' WHERE LastName = 'Doe'"}),
                 0);
        QCOMPARE(book.sync().wentOut, 1);
        QVERIFY(server.cards().first().contains("John"));
    }

    // A sync stopped after a PUT reached the server but before its answer
    // was stored: the next one finds the card there, merges and sends.
    void stoppedRightAfterAPut()
    {
        Radicale server;
        Book book(server);
        book.add("Jane", "Doe");
        book.sync();
        book.sync(); // the sync token now postdates the card
        RunQuery(book.db, "UPDATE SyncContact SET ETag = '', Card = ''");
        RunQuery(book.db, "UPDATE Address SET Spouse = 'John'");
        const sync::SyncSummary summary = book.sync();
        QCOMPARE(summary.notes, QStringList());
        QCOMPARE(summary.wentOut, 1);
        QCOMPARE(server.cards().size(), 1);
        QVERIFY(server.cards().first().contains("John"));
        QCOMPARE(book.scalar("SELECT count(*) FROM SyncContact WHERE ETag <> '' AND Card <> ''").toInt(), 1);
    }

    void thousandContactsAndAKilledSync()
    {
        Radicale server;
        Book book(server);
        QVERIFY(book.db.transaction());
        for (int i = 0; i < 1000; ++i)
            book.add(QString("First%1").arg(i), QString("Last%1").arg(i), QString("p%1@example.com").arg(i));
        QVERIFY(book.db.commit());
        CloseDatabase(book.db);

        // The command line's sync, killed once part of the cards are on the server.
        QProcess sync;
        sync.setWorkingDirectory(book.dir());
        sync.start(program(), {"--sync", "--password-command", "echo secret"});
        QVERIFY(sync.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(server.cards().size() >= 100 || sync.state() == QProcess::NotRunning, 60000);
        QVERIFY2(sync.state() == QProcess::Running, "the sync ended before it could be stopped halfway");
        sync.kill();
        sync.waitForFinished();
        QVERIFY(server.cards().size() < 1000);

        sync.start(program(), {"--sync", "--password-command", "echo secret"});
        QVERIFY(sync.waitForFinished(300000));
        QCOMPARE(sync.exitCode(), 0);
        book.db = OpenDatabase(book.file(), "reopened");
        QCOMPARE(book.count(), 1000);
        QCOMPARE(server.cards().size(), 1000);
        QCOMPARE(book.scalar("SELECT count(DISTINCT Uid) FROM SyncContact WHERE ETag <> ''").toInt(), 1000);

        // A second book gets all of them, once.
        Book other(server, "Other.mdb");
        QCOMPARE(other.sync().cameIn, 1000);
        QCOMPARE(other.count(), 1000);
        QCOMPARE(other.sync().cameIn, 0);
    }

    // The card sent back through a real server, as a second client reads it:
    // the server's card with exactly the book's changes. The server may
    // order and fold the lines its own way.
    void writeBackThroughServer_data() { test::WriteBackPairs(); }
    void writeBackThroughServer()
    {
        QFETCH(QByteArray, card);
        QFETCH(QStringList, changes);
        QFETCH(QByteArray, expected);
        Radicale server;
        Book book(server);
        QCOMPARE(server.request("PUT", "card.vcf", card), 201);
        QCOMPARE(book.sync().cameIn, 1);
        for (const QString &change : changes) {
            const QString name = change.section(u'=', 0, 0), value = change.section(u'=', 1);
            if (!name.startsWith(u'#')) {
                RunQuery(book.db, QString("UPDATE Address SET %1 = ?").arg(name), {value});
                continue;
            }
            RunQuery(book.db, "INSERT INTO TelephoneType (TelephoneType) SELECT ? WHERE NOT EXISTS "
                              "(SELECT 1 FROM TelephoneType WHERE TelephoneType = ?)", {name.mid(1), name.mid(1)});
            RunQuery(book.db, "DELETE FROM TelephoneList WHERE TypeID = (SELECT TypeID FROM TelephoneType WHERE "
                              "TelephoneType = ?)", {name.mid(1)});
            RunQuery(book.db, "INSERT INTO TelephoneList (PersonID, TypeID, Number) SELECT (SELECT PersonID FROM "
                              "Address), TypeID, ? FROM TelephoneType WHERE TelephoneType = ?", {value, name.mid(1)});
        }
        QCOMPARE(book.sync().wentOut, 1);
        // The lines as the server may write them again: names and parameters
        // in any letter case and order.
        const auto lines = [](const QByteArray &text) {
            QStringList out;
            for (const QString &line : interchange::UnfoldedLines(text)) {
                const qsizetype colon = interchange::NameEnd(QStringView(line));
                QStringList head = line.left(colon).toUpper().split(u';');
                std::sort(head.begin() + 1, head.end());
                out << head.join(u';') + line.mid(colon);
            }
            out.sort();
            return out;
        };
        QCOMPARE(lines(server.get("card.vcf")), lines(expected));
        const sync::SyncSummary idle = book.sync();
        QCOMPARE(idle.cameIn + idle.wentOut, 0);
    }

    // An address book emptied on the server, or made anew at its address,
    // is never followed without the user's word: the command line refuses
    // and names the options, the window asks.
    void emptiedServerBook_data()
    {
        QTest::addColumn<QString>("how"); // emptied, made anew, made anew before a second sync
        QTest::addColumn<QString>("answer"); // the command line's option, or the window's button
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("here");  // contacts in the book after
        QTest::addColumn<int>("there"); // cards on the server after
        QTest::newRow("emptied, command line refuses") << "emptied" << "" << 1 << 12 << 0;
        QTest::newRow("made anew, --accept-removal") << "anew" << "--accept-removal" << 0 << 0 << 0;
        QTest::newRow("made anew after one sync, --upload-all") << "anew at once" << "--upload-all" << 0 << 12 << 12;
        QTest::newRow("made anew after one sync, command line refuses") << "anew at once" << "" << 1 << 12 << 0;
        QTest::newRow("emptied, window: upload again") << "emptied" << "Save" << 0 << 12 << 12;
        QTest::newRow("made anew, window: remove here") << "anew" << "Discard" << 0 << 0 << 0;
        QTest::newRow("made anew after one sync, window: cancel") << "anew at once" << "Cancel" << 0 << 12 << 0;
    }
    void emptiedServerBook()
    {
        QFETCH(QString, how);
        QFETCH(QString, answer);
        QFETCH(int, status);
        QFETCH(int, here);
        QFETCH(int, there);
        Radicale server;
        OpenBook open(server);
        open.add(12);
        const auto syncOnce = [&] {
            return sync::SyncBook(open.book.database(), open.book.fileName(),
                                  ReadSyncAccounts(open.book.database()).first(), "secret");
        };
        QCOMPARE(syncOnce().wentOut, 12);
        if (how != "anew at once")
            syncOnce();
        if (how == "emptied")
            for (const QString &name : server.cards().keys())
                QCOMPARE(server.request("DELETE", name), 200);
        else
            server.recreateBook();
        QCOMPARE(server.count(), 0);

        if (answer.isEmpty() || answer.startsWith("--")) {
            QProcess run;
            run.setWorkingDirectory(open.dir.path());
            QStringList arguments{"--sync", "--password-command", "echo secret"};
            if (!answer.isEmpty())
                arguments << answer;
            run.start(program(), arguments);
            QVERIFY(run.waitForFinished(60000));
            const QString err = QString::fromUtf8(run.readAllStandardError());
            QCOMPARE(run.exitCode(), status);
            if (status == 1) {
                QVERIFY2(err.contains("The address book on 127.0.0.1 is now empty"), qPrintable(err));
                QVERIFY2(err.contains("--sync --accept-removal") && err.contains("--sync --upload-all"),
                         qPrintable(err));
            }
        } else {
            QWidget window;
            QMenu menu;
            AddSyncActions(&menu, open.book, &window);
            test::ScriptedBoxes boxes;
            boxes.answerInput(QString("secret"));
            boxes.answer(answer == "Save"      ? QMessageBox::Save
                         : answer == "Discard" ? QMessageBox::Discard
                                               : QMessageBox::Cancel);
            QStringList summaries;
            if (answer == "Cancel") {
                menu.findChild<QAction *>("syncNowAction")->trigger();
                QTRY_VERIFY_WITH_TIMEOUT(!boxes.messages.isEmpty(), 60000);
            } else {
                summaries = syncNow(menu, window, server);
            }
            QVERIFY(!boxes.messages.isEmpty());
            QCOMPARE(boxes.messages.first().text, "The address book on 127.0.0.1 is now empty. Remove all 12 "
                                                  "contacts here too, or upload them again?");
            QCOMPARE(summaries.size(), answer == "Cancel" ? 0 : 1);
        }
        QCOMPARE(open.scalar("SELECT count(*) FROM Address"), here);
        QCOMPARE(server.count(), qsizetype(there));
        if (status == 0 && answer != "Cancel") { // and the next sync is an idle one
            const sync::SyncSummary next = syncOnce();
            QCOMPARE(next.cameIn + next.wentOut + next.removedHere + next.removedThere, 0);
        }
    }

    // A change refused because the card changed (412), and the card then
    // found gone (404): deleted on the server, the contact changed here is
    // kept and sent as a new card, once.
    void refusedThenGone()
    {
        Radicale server;
        Book book(server);
        book.add("Jane", "Doe");
        book.sync();
        const QString name = server.cards().firstKey();
        QCOMPARE(server.request("DELETE", name), 200);
        // A token that no longer tells the deletion, as after a server's restore.
        StoreSyncToken(book.db, book.account.id, server.syncToken());
        RunQuery(book.db, "UPDATE Address SET FirstName = 'Janet'");
        const sync::SyncSummary summary = book.sync();
        QCOMPARE(summary.wentOut, 1);
        QCOMPARE(summary.notes.size(), 1);
        QVERIFY2(summary.notes.first().contains("deleted on the server but changed here"), qPrintable(summary.notes.first()));
        QCOMPARE(server.count(), 1);
        QVERIFY(server.cards().first().contains("Janet"));
        const sync::SyncSummary next = book.sync();
        QCOMPARE(next.wentOut + next.cameIn, 0);
        QCOMPARE(next.notes, QStringList());
    }

    // The same person added on both sides is linked, not doubled: before a
    // first sync and between syncs.
    void equalOnBothSides_data()
    {
        QTest::addColumn<bool>("firstSync");
        QTest::newRow("before a first sync") << true;
        QTest::newRow("between syncs") << false;
    }
    void equalOnBothSides()
    {
        QFETCH(bool, firstSync);
        Radicale server;
        Book book(server);
        if (!firstSync) {
            book.add("John", "Smith");
            book.sync();
        }
        book.add("Jane", "Doe", "jane@example.com");
        QCOMPARE(server.request("PUT", "jane.vcf", card("jane", "Jane", "Doe", "EMAIL;TYPE=INTERNET:JANE@example.com\r\n")),
                 201);
        QCOMPARE(book.sync().cameIn, 0);
        QCOMPARE(book.count(), firstSync ? 1 : 2);
        QCOMPARE(server.count(), firstSync ? 1 : 2);
        QCOMPARE(book.scalar("SELECT Href FROM SyncContact s JOIN Address a USING (PersonID) WHERE a.LastName = 'Doe'")
                     .toString()
                     .section(u'/', -1),
                 "jane.vcf");
        const sync::SyncSummary idle = book.sync();
        QCOMPARE(idle.cameIn + idle.wentOut, 0);
        QCOMPARE(server.count(), firstSync ? 1 : 2);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("status");
        QTest::newRow("wrong password") << QStringList{"--sync", "--password-command", "echo wrong"}
                                        << "refused the user name or password" << 1;
        QTest::newRow("server down") << QStringList{"--add-account", QString("http://127.0.0.1:%1/").arg(freePort()),
                                                    "--user", "alice", "--password-command", "echo secret"}
                                     << "cannot be reached" << 1;
        QTest::newRow("plain http elsewhere")
            << QStringList{"--add-account", "http://192.0.2.7/dav/", "--user", "alice", "--password-command",
                           "echo secret"}
            << "plain http" << 1;
        QTest::newRow("mistake") << QStringList{"--sync", "--view", "both"} << "--view takes" << 2;
        QTest::newRow("bare host:port answered in plain http")
            << QStringList{"--add-account", "HOSTPORT", "--user", "alice", "--password-command", "echo secret"}
            << "answers in plain http, not https. If it is meant to be reached so, give its address as http://" << 1;
        QTest::newRow("password command failing silently")
            << QStringList{"--sync", "--password-command", "exit 3"} << "failed: it ended with status 3" << 1;
        QTest::newRow("untrusted certificate")
            << QStringList{"--add-account", "SERVER", "--user", "alice", "--password-command", "echo secret"}
            << "is not trusted" << 1;
    }
    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFETCH(int, status);
        const bool tls = arguments.contains("SERVER");
        if (tls && QStandardPaths::findExecutable("openssl").isEmpty())
            QSKIP("no openssl to make a certificate");
        Radicale server(tls);
        Book book(server);
        QProcess run;
        run.setWorkingDirectory(book.dir());
        run.start(program(), arguments.replaceInStrings("SERVER", server.url())
                                 .replaceInStrings("HOSTPORT", QUrl(server.url()).authority()));
        QVERIFY(run.waitForFinished(60000));
        const QString err = QString::fromUtf8(run.readAllStandardError());
        QCOMPARE(run.exitCode(), status);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY2(!err.trimmed().endsWith(u':') && !err.contains(": ."), qPrintable(err)); // a reason is given
        if (status == 1)
            QVERIFY2(err.contains("127.0.0.1") || err.contains("192.0.2.7"), qPrintable(err));
    }

    // A change is never redirected to another server, and every request and
    // the whole sync end within their time, however slowly the server answers.
    void faultyServer_data()
    {
        QTest::addColumn<QStringList>("server");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("requestMs");
        QTest::addColumn<int>("deadlineMs"); // of all requests; 0 for none
        QTest::addColumn<QString>("message");
        QTest::newRow("change redirected elsewhere")
            << QStringList{"redirect", "ELSEWHERE"} << QByteArray("PUT") << 1 << 10000 << 0
            << "redirected a change to ELSEWHERE, another server";
        QTest::newRow("answer trickled") << QStringList{"trickle", "40", "0.1"} << QByteArray("REPORT") << 1 << 1000
                                         << 0 << "did not answer in time";
        QTest::newRow("sync past its time") << QStringList{"trickle", "3", "0.1"} << QByteArray("REPORT") << 20
                                            << 10000 << 1000 << "took too long and was stopped";
    }
    void faultyServer()
    {
        QFETCH(QStringList, server);
        QFETCH(QByteArray, method);
        QFETCH(int, requests);
        QFETCH(int, requestMs);
        QFETCH(int, deadlineMs);
        QFETCH(QString, message);
        if (QStandardPaths::findExecutable("python3").isEmpty())
            QSKIP("no python3 for the faulty server");
        QTcpServer elsewhere; // would get the redirected change
        QVERIFY(elsewhere.listen(QHostAddress::LocalHost));
        const QString elsewhereUrl = QString("http://127.0.0.1:%1/jane.vcf").arg(elsewhere.serverPort());
        FaultyServer faulty(server.replaceInStrings("ELSEWHERE", elsewhereUrl));
        sync::DavClient client(QUrl(faulty.bookUrl()), "alice", "secret", false);
        client.setRequestDeadline(requestMs);
        if (deadlineMs > 0)
            client.setDeadline(deadlineMs);
        const sync::DavRequest request{method, QUrl(faulty.bookUrl() + "jane.vcf"), card("jane", "Jane", "Doe"), {}};
        const std::vector<sync::DavRequest> batch(size_t(requests), request);
        QString error;
        try {
            client.runAll(batch, 1);
        } catch (const sync::SyncError &e) {
            error = e.message();
        }
        QVERIFY2(error.contains(message.replace("ELSEWHERE", elsewhereUrl)), qPrintable(error));
        QVERIFY(!elsewhere.waitForNewConnection(200));
    }

    // A book of cards with large photos comes in, in batches that keep each
    // response within the size limit.
    void largePhotos()
    {
        Radicale server;
        QByteArray bytes(900 * 1024, Qt::Uninitialized); // as little compressible as a real photo
        for (char &b : bytes)
            b = char(QRandomGenerator::global()->generate());
        const QByteArray photo = bytes.toBase64(); // 1.2 MB in the card
        for (int i = 0; i < 120; ++i) {
            QFile file(server.folder() + QString("/photo%1.vcf").arg(i));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(card(QString("photo%1").arg(i), QString("First%1").arg(i), QString("Last%1").arg(i),
                            "PHOTO;ENCODING=b;TYPE=JPEG:" + photo + "\r\n"));
        }
        Book book(server);
        QCOMPARE(book.sync().cameIn, 120);
        QCOMPARE(book.count(), 120);
    }

    // A self-signed certificate is trusted for one account once the user has
    // seen its fingerprint, on the command line and in the accounts window;
    // a changed certificate is refused again.
    void trustedCertificate_data()
    {
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("command line") << true;
        QTest::newRow("accounts window") << false;
    }
    void trustedCertificate()
    {
        QFETCH(bool, commandLine);
        if (QStandardPaths::findExecutable("openssl").isEmpty())
            QSKIP("no openssl to make a certificate");
        Radicale server(true);
        const QString fingerprint = server.fingerprint();
        QCOMPARE(fingerprint.size(), 95);
        OpenBook open(server, false);
        open.add(1);
        QProcess run;
        run.setWorkingDirectory(open.dir.path());
        const QStringList add{"--add-account", server.url(), "--user", "alice", "--password-command", "echo secret"};
        if (commandLine) {
            run.start(program(), add);
            QVERIFY(run.waitForFinished(60000));
            const QString err = QString::fromUtf8(run.readAllStandardError());
            QCOMPARE(run.exitCode(), 1);
            QVERIFY2(err.contains("--trust-certificate " + fingerprint), qPrintable(err));
            run.start(program(), add + QStringList{"--trust-certificate", fingerprint});
            QVERIFY(run.waitForFinished(60000));
            QCOMPARE(run.exitCode(), 0);
        } else {
            SyncPasswords passwords;
            test::ScriptedBoxes boxes;
            boxes.answer(QMessageBox::Yes);
            SyncAccountsDialog dialog(open.book, passwords, false);
            test::retype(dialog, "serverEdit", server.url());
            test::retype(dialog, "userEdit", "alice");
            test::retype(dialog, "passwordEdit", "secret");
            test::click(dialog, "findButton");
            QTRY_VERIFY_WITH_TIMEOUT(test::find<QPushButton>(dialog, "addButton")->isEnabled(), 30000);
            QCOMPARE(boxes.messages.size(), 1);
            QVERIFY2(boxes.messages.first().text.contains(fingerprint), qPrintable(boxes.messages.first().text));
            test::click(dialog, "addButton");
        }
        const QList<SyncAccount> accounts = ReadSyncAccounts(open.book.database());
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.first().trustedCertificate, QString(fingerprint).remove(u':'));
        run.start(program(), {"--sync", "--password-command", "echo secret"});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        QCOMPARE(server.count(), 1);

        Radicale renewed(true); // another certificate at the account's address
        RunQuery(open.book.database(), "UPDATE SyncAccount SET BookUrl = ?", {renewed.bookUrl()});
        run.start(program(), {"--sync", "--password-command", "echo secret"});
        QVERIFY(run.waitForFinished(60000));
        const QString err = QString::fromUtf8(run.readAllStandardError());
        QCOMPARE(run.exitCode(), 1);
        QVERIFY2(err.contains("is not trusted") && err.contains(renewed.fingerprint()), qPrintable(err));
    }

    // A server unavailable for a moment is asked once more after a pause; one
    // unavailable for longer is told as such, not as a refusal.
    void unavailableServer_data()
    {
        QTest::addColumn<int>("unavailable"); // requests answered 503
        QTest::addColumn<QString>("message"); // empty: the sync succeeds
        QTest::newRow("503 once") << 1 << QString();
        QTest::newRow("503 every time") << 4 << "The server 127.0.0.1 is unavailable (HTTP status 503); try again later.";
    }
    void unavailableServer()
    {
        QFETCH(int, unavailable);
        QFETCH(QString, message);
        if (QStandardPaths::findExecutable("python3").isEmpty())
            QSKIP("no python3 for the faulty server");
        Radicale server;
        Book book(server);
        FaultyServer faulty({"unavailable", QString::number(unavailable)});
        if (message.isEmpty()) { // the request itself is answered
            sync::DavClient client(QUrl(faulty.bookUrl()), "alice", "secret", false);
            QCOMPARE(client.run({"REPORT", QUrl(faulty.bookUrl()), sync::SyncCollectionBody({}), {}}).status, 207);
            QCOMPARE(client.requestCount(), 2);
            return;
        }
        RunQuery(book.db, "UPDATE SyncAccount SET BookUrl = ?", {faulty.bookUrl()});
        QString error;
        try {
            book.sync();
        } catch (const sync::SyncError &e) {
            error = e.message();
        }
        QCOMPARE(error, message);
    }

    void addAccountFindsTheBook()
    {
        Radicale server;
        QTemporaryDir dir;
        QProcess run;
        run.setWorkingDirectory(dir.path());
        run.start(program(), {"--add-account", server.url(), "--user", "alice", "--view", "personal"});
        run.write("secret\n");
        run.closeWriteChannel();
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        run.start(program(), {"--accounts"});
        QVERIFY(run.waitForFinished(60000));
        QVERIFY(QString::fromUtf8(run.readAllStandardOutput()).contains(server.bookUrl()));
    }

    // A password written in the server's address goes to the keyring (or is
    // refused without one) and never reaches the book or an output.
    void passwordInTheAddress_data()
    {
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("command line") << true;
        QTest::newRow("accounts dialog") << false;
    }
    void passwordInTheAddress()
    {
        QFETCH(bool, commandLine);
        const QByteArray secret = "TopSecret99";
        Radicale server;
        server.setUsers("alice:" + secret + "\n");
        const QString address = server.url().replace("://", "://alice:" + secret + "@");
        OpenBook open(server, false);
        const bool keyring = !qEnvironmentVariableIsEmpty("VARNELLE_TEST_KEYRING");
        QString output;
        if (commandLine) {
            QProcess run;
            run.setWorkingDirectory(open.dir.path());
            run.start(program(), {"--add-account", address});
            run.closeWriteChannel();
            QVERIFY(run.waitForFinished(60000));
            output = QString::fromUtf8(run.readAllStandardOutput() + run.readAllStandardError());
            QCOMPARE(run.exitCode(), keyring ? 0 : 1);
            if (!keyring)
                QVERIFY2(output.contains("holds a password, which Varnelle keeps only in the desktop's keyring"),
                         qPrintable(output));
            run.start(program(), {"--accounts"});
            QVERIFY(run.waitForFinished(60000));
            output += QString::fromUtf8(run.readAllStandardOutput());
        } else {
            SyncPasswords passwords;
            SyncAccountsDialog dialog(open.book, passwords, false);
            test::retype(dialog, "serverEdit", address);
            test::click(dialog, "findButton");
            QTRY_VERIFY(test::find<QPushButton>(dialog, "addButton")->isEnabled());
            test::click(dialog, "addButton");
            QCOMPARE(ReadSyncAccounts(open.book.database()).size(), 1);
            QCOMPARE(ReadSyncAccounts(open.book.database()).first().userName, "alice");
            QCOMPARE(knownPassword(passwords, "127.0.0.1", "alice"), QString::fromUtf8(secret));
            output = test::find<QLineEdit>(dialog, "serverEdit")->text();
        }
        QVERIFY2(!output.contains(secret), qPrintable(output));
        open.book.close();
        QVERIFY(!test::ReadAll(open.book.fileName()).contains(secret));
    }

    void salvageKeepsTheSyncState()
    {
        Radicale server;
        Book book(server);
        book.add("Jane", "Doe");
        book.sync();
        const QString copy = book.dir() + "/salvaged.mdb";
        SalvageInto(book.file(), copy);
        QSqlDatabase salvaged = OpenDatabase(copy, "salvaged");
        QCOMPARE(ReadSyncAccounts(salvaged).size(), 1);
        QCOMPARE(ReadSyncedContacts(salvaged, book.account.id).size(), size_t(1));
        CloseDatabase(salvaged);
    }

    void accountsDialogAndMenu()
    {
        Radicale server;
        QTemporaryDir dir;
        EnsureDatabase(dir.filePath("Address.mdb"));
        AddressBook book(dir.filePath("Address.mdb"));
        book.open();
        SyncPasswords passwords;
        SyncAccountsDialog dialog(book, passwords, false);
        dialog.findChild<QLineEdit *>("serverEdit")->setText(server.url());
        dialog.findChild<QLineEdit *>("userEdit")->setText("alice");
        dialog.findChild<QLineEdit *>("passwordEdit")->setText("secret");
        dialog.findChild<QPushButton *>("findButton")->click();
        QTRY_COMPARE(dialog.findChild<QComboBox *>("businessBookCombo")->currentText(), "Contacts");
        dialog.findChild<QPushButton *>("addButton")->click();
        const QList<SyncAccount> accounts = ReadSyncAccounts(book.database());
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.first().bookUrl, server.bookUrl());
        QVERIFY(accounts.first().isBusiness);

        QWidget window;
        QMenu menu;
        menu.addAction("E&xit");
        AddSyncActions(&menu, book, &window);
        QStringList texts;
        for (QAction *action : menu.actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"Sync &Accounts\u2026", "S&ync Now", "", "E&xit"}));
        book.close();
    }

    // A Sync Now cancelled halfway leaves a sound book: the next one finishes
    // the work with no duplicates on either side and tells what moved.
    void syncNowCancelledThenFinished()
    {
        constexpr int Contacts = 300;
        Radicale server;
        QVERIFY(server.isUp());
        OpenBook open(server);
        open.add(Contacts);
        QWidget window;
        QMenu menu;
        AddSyncActions(&menu, open.book, &window);
        test::ScriptedBoxes boxes;
        boxes.answerInput(QString("secret"));

        QStringList summaries = syncNow(menu, window, server, 20);
        QCOMPARE(summaries, QStringList{"The sync was cancelled."});
        QVERIFY(server.count() < Contacts);

        QCOMPARE(server.request("PUT", "john.vcf", card("john", "John", "Smith")), 201);
        summaries = syncNow(menu, window, server);
        QCOMPARE(summaries.size(), 1);
        QVERIFY2(QRegularExpression("^Business contacts with 'Contacts' on 127.0.0.1: 1 came in, [1-9][0-9]* went "
                                    "out, 0 removed here, 0 removed on the server.")
                     .match(summaries.first())
                     .hasMatch(),
                 qPrintable(summaries.first()));
        QCOMPARE(server.count(), Contacts + 1);
        QCOMPARE(open.scalar("SELECT count(*) FROM Address"), Contacts + 1);
        QCOMPARE(open.scalar("SELECT count(DISTINCT Uid) FROM SyncContact WHERE Card <> ''"), Contacts + 1);
        QCOMPARE(boxes.inputs.size(), 1); // the password is asked once a session
    }

    // A password the server refuses is asked for again, saying so, and the
    // sync runs again with the new one.
    void refusedPasswordAskedAgain()
    {
        Radicale server;
        OpenBook open(server);
        QWidget window;
        QMenu menu;
        AddSyncActions(&menu, open.book, &window);
        test::ScriptedBoxes boxes;
        boxes.answerInput(QString("wrong"));
        boxes.answerInput(QString("secret"));
        const QStringList summaries = syncNow(menu, window, server, 0, 2);
        QCOMPARE(summaries.size(), 2);
        QVERIFY2(summaries[0].contains("refused the user name or password"), qPrintable(summaries[0]));
        QVERIFY2(summaries[1].startsWith("Business contacts with"), qPrintable(summaries[1]));
        QCOMPARE(boxes.inputs.size(), 2);
        QVERIFY(boxes.inputs[1].text.startsWith("The server refused the password for alice."));
    }

    // With a Secret Service running, the password typed in the accounts
    // window goes to the keyring, a later session syncs without asking for
    // it, and neither the book nor the settings ever hold it.
    void keyringHoldsThePassword()
    {
        if (qEnvironmentVariableIsEmpty("VARNELLE_TEST_KEYRING"))
            QSKIP("run as tst_sync_keyring, with a keyring of its own (system/keyring/keyring.sh)");
        const QString secret = "Keyring-Only-7Qx";
        Radicale server;
        server.setUsers("alice:" + secret.toUtf8() + "\n");
        OpenBook open(server, false);
        open.add(1);
        test::ScriptedBoxes boxes;
        SyncPasswords passwords;
        {
            QWidget window;
            QMenu menu;
            AddSyncActions(&menu, open.book, &window);
            test::WhenShown<SyncAccountsDialog>([&](SyncAccountsDialog &dialog) {
                test::retype(dialog, "serverEdit", server.url());
                test::retype(dialog, "userEdit", "alice");
                test::retype(dialog, "passwordEdit", secret);
                test::click(dialog, "findButton");
                QTRY_VERIFY(test::find<QPushButton>(dialog, "addButton")->isEnabled());
                test::click(dialog, "addButton");
            });
            menu.findChild<QAction *>("syncAccountsAction")->trigger();
        }
        QCOMPARE(ReadSyncAccounts(open.book.database()).size(), 1);
        const auto inKeyring = [] {
            QProcess lookup;
            lookup.start("secret-tool", {"lookup", "server", "Varnelle CardDAV", "user", "alice@127.0.0.1"});
            lookup.waitForFinished(10000);
            return QString::fromUtf8(lookup.readAllStandardOutput()).trimmed();
        };
        QTRY_COMPARE(inKeyring(), secret);

        QWidget window; // a new session of the program
        QMenu menu;
        AddSyncActions(&menu, open.book, &window);
        const QStringList summaries = syncNow(menu, window, server);
        QCOMPARE(summaries.size(), 1);
        QVERIFY2(summaries.first().contains("1 went out"), qPrintable(summaries.first()));
        QCOMPARE(boxes.inputs.size(), 0);
        QSettings().sync();
        for (const QString &file : {open.book.fileName(), QSettings().fileName()})
            QVERIFY2(!test::ReadAll(file).contains(secret.toUtf8()), qPrintable(file));
        QVERIFY(QSettings().contains("sync/automatic")); // the settings were written

        // The account removed, its password leaves the keyring.
        SyncAccountsDialog dialog(open.book, passwords, false);
        clickFirstAccount(dialog);
        test::click(dialog, "removeButton");
        QCOMPARE(ReadSyncAccounts(open.book.database()).size(), 0);
        QTRY_COMPARE(inKeyring(), QString());
    }

    // The automatic sync falls due while the contact editor is open: nothing
    // of it runs inside the editor; once it is closed the sync runs and the
    // list shows the cards that came in.
    void automaticSyncWaitsForTheEditor()
    {
        Radicale server;
        OpenBook open(server);
        open.add(1);
        QCOMPARE(server.request("PUT", "john.vcf", card("john", "John", "Smith")), 201);
        QCOMPARE(server.request("PUT", "mary.vcf", card("mary", "Mary", "Major")), 201);
        QSettings().setValue("sync/automatic", true);
        test::ScriptedBoxes boxes;
        boxes.answerInput(QString("secret"));
        MainWindow window(open.book);
        QSettings().remove("sync/automatic");
        open.book.close();
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *list = test::find<QListView>(window, "contactList");
        QCOMPARE(list->model()->rowCount(), 1);
        auto *timer = window.findChild<QTimer *>("autoSyncTimer");
        QVERIFY(timer && timer->isActive());

        bool edited = false;
        test::WhenShown<ContactDialog>([&](ContactDialog &editor) {
            timer->start(1); // due now
            QTest::qWait(500);
            timer->setInterval(15 * 60 * 1000);
            edited = true;
            QCOMPARE(boxes.inputs.size(), 0); // no password asked,
            QVERIFY(!window.findChild<QProgressDialog *>("syncProgress")); // no sync shown,
            QCOMPARE(open.scalar("SELECT count(*) FROM Address"), 1);       // none run
            QCOMPARE(server.count(), 2);
            test::click(editor, "cancelButton");
        });
        list->setCurrentIndex(list->model()->index(0, 0));
        test::click(window, "editButton");
        QVERIFY(edited);
        QTRY_COMPARE_WITH_TIMEOUT(list->model()->rowCount(), 3, 30000);
        QCOMPARE(server.count(), 3);
        QCOMPARE(boxes.inputs.size(), 1);
    }

    // An automatic sync that fails tells the desktop once, through its
    // notification server (a small one on a bus of the test's own), and the
    // notice's action shows the summary.
    void failedAutomaticSyncIsNotified()
    {
        if (qEnvironmentVariableIsEmpty("VARNELLE_TEST_NOTICES"))
            QSKIP("run as tst_sync_notices, on a bus of its own with a notification server");
        QProcess notices;
        notices.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Debian's Python, which has the GObject bindings (python3-gi).
        const QString python = QFileInfo::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
        notices.start(python, {"-c", R"py(
import sys
from gi.repository import Gio, GLib
node = Gio.DBusNodeInfo.new_for_xml("""<node><interface name="org.freedesktop.Notifications">
<method name="Notify"><arg type="s" direction="in"/><arg type="u" direction="in"/><arg type="s" direction="in"/>
<arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="as" direction="in"/>
<arg type="a{sv}" direction="in"/><arg type="i" direction="in"/><arg type="u" direction="out"/></method>
<signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal></interface></node>""")
def call(bus, sender, path, interface, method, arguments, invocation):
    a = arguments.unpack()
    print("notice", a[3], "|", a[4].replace("\n", " "), "|", ",".join(a[5]), flush=True)
    invocation.return_value(GLib.Variant("(u)", (7,)))
    GLib.timeout_add(100, lambda: bus.emit_signal(None, path, interface, "ActionInvoked", GLib.Variant("(us)", (7, "summary"))) and False)
def connected(bus, name):
    bus.register_object("/org/freedesktop/Notifications", node.interfaces[0], call, None, None)
Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.Notifications", 0, connected,
                 lambda bus, name: print("ready", flush=True), lambda bus, name: sys.exit(1))
GLib.MainLoop().run()
)py"});
        QVERIFY(notices.waitForReadyRead(10000));
        QCOMPARE(notices.readLine().trimmed(), QByteArray("ready"));

        std::optional<Radicale> server(std::in_place);
        OpenBook open(*server);
        open.add(1);
        server.reset(); // stopped: the sync fails
        QSettings().setValue("sync/automatic", true);
        test::ScriptedBoxes boxes;
        boxes.answerInput(QString("secret"));
        MainWindow window(open.book);
        QSettings().remove("sync/automatic");
        open.book.close();
        window.load();
        auto *timer = window.findChild<QTimer *>("autoSyncTimer");
        QVERIFY(timer && timer->isActive());
        QString summary;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog && dialog->objectName() == "SyncSummaryDialog") {
                summary = test::find<QPlainTextEdit>(*dialog, "summaryText")->toPlainText();
                dialog->reject();
            }
        });
        watch.start(10);
        // Due now, once: at an interval of 1 ms a second failing sync could follow the first.
        timer->setSingleShot(true);
        timer->start(1);
        QTRY_VERIFY_WITH_TIMEOUT(!summary.isEmpty(), 60000);
        timer->stop();
        const QStringList sent = QString::fromUtf8(notices.readAll()).split('\n', Qt::SkipEmptyParts);
        notices.kill();
        notices.waitForFinished();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first(), "notice Sync needs attention | " + summary.replace('\n', ' ')
                                   + " | default,Show Summary,summary,Show Summary");
    }

    void editAccount_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("answer"); // to the question of starting over; 0 when none may come
        QTest::addColumn<bool>("kept");  // what the account knows of its syncs stays
        QTest::newRow("password") << "password" << 0 << true;
        QTest::newRow("user name") << "user" << 0 << true;
        QTest::newRow("address book") << "book" << int(QMessageBox::Yes) << false;
        QTest::newRow("address book, not agreed") << "book" << int(QMessageBox::No) << true;
        QTest::newRow("address book, a sync running") << "book, syncing" << int(QMessageBox::Yes) << true;
        QTest::newRow("server") << "server" << int(QMessageBox::Yes) << false;
    }
    void editAccount()
    {
        QFETCH(QString, change);
        QFETCH(int, answer);
        QFETCH(bool, kept);
        Radicale server;
        server.addBook("work", "Work");
        std::optional<Radicale> other;
        if (change == "server")
            other.emplace();
        OpenBook open(server);
        open.add(1);
        QCOMPARE(sync::SyncBook(open.book.database(), open.book.fileName(), open.account, "secret").wentOut, 1);
        const QString token = ReadSyncAccounts(open.book.database()).first().syncToken;

        SyncPasswords passwords;
        passwords.remember("127.0.0.1", "alice", "secret");
        test::ScriptedBoxes boxes;
        if (answer)
            boxes.answer(QMessageBox::StandardButton(answer));
        SyncAccountsDialog dialog(open.book, passwords, false);
        clickFirstAccount(dialog);
        test::click(dialog, "editButton");
        QCOMPARE(test::find<QLineEdit>(dialog, "passwordEdit")->text(), "secret");
        QString user = "alice", password = "secret", bookUrl = server.bookUrl();
        if (change == "password") {
            server.setUsers("alice:changed\n");
            test::retype(dialog, "passwordEdit", password = "changed");
        } else if (change == "user") {
            test::retype(dialog, "userEdit", user = "bob");
            test::retype(dialog, "passwordEdit", password = "other");
        } else if (change.startsWith("book")) {
            test::click(dialog, "findButton");
            QTRY_VERIFY(test::entries(dialog, "businessBookCombo").contains("Work"));
            test::chooseExisting(dialog, "businessBookCombo", "Work");
            bookUrl = server.url() + "alice/work/";
        } else {
            test::retype(dialog, "serverEdit", other->url());
            QCOMPARE(test::entries(dialog, "businessBookCombo"), QStringList{"(not synced)"});
            QVERIFY(!test::find<QPushButton>(dialog, "saveButton")->isEnabled()); // the book is found again first
            test::click(dialog, "findButton");
            QTRY_VERIFY(test::find<QPushButton>(dialog, "saveButton")->isEnabled());
            bookUrl = other->bookUrl();
        }
        const bool syncing = change.endsWith("syncing");
        {
            std::optional<sync::SyncLock> running;
            if (syncing)
                running.emplace(open.book.fileName());
            test::click(dialog, "saveButton");
        }

        QCOMPARE(boxes.messages.size(), (answer ? 1 : 0) + (syncing ? 1 : 0));
        if (answer)
            QVERIFY(boxes.messages.first().text.contains("the next sync starts over"));
        if (syncing)
            QVERIFY(boxes.messages.last().text.contains("Another sync of this address book is running"));
        const SyncAccount after = ReadSyncAccounts(open.book.database()).first();
        QCOMPARE(after.bookUrl, answer == QMessageBox::No || syncing ? server.bookUrl() : bookUrl);
        QCOMPARE(after.userName, user);
        QCOMPARE(ReadSyncedContacts(open.book.database(), after.id).size(), size_t(kept ? 1 : 0));
        QCOMPARE(after.syncToken, kept ? token : QString());
        QCOMPARE(test::find<QPushButton>(dialog, "saveButton")->isVisible(), answer == QMessageBox::No || syncing);
        if (answer == QMessageBox::No)
            return;
        QCOMPARE(knownPassword(passwords, "127.0.0.1", user), password);
        // Nothing moves when the account knows its book; starting over sends
        // the contact to the new one.
        const sync::SyncSummary next = sync::SyncBook(open.book.database(), open.book.fileName(), after, password);
        QCOMPARE(next.cameIn, 0);
        QCOMPARE(next.wentOut, kept ? 0 : 1);
    }
};

QTEST_MAIN(SyncTest)
#include "tst_sync.moc"
