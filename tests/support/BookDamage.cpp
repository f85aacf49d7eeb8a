#include "support/BookDamage.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUuid>
#include <random>
#include <utility>
#include <stdexcept>

#include <unistd.h>

namespace varnelle::test {

namespace {

int pageSize(const QString &fileName) { return Rows(fileName, "PRAGMA page_size")[0][0].toInt(); }

// Reads a page, lets change() alter it and writes it back.
template <class Change>
void changePage(const QString &fileName, int page, Change &&change)
{
    const int size = pageSize(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(qint64(page - 1) * size))
        throw std::runtime_error("cannot open the database file to damage it");
    QByteArray bytes = file.read(size);
    change(bytes);
    file.seek(qint64(page - 1) * size);
    file.write(bytes);
}

} // namespace

int LeafPage(const QString &fileName, const QString &btree, int nth)
{
    const auto rows = Rows(fileName,
                           "SELECT pageno FROM dbstat WHERE name = ? AND pagetype = 'leaf' ORDER BY pageno "
                           "LIMIT 1 OFFSET ?",
                           {btree, nth});
    return rows.isEmpty() ? 0 : rows[0][0].toInt();
}

int CellsOnPage(const QString &fileName, int page)
{
    return Rows(fileName, "SELECT ncell FROM dbstat WHERE pageno = ?", {page})[0][0].toInt();
}

void ZeroPage(const QString &fileName, int page)
{
    changePage(fileName, page, [](QByteArray &bytes) { bytes.fill('\0'); });
}

void ScrambleCellPointers(const QString &fileName, int page, int cells)
{
    constexpr int leafHeader = 8;
    changePage(fileName, page, [&](QByteArray &bytes) {
        for (int i = leafHeader; i < leafHeader + 2 * cells; ++i)
            bytes[i] = char(bytes[i] ^ 0x5a);
    });
}

void ReplaceOnPage(const QString &fileName, int page, const QByteArray &from, const QByteArray &to)
{
    changePage(fileName, page, [&](QByteArray &bytes) {
        const qsizetype at = bytes.indexOf(from);
        if (at < 0 || from.size() != to.size())
            throw std::runtime_error("the text to replace is not on the page");
        bytes.replace(at, to.size(), to);
    });
}

int RootPage(const QString &fileName, const QString &btree)
{
    const auto rows = Rows(fileName, "SELECT rootpage FROM sqlite_master WHERE name = ?", {btree});
    return rows.isEmpty() ? 0 : rows[0][0].toInt();
}

void GarbagePage(const QString &fileName, int page)
{
    changePage(fileName, page, [](QByteArray &bytes) {
        std::mt19937 random(7);
        for (char &byte : bytes)
            byte = char(random() & 0xff);
    });
}

void GarbageCells(const QString &fileName, int page)
{
    constexpr int leafHeader = 8;
    changePage(fileName, page, [](QByteArray &bytes) {
        const int cells = (uchar(bytes[3]) << 8) | uchar(bytes[4]);
        std::mt19937 random(7);
        for (qsizetype i = leafHeader + 2 * cells; i < bytes.size(); ++i)
            bytes[i] = char(random() & 0xff);
    });
}

void ZeroHeader(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite) || file.write(QByteArray(100, '\0')) != 100)
        throw std::runtime_error("cannot zero the header of the database file");
}

QHash<QString, qint64> RowsTheShellRecovers(const QString &fileName)
{
    QHash<QString, qint64> counts;
    const QString shell = QStandardPaths::findExecutable("sqlite3");
    if (shell.isEmpty())
        return counts;
    const QString script = fileName + ".recover.sql", recovered = fileName + ".recovered";
    QProcess recover;
    recover.setStandardOutputFile(script);
    recover.start(shell, {fileName, ".recover"});
    recover.waitForFinished(60000);
    QProcess load;
    load.setStandardInputFile(script);
    load.start(shell, {recovered});
    load.waitForFinished(60000);
    const QHash<QString, int> columns{{"Setup", 1}, {"TelephoneType", 2}, {"TelephoneList", 3}, {"Address", 13}};
    for (auto table = columns.begin(); table != columns.end(); ++table) {
        qint64 n = 0;
        for (const QString &sql : {QString("SELECT count(*) FROM [%1]").arg(table.key()),
                                   QString("SELECT count(*) FROM lost_and_found WHERE nfield = %1").arg(table.value())})
            try {
                n += Rows(recovered, sql).value(0).value(0).toLongLong();
            } catch (...) { // the shell made no such table
            }
        counts.insert(table.key(), n);
    }
    QFile::remove(script);
    QFile::remove(recovered);
    return counts;
}

int LeafPageCount(const QString &fileName, const QString &btree)
{
    return Rows(fileName, "SELECT count(*) FROM dbstat WHERE name = ? AND pagetype = 'leaf'", {btree})[0][0].toInt();
}

void SwapPages(const QString &fileName, int first, int second)
{
    QByteArray other;
    changePage(fileName, second, [&](QByteArray &bytes) { other = bytes; });
    changePage(fileName, first, [&](QByteArray &bytes) { std::swap(bytes, other); });
    changePage(fileName, second, [&](QByteArray &bytes) { bytes = other; });
}

void TruncateToPages(const QString &fileName, int pages)
{
    const int size = pageSize(fileName);
    if (!QFile::resize(fileName, qint64(pages) * size))
        throw std::runtime_error("cannot cut the database file short");
}

QList<QVariantList> ReadableByRowid(const QString &fileName, const QString &table, qint64 upTo)
{
    const QString connection = "readable-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()).toString() + "?mode=ro");
        db.setConnectOptions("QSQLITE_OPEN_URI");
        if (!db.open())
            throw std::runtime_error("cannot open the damaged file");
        QSqlQuery query(db);
        query.exec("PRAGMA writable_schema = ON");
        query.prepare(QString("SELECT rowid, * FROM [%1] WHERE rowid = ?").arg(table));
        for (qint64 rowid = 1; rowid <= upTo; ++rowid) {
            query.addBindValue(rowid);
            if (query.exec() && query.next()) {
                QVariantList row;
                for (int i = 0; i < query.record().count(); ++i)
                    row << query.value(i);
                rows << row;
            }
        }
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

AsOrdinaryUser::AsOrdinaryUser()
{
    if (::geteuid() != 0)
        return;
    constexpr uid_t nobody = 65534;
    if (::setresgid(nobody, nobody, 0) != 0 || ::setresuid(nobody, nobody, 0) != 0)
        throw std::runtime_error("cannot run as an ordinary user");
    mSwitched = true;
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    if (mSwitched && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0))
        std::abort();
}

} // namespace varnelle::test
