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
#include <QSet>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

#include <algorithm>
#include <limits>
#include <utility>

namespace varnelle {

namespace {

// Rowids sought one by one past the highest one seen anywhere: the rows of a
// damaged last page that neither an index nor the key sequence lists.
constexpr qint64 ProbeMargin = 2000;
// Unreadable rowids sought in a row before the rest of a gap is given up, and
// rowids sought one by one in a table in all; each lookup costs a few page reads.
constexpr qint64 GapProbeLimit = 1'000'000;
constexpr qint64 ProbeLimit = 4'000'000;

// Brackets, not double quotes: SQLite reads a double-quoted name it does not
// know as a text, and a column missing from the damaged file must be an error.
QString quoted(const QString &name) { return '[' + name + ']'; }

bool isDamage(const QSqlError &error) { return ToDatabaseError(error).kind() == DatabaseError::Kind::Damaged; }

// Copies one table from the damaged book (the schema `source`) into the new one, attached as "salvaged".
//
// The table is swept in rowid order from its start. A scan that meets damage
// keeps the rows it read before it; then the rowids after them are looked up
// one by one until one lands on a readable page again, and the scan goes on
// from there. Last, every rowid up to the highest one seen (in the scan, the
// indexes, the key sequence, plus a margin) that is not saved yet is looked
// up once more, so that rows a damaged page hides from scans, and rows out of
// order, are saved whenever a lookup by rowid still reads them. Everything is
// a loop: the stack does not grow with the damage.
class TableSalvage {
public:
    TableSalvage(const QSqlDatabase &db, const QString &source, const schema::Table &table)
        : mDb(db), mSource(source), mTable(table.name)
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
        const QString insert = QString("INSERT OR IGNORE INTO salvaged.%1 (%2) SELECT %2 FROM %3.%1 ")
                                   .arg(quoted(table.name), list, mSource);
        // The scans that read and the ones that copy share their plan, so
        // both meet the same rows in the same order.
        mInsertFrom = insert + "WHERE rowid >= ? ORDER BY rowid";
        mInsertCounted = mInsertFrom + " LIMIT ?";
        mInsertOne = insert + "WHERE rowid = ?";
        mReadFrom = QString("SELECT rowid FROM %2.%1 WHERE rowid >= ? ORDER BY rowid").arg(quoted(table.name), mSource);
        mLookUp = QString("SELECT rowid, %2 FROM " + mSource + ".%1 WHERE rowid = ?").arg(quoted(table.name), list);
    }

    qint64 copyAll()
    {
        noteListedRowids();
        sweep();
        lookUpMissing();
        return mSaved;
    }

private:
    enum class Found { Row, NoRow, Damage };

    QSqlQuery prepared(const QString &sql)
    {
        QSqlQuery query(mDb);
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            throw ToDatabaseError(query.lastError());
        return query;
    }

    // Runs one insert; false when it met damage (and then inserted nothing).
    bool tryInsert(QSqlQuery &insert, const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            insert.bindValue(i, values[i]);
        if (insert.exec()) {
            mSaved += insert.numRowsAffected();
            return true;
        }
        if (!isDamage(insert.lastError()))
            throw ToDatabaseError(insert.lastError());
        return false;
    }

    void seen(qint64 rowid)
    {
        mHighest = std::max(mHighest, rowid);
        mLowest = std::min(mLowest, rowid);
    }

    // The rowids the indexes list and the key sequence: where the table's rows
    // lie, whatever pages of the table itself are damaged.
    void noteListedRowids()
    {
        QSqlQuery named(mDb);
        named.prepare("SELECT name FROM " + mSource + ".sqlite_master WHERE type = 'index' AND tbl_name = ?");
        named.addBindValue(mTable);
        QStringList indexes;
        if (named.exec())
            while (named.next())
                indexes << named.value(0).toString();
        for (const QString &index : indexes) {
            QSqlQuery listed(mDb);
            listed.setForwardOnly(true);
            const QString sql =
                QString("SELECT rowid FROM %3.%1 INDEXED BY %2").arg(quoted(mTable), quoted(index), mSource);
            if (listed.exec(sql))
                while (listed.next()) {
                    mListed.push_back(listed.value(0).toLongLong());
                    seen(mListed.back());
                }
        }
        QSqlQuery sequence(mDb);
        sequence.prepare("SELECT seq FROM " + mSource + ".sqlite_sequence WHERE name = ?");
        sequence.addBindValue(mTable);
        if (sequence.exec() && sequence.next())
            seen(sequence.value(0).toLongLong());
        QSqlQuery highest(mDb);
        if (highest.exec(QString("SELECT max(rowid) FROM " + mSource + ".%1").arg(quoted(mTable))) && highest.next()
            && !highest.value(0).isNull())
            seen(highest.value(0).toLongLong());
    }

