#include "store/History.h"
#include "store/repair/Salvage.h"

#include "common/Contact.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/repair/Health.h"
#include "store/repair/LeafPages.h"
#include "store/Schema.h"
#include "store/DetailTables.h"
#include "store/SyncState.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

// Brackets, not double quotes: SQLite reads a double-quoted name it does not
// know as a text, and a column missing from the damaged file must be an error.
QString quoted(const QString &name) { return '[' + name + ']'; }

bool isDamage(const QSqlError &error) { return ToDatabaseError(error).kind() == DatabaseError::Kind::Damaged; }

// The columns a table's rows are copied through; the rowid first where no key column stands for it.
QStringList copiedColumns(const schema::Table &table)
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
    return columns;
}

// True when a record read from a page can be a row of the table: as many
// columns, each of its type (NULL for the key, which is the rowid), no text
// longer than its field holds.
bool fits(const schema::Table &table, const QVariantList &values)
{
    if (values.size() != qsizetype(table.fields.size()))
        return false;
    for (size_t i = 0; i < table.fields.size(); ++i) {
        const schema::Field &field = table.fields[i];
        const QVariant &value = values[qsizetype(i)];
        if (value.isNull())
            continue;
        if (field.autoIncrement)
            return false;
        if (field.type == schema::FieldType::Text) {
            if (value.typeId() != QMetaType::QString || value.toString().size() > field.size)
                return false;
        } else if (value.typeId() != QMetaType::LongLong) {
            return false;
        }
    }
    return true;
}

// Copies one table from the damaged book (the schema `source`) into the new one, attached as "salvaged".
//
// The table is swept in rowid order from its start. A scan that meets damage
// keeps the rows it read before it; then the rowids known to exist after them
// (listed by an index or found on a page) are looked up one by one until one
// lands on a readable page again, and the scan goes on from there. Last,
// every known rowid not saved yet is looked up once more, so that rows a
// damaged page hides from scans, and rows out of order, are saved whenever a
// lookup by rowid still reads them. Each known rowid is looked up at most
// twice: the work is bounded by the rows the file holds, whatever garbage a
// damaged page shows. Everything is a loop: the stack does not grow with the damage.
class TableSalvage {
public:
    // onPages: the rows read from the pages themselves, which are saved from there.
    TableSalvage(const QSqlDatabase &db, const QString &source, const schema::Table &table,
                 const std::vector<LeafPages::Row> &onPages)
        : mDb(db), mSource(source), mTable(table.name)
    {
        for (const LeafPages::Row &row : onPages) {
            mKnown.push_back(row.rowid);
            mPageOf.insert(row.rowid, row.page);
        }
        const QString list = copiedColumns(table).join(", ");
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

    void copyAll()
    {
        noteListedRowids();
        std::sort(mKnown.begin(), mKnown.end());
        mKnown.erase(std::unique(mKnown.begin(), mKnown.end()), mKnown.end());
        sweep();
        lookUpMissing();
    }

    // The rowids the indexes list and the pages show: the rows known to exist.
    const std::vector<qint64> &known() const { return mKnown; }

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
        if (insert.exec())
            return true;
        if (!isDamage(insert.lastError()))
            throw ToDatabaseError(insert.lastError());
        return false;
    }

