// Times the import of 10,000 vCards into an empty address book and the
// vCard export of 100,000 contacts, each against the sqlite3 shell importing
// the same rows from CSV files (.import) into the same schema. Targets: the
// import within 3 times the shell's, the vCard export within 2 times.
//
// Then the import of 100,000 realistic vCards (about 46 MB) against a floor
// of the reader alone on the file plus sqlite_insert_floor inserting the same
// records through the SQLite C API; and the CSV export of 100,000 contacts
// against the sqlite3 shell writing the same columns. Each in a process of
// its own, for its peak memory. Targets: the import within 1.3 times the
// floor and 1.5 times the file's size in memory; the export within 1.1 times
// the shell's.

#include "BenchSupport.h"
#include "store/Database.h"
#include "interchange/BookExport.h"
#include "interchange/BookImport.h"
#include "interchange/ContactFile.h"
#include "interchange/VCardWriter.h"
#include "common/StoreText.h"
#include "store/DetailTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace varnelle;
using namespace varnelle::interchange;

namespace {

constexpr int ImportedCards = 10000;
constexpr int ExportedContacts = 100000;
constexpr int Rounds = 3;
constexpr int FloorRounds = 5; // for the steps measured against a floor, each in a process of its own

ContactRecord contact(int i)
{
    static const char *const states[] = {"NY", "MA", "CA", "TX", "WA", "IL"};
    static const char *const cities[] = {"New York", "Boston", "San Francisco", "Austin", "Seattle", "Chicago"};
    ContactRecord r;
    r.title = i % 3 ? "Ms." : "Mr.";
    r.firstName = QString("First%1").arg(i % 5000);
    r.lastName = QString("Last%1").arg(i, 6, 10, QLatin1Char('0'));
    r.company = i % 2 ? QString("Company %1, Inc.").arg(i % 3000) : QString();
    r.street = QString("%1 Main Street").arg(i % 9999 + 1);
    r.state = states[i % 6];
    r.city = cities[i % 6];
    r.zipCode = QString("%1").arg(i % 99999, 5, 10, QLatin1Char('0'));
    r.email = QString("person%1@example.com").arg(i);
    r.telephones = {{"Work", QString("555-%1").arg(i % 10000, 4, 10, QLatin1Char('0'))},
                    {"Mobile", QString("555-%1").arg((i * 7) % 10000, 4, 10, QLatin1Char('0'))}};
    r.isBusiness = i % 2;
    return r;
}

QByteArray csvCell(const QString &value)
{
    return '"' + QString(value).replace('"', "\"\"").toUtf8() + '"';
}

// The rows of `count` contacts as the shell imports them: Address (with its
// keys) and TelephoneList, the two telephone types made first.
void writeShellFiles(const QString &dir, int count)
{
    QFile address(dir + "/address.csv");
    QFile numbers(dir + "/numbers.csv");
    if (!address.open(QIODevice::WriteOnly) || !numbers.open(QIODevice::WriteOnly))
        return;
    for (int i = 1; i <= count; ++i) {
        const ContactRecord r = contact(i);
        QByteArray row = QByteArray::number(i) + ',' + QByteArray::number(int(r.isBusiness));
        for (const ContactField &f : ContactFields())
            row += ',' + csvCell(r.*f.member);
        address.write(row + '\n');
        for (int t = 0; t < r.telephones.size(); ++t)
            numbers.write(QByteArray::number(i) + ',' + QByteArray::number(t + 1) + ','
                          + csvCell(r.telephones[t].number) + '\n');
    }
    QFile script(dir + "/import.sql");
    if (script.open(QIODevice::WriteOnly))
        script.write("INSERT INTO TelephoneType (TelephoneType) VALUES ('Work'), ('Mobile');\n.mode csv\n"
                     ".import address.csv Address\n.import numbers.csv TelephoneList\n");
}

QString freshBook(const QString &dir, const QString &name)
{
    const QString path = dir + "/" + name;
    QFile::remove(path);
    EnsureDatabase(path);
    return path;
}

bool shellImport(const QString &shell, const QString &dir, const QString &book)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setStandardInputFile(dir + "/import.sql");
    process.start(shell, {book});
    return process.waitForFinished(300000) && process.exitCode() == 0 && process.readAllStandardError().isEmpty();
}