    qint64 probeEnd() const
    {
        return mHighest > std::numeric_limits<qint64>::max() - ProbeMargin ? mHighest : mHighest + ProbeMargin;
    }

    // Looks one rowid up and copies its row when one is read.
    Found lookUp(qint64 rowid)
    {
        ++mProbes;
        mLookUpQuery.bindValue(0, rowid);
        if (!mLookUpQuery.exec()) {
            if (!isDamage(mLookUpQuery.lastError()))
                throw ToDatabaseError(mLookUpQuery.lastError());
            return Found::Damage;
        }
        const bool row = mLookUpQuery.next();
        const bool failed = mLookUpQuery.lastError().isValid();
        mLookUpQuery.finish();
        if (failed)
            return Found::Damage;
        if (!row)
            return Found::NoRow;
        seen(rowid);
        return tryInsert(mInsertOneQuery, {rowid}) ? Found::Row : Found::Damage;
    }

    // The rows read in order from rowid 'from' before the scan met damage,
    // and the highest rowid among them.
    std::pair<qint64, qint64> readFrom(qint64 from)
    {
        mReadQuery.bindValue(0, from);
        qint64 count = 0;
        qint64 highest = from;
        if (mReadQuery.exec()) {
            while (mReadQuery.next()) {
                ++count;
                highest = std::max(highest, mReadQuery.value(0).toLongLong());
            }
        }
        mReadQuery.finish();
        return {count, highest};
    }

    void sweep()
    {
        mInsertFromQuery = prepared(mInsertFrom);
        mInsertCountedQuery = prepared(mInsertCounted);
        mInsertOneQuery = prepared(mInsertOne);
        mReadQuery = prepared(mReadFrom);
        mLookUpQuery = prepared(mLookUp);
        qint64 from = std::numeric_limits<qint64>::min();
        while (mProbes < ProbeLimit) {
            if (tryInsert(mInsertFromQuery, {from}))
                return;
            // Keeps the rows read before the damage, exactly as many as were read.
            const auto [count, highest] = readFrom(from);
            if (count > 0) {
                tryInsert(mInsertCountedQuery, {from, count});
                seen(highest);
                if (highest == std::numeric_limits<qint64>::max())
                    return;
                from = highest + 1;
            } else if (from == std::numeric_limits<qint64>::min()) {
                from = std::min<qint64>(1, mLowest);
            }
            // Steps over the damaged rowids until a lookup reads a page again.
            qint64 rowid = from;
            qint64 failed = 0;
            while (rowid <= probeEnd() && failed < GapProbeLimit && mProbes < ProbeLimit) {
                if (lookUp(rowid) != Found::Damage)
                    break;
                mDamaged.insert(rowid);
                ++failed;
                ++rowid;
            }
            if (rowid > probeEnd() || failed >= GapProbeLimit)
                return;
            from = rowid + 1;
        }
    }

    // Every rowid up to the highest seen that no scan copied, and every one an index lists, looked up alone.
    void lookUpMissing()
    {
        std::vector<qint64> saved;
        QSqlQuery kept(mDb);
        kept.setForwardOnly(true);
        if (kept.exec(QString("SELECT rowid FROM salvaged.%1 ORDER BY rowid").arg(quoted(mTable))))
            while (kept.next())
                saved.push_back(kept.value(0).toLongLong());
        kept = QSqlQuery();
        auto missing = [&](qint64 rowid) {
            return !mDamaged.contains(rowid) && !std::binary_search(saved.begin(), saved.end(), rowid);
        };
        const qint64 end = probeEnd();
        qint64 failedInRow = 0;
        for (qint64 rowid = std::min<qint64>(1, mLowest); rowid <= end && mProbes < ProbeLimit; ++rowid) {
            if (!missing(rowid))
                continue;
            if (lookUp(rowid) == Found::Damage) {
                if (++failedInRow >= GapProbeLimit)
                    break;
            } else {
                failedInRow = 0;
            }
        }
        for (const qint64 rowid : mListed)
            if (mProbes < ProbeLimit && (rowid < std::min<qint64>(1, mLowest) || rowid > end) && missing(rowid))
                lookUp(rowid);
    }