    // The rowids the indexes list: where the table's rows lie, whatever pages
    // of the table itself are damaged.
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
                while (listed.next())
                    mKnown.push_back(listed.value(0).toLongLong());
        }
    }

    // Looks one rowid up and copies its row when one is read.
    Found lookUp(qint64 rowid)
    {
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
        auto next = mKnown.begin();
        while (true) {
            if (tryInsert(mInsertFromQuery, {from}))
                return;
            // Keeps the rows read before the damage, exactly as many as were read.
            const auto [count, highest] = readFrom(from);
            if (count > 0) {
                tryInsert(mInsertCountedQuery, {from, count});
                if (highest == std::numeric_limits<qint64>::max())
                    return;
                from = highest + 1;
            }
            // Steps over the damaged rows known to exist until a lookup reads a page again.
            next = std::lower_bound(next, mKnown.end(), from);
            while (next != mKnown.end() && lookUp(*next) == Found::Damage) {
                // The other rows of its leaf lie behind the same damage; they are saved from the page.
                const qint64 page = mPageOf.value(*next);
                mDamaged.insert(*next++);
                while (page != 0 && next != mKnown.end() && mPageOf.value(*next) == page)
                    mDamaged.insert(*next++);
            }
            if (next == mKnown.end())
                return;
            from = *next++ + 1;
        }
    }

    // Every known rowid that no scan copied, looked up alone.
    void lookUpMissing()
    {
        std::vector<qint64> saved;
        QSqlQuery kept(mDb);
        kept.setForwardOnly(true);
        if (kept.exec(QString("SELECT rowid FROM salvaged.%1 ORDER BY rowid").arg(quoted(mTable))))
            while (kept.next())
                saved.push_back(kept.value(0).toLongLong());
        kept = QSqlQuery();
        for (const qint64 rowid : mKnown)
            if (!mDamaged.contains(rowid) && !mPageOf.contains(rowid)
                && !std::binary_search(saved.begin(), saved.end(), rowid))
                lookUp(rowid);
    }

    QSqlDatabase mDb;
    QString mSource;
    QString mTable;
    QString mInsertFrom, mInsertCounted, mInsertOne, mReadFrom, mLookUp;
    QSqlQuery mInsertFromQuery, mInsertCountedQuery, mInsertOneQuery, mReadQuery, mLookUpQuery;
    std::vector<qint64> mKnown;
    QHash<qint64, qint64> mPageOf; // the leaf page each row read from the pages lies on
    QSet<qint64> mDamaged;
};

// Automatic keys go on from the highest ever given, as in the damaged file:
// (table name, highest key) as read through SQLite or from the pages.
void keepKeySequences(const QSqlDatabase &db, const QList<QPair<QString, qint64>> &sequences)
{
    for (const auto &[name, seq] : sequences) {
        const bool ours = std::any_of(schema::Tables().begin(), schema::Tables().end(),
                                      [&table = name](const schema::Table &t) { return t.name == table; });
        if (!ours)
            continue;
        if (RunQuery(db, "UPDATE salvaged.sqlite_sequence SET seq = max(seq, ?) WHERE name = ?", {seq, name})
                .numRowsAffected()
            == 0)
            RunQuery(db, "INSERT INTO salvaged.sqlite_sequence (name, seq) VALUES (?, ?)", {name, seq});
    }
}

QList<QPair<QString, qint64>> sequencesReadBySqlite(const QSqlDatabase &db, const QString &source)
{
    QList<QPair<QString, qint64>> sequences;
    QSqlQuery read(db);
    if (read.exec("SELECT name, seq FROM " + source + ".sqlite_sequence"))
        while (read.next())
            sequences.append({read.value(0).toString(), read.value(1).toLongLong()});
    return sequences;
}

// The rows read from the pages of the damaged file, by table: those on the
// leaves of the table's own tree and those on leaves no tree reaches that fit
// its columns, a page going to a table only when it fits no other.
struct PageRows {
    QHash<QString, std::vector<LeafPages::Row>> rows;
    QHash<QString, bool> treeWhole; // every row of the table's tree was read
    QList<QPair<QString, qint64>> sequences;
    bool any = false;
};