template <class Work>
bool onBook(const QString &path, Work work)
{
    bool ok = false;
    try {
        QSqlDatabase db = OpenDatabase(path, "bench");
        try {
            ok = work(db);
        } catch (const InterchangeError &error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        }
        CloseDatabase(db);
    } catch (const DatabaseError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    }
    return ok;
}

// --- 100,000 realistic cards -------------------------------------------------

constexpr int RealisticCards = 100000;

// A vCard line folded at 75 octets, as writers fold them (never inside a UTF-8 sequence).
void appendFolded(QByteArray &out, const QByteArray &line)
{
    qsizetype start = 0;
    qsizetype limit = 75;
    while (line.size() - start > limit) {
        qsizetype cut = start + limit;
        while (cut > start && (uchar(line[cut]) & 0xC0) == 0x80)
            --cut;
        out += line.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        limit = 74;
    }
    out += line.mid(start);
    out += "\r\n";
}

// 100,000 cards as address books write them: accented names, companies for
// most, two or three numbers, a postal address (USA, a few in Canada); on a
// third of them a birthday, a note folded over several lines, a second
// e-mail address and a second postal address; a few photos, a dozen values
// too long for the book.
QByteArray realisticCards()
{
    static const char *const first[] = {"José", "Zoë", "Renée", "André", "Björn", "Anaïs", "François", "Chloé",
                                        "Jürgen", "Émile", "Mary", "John", "Søren", "Inés", "Łukasz", "Noël"};
    static const char *const last[] = {"Müller", "García", "Østergaard", "Dubois", "Nuñez", "Smith", "O'Brien",
                                       "Lefèvre", "Žukauskas", "Johnson", "Brontë", "Çelik", "Kowalski", "Weiß"};
    static const char *const companies[] = {"Société Générale", "Café Olé Ltd.", "Acme, Inc.", "Nordström AB",
                                            "Müller & Söhne GmbH", "Globex Corporation", "Crème Brûlée Co."};
    static const char *const cities[] = {"Springfield", "Montréal", "San José", "Boston", "Austin", "Seattle"};
    static const char *const states[] = {"IL", "QC", "CA", "MA", "TX", "WA"};
    QByteArray photo;
    for (int i = 0; i < 60000; ++i)
        photo += "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[(i * 7919) % 64];
    QByteArray out;
    out.reserve(48 << 20);
    for (int i = 0; i < RealisticCards; ++i) {
        const QByteArray f = first[i % 16];
        const QByteArray l = QByteArray(last[(i / 16) % 14]) + (i % 7 ? QByteArray() : QByteArray::number(i % 1000));
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        appendFolded(out, "N:" + l + ';' + f + ";;" + (i % 5 ? "" : "Dr.") + ';');
        appendFolded(out, "FN:" + (i % 5 ? "" : QByteArray("Dr. ")) + f + ' ' + l);
        if (i % 10 < 7) {
            QByteArray company = companies[i % 7];
            if (i % 8333 == 1) // a dozen companies too long for the book
                company += " International Holdings of the Northern Hemisphere";
            appendFolded(out, "ORG:" + company + ";Sales");
            appendFolded(out, "TITLE:Senior Account Manager for the Région " + QByteArray::number(i % 40));
        }
        appendFolded(out, "EMAIL;TYPE=INTERNET,WORK:" + f.toLower() + '.' + QByteArray::number(i) + "@example.com");
        appendFolded(out, "TEL;TYPE=WORK,VOICE:+1 555 01" + QByteArray::number(10000 + i % 90000));
        appendFolded(out, "TEL;TYPE=CELL:+1 555 02" + QByteArray::number(10000 + (i * 7) % 90000));
        if (i % 3 == 0)
            appendFolded(out, "TEL;TYPE=HOME,FAX:+1 555 03" + QByteArray::number(10000 + (i * 3) % 90000));
        const int place = i % 6;
        appendFolded(out, "ADR;TYPE=WORK:;;" + QByteArray::number(i % 9999 + 1) + " Rue de la Paix;" + cities[place]
                              + ';' + states[place] + ';' + QByteArray::number(10000 + i % 89999) + ';'
                              + (i % 100 == 0 ? "Canada" : "USA"));
        if (i % 3 == 0) {
            appendFolded(out, "BDAY:19" + QByteArray::number(50 + i % 50) + "-0" + QByteArray::number(1 + i % 9)
                                  + "-1" + QByteArray::number(i % 10));
            appendFolded(out, "NOTE:Met at the conférence in Zürich; prefers e-mail to calls\\, and speaks "
                              "français\\, español and Deutsch. Follow up about the café order before the end "
                              "of the quarter.");
            appendFolded(out, "EMAIL;TYPE=INTERNET,HOME:" + f.toLower() + '.' + l.toLower() + QByteArray::number(i)
                                  + "@home.example.org");
            appendFolded(out, "ADR;TYPE=HOME:;Apt " + QByteArray::number(i % 40 + 1) + ';' + QByteArray::number(i % 500 + 1)
                                  + " Chemin des Érables;" + cities[(place + 1) % 6] + ';' + states[(place + 1) % 6]
                                  + ';' + QByteArray::number(20000 + i % 79999) + ";USA");
        }
        if (i % 1000 == 500)
            appendFolded(out, "PHOTO;ENCODING=b;TYPE=JPEG:" + photo);
        out += "END:VCARD\r\n";
    }
    return out;
}

