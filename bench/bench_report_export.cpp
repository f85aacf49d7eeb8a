// Times the report engine's comma-separated export of the business address
// list over 100,000 contacts (two numbers each, half of them business) against
// the sqlite3 shell exporting the same rows and columns as CSV, and the text
// rendering of the same report. Target: the engine within twice the shell's time.
//
// Then the Detail Report to PDF as a user runs it from the command line,
// `varnelle --report detail --view business --to detail.pdf`, a whole process,
// against the sqlite3 shell reading the rows the report prints (cards and
// numbers, in the report's order), in pages per CPU second: five paired runs,
// the ranges and the median of the ratios. Target: at most 0.4 ms CPU a page.

#include "BenchSupport.h"
#include "reports/ReportEngine.h"
#include "store/Database.h"

#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int contacts = 100000;
constexpr int rounds = 3;

bool run(QSqlQuery &query, const QString &sql)
{
    if (query.exec(sql))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(query.lastError().text()));
    return false;
}

// The contacts in a new file, or, with `ownSchema` false, in a book the program has made.
bool createDatabase(const QString &path, int count = contacts, bool ownSchema = true)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(path);
        if (!db.open())
            return false;
        QSqlQuery q(db);
        ok = !ownSchema
            || (run(q, "CREATE TABLE Address (PersonID INTEGER PRIMARY KEY AUTOINCREMENT, IsBusiness BOOLEAN,"
                    " Title TEXT(12) COLLATE NOCASE, FirstName TEXT(15) COLLATE NOCASE, LastName TEXT(25) COLLATE NOCASE,"
                    " Company TEXT(30) COLLATE NOCASE, Street TEXT(40) COLLATE NOCASE, State TEXT(2) COLLATE NOCASE,"
                    " City TEXT(25) COLLATE NOCASE, ZipCode TEXT(10) COLLATE NOCASE, EMail TEXT(50) COLLATE NOCASE,"
                    " Spouse TEXT(30) COLLATE NOCASE, Children TEXT(50) COLLATE NOCASE)")
            && run(q, "CREATE INDEX Name ON Address (IsBusiness, LastName, FirstName)")
            && run(q, "CREATE TABLE TelephoneType (TypeID INTEGER PRIMARY KEY AUTOINCREMENT, TelephoneType TEXT(20) COLLATE NOCASE)")
            && run(q, "CREATE UNIQUE INDEX TelephoneTypeName ON TelephoneType (TelephoneType)")
            && run(q, "CREATE TABLE TelephoneList (PersonID INTEGER, TypeID INTEGER, Number TEXT(20) COLLATE NOCASE,"
                      " PRIMARY KEY (PersonID, TypeID))")
            && run(q, "CREATE INDEX TypeID ON TelephoneList (TypeID)"));
        ok = ok && run(q, "INSERT INTO TelephoneType (TelephoneType) VALUES ('Home'), ('Work')");
        db.transaction();
        QSqlQuery address(db);
        address.prepare("INSERT INTO Address (IsBusiness, Title, FirstName, LastName, Company, Street, State, City,"
                        " ZipCode, EMail) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        QSqlQuery number(db);
        number.prepare("INSERT INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)");
        static const char *const states[] = {"NY", "MA", "CA", "TX", "WA", "IL"};
        static const char *const cities[] = {"New York", "Boston", "San Francisco", "Austin", "Seattle", "Chicago"};
        QRandomGenerator random(20240611);
        for (int i = 1; ok && i <= count; ++i) {
            const int s = int(random.bounded(6));
            address.addBindValue(i % 2);
            address.addBindValue(i % 3 ? QStringLiteral("Ms.") : QStringLiteral("Mr."));
            address.addBindValue(QStringLiteral("First%1").arg(random.bounded(5000)));
            address.addBindValue(QStringLiteral("Last%1").arg(random.bounded(20000), 5, 10, QLatin1Char('0')));
            address.addBindValue(QStringLiteral("Company %1, Inc.").arg(random.bounded(3000)));
            address.addBindValue(QStringLiteral("%1 Main Street").arg(random.bounded(9999) + 1));
            address.addBindValue(QString::fromLatin1(states[s]));
            address.addBindValue(QString::fromLatin1(cities[s]));
            address.addBindValue(QStringLiteral("%1").arg(random.bounded(99999), 5, 10, QLatin1Char('0')));
            address.addBindValue(QStringLiteral("person%1@example.com").arg(i));
            ok = address.exec();
            for (int type = 1; ok && type <= 2; ++type) {
                number.addBindValue(i);
                number.addBindValue(type);
                number.addBindValue(QStringLiteral("555-%1").arg(random.bounded(10000), 4, 10, QLatin1Char('0')));
                ok = number.exec();
            }
        }
        ok = db.commit() && ok;
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    return ok;
}