PageRows readPages(LeafPages &pages)
{
    PageRows found;
    for (const schema::Table &table : schema::Tables()) {
        const qint64 root = pages.tableRoots().value(table.name);
        std::vector<LeafPages::Row> &rows = found.rows[table.name];
        const LeafPages::Tree tree = pages.readTree(root, [&](const LeafPages::Row &row) {
            if (fits(table, row.values))
                rows.push_back(row);
        });
        found.treeWhole[table.name] = root > 0 && tree == LeafPages::Tree::Whole;
    }
    if (const qint64 root = pages.tableRoots().value("sqlite_sequence"))
        pages.readTree(root, [&](const LeafPages::Row &row) {
            if (row.values.size() == 2 && row.values[1].typeId() == QMetaType::LongLong)
                found.sequences.append({row.values[0].toString(), row.values[1].toLongLong()});
        });
    for (const qint64 page : pages.unreachedLeaves()) {
        const std::vector<LeafPages::Row> rows = pages.rowsOn(page);
        const schema::Table *owner = nullptr;
        int owners = 0;
        for (const schema::Table &table : schema::Tables()) {
            if (!rows.empty() && std::all_of(rows.begin(), rows.end(), [&](const LeafPages::Row &row) {
                    return fits(table, row.values);
                })) {
                owner = &table;
                ++owners;
            }
        }
        if (owners == 1)
            found.rows[owner->name].insert(found.rows[owner->name].end(), rows.begin(), rows.end());
    }
    for (const auto &rows : std::as_const(found.rows))
        found.any = found.any || !rows.empty();
    return found;
}

// Copies the rows read from the pages that are not saved yet (by rowid, or by key).
void copyPageRows(const QSqlDatabase &db, const schema::Table &table, const std::vector<LeafPages::Row> &rows)
{
    const QStringList columns = copiedColumns(table);
    const bool rowidFirst = columns.first() == "rowid";
    QSqlQuery insert(db);
    const QString marks = QStringList(columns.size(), "?").join(", ");
    if (!insert.prepare(QString("INSERT OR IGNORE INTO salvaged.%1 (%2) VALUES (%3)")
                            .arg(quoted(table.name), columns.join(", "), marks)))
        throw ToDatabaseError(insert.lastError());
    RunQuery(db, "SAVEPOINT pageRows");
    for (const LeafPages::Row &row : rows) {
        int at = 0;
        if (rowidFirst)
            insert.bindValue(at++, row.rowid);
        for (size_t i = 0; i < table.fields.size(); ++i)
            insert.bindValue(at++, table.fields[i].autoIncrement ? QVariant(row.rowid) : row.values[qsizetype(i)]);
        if (!insert.exec())
            throw ToDatabaseError(insert.lastError());
    }
    RunQuery(db, "RELEASE pageRows");
}

std::vector<qint64> sortedRowids(const QSqlDatabase &db, const QString &table)
{
    std::vector<qint64> rowids;
    QSqlQuery read(db);
    read.setForwardOnly(true);
    if (read.exec(QString("SELECT rowid FROM salvaged.%1 ORDER BY rowid").arg(quoted(table))))
        while (read.next())
            rowids.push_back(read.value(0).toLongLong());
    return rowids;
}

QString digitsOf(const QString &text)
{
    QString digits;
    for (const QChar c : text)
        if (c.isDigit())
            digits += c;
    return digits;
}

// The name a synced contact's card gives the number: the label of its group
// ("item1.X-ABLABEL:Boat"), or its one telephone type word ("TEL;TYPE=HOME"
// gives "Home"); empty when the card tells none.
QString typeNameInCard(const QString &card, const QString &number)
{
    QStringList lines;
    for (const QString &line : card.split(QRegularExpression("\\r?\\n"))) {
        if ((line.startsWith(' ') || line.startsWith('\t')) && !lines.isEmpty())
            lines.last() += line.mid(1); // a folded line goes on
        else
            lines << line;
    }
    static const QRegularExpression property("^(?:([^.:;]+)\\.)?([^.:;]+)((?:;[^:]*)?):(.*)$");
    const QString wanted = digitsOf(number);
    for (const QString &line : std::as_const(lines)) {
        const QRegularExpressionMatch tel = property.match(line);
        if (!tel.hasMatch() || tel.captured(2).compare("TEL", Qt::CaseInsensitive) != 0 || wanted.isEmpty()
            || digitsOf(tel.captured(4)) != wanted)
            continue;
        if (!tel.captured(1).isEmpty())
            for (const QString &other : std::as_const(lines)) {
                const QRegularExpressionMatch label = property.match(other);
                if (label.hasMatch() && label.captured(1) == tel.captured(1)
                    && label.captured(2).compare("X-ABLABEL", Qt::CaseInsensitive) == 0)
                    return label.captured(4).remove('\\').trimmed();
            }
        QStringList words;
        for (QString param : tel.captured(3).split(';', Qt::SkipEmptyParts)) {
            if (param.startsWith("TYPE=", Qt::CaseInsensitive))
                param = param.mid(5);
            else if (param.contains('='))
                continue;
            for (const QString &word : param.remove('"').split(',', Qt::SkipEmptyParts))
                if (!QStringList{"VOICE", "PREF", "INTERNET"}.contains(word.toUpper()) && !word.startsWith("X-"))
                    words << word.toLower();
        }
        if (words.size() == 1)
            return words[0].left(1).toUpper() + words[0].mid(1);
        return {};
    }
    return {};
}

