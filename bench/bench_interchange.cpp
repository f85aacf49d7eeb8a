// Times the import of 10,000 vCards into an empty address book and the
// vCard export of 100,000 contacts, each against the sqlite3 shell importing
// the same rows from CSV files (.import) into the same schema. Targets: the
// import within 3 times the shell's, the vCard export within 2 times.

#include "BenchSupport.h"
#include "store/Database.h"
#include "interchange/BookExport.h"
#include "interchange/BookImport.h"
#include "interchange/ContactFile.h"
#include "interchange/VCardWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
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
    return 0;
}