// CSV records, to check that both exports hold the same cells. Records may
// end in CR LF (RFC 4180, the engine) or LF (the sqlite3 shell on Unix).
QList<QStringList> readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QList<QStringList> table;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\n' || (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')) {
            record << field;
            table << record;
            record.clear();
            field.clear();
            if (c == u'\r')
                ++i;
        } else {
            field += c;
        }
    }
    return table;
}

// The Detail Report of 10,000 business contacts to PDF from the command line,
// paired with the sqlite3 shell reading the same rows.
bool pdfReport(const QString &shell)
{
    constexpr int pdfContacts = 20000; // half of them business
    constexpr int pairs = 5;
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("Address.mdb"));
    try {
        varnelle::EnsureDatabase(book);
    } catch (const varnelle::DatabaseError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return false;
    }
    if (!createDatabase(book, pdfContacts, false)) {
        std::fprintf(stderr, "The benchmark database could not be built.\n");
        return false;
    }
    const QDir definitions(QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR));
    for (const QString &name : definitions.entryList({QStringLiteral("*.rpt")}, QDir::Files))
        QFile::copy(definitions.filePath(name), dir.filePath(name));
    const QString pdf = dir.filePath(QStringLiteral("detail.pdf"));
    const QStringList report{QStringLiteral("--report"), QStringLiteral("detail"), QStringLiteral("--view"),
                             QStringLiteral("business"), QStringLiteral("--to"), pdf};
    // The rows bDetail.rpt prints: every field of the card, then the numbers, in the report's order.
    const QString read = QStringLiteral(
        "SELECT a.Title, a.FirstName, a.LastName, a.Company, a.Street, a.City, a.State, a.ZipCode, a.EMail,"
        " a.Spouse, a.Children, t.TelephoneType, n.Number FROM Address a"
        " LEFT JOIN TelephoneList n ON n.PersonID = a.PersonID LEFT JOIN TelephoneType t ON t.TypeID = n.TypeID"
        " WHERE a.IsBusiness = 1 ORDER BY a.LastName COLLATE NOCASE, a.FirstName COLLATE NOCASE, a.PersonID, n.TypeID");

    std::vector<double> program, rows, ratios;
    for (int i = 0; i < pairs; ++i) {
        const double p = ChildCpuMs(QStringLiteral(VARNELLE_PROGRAM), report, dir.path());
        const double r = ChildCpuMs(shell, {book, read}, dir.path());
        if (p < 0 || r < 0) {
            std::fprintf(stderr, "varnelle --report or the sqlite3 shell failed.\n");
            return false;
        }
        program.push_back(p);
        rows.push_back(r);
        ratios.push_back(p / r);
    }
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const qsizetype pages = bytes.count("/Type /Page\n");
    const auto [pMin, pMax] = std::minmax_element(program.begin(), program.end());
    const auto [rMin, rMax] = std::minmax_element(rows.begin(), rows.end());
    const auto [qMin, qMax] = std::minmax_element(ratios.begin(), ratios.end());
    std::printf("\nDetail Report to PDF, %d business contacts, %lld pages, %lld KB (%d paired runs, CPU time):\n",
                pdfContacts / 2, static_cast<long long>(pages), static_cast<long long>(bytes.size() / 1024), pairs);
    std::printf("varnelle --report ... pdf:    %7.0f-%7.0f ms, median %7.0f ms: %5.0f pages per CPU second,"
                " %.3f ms a page (target at most 0.400)\n",
                *pMin, *pMax, Median(program), pages / (Median(program) / 1e3), Median(program) / pages);
    std::printf("sqlite3 shell, the rows:      %7.0f-%7.0f ms, median %7.0f ms: %5.0f pages per CPU second\n", *rMin,
                *rMax, Median(rows), pages / (Median(rows) / 1e3));
    std::printf("ratio report/read:            %7.2f-%7.2f, median %.2f\n", *qMin, *qMax, Median(ratios));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    RunHeadlessUnlessTold();
    QGuiApplication app(argc, argv);

    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty()) {
        std::fprintf(stderr, "The sqlite3 shell is not installed (Debian package sqlite3).\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Address.mdb"));
    QElapsedTimer building;
    building.start();
    if (!createDatabase(data)) {
        std::fprintf(stderr, "The benchmark database could not be built.\n");
        return 1;
    }
    std::printf("database: %d contacts, 2 numbers each, half business (built in %.0f ms)\n", contacts,
                double(building.elapsed()));

    varnelle::ReportEngine engine;
    engine.setDefinitionFolders({QStringLiteral(VARNELLE_SOURCE_REPORTS_DIR)});
    varnelle::ReportRequest request;
    request.dataFile = data;
    request.definition = QStringLiteral("bAddress.rpt");
    request.destination = varnelle::ReportDestination::File;

    auto export_ = [&](int type, const QString &file) {
        return [&engine, request, type, file]() mutable {
            request.fileType = type;
            request.fileName = file;
            try {
                engine.run(request);
            } catch (const varnelle::ReportError &error) {
                std::fprintf(stderr, "%s\n", qPrintable(error.message()));
                return false;
            }
            return true;
        };
    };
    const QString engineCsv = dir.filePath(QStringLiteral("engine.csv"));
    const QString shellCsv = dir.filePath(QStringLiteral("shell.csv"));
    const QString engineText = dir.filePath(QStringLiteral("engine.txt"));

    // The same rows and columns as bAddress.rpt: the name joins the non-empty
    // last and first names with ", ".
    const QString sql = QStringLiteral(
        "SELECT coalesce(nullif(LastName, ''), '')"
        " || CASE WHEN coalesce(LastName, '') <> '' AND coalesce(FirstName, '') <> '' THEN ', ' ELSE '' END"
        " || coalesce(FirstName, '') AS Name, Company, Street, City, State, ZipCode AS ZIP"
        " FROM Address WHERE IsBusiness = 1"
        " ORDER BY LastName COLLATE NOCASE, FirstName COLLATE NOCASE, PersonID");
    const auto shellExport = [&] {
        QProcess process;
        process.setStandardOutputFile(shellCsv);
        process.start(shell, {QStringLiteral("-csv"), QStringLiteral("-header"), data, sql});
        return process.waitForFinished(120000) && process.exitCode() == 0;
    };

    const double shellMs = BestOfMs(rounds, [] { return true; }, shellExport);
    const double csvMs = BestOfMs(rounds, [] { return true; }, export_(4, engineCsv));
    const double textMs = BestOfMs(rounds, [] { return true; }, export_(2, engineText));
    if (shellMs < 0 || csvMs < 0 || textMs < 0)
        return 1;

    const QList<QStringList> engineCells = readCsv(engineCsv);
    const QList<QStringList> shellCells = readCsv(shellCsv);
    const bool same = engineCells == shellCells;
    for (qsizetype i = 0; !same && i < std::min(engineCells.size(), shellCells.size()); ++i) {
        if (engineCells.at(i) != shellCells.at(i)) {
            std::printf("first difference in row %lld:\n  engine: %s\n  shell:  %s\n", static_cast<long long>(i),
                        qPrintable(engineCells.at(i).join(QLatin1Char('|'))),
                        qPrintable(shellCells.at(i).join(QLatin1Char('|'))));
            break;
        }
    }
    std::printf("rows exported: %lld (with the heading)\n", static_cast<long long>(engineCells.size()));
    std::printf("sqlite3 shell, CSV:          %8.1f ms (best of %d)\n", shellMs, rounds);
    std::printf("report engine, CSV (type 4): %8.1f ms (best of %d)\n", csvMs, rounds);
    std::printf("report engine, text (type 2):%8.1f ms (best of %d)\n", textMs, rounds);
    std::printf("ratio engine/shell (CSV):    %8.2f (target at most 2.00)\n", csvMs / shellMs);
    std::printf("same cells as the shell:     %s\n", same ? "yes" : "NO");
    if (!same)
        return 2;
    return pdfReport(shell) ? 0 : 1;
}
