// What the book's history costs: the import of 100,000 realistic vCards into
// a new book with the history on against the same import with it off
// (target: at most 1.15 times), the growth of the book by the history of
// that import (at most 15%), the editor's save of one contact (at most 1 ms
// more), and the undo of that import against a DELETE of the same rows in
// the sqlite3 shell on a copy of the same book (at most 1.5 times).

#include "BenchSupport.h"
#include "interchange/BookImport.h"
#include "store/Contacts.h"
#include "store/Database.h"
#include "store/DetailTables.h"
#include "store/History.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace varnelle;

namespace {

constexpr int Cards = 100000;
constexpr int Rounds = 2;
constexpr int Edits = 300;

// Cards as address books write them: accented names, companies for most, two
// or three numbers, a postal address; on a third a birthday, a note and a
// second e-mail address.
QByteArray cards()
{
    static const char *const first[] = {"José", "Zoë", "Renée", "André", "Björn", "Anaïs", "François", "Chloé"};
    static const char *const last[] = {"Müller", "García", "Østergaard", "Dubois", "Nuñez", "Smith", "O'Brien"};
    static const char *const companies[] = {"Société Générale", "Café Olé Ltd.", "Acme, Inc.", "Nordström AB"};
    QByteArray out;
    out.reserve(40 << 20);
    for (int i = 0; i < Cards; ++i) {
        const QByteArray f = first[i % 8];
        const QByteArray l = QByteArray(last[(i / 8) % 7]) + QByteArray::number(i);
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + l + ';' + f + ";;;\r\nFN:" + f + ' ' + l + "\r\n";
        if (i % 10 < 7)
            out += QByteArray("ORG:") + companies[i % 4] + ";Sales\r\nTITLE:Account Manager\r\n";
        out += "EMAIL;TYPE=INTERNET,WORK:" + f.toLower() + '.' + QByteArray::number(i) + "@example.com\r\n";
        out += "TEL;TYPE=WORK,VOICE:+1 555 01" + QByteArray::number(10000 + i % 90000) + "\r\n";
        out += "TEL;TYPE=CELL:+1 555 02" + QByteArray::number(10000 + (i * 7) % 90000) + "\r\n";
        if (i % 3 == 0)
            out += "TEL;TYPE=HOME,FAX:+1 555 03" + QByteArray::number(10000 + (i * 3) % 90000) + "\r\n";
        out += "ADR;TYPE=WORK:;;" + QByteArray::number(i % 9999 + 1) + " Rue de la Paix;Springfield;IL;"
               + QByteArray::number(10000 + i % 89999) + ";USA\r\n";
        if (i % 3 == 0)
            out += "BDAY:1970-01-1" + QByteArray::number(i % 10) + "\r\nNOTE:Met at the conférence in Zürich\\, "
                   "prefers e-mail.\r\nEMAIL;TYPE=HOME:" + f.toLower() + QByteArray::number(i) + "@home.example\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}

// A new book, with the history turned off when asked.
bool freshBook(const QString &file, bool history)
{
    QFile::remove(file);
    EnsureDatabase(file);
    if (!history) {
        Connection c = OpenConnection(file, "bench");
        SetHistoryKeepDays(c.database(), 0);
    }
    return QFileInfo::exists(file);
}

double importMs(const QString &cardFile, const QString &book, bool history)
{
    return BestOfMs(
        Rounds, [&] { return freshBook(book, history); },
        [&] {
            Connection c = OpenConnection(book, "bench");
            interchange::ImportOptions options;
            options.view = interchange::ImportView::Business;
            return interchange::ImportContactFile(c.database(), cardFile, options).imported == Cards;
        });
}

// The editor's save of one contact: a changed field and its details, as one entry.
double editMs(const QString &book)
{
    Connection c = OpenConnection(book, "bench");
    QSqlDatabase &db = c.database();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Edits; ++i) {
        const std::int32_t id = 1000 + i;
        InTransaction(db, [&] {
            HistoryEntryScope scope(db, history::Edit);
            Contact read = *ReadContactFields(db, id);
            ReadContactDetails(db, read);
            Contact edited = read;
            edited.city = QString("City %1").arg(i);
            edited.details.note = QString("Called on day %1").arg(i);
            StoreChangedFields(db, id, read, edited);
            WriteContactDetails(db, edited);
        });
    }
    return double(timer.nsecsElapsed()) / 1e6 / Edits;
}

double shellMs(const QString &book, const QString &sql)
{
    QElapsedTimer timer;
    timer.start();
    QProcess shell;
    shell.start("sqlite3", {book, sql});
    if (!shell.waitForFinished(600000) || shell.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString cardFile = dir.filePath("realistic.vcf");
    {
        QFile out(cardFile);
        if (!out.open(QIODevice::WriteOnly) || out.write(cards()) < 0)
            return 1;
    }
    const QString off = dir.filePath("off.mdb"), on = dir.filePath("on.mdb");
    const double importOff = importMs(cardFile, off, false);
    const double importOn = importMs(cardFile, on, true);
    const qint64 sizeOff = QFileInfo(off).size(), sizeOn = QFileInfo(on).size();
    std::printf("import of %d cards, history off: %9.1f ms, book %lld KB\n", Cards, importOff, sizeOff / 1024);
    std::printf("import of %d cards, history on:  %9.1f ms, book %lld KB\n", Cards, importOn, sizeOn / 1024);
    std::printf("  time %.3fx (target <= 1.15), book +%.1f%% (target <= 15%%)\n", importOn / importOff,
                100.0 * double(sizeOn - sizeOff) / double(sizeOff));

    const double editOff = editMs(off), editOn = editMs(on);
    std::printf("editor's save of one contact: off %.3f ms, on %.3f ms, +%.3f ms (target <= 1 ms)\n", editOff, editOn,
                editOn - editOff);

    // The import undone, against the shell deleting the same rows of a copy of the same book.
    const QString copy = dir.filePath("copy.mdb");
    for (const QString &book : {on, copy})
        freshBook(book, true);
    double undoMs = -1, deleteMs = -1;
    for (int round = 0; round < Rounds; ++round) {
        for (const QString &book : {on, copy}) {
            freshBook(book, true);
            Connection c = OpenConnection(book, "bench");
            interchange::ImportOptions options;
            options.view = interchange::ImportView::Business;
            interchange::ImportContactFile(c.database(), cardFile, options);
        }
        Connection c = OpenConnection(on, "bench");
        const qint64 entry = NextUndo(c.database())->id;
        QElapsedTimer timer;
        timer.start();
        UndoEntries(c.database(), {entry}, false);
        const double undo = double(timer.nsecsElapsed()) / 1e6;
        const double shell = shellMs(copy, "BEGIN; DELETE FROM TelephoneList; DELETE FROM Address; COMMIT;");
        undoMs = undoMs < 0 ? undo : std::min(undoMs, undo);
        deleteMs = deleteMs < 0 ? shell : std::min(deleteMs, shell);
    }
    std::printf("undo of the import: %.1f ms; DELETE in the sqlite3 shell: %.1f ms; %.3fx (target <= 1.5)\n", undoMs,
                deleteMs, undoMs / deleteMs);
    return 0;
}
