#include "store/repair/Salvage.h"

#include "store/Connection.h"
#include "store/Database.h"
#include "store/repair/Health.h"
#include "store/Schema.h"
#include "store/SyncState.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <optional>

namespace varnelle {

namespace {

// Unreadable reads a table may meet before the rest of its damaged ranges is given up.
constexpr int FailedReadLimit = 20000;

// Brackets, not double quotes: SQLite reads a double-quoted name it does not
// know as a text, and a column missing from the damaged file must be an error.
QString quoted(const QString &name) { return '[' + name + ']'; }

bool isDamage(const QSqlError &error) { return ToDatabaseError(error).kind() == DatabaseError::Kind::Damaged; }

// Copies one table from the attached damaged file ("damaged") into the new book ("main").
class TableSalvage {
public:
    TableSalvage(const QSqlDatabase &db, const schema::Table &table) : mDb(db)
    {
        QStringList columns;
        bool keyIsRowid = false;
        for (const schema::Field &field : table.fields) {
            columns << quoted(field.name);
            keyIsRowid = keyIsRowid || field.autoIncrement;
        }
        // Tables without a key column keep their rowids too, and so their order.
        if (!keyIsRowid)
            columns.prepend("rowid");
        const QString list = columns.join(", ");
        const QString insert = QString("INSERT OR IGNORE INTO main.%1 (%2) SELECT %2 FROM damaged.%1 ").arg(quoted(table.name), list);
        mInsertRange = insert + "WHERE rowid BETWEEN ? AND ?";
        mInsertOne = insert + "WHERE rowid = ?";
        mRead = QString("SELECT rowid, %2 FROM damaged.%1 WHERE rowid BETWEEN ? AND ? ORDER BY rowid")
                    .arg(quoted(table.name), list);
        mTable = table.name;
    }

    qint64 copyAll()
    {
        copyRange(std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), true);
        copyRowsListedByIndexes();
        return mSaved;
    }

private:
    // Runs one insert; false when it met damage (and then inserted nothing).
    bool tryInsert(const QString &sql, const QVariantList &values)
    {
        QSqlQuery insert(mDb);
        if (!insert.prepare(sql))
            throw ToDatabaseError(insert.lastError());
        for (const QVariant &value : values)
            insert.addBindValue(value);
        if (insert.exec()) {
            mSaved += insert.numRowsAffected();
            return true;
        }
        if (!isDamage(insert.lastError()))
            throw ToDatabaseError(insert.lastError());
        ++mFailedReads;
        return false;
    }

    // Copies the rows of [lo, hi]. A range that meets damage keeps the rows
    // read before it (probe) and narrows the rest down by halves. A range
    // scan also steps onto the row after its last one, so the last row read
    // before the damage is copied on its own, found by its rowid.
    void copyRange(qint64 lo, qint64 hi, bool probe)
    {
        if (mFailedReads >= FailedReadLimit)
            return;
        if (lo == hi) {
            tryInsert(mInsertOne, {lo});
            return;
        }
        if (tryInsert(mInsertRange, {lo, hi}))
            return;
        qint64 from = lo;
        if (probe) {
            if (const std::optional<qint64> last = lastReadable(lo, hi)) {
                if (*last > lo)
                    copyRange(lo, *last - 1, false);
                tryInsert(mInsertOne, {*last});
                if (*last == hi)
                    return;
                from = *last + 1;
            }
        }
        const qint64 mid = from + qint64((quint64(hi) - quint64(from)) / 2);
        copyRange(from, mid, true);
        if (mid < hi)
            copyRange(mid + 1, hi, true);
    }

    // A page whose cell pointers are damaged can end a range scan early
    // without an error, hiding the sound rows after it. The table's indexes
    // still list their rowids, so every row an index lists and the scan missed
    // is sought once more by its rowid alone.
    void copyRowsListedByIndexes()
    {
        QStringList indexes;
        QSqlQuery named(mDb);
        named.prepare("SELECT name FROM damaged.sqlite_master WHERE type = 'index' AND tbl_name = ?");
        named.addBindValue(mTable);
        if (named.exec())
            while (named.next())
                indexes << named.value(0).toString();
        for (const QString &index : indexes) {
            QSqlQuery listed(mDb);
            listed.setForwardOnly(true);
            QList<qint64> missed;
            if (listed.exec(QString("SELECT rowid FROM damaged.%1 INDEXED BY %2 WHERE rowid NOT IN "
                                    "(SELECT rowid FROM main.%1)")
                                .arg(quoted(mTable), quoted(index)))) {
                while (listed.next())
                    missed << listed.value(0).toLongLong();
            }
            for (const qint64 rowid : missed)
                if (mFailedReads < FailedReadLimit)
                    tryInsert(mInsertOne, {rowid});
        }
    }