// The records of a file as the store will hold them, one a line for
// sqlite_insert_floor: the fields as their columns hold them, one number of
// each type (named as first met, in any letter case), then after "#D" the
// rows of ContactDetail (kind, position, label, value) with the further
// numbers and the whole values of cut fields, then after "#A" those of
// ContactAddress (position and its eight parts).
bool writeFloorDump(const std::vector<ContactRecord> &records, const QString &fileName)
{
    QFile dump(fileName);
    if (!dump.open(QIODevice::WriteOnly))
        return false;
    QHash<QString, QString> typeNames; // case-folded: first spelling
    QByteArray out;
    const auto put = [&out](const QString &value) {
        out += '\x1f';
        out += QString(value).replace('\n', ' ').replace('\r', ' ').replace(QChar(0x1f), ' ').toUtf8();
    };
    for (const ContactRecord &r : records) {
        Contact whole = r;
        out += r.company.trimmed().isEmpty() ? '0' : '1';
        for (const ContactField &f : ContactFields())
            put(FittedFieldValue(f, QString(r.*f.member).replace('\n', ' ')));
        QSet<QString> seen;
        for (const PhoneNumber &t : r.telephones) {
            const QString key = t.type.toCaseFolded();
            if (seen.contains(key) || text::StoreLength(t.number) > PhoneNumberSize) {
                whole.details.telephones << LabeledValue{t.type, t.number};
                continue;
            }
            seen.insert(key);
            const QString name = typeNames.value(key, t.type);
            typeNames.insert(key, name);
            put(name);
            put(t.number);
        }
        put(QStringLiteral("#D"));
        for (const DetailRow &row : DetailRows(whole)) {
            put(QString::fromLatin1(row.kind));
            put(QString::number(row.position));
            put(row.label);
            put(row.value);
        }
        put(QStringLiteral("#A"));
        int position = 0;
        for (const ContactAddress &a : whole.details.addresses)
            for (const QString &part : {QString::number(position++), a.label, a.poBox, a.extended, a.street,
                                        a.locality, a.region, a.postalCode, a.country})
                put(part);
        out += '\n';
    }
    return dump.write(out) == out.size();
}

// One measured step in a process of its own, so that its peak memory is its own.
struct ChildFigures {
    double ms = -1;
    double peakMb = -1;
    qsizetype count = 0;
    double cpuMs = -1; // processor time, user and system, of all its threads
};

ChildFigures runChild(const QStringList &arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), arguments);
    ChildFigures figures;
    if (!process.waitForFinished(600000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s", process.readAllStandardError().constData());
        return figures;
    }
    const QList<QByteArray> words = process.readAllStandardOutput().trimmed().split(' ');
    figures.ms = words.value(0).toDouble();
    figures.peakMb = words.value(1).toDouble() / 1024.0;
    figures.count = words.value(2).toLongLong();
    figures.cpuMs = words.value(3).toDouble();
    return figures;
}