    QSqlDatabase mDb;
    QString mSource;
    QString mTable;
    QString mInsertFrom, mInsertCounted, mInsertOne, mReadFrom, mLookUp;
    QSqlQuery mInsertFromQuery, mInsertCountedQuery, mInsertOneQuery, mReadQuery, mLookUpQuery;
    std::vector<qint64> mListed;
    QSet<qint64> mDamaged;
    qint64 mHighest = 0;
    qint64 mLowest = 1;
    qint64 mSaved = 0;
    qint64 mProbes = 0;
};

// The most rows the damaged file counts for a table, through the table
// itself or any of its indexes; -1 when none of them can be counted.
qint64 countedRows(const QSqlDatabase &db, const QString &source, const QString &table)
{
    const QList<qint64> counts = RowCounts(db, table, source);
    return *std::max_element(counts.begin(), counts.end());
}

// Automatic keys go on from the highest ever given, as in the damaged file.
void keepKeySequences(const QSqlDatabase &db, const QString &source)
{
    QSqlQuery sequences(db);
    if (!sequences.exec("SELECT name, seq FROM " + source + ".sqlite_sequence"))
        return;
    while (sequences.next()) {
        const QString name = sequences.value(0).toString();
        const qint64 seq = sequences.value(1).toLongLong();
        const bool ours = std::any_of(schema::Tables().begin(), schema::Tables().end(),
                                      [&](const schema::Table &t) { return t.name == name; });
        if (!ours)
            continue;
        if (RunQuery(db, "UPDATE salvaged.sqlite_sequence SET seq = max(seq, ?) WHERE name = ?", {seq, name})
                .numRowsAffected()
            == 0)
            RunQuery(db, "INSERT INTO salvaged.sqlite_sequence (name, seq) VALUES (?, ?)", {name, seq});
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

namespace {

// Salvages the book read through the schema `schema` of db into the new book copyName.
SalvageReport salvage(const QSqlDatabase &db, const QString &schema, const QString &source, const QString &copyName)
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
    bool attached = false;
    try {
        RunQuery(db, "ATTACH DATABASE ? AS salvaged", {QFileInfo(copyName).absoluteFilePath()});
        attached = true;
        // Each copy is a statement of its own: within one transaction, SQLite
        // refuses every write after one that met damage. The file is new and
        // is flushed to disk before it is used, so its journal can stay in memory.
        RunQuery(db, "PRAGMA salvaged.journal_mode = MEMORY");
        RunQuery(db, "PRAGMA salvaged.synchronous = OFF");
        for (const schema::Table &table : schema::Tables()) {
            SalvagedTable kept{table.name, TableSalvage(db, schema, table).copyAll(), 0};
            const qint64 counted = countedRows(db, schema, table.name);
            kept.lost = counted < 0 ? -1 : std::max<qint64>(0, counted - kept.saved);
            report.tables.push_back(kept);
        }
        keepKeySequences(db, schema);
        CopySyncTables(db, schema, "salvaged");
        RunQuery(db, "PRAGMA writable_schema = OFF");
        for (const QString &index : laterIndexes)
            RunQuery(db, QString(index).replace("CREATE INDEX ", "CREATE INDEX salvaged."));
        QSqlQuery check = RunQuery(db, "PRAGMA salvaged.integrity_check");
        if (!check.next() || check.value(0).toString() != "ok")
            throw DatabaseError(
                QCoreApplication::translate(
                    "Store", "The repaired file '%1' did not pass the integrity check, so it was not used.")
                    .arg(QFileInfo(copyName).fileName()));
        check = QSqlQuery();
        RunQuery(db, "DETACH DATABASE salvaged");
    } catch (...) {
        if (attached)
            QSqlQuery(db).exec("DETACH DATABASE salvaged");
        QFile::remove(copyName + "-journal");
        QFile::remove(copyName);
        throw;
    }
    return report;
}

} // namespace

SalvageReport SalvageInto(const QString &source, const QString &copyName)
{
    const QString connection = "salvage-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
    // The damaged file is attached read-only to a connection of no file of its own.
    db.setDatabaseName(":memory:");
    db.setConnectOptions("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000");
    try {
        if (!db.open())
            throw ToDatabaseError(db.lastError(), source);
        // A file cut short is read as far as it goes, where SQLite would refuse it whole.
        RunQuery(db, "PRAGMA writable_schema = ON");
        RunQuery(db, "ATTACH DATABASE ? AS damaged",
                 {QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString(QUrl::FullyEncoded) + "?mode=ro"});
        SalvageReport report = salvage(db, "damaged", source, copyName);
        CloseDatabase(db);
        return report;
    } catch (...) {
        CloseDatabase(db);
        throw;
    }
}

SalvageReport SalvageFromOpenBook(const QSqlDatabase &db, const QString &source, const QString &copyName)
{
    // A file cut short is read as far as it goes, where SQLite would refuse it whole.
    RunQuery(db, "PRAGMA writable_schema = ON");
    return salvage(db, "main", source, copyName);
}

} // namespace varnelle