// The name the cards of synced contacts give the numbers of a lost type; empty when none does.
QString typeNameInSyncState(const QSqlDatabase &db, qint64 typeId)
{
    QSqlQuery cards(db);
    cards.setForwardOnly(true);
    cards.prepare("SELECT l.Number, c.Card FROM salvaged.TelephoneList l JOIN salvaged.SyncContact c "
                  "ON c.PersonID = l.PersonID WHERE l.TypeID = ? AND c.Card <> ''");
    cards.addBindValue(typeId);
    if (cards.exec())
        while (cards.next()) {
            const QString name = typeNameInCard(cards.value(1).toString(), cards.value(0).toString());
            if (!name.isEmpty() && name.size() <= PhoneTypeSize)
                return name;
        }
    return {};
}

// Numbers whose type was lost are shown under a type made again for them,
// named as the cards of synced contacts name their numbers where they do,
// else after its key: "Type 7".
qint64 remakeLostTypes(const QSqlDatabase &db)
{
    QSqlQuery lost(db);
    lost.setForwardOnly(true);
    QList<qint64> keys;
    if (lost.exec("SELECT DISTINCT TypeID FROM salvaged.TelephoneList WHERE TypeID IS NOT NULL AND TypeID NOT IN "
                  "(SELECT TypeID FROM salvaged.TelephoneType) ORDER BY TypeID"))
        while (lost.next())
            keys << lost.value(0).toLongLong();
    lost = QSqlQuery();
    auto taken = [&](const QString &name) {
        return RunQuery(db, "SELECT 1 FROM salvaged.TelephoneType WHERE TelephoneType = ?", {name}).next();
    };
    qint64 remade = 0;
    for (const qint64 key : keys) {
        QString name = typeNameInSyncState(db, key);
        if (name.isEmpty() || taken(name))
            name = QCoreApplication::translate("Store", "Type %1").arg(key);
        // A name already taken (in any case) gets a number until it is free.
        QString free = name;
        for (int n = 2; taken(free); ++n)
            free = QString("%1 (%2)").arg(name).arg(n);
        remade += RunQuery(db, "INSERT OR IGNORE INTO salvaged.TelephoneType (TypeID, TelephoneType) VALUES (?, ?)",
                           {key, free})
                      .numRowsAffected();
    }
    return remade;
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

// Salvages the book read through the schema `schema` of db (none when SQLite
// cannot read it at all) into the new book copyName.
SalvageReport salvage(const QSqlDatabase &db, const QString &schema, const QString &source, const QString &copyName,
                      const SalvageProgress &progress)
{
    auto told = [&](int percent) {
        if (progress)
            progress(percent);
    };
    told(0);
    LeafPages pages(source);
    const PageRows found = readPages(pages);
    if (schema.isEmpty() && !found.any)
        throw DatabaseError(QCoreApplication::translate("Store", "No row of an address book can be read in '%1'.")
                                .arg(QFileInfo(source).fileName()),
                            DatabaseError::Kind::NotADatabase);
    told(20);
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
        const int count = int(schema::Tables().size());
        int done = 0;
        for (const schema::Table &table : schema::Tables()) {
            const std::vector<LeafPages::Row> &onPages = found.rows.value(table.name);
            std::vector<qint64> known;
            for (const LeafPages::Row &row : onPages)
                known.push_back(row.rowid);
            // The rows lost are known when one tree of the table, its own or an index, was read whole.
            bool counted = found.treeWhole.value(table.name);
            if (!schema.isEmpty()) {
                TableSalvage sqlite(db, schema, table, onPages);
                sqlite.copyAll();
                known = sqlite.known();
                const QList<qint64> counts = RowCounts(db, table.name, schema);
                counted = counted
                          || (!pages.cutShort()
                              && std::any_of(counts.begin(), counts.end(), [](qint64 n) { return n >= 0; }));
            }
            std::sort(known.begin(), known.end());
            // Only the rows SQLite did not save are copied from the pages.
            std::vector<qint64> saved = sortedRowids(db, table.name);
            std::vector<LeafPages::Row> missing;
            for (const LeafPages::Row &row : onPages)
                if (!std::binary_search(saved.begin(), saved.end(), row.rowid))
                    missing.push_back(row);
            if (!missing.empty()) {
                copyPageRows(db, table, missing);
                saved = sortedRowids(db, table.name);
            }
            // Lost: the rows known to exist (an index lists them, a page shows them) that are not saved.
            qint64 lost = 0;
            for (size_t i = 0; i < known.size(); ++i)
                if ((i == 0 || known[i] != known[i - 1]) && !std::binary_search(saved.begin(), saved.end(), known[i]))
                    ++lost;
            report.tables.push_back({table.name, qint64(saved.size()), counted ? lost : -1, 0});
            told(20 + 70 * ++done / count);
        }
        keepKeySequences(db, schema.isEmpty() ? found.sequences : sequencesReadBySqlite(db, schema));
        if (!schema.isEmpty()) {
            CopySyncTables(db, schema, "salvaged");
            CopyDetailTables(db, schema, "salvaged");
        }
        for (SalvagedTable &kept : report.tables)
            if (kept.table == "TelephoneType")
                kept.remade = remakeLostTypes(db);
        // After every other row, so that the history's triggers record none of the salvage.
        if (!schema.isEmpty())
            CopyHistoryTables(db, schema, "salvaged");
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
    told(100);
    return report;
}

} // namespace