// The steps run by runChild: "import FILE BOOK", "read FILE", "export BOOK FILE"; and
// "cards FILE", which writes the realistic file, and "dump FILE OUT", its records for the floor.
int childMain(const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    double cpuStart = CpuMs();
    qsizetype count = 0;
    const QString step = arguments.value(2);
    if (step == "cards") { // the realistic file alone, for a profiler
        QFile out(arguments.value(3));
        const QByteArray file = realisticCards();
        return out.open(QIODevice::WriteOnly) && out.write(file) == file.size() ? 0 : 1;
    }
    if (step == "dump") // the records of the file for sqlite_insert_floor
        return writeFloorDump(ReadContactFile(arguments.value(3)), arguments.value(4)) ? 0 : 1;
    if (step == "read") {
        ReadContactFile(arguments.value(3), nullptr, [&count](ContactRecord &, qint64) { ++count; });
    } else if (step == "import" || step == "export") {
        QSqlDatabase db = OpenDatabase(arguments.value(step == "import" ? 4 : 3), "child");
        timer.start();
        cpuStart = CpuMs();
        if (step == "import")
            count = ImportContactFile(db, arguments.value(3), {}).imported;
        else
            count = ExportContacts(db, arguments.value(4), ExportFormat::Csv, ExportScope::All);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        const double cpuMs = CpuMs() - cpuStart;
        CloseDatabase(db);
        std::printf("%.1f %ld %lld %.1f\n", ms, PeakMemoryKb(), static_cast<long long>(count), cpuMs);
        return 0;
    }
    std::printf("%.1f %ld %lld %.1f\n", double(timer.nsecsElapsed()) / 1e6, PeakMemoryKb(),
                static_cast<long long>(count), CpuMs() - cpuStart);
    return 0;
}