    // The rowid of the last row read in order from lo before the damage.
    std::optional<qint64> lastReadable(qint64 lo, qint64 hi)
    {
        QSqlQuery read(mDb);
        read.setForwardOnly(true);
        if (!read.prepare(mRead))
            throw ToDatabaseError(read.lastError());
        read.addBindValue(lo);
        read.addBindValue(hi);
        std::optional<qint64> last;
        if (read.exec()) {
            while (read.next())
                last = read.value(0).toLongLong();
        }
        if (read.lastError().isValid())
            ++mFailedReads;
        return last;
    }

    QSqlDatabase mDb;
    QString mInsertRange;
    QString mInsertOne;
    QString mRead;
    QString mTable;
    qint64 mSaved = 0;
    int mFailedReads = 0;
};

// The most rows the damaged file counts for a table, through the table
// itself or any of its indexes; -1 when none of them can be counted.
qint64 countedRows(const QSqlDatabase &db, const QString &table)
{
    const QList<qint64> counts = RowCounts(db, table, "damaged");
    return *std::max_element(counts.begin(), counts.end());
}

// Automatic keys go on from the highest ever given, as in the damaged file.
void keepKeySequences(const QSqlDatabase &db)
{
    QSqlQuery sequences(db);
    if (!sequences.exec("SELECT name, seq FROM damaged.sqlite_sequence"))
        return;
    while (sequences.next()) {
        const QString name = sequences.value(0).toString();
        const qint64 seq = sequences.value(1).toLongLong();
        const bool ours = std::any_of(schema::Tables().begin(), schema::Tables().end(),
                                      [&](const schema::Table &t) { return t.name == name; });
        if (!ours)
            continue;
        if (RunQuery(db, "UPDATE main.sqlite_sequence SET seq = max(seq, ?) WHERE name = ?", {seq, name})
                .numRowsAffected()
            == 0)
            RunQuery(db, "INSERT INTO main.sqlite_sequence (name, seq) VALUES (?, ?)", {name, seq});
    }
}

} // namespace

const SalvagedTable &SalvageReport::of(const QString &table) const
{
    static const SalvagedTable none;
    for (const SalvagedTable &t : tables)
        if (t.table == table)
            return t;
    return none;
}

SalvageReport SalvageInto(const QString &source, const QString &copyName)
{
    // Indexes that allow duplicates are made after the rows are in, by one sort each.
    QStringList tables, laterIndexes;
    for (const QString &statement : schema::CreateStatements())
        (statement.startsWith("CREATE INDEX") ? laterIndexes : tables) << statement;
    if (!CreateDatabaseFile(copyName, tables))
        throw DatabaseError(
            QCoreApplication::translate("Store", "The repaired file '%1' cannot be made in the folder of '%2'.")
                .arg(QFileInfo(copyName).fileName(), QFileInfo(source).fileName()));
    SalvageReport report;
    try {
        Connection connection = OpenConnection(copyName, "salvage");
        QSqlDatabase &db = connection.database();
        const QString uri =
            QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString(QUrl::FullyEncoded) + "?mode=ro";
        // Each copy is a statement of its own: within one transaction, SQLite
        // refuses every write after one that met damage. The file is new and
        // is flushed to disk before it is used, so its journal can stay in memory.
        RunQuery(db, "PRAGMA journal_mode = MEMORY");
        RunQuery(db, "PRAGMA synchronous = OFF");
        RunQuery(db, "ATTACH DATABASE ? AS damaged", {uri});
        for (const schema::Table &table : schema::Tables()) {
            SalvagedTable kept{table.name, TableSalvage(db, table).copyAll(), 0};
            const qint64 counted = countedRows(db, table.name);
            kept.lost = counted < 0 ? -1 : std::max<qint64>(0, counted - kept.saved);
            report.tables.push_back(kept);
        }
        keepKeySequences(db);
        CopySyncTables(db, "damaged");
        RunQuery(db, "DETACH DATABASE damaged");
        for (const QString &index : laterIndexes)
            RunQuery(db, index);
        QSqlQuery check = RunQuery(db, "PRAGMA integrity_check");
        if (!check.next() || check.value(0).toString() != "ok")
            throw DatabaseError(
                QCoreApplication::translate(
                    "Store", "The repaired file '%1' did not pass the integrity check, so it was not used.")
                    .arg(QFileInfo(copyName).fileName()));
    } catch (...) {
        QFile::remove(copyName + "-journal");
        QFile::remove(copyName);
        throw;
    }
    return report;
}

} // namespace varnelle