SalvageReport SalvageInto(const QString &source, const QString &copyName, const SalvageProgress &progress)
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
        // A file whose header SQLite refuses is read from its pages alone.
        QSqlQuery attach(db);
        attach.prepare("ATTACH DATABASE ? AS damaged");
        attach.addBindValue(QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString(QUrl::FullyEncoded)
                            + "?mode=ro");
        bool readable = attach.exec();
        const bool attached = readable;
        if (attached) {
            attach = QSqlQuery(db);
            readable = attach.exec("SELECT count(*) FROM damaged.sqlite_master");
        }
        const QSqlError refusal = attach.lastError();
        attach = QSqlQuery();
        if (!readable && ToDatabaseError(refusal, source).kind() != DatabaseError::Kind::NotADatabase)
            throw ToDatabaseError(refusal, source);
        if (attached && !readable)
            RunQuery(db, "DETACH DATABASE damaged");
        SalvageReport report = salvage(db, readable ? "damaged" : QString(), source, copyName, progress);
        CloseDatabase(db);
        return report;
    } catch (...) {
        CloseDatabase(db);
        throw;
    }
}

SalvageReport SalvageFromOpenBook(const QSqlDatabase &db, const QString &source, const QString &copyName,
                                  const SalvageProgress &progress)
{
    // A file cut short is read as far as it goes, where SQLite would refuse it whole.
    RunQuery(db, "PRAGMA writable_schema = ON");
    return salvage(db, "main", source, copyName, progress);
}

} // namespace varnelle