// The sqlite3 shell writing the columns of the CSV export (fields, then the
// first two numbers' types and values) in the export's order.
bool shellCsvExport(const QString &shell, const QString &book, const QString &out)
{
    QStringList columns;
    for (const ContactField &f : ContactFields())
        columns << QString("a.") + f.column;
    QString pairs;
    for (int n = 0; n < 2; ++n)
        pairs += QString(", (SELECT t.TelephoneType FROM TelephoneList l JOIN TelephoneType t ON t.TypeID = l.TypeID"
                         " WHERE l.PersonID = a.PersonID ORDER BY l.TypeID LIMIT 1 OFFSET %1),"
                         " (SELECT l.Number FROM TelephoneList l WHERE l.PersonID = a.PersonID ORDER BY l.TypeID"
                         " LIMIT 1 OFFSET %1)")
                     .arg(n);
    QProcess process;
    process.start(shell, {"-csv", "-header", "-cmd", ".output " + out, book,
                          "SELECT " + columns.join(", ") + pairs
                              + " FROM Address a ORDER BY a.IsBusiness DESC, a.LastName COLLATE NOCASE,"
                                " a.FirstName COLLATE NOCASE, a.PersonID"});
    return process.waitForFinished(300000) && process.exitCode() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == "--child")
        return childMain(app.arguments());
    const QString shell = QStandardPaths::findExecutable("sqlite3");
    if (shell.isEmpty()) {
        std::fprintf(stderr, "The sqlite3 shell is not installed (Debian package sqlite3).\n");
        return 1;
    }
    QTemporaryDir temp;
    const QString smallDir = temp.filePath("small");
    const QString largeDir = temp.filePath("large");
    QDir().mkpath(smallDir);
    QDir().mkpath(largeDir);
    writeShellFiles(smallDir, ImportedCards);
    writeShellFiles(largeDir, ExportedContacts);

    const QString cards = smallDir + "/cards.vcf";
    {
        QByteArray file;
        for (int i = 1; i <= ImportedCards; ++i)
            AppendVCard(file, contact(i), VCardVersion::V3);
        QFile out(cards);
        if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
            return 1;
    }

    QString book;
    const double shellSmall = BestOfMs(Rounds, [&] { return !(book = freshBook(smallDir, "shell.mdb")).isEmpty(); },
                                     [&] { return shellImport(shell, smallDir, book); });
    qsizetype imported = 0;
    const double importMs = BestOfMs(Rounds, [&] { return !(book = freshBook(smallDir, "import.mdb")).isEmpty(); },
                                   [&] {
                                       return onBook(book, [&](QSqlDatabase &db) {
                                           imported = ImportContactFile(db, cards, {}).imported;
                                           return imported == ImportedCards;
                                       });
                                   });
    const double readMs = BestOfMs(Rounds, [] { return true; },
                                 [&] { return ReadContactFile(cards).size() == size_t(ImportedCards); });
    const double shellLarge = BestOfMs(Rounds, [&] { return !(book = freshBook(largeDir, "shell.mdb")).isEmpty(); },
                                     [&] { return shellImport(shell, largeDir, book); });
    const QString source = book; // the shell's last import: 100,000 contacts with two numbers each
    auto exportAs = [&](ExportFormat format, const QString &name) {
        return BestOfMs(Rounds, [] { return true; }, [&, format, name] {
            return onBook(source, [&](QSqlDatabase &db) {
                return ExportContacts(db, largeDir + "/" + name, format, ExportScope::All) == ExportedContacts;
            });
        });
    };
    const double vcard4Ms = exportAs(ExportFormat::VCard4, "all.vcf");
    const double vcard3Ms = exportAs(ExportFormat::VCard3, "all3.vcf");
    const double csvMs = exportAs(ExportFormat::Csv, "all.csv");
    if (std::min({shellSmall, importMs, shellLarge, vcard4Ms, vcard3Ms, csvMs}) < 0) {
        std::fprintf(stderr, "A step of the benchmark failed.\n");
        return 1;
    }
    std::printf("import of %d vCards (3.0, two numbers each):  %8.1f ms (best of %d)\n", ImportedCards, importMs,
                Rounds);
    std::printf("  of which reading the cards:                    %8.1f ms\n", readMs);
    std::printf("sqlite3 shell .import of the same rows:          %8.1f ms\n", shellSmall);
    std::printf("ratio import/shell:                              %8.2f (target at most 3.00)\n",
                importMs / shellSmall);
    std::printf("vCard 4.0 export of %d contacts:             %8.1f ms (best of %d)\n", ExportedContacts, vcard4Ms,
                Rounds);
    std::printf("vCard 3.0 export:                                %8.1f ms\n", vcard3Ms);
    std::printf("CSV export:                                      %8.1f ms\n", csvMs);
    std::printf("sqlite3 shell .import of the same contacts:      %8.1f ms\n", shellLarge);
    std::printf("ratio vCard 4.0 export/shell:                    %8.2f (target at most 2.00)\n",
                vcard4Ms / shellLarge);

    // The CSV export against the shell writing the same columns, a round of
    // each in turn, so that a slow spell of the machine meets both.
    ChildFigures exported;
    double shellCsvMs = -1;
    for (int round = 0; round < FloorRounds; ++round) {
        const ChildFigures f = runChild({"--child", "export", source, largeDir + "/child.csv"});
        if (f.count != ExportedContacts) {
            std::fprintf(stderr, "The CSV export step failed.\n");
            return 1;
        }
        if (exported.ms < 0 || f.ms < exported.ms)
            exported = f;
        const double ms = BestOfMs(1, [] { return true; },
                                   [&] { return shellCsvExport(shell, source, largeDir + "/shell.csv"); });
        if (ms < 0) {
            std::fprintf(stderr, "The sqlite3 shell's CSV export failed.\n");
            return 1;
        }
        if (shellCsvMs < 0 || ms < shellCsvMs)
            shellCsvMs = ms;
    }
    std::printf("CSV export of %d contacts, own process:      %8.1f ms, peak %.0f MB\n", ExportedContacts,
                exported.ms, exported.peakMb);
    std::printf("sqlite3 shell writing the same columns as CSV:   %8.1f ms (process start included)\n", shellCsvMs);
    std::printf("ratio CSV export/shell:                          %8.2f (target at most 1.10)\n",
                exported.ms / shellCsvMs);

    // 100,000 realistic cards.
    const QString realistic = largeDir + "/realistic.vcf";
    {
        const QByteArray file = realisticCards();
        QFile out(realistic);
        if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
            return 1;
    }
    const double fileMb = double(QFileInfo(realistic).size()) / (1024.0 * 1024.0);
    const QString dump = largeDir + "/realistic.records";
    if (!writeFloorDump(ReadContactFile(realistic), dump))
        return 1;
    ChildFigures read;
    ChildFigures imported100k;
    double floorInsertMs = -1;
    double floorInsertCpuMs = -1;
    for (int round = 0; round < FloorRounds; ++round) {
        const ChildFigures r = runChild({"--child", "read", realistic});
        if (read.ms < 0 || r.ms < read.ms)
            read = r;
        book = freshBook(largeDir, "floor.mdb");
        QProcess floor;
        floor.start(VARNELLE_FLOOR_PROGRAM, {book, dump});
        if (!floor.waitForFinished(600000) || floor.exitCode() != 0) {
            std::fprintf(stderr, "sqlite_insert_floor failed: %s\n", floor.readAllStandardError().constData());
            return 1;
        }
        const QList<QByteArray> floorWords = floor.readAllStandardOutput().trimmed().split(' ');
        const double insertMs = floorWords.value(0).toDouble();
        if (floorInsertMs < 0 || insertMs < floorInsertMs)
            floorInsertMs = insertMs;
        const double insertCpuMs = floorWords.value(2).toDouble();
        if (floorInsertCpuMs < 0 || insertCpuMs < floorInsertCpuMs)
            floorInsertCpuMs = insertCpuMs;
        book = freshBook(largeDir, "realistic.mdb");
        const ChildFigures i = runChild({"--child", "import", realistic, book});
        if (imported100k.ms < 0 || i.ms < imported100k.ms)
            imported100k = i;
    }
    if (read.ms < 0 || imported100k.ms < 0 || imported100k.count <= 0) {
        std::fprintf(stderr, "The realistic import failed.\n");
        return 1;
    }
    const double floorMs = read.ms + floorInsertMs;
    std::printf("import of %d realistic vCards (%.1f MB):  %8.1f ms, peak %.0f MB (%lld imported)\n",
                RealisticCards, fileMb, imported100k.ms, imported100k.peakMb,
                static_cast<long long>(imported100k.count));
    std::printf("  floor: the reader alone %.1f ms (peak %.0f MB) + C API inserts %.1f ms = %8.1f ms\n", read.ms,
                read.peakMb, floorInsertMs, floorMs);
    std::printf("ratio import/floor:                              %8.2f (target at most 1.30)\n",
                imported100k.ms / floorMs);
    std::printf("peak memory / file size:                         %8.2f (target at most 1.50)\n",
                imported100k.peakMb / fileMb);
    // Reading and storing overlap on two threads, so the wall time can fall
    // below the floor's; the processor time shows the work done.
    const double floorCpuMs = read.cpuMs + floorInsertCpuMs;
    std::printf("processor time of the import:                    %8.1f ms (floor %.1f + %.1f = %.1f ms)\n",
                imported100k.cpuMs, read.cpuMs, floorInsertCpuMs, floorCpuMs);
    std::printf("ratio of processor times import/floor:           %8.2f\n", imported100k.cpuMs / floorCpuMs);

    // The same contacts from the CSV export, and as UTF-16: read a piece at a time too.
    const QString csv = largeDir + "/child.csv";
    const QString csv16 = largeDir + "/child16.csv";
    {
        QFile in(csv);
        QFile out(csv16);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
            return 1;
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        out.write(utf16(QString::fromUtf8(in.readAll())));
    }
    for (const QString &file : {csv, csv16}) {
        book = freshBook(largeDir, "csv.mdb");
        const ChildFigures f = runChild({"--child", "import", file, book});
        const double mb = double(QFileInfo(file).size()) / (1024.0 * 1024.0);
        if (f.count != ExportedContacts) {
            std::fprintf(stderr, "The CSV import failed.\n");
            return 1;
        }
        std::printf("import of the %d contacts from CSV%s (%.1f MB): %8.1f ms, peak %.0f MB (%.2f of the file)\n",
                    ExportedContacts, file == csv16 ? " in UTF-16" : "", mb, f.ms, f.peakMb, f.peakMb / mb);
    }
    return 0;
}
