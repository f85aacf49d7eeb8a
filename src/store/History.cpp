#include "store/History.h"

#include "store/Database.h"
#include "store/DetailTables.h"
#include "store/Schema.h"
#include "store/SqliteStatement.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>
#include <QTimeZone>
#include <algorithm>

namespace varnelle {

namespace {

// A table the history watches: its columns, the columns of its key, whether
// its rows belong to a contact (PersonID), and whether an import leaves its
// added rows out of the history (it records the range of the PersonIDs it
// gave instead: one row for all its contacts, their numbers and details).
struct Watched {
    QString table;
    QStringList columns;
    QStringList keys;
    bool personal = true;
    bool child = true;
};

const QList<Watched> &watchedTables()
{
    static const QList<Watched> tables = [] {
        QStringList addressColumns;
        for (const schema::Table &t : schema::Tables())
            if (t.name == "Address")
                for (const schema::Field &f : t.fields)
                    addressColumns << f.name;
        return QList<Watched>{
            {"Address", addressColumns, {"PersonID"}, true, true},
            {"TelephoneType", {"TypeID", "TelephoneType"}, {"TypeID"}, false, false},
            {"TelephoneList", {"PersonID", "TypeID", "Number"}, {"PersonID", "TypeID"}, true, true},
            {"ContactDetail", {"PersonID", "Kind", "Position", "Label", "Value", "Data"},
             {"PersonID", "Kind", "Position"}, true, true},
            {"ContactAddress",
             {"PersonID", "Position", "Label", "POBox", "Extended", "Street", "Locality", "Region", "PostalCode",
              "Country"},
             {"PersonID", "Position"}, true, true},
        };
    }();
    return tables;
}

const Watched *watched(const QString &table)
{
    for (const Watched &w : watchedTables())
        if (w.table == table)
            return &w;
    return nullptr;
}

// Blobs go into the JSON as hex.
QString columnValue(const QString &row, const QString &column)
{
    return column == "Data" ? QString("hex(%1.Data)").arg(row) : row + '.' + column;
}

QString jsonOf(const QString &row, const QStringList &columns)
{
    QStringList parts;
    for (const QString &c : columns)
        parts << QString("'%1', %2").arg(c, columnValue(row, c));
    return "json_object(" + parts.join(", ") + ')';
}

QString rowKey(const QString &row, const QStringList &keys)
{
    QStringList parts;
    for (const QString &k : keys)
        parts << row + '.' + k;
    return parts.join(" || '/' || ");
}

const char *const Now = "strftime('%Y-%m-%dT%H:%M:%fZ', 'now')";

const QStringList &tableStatements()
{
    static const QStringList statements = {
        "CREATE TABLE IF NOT EXISTS HistoryEntry (EntryID INTEGER PRIMARY KEY, Time TEXT NOT NULL, Kind TEXT NOT "
        "NULL, Subject TEXT, Count INTEGER, Source TEXT, UndoneBy INTEGER, Target INTEGER)",
        "CREATE TABLE IF NOT EXISTS HistoryChange (ChangeID INTEGER PRIMARY KEY, EntryID INTEGER NOT NULL, "
        "TableName TEXT NOT NULL, RowKey TEXT, PersonID INTEGER, Operation TEXT NOT NULL, OldValues TEXT, NewValues "
        "TEXT)",
        "CREATE INDEX IF NOT EXISTS HistoryChangeEntry ON HistoryChange (EntryID)",
        "CREATE INDEX IF NOT EXISTS HistoryChangePerson ON HistoryChange (PersonID)",
        "CREATE TABLE IF NOT EXISTS HistoryOpen (EntryID INTEGER NOT NULL, ContactsOnly BOOLEAN NOT NULL)",
        "CREATE TABLE IF NOT EXISTS HistoryKept (Days INTEGER NOT NULL)",
    };
    return statements;
}

struct Trigger {
    QString name;
    QString sql;
};

// The triggers, made as this program makes them: HasHistory compares their text.
const QList<Trigger> &triggers()
{
    static const QList<Trigger> made = [] {
        QList<Trigger> list;
        const QString otherEntry =
            QString("INSERT INTO HistoryEntry (Time, Kind, Subject, Count, Source) SELECT %1, 'other', '', 0, '' "
                    "WHERE NOT EXISTS (SELECT 1 FROM HistoryOpen) AND NOT EXISTS (SELECT 1 FROM HistoryEntry WHERE "
                    "EntryID = (SELECT max(EntryID) FROM HistoryEntry) AND Kind = 'other' AND Time = %1); ")
                .arg(Now);
        const QString entry = "coalesce((SELECT EntryID FROM HistoryOpen), (SELECT max(EntryID) FROM HistoryEntry))";
        for (const Watched &w : watchedTables()) {
            const auto record = [&](const QString &op, const QString &row, const QString &oldValues,
                                    const QString &newValues) {
                return QString("INSERT INTO HistoryChange (EntryID, TableName, RowKey, PersonID, Operation, "
                               "OldValues, NewValues) VALUES (%1, '%2', %3, %4, '%5', %6, %7); ")
                    .arg(entry, w.table, rowKey(row, w.keys), w.personal ? row + ".PersonID" : "NULL", op,
                         oldValues, newValues);
            };
            QStringList differs;
            for (const QString &c : w.columns)
                differs << QString("OLD.%1 IS NOT NEW.%1").arg(c);
            list.append({"History" + w.table + "Added",
                         QString("CREATE TRIGGER History%1Added AFTER INSERT ON %1%2 BEGIN %3%4END")
                             .arg(w.table,
                                  w.child ? " WHEN NOT EXISTS (SELECT 1 FROM HistoryOpen WHERE ContactsOnly)" : "",
                                  otherEntry, record("insert", "NEW", "NULL", jsonOf("NEW", w.keys)))});
            list.append({"History" + w.table + "Changed",
                         QString("CREATE TRIGGER History%1Changed AFTER UPDATE ON %1 WHEN %2 BEGIN %3%4END")
                             .arg(w.table, differs.join(" OR "), otherEntry,
                                  record("update", "NEW", jsonOf("OLD", w.columns), jsonOf("NEW", w.columns)))});
            list.append({"History" + w.table + "Deleted",
                         QString("CREATE TRIGGER History%1Deleted AFTER DELETE ON %1 BEGIN %2%3END")
                             .arg(w.table, otherEntry, record("delete", "OLD", jsonOf("OLD", w.columns), "NULL"))});
        }
        return list;
    }();
    return made;
}

bool tablesIn(const QSqlDatabase &db, const QString &schemaName)
{
    QSqlQuery q(db);
    return q.exec(QString("SELECT count(*) FROM %1.sqlite_master WHERE type = 'table' AND name IN ('HistoryEntry', "
                          "'HistoryChange', 'HistoryOpen', 'HistoryKept')")
                      .arg(schemaName))
        && q.next() && q.value(0).toInt() == 4;
}


HistoryEntry entryFrom(const QSqlQuery &q)
{
    HistoryEntry e;
    e.id = q.value(0).toLongLong();
    e.time = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
    e.kind = q.value(2).toString();
    e.subject = q.value(3).toString();
    e.count = q.value(4).toInt();
    e.source = q.value(5).toString();
    e.undoneBy = q.value(6).toLongLong();
    e.target = q.value(7).toLongLong();
    return e;
}

const char *const EntryColumns = "EntryID, Time, Kind, Subject, Count, Source, UndoneBy, Target";

QList<HistoryEntry> readEntries(const QSqlDatabase &db, const QString &where, const QVariantList &values = {})
{
    QList<HistoryEntry> entries;
    if (!tablesIn(db, "main"))
        return entries;
    QSqlQuery q = RunQuery(db, QString("SELECT %1 FROM HistoryEntry %2").arg(EntryColumns, where), values);
    while (q.next())
        entries.append(entryFrom(q));
    CheckRowsRead(q);
    return entries;
}

QJsonObject parsed(const QVariant &json)
{
    return QJsonDocument::fromJson(json.toString().toUtf8()).object();
}

QVariant valueOf(const QJsonObject &row, const QString &column)
{
    const QJsonValue v = row.value(column);
    if (v.isNull() || v.isUndefined())
        return QVariant();
    if (column == "Data") {
        const QByteArray data = QByteArray::fromHex(v.toString().toLatin1());
        return data.isEmpty() ? QVariant() : QVariant(data);
    }
    if (v.isDouble())
        return QVariant(qint64(v.toDouble()));
    return v.toString();
}

QString whereKeys(const Watched &w)
{
    QStringList parts;
    for (const QString &k : w.keys)
        parts << k + " = ?";
    return parts.join(" AND ");
}

QVariantList keyValues(const Watched &w, const QJsonObject &row)
{
    QVariantList values;
    for (const QString &k : w.keys)
        values << valueOf(row, k);
    return values;
}

void insertRow(const QSqlDatabase &db, const Watched &w, const QJsonObject &row)
{
    QVariantList values;
    for (const QString &c : w.columns)
        values << valueOf(row, c);
    RunQuery(db,
             QString("INSERT OR REPLACE INTO %1 (%2) VALUES (%3)")
                 .arg(w.table, w.columns.join(", "), QStringList(w.columns.size(), "?").join(", ")),
             values);
}

struct StoredChange {
    QString table;
    QString operation;
    QJsonObject oldValues;
    QJsonObject newValues;
};

// Takes back one recorded change (the triggers record what this does).
void takeBack(const QSqlDatabase &db, const StoredChange &c)
{
    if (c.operation == "insert-range") {
        const QVariantList range{valueOf(c.newValues, "First"), valueOf(c.newValues, "Last")};
        if (c.table == "TelephoneType") {
            RunQuery(db,
                     "DELETE FROM TelephoneType WHERE TypeID BETWEEN ? AND ? AND NOT EXISTS (SELECT 1 FROM "
                     "TelephoneList WHERE TypeID = TelephoneType.TypeID)",
                     range);
            return;
        }
        // The contacts of an import go whole: numbers, and (by trigger) details.
        RunQuery(db, "DELETE FROM TelephoneList WHERE PersonID BETWEEN ? AND ?", range);
        RunQuery(db, "DELETE FROM Address WHERE PersonID BETWEEN ? AND ?", range);
        return;
    }
    const Watched *w = watched(c.table);
    if (!w)
        return;
    if (c.operation == "insert") {
        const QVariantList key = keyValues(*w, c.newValues);
        if (w->table == "TelephoneType")
            RunQuery(db,
                     "DELETE FROM TelephoneType WHERE TypeID = ? AND NOT EXISTS (SELECT 1 FROM TelephoneList WHERE "
                     "TypeID = TelephoneType.TypeID)",
                     key);
        else
            RunQuery(db, QString("DELETE FROM %1 WHERE %2").arg(w->table, whereKeys(*w)), key);
    } else if (c.operation == "update") {
        QStringList sets;
        QVariantList values;
        for (const QString &col : w->columns) {
            sets << col + " = ?";
            values << valueOf(c.oldValues, col);
        }
        values << keyValues(*w, c.newValues);
        RunQuery(db, QString("UPDATE %1 SET %2 WHERE %3").arg(w->table, sets.join(", "), whereKeys(*w)), values);
    } else if (c.operation == "delete") {
        insertRow(db, *w, c.oldValues);
    }
}

// Takes back an entry's changes, the last first; a type added goes last,
// when no number of the entry's contacts uses it any more.
void takeBackAll(const QSqlDatabase &db, const QList<StoredChange> &changes)
{
    QList<const StoredChange *> types;
    for (auto c = changes.crbegin(); c != changes.crend(); ++c) {
        if (c->table == "TelephoneType" && c->operation.startsWith("insert"))
            types.append(&*c);
        else
            takeBack(db, *c);
    }
    for (const StoredChange *c : types)
        takeBack(db, *c);
}

QList<StoredChange> storedChanges(const QSqlDatabase &db, qint64 entryId)
{
    QList<StoredChange> changes;
    QSqlQuery q = RunQuery(db,
                           "SELECT TableName, Operation, OldValues, NewValues FROM HistoryChange WHERE EntryID = ? "
                           "ORDER BY ChangeID",
                           {entryId});
    while (q.next())
        changes.append({q.value(0).toString(), q.value(1).toString(), parsed(q.value(2)), parsed(q.value(3))});
    CheckRowsRead(q);
    return changes;
}

QString nameOf(const QJsonObject &row)
{
    const QString last = row.value("LastName").toString();
    const QString first = row.value("FirstName").toString();
    if (last.isEmpty() || first.isEmpty())
        return last + first;
    return last + ", " + first;
}

// The contact an entry of a single contact is about, as it reads now or was last seen.
QString contactNameOf(const QSqlDatabase &db, qint64 entryId)
{
    QSqlQuery q = RunQuery(db,
                           "SELECT c.Operation, c.OldValues, c.NewValues, a.LastName, a.FirstName FROM HistoryChange c "
                           "LEFT JOIN Address a ON a.PersonID = c.PersonID WHERE c.EntryID = ? AND c.PersonID IS NOT "
                           "NULL ORDER BY c.TableName <> 'Address', c.ChangeID LIMIT 1",
                           {entryId});
    if (!q.next())
        return {};
    if (!q.value(3).isNull() || !q.value(4).isNull())
        return nameOf(QJsonObject{{"LastName", q.value(3).toString()}, {"FirstName", q.value(4).toString()}});
    return nameOf(parsed(q.value(q.value(0).toString() == "insert" ? 2 : 1)));
}

HistoryEntry newEntry(const QSqlDatabase &db, const QString &kind, const QString &subject, qint64 target,
                      bool contactsOnly = false)
{
    RunQuery(db, QString("INSERT INTO HistoryEntry (Time, Kind, Subject, Count, Source, Target) VALUES (%1, ?, ?, 0, "
                         "?, ?)")
                     .arg(Now),
             {kind, subject, QCoreApplication::applicationName(), target ? QVariant(target) : QVariant()});
    QSqlQuery id = RunQuery(db, "SELECT last_insert_rowid()");
    id.next();
    const qint64 entryId = id.value(0).toLongLong();
    RunQuery(db, "DELETE FROM HistoryOpen");
    RunQuery(db, "INSERT INTO HistoryOpen (EntryID, ContactsOnly) VALUES (?, ?)", {entryId, contactsOnly ? 1 : 0});
    return *ReadHistoryEntry(db, entryId);
}

void closeEntry(const QSqlDatabase &db, qint64 entryId)
{
    RunQuery(db, "DELETE FROM HistoryOpen");
    RunQuery(db,
             "DELETE FROM HistoryEntry WHERE EntryID = ? AND NOT EXISTS (SELECT 1 FROM HistoryChange WHERE EntryID = ?)",
             {entryId, entryId});
}

// A contact added and then edited or deleted at once (the editor opened on a
// new contact, saved or cancelled) is one entry, or none: the edit joins the
// addition, the deletion of a contact never saved takes it away. True when
// the entry was folded in.
bool foldIntoAddition(const QSqlDatabase &db, qint64 entryId, const QString &kind)
{
    QSqlQuery mine = RunQuery(db, "SELECT count(DISTINCT PersonID), min(PersonID), count(*) - count(PersonID) FROM "
                                  "HistoryChange WHERE EntryID = ?",
                              {entryId});
    if (!mine.next() || mine.value(0).toInt() != 1 || mine.value(2).toInt() != 0)
        return false;
    const QVariant personId = mine.value(1);
    QSqlQuery before = RunQuery(db,
                                "SELECT e.EntryID FROM HistoryEntry e WHERE e.EntryID = (SELECT max(EntryID) FROM "
                                "HistoryEntry WHERE EntryID < ?) AND e.Kind = 'add' AND e.UndoneBy IS NULL AND NOT "
                                "EXISTS (SELECT 1 FROM HistoryChange c WHERE c.EntryID = e.EntryID AND c.PersonID IS "
                                "NOT ?)",
                                {entryId, personId});
    if (!before.next())
        return false;
    const qint64 addition = before.value(0).toLongLong();
    if (kind == history::Delete) {
        // Only a contact whose fields were never saved (an editor cancelled) goes without a trace.
        if (RunQuery(db,
                     "SELECT 1 FROM HistoryChange WHERE EntryID = ? AND TableName = 'Address' AND Operation = "
                     "'update'",
                     {addition})
                .next())
            return false;
        RunQuery(db, "DELETE FROM HistoryChange WHERE EntryID IN (?, ?)", {addition, entryId});
        RunQuery(db, "DELETE FROM HistoryEntry WHERE EntryID = ?", {addition});
    } else {
        RunQuery(db, "UPDATE HistoryChange SET EntryID = ? WHERE EntryID = ?", {addition, entryId});
        RunQuery(db, "UPDATE HistoryEntry SET Subject = ? WHERE EntryID = ?", {contactNameOf(db, addition), addition});
    }
    return true;
}

// The highest key ever given in Address or TelephoneType (AUTOINCREMENT gives none again).
qint64 lastKey(const QSqlDatabase &db, const QString &table)
{
    const QString key = table == "Address" ? "PersonID" : "TypeID";
    QSqlQuery q = RunQuery(db, QString("SELECT max(coalesce((SELECT seq FROM sqlite_sequence WHERE name = '%1'), 0), "
                                       "coalesce((SELECT max(%2) FROM %1), 0))")
                                   .arg(table, key));
    return q.next() ? q.value(0).toLongLong() : 0;
}

// Records the rows of table added by the open entry as one range of keys.
void recordAddedRange(const QSqlDatabase &db, qint64 entryId, const QString &table, qint64 first)
{
    const qint64 last = lastKey(db, table);
    if (last >= first)
        RunQuery(db,
                 "INSERT INTO HistoryChange (EntryID, TableName, RowKey, PersonID, Operation, OldValues, NewValues) "
                 "VALUES (?, ?, ?, NULL, 'insert-range', NULL, json_object('First', ?, 'Last', ?))",
                 {entryId, table, QString("%1-%2").arg(first).arg(last), first, last});
}

QString entriesNamed(const QList<HistoryEntry> &entries)
{
    QStringList names;
    for (const HistoryEntry &e : entries)
        names << QString("%1 %2").arg(e.id).arg(HistoryEntryText(e));
    return names.join("; ");
}

} // namespace

const QStringList &HistoryTableNames()
{
    static const QStringList names = {"HistoryEntry", "HistoryChange", "HistoryOpen", "HistoryKept"};
    return names;
}

bool InTransactionNow(const QSqlDatabase &db)
{
    return db.isOpen() && !sqlite3_get_autocommit(SqliteHandle(db));
}

bool HasHistory(const QSqlDatabase &db)
{
    if (!tablesIn(db, "main"))
        return false;
    QSqlQuery q(db);
    if (!q.exec("SELECT sql FROM sqlite_master WHERE type = 'trigger' AND name LIKE 'History%'"))
        return false;
    QStringList found;
    while (q.next())
        found << q.value(0).toString();
    QStringList expected;
    for (const Trigger &t : triggers())
        expected << t.sql;
    found.sort();
    expected.sort();
    return found == expected;
}

int HistoryKeepDays(const QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (tablesIn(db, "main") && q.exec("SELECT Days FROM HistoryKept") && q.next())
        return std::max(0, q.value(0).toInt());
    return history::DefaultKeepDays;
}

void EnsureHistory(const QSqlDatabase &db, const QString &schemaName)
{
    const bool main = schemaName == "main";
    if (main && HistoryKeepDays(db) == 0)
        return;
    if (main && HasHistory(db))
        return;
    CreateDetailTables(db, schemaName);
    for (QString statement : tableStatements()) {
        statement.replace(QLatin1String("IF NOT EXISTS "), "IF NOT EXISTS " + schemaName + '.');
        RunQuery(db, statement);
    }
    for (const Trigger &t : triggers()) {
        RunQuery(db, QString("DROP TRIGGER IF EXISTS %1.%2").arg(schemaName, t.name));
        RunQuery(db, QString(t.sql).replace("CREATE TRIGGER ", "CREATE TRIGGER " + schemaName + '.'));
    }
}

void SetHistoryKeepDays(QSqlDatabase &db, int days)
{
    InTransaction(db, [&] {
        for (const QString &statement : tableStatements())
            RunQuery(db, statement);
        RunQuery(db, "DELETE FROM HistoryKept");
        RunQuery(db, "INSERT INTO HistoryKept (Days) VALUES (?)", {std::max(0, days)});
        if (days > 0) {
            EnsureHistory(db);
            return;
        }
        for (const Trigger &t : triggers())
            RunQuery(db, QString("DROP TRIGGER IF EXISTS %1").arg(t.name));
        RunQuery(db, "DELETE FROM HistoryChange");
        RunQuery(db, "DELETE FROM HistoryEntry");
    });
}

int PruneHistory(QSqlDatabase &db, const QDateTime &now)
{
    if (!tablesIn(db, "main"))
        return 0;
    const int days = HistoryKeepDays(db);
    if (days == 0)
        return 0;
    const QString cutoff = now.toUTC().addDays(-days).toString("yyyy-MM-ddTHH:mm:ss.zzzZ");
    int pruned = 0;
    InTransaction(db, [&] {
        RunQuery(db, "DELETE FROM HistoryChange WHERE EntryID IN (SELECT EntryID FROM HistoryEntry WHERE Time < ?)",
                 {cutoff});
        pruned = RunQuery(db, "DELETE FROM HistoryEntry WHERE Time < ?", {cutoff}).numRowsAffected();
    });
    return pruned;
}

QList<HistoryEntry> ReadHistory(const QSqlDatabase &db, int limit)
{
    return readEntries(db, "ORDER BY EntryID DESC LIMIT ?", {limit < 0 ? -1 : limit});
}

std::optional<HistoryEntry> ReadHistoryEntry(const QSqlDatabase &db, qint64 id)
{
    const QList<HistoryEntry> found = readEntries(db, "WHERE EntryID = ?", {id});
    return found.isEmpty() ? std::nullopt : std::optional<HistoryEntry>(found.first());
}

QList<HistoryChangeRow> ReadHistoryChanges(const QSqlDatabase &db, qint64 entryId)
{
    QList<HistoryChangeRow> rows;
    QSqlQuery q = RunQuery(db,
                           "SELECT ChangeID, TableName, Operation, PersonID, OldValues, NewValues FROM HistoryChange "
                           "WHERE EntryID = ? ORDER BY ChangeID",
                           {entryId});
    while (q.next()) {
        HistoryChangeRow row{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                             q.value(3).toLongLong(), {}};
        const QJsonObject before = parsed(q.value(4));
        const QJsonObject after = parsed(q.value(5));
        const Watched *w = watched(row.table);
        for (const QString &column : w ? w->columns : QStringList()) {
            const QString was = valueOf(before, column).toString();
            const QString is = valueOf(after, column).toString();
            if (was != is)
                row.fields.append({column, was, is});
        }
        rows.append(row);
    }
    CheckRowsRead(q);
    return rows;
}

QString HistoryEntryText(const HistoryEntry &e)
{
    const QString &k = e.kind;
    if (k == history::Add)
        return QCoreApplication::translate("History", "Add %1").arg(e.subject);
    if (k == history::Edit)
        return QCoreApplication::translate("History", "Changes to %1").arg(e.subject);
    if (k == history::Delete)
        return QCoreApplication::translate("History", "Delete %1").arg(e.subject);
    if (k == history::Import)
        return (e.count == 1 ? QCoreApplication::translate("History", "Import of %1 contact from %2") : QCoreApplication::translate("History", "Import of %1 contacts from %2"))
            .arg(e.count)
            .arg(e.subject);
    if (k == history::Sync)
        return (e.count == 1 ? QCoreApplication::translate("History", "Sync with %1 (%2 change)") : QCoreApplication::translate("History", "Sync with %1 (%2 changes)"))
            .arg(e.subject)
            .arg(e.count);
    if (k == history::TypeAdd)
        return QCoreApplication::translate("History", "New Type %1").arg(e.subject);
    if (k == history::TypeRename)
        return QCoreApplication::translate("History", "Rename of Type %1").arg(e.subject);
    if (k == history::TypeDelete)
        return QCoreApplication::translate("History", "Delete of Type %1").arg(e.subject);
    if (k == history::Restore)
        return (e.count == 1 ? QCoreApplication::translate("History", "Restore of %1 contact") : QCoreApplication::translate("History", "Restore of %1 contacts")).arg(e.count);
    if (k == history::Undo)
        return QCoreApplication::translate("History", "Undo of %1").arg(e.subject);
    if (k == history::Redo)
        return QCoreApplication::translate("History", "Redo of %1").arg(e.subject);
    return QCoreApplication::translate("History", "Change by another program");
}

std::optional<HistoryEntry> NextUndo(const QSqlDatabase &db)
{
    const QList<HistoryEntry> found =
        readEntries(db, "WHERE UndoneBy IS NULL AND Kind NOT IN ('undo', 'redo') ORDER BY EntryID DESC LIMIT 1");
    return found.isEmpty() ? std::nullopt : std::optional<HistoryEntry>(found.first());
}

std::optional<HistoryEntry> NextRedo(const QSqlDatabase &db)
{
    const QList<HistoryEntry> found = readEntries(
        db, "AS u WHERE Kind = 'undo' AND UndoneBy IS NULL AND EXISTS (SELECT 1 FROM HistoryEntry d WHERE "
            "d.UndoneBy = u.EntryID) AND NOT EXISTS (SELECT 1 FROM HistoryEntry n WHERE n.EntryID > u.EntryID AND "
            "n.Kind NOT IN ('undo', 'redo')) ORDER BY EntryID DESC LIMIT 1");
    return found.isEmpty() ? std::nullopt : std::optional<HistoryEntry>(found.first());
}

QList<HistoryEntry> LaterChangesInTheWay(const QSqlDatabase &db, const QList<qint64> &entries)
{
    if (entries.isEmpty() || !tablesIn(db, "main"))
        return {};
    QStringList ids;
    for (qint64 id : entries)
        ids << QString::number(id);
    const QString set = ids.join(", ");
    return readEntries(
        db, QString("WHERE EntryID IN (SELECT later.EntryID FROM HistoryChange mine JOIN HistoryChange later ON "
                    "later.EntryID > mine.EntryID AND (later.PersonID = mine.PersonID OR (mine.PersonID IS NULL AND "
                    "later.TableName = mine.TableName AND later.RowKey = mine.RowKey)) WHERE mine.EntryID IN (%1) "
                    "AND later.EntryID NOT IN (%1) UNION SELECT later.EntryID FROM HistoryChange mine JOIN "
                    "HistoryChange later ON later.EntryID > mine.EntryID AND later.PersonID BETWEEN "
                    "json_extract(mine.NewValues, '$.First') AND json_extract(mine.NewValues, '$.Last') WHERE "
                    "mine.Operation = 'insert-range' AND mine.EntryID IN (%1) AND later.EntryID NOT IN (%1)) AND "
                    "UndoneBy IS NULL AND Kind NOT IN ('undo', 'redo') ORDER BY EntryID DESC")
                .arg(set));
}

HistoryEntry UndoEntries(QSqlDatabase &db, QList<qint64> entries, bool force, const QString &subject)
{
    QList<HistoryEntry> undone;
    HistoryEntry undo;
    InTransaction(db, [&] {
        for (qint64 id : std::as_const(entries)) {
            const std::optional<HistoryEntry> e = ReadHistoryEntry(db, id);
            if (!e || e->undone() || e->kind == history::Undo || e->kind == history::Redo)
                throw DatabaseError(QCoreApplication::translate("History", "Change %1 cannot be undone: there is no such change, or it was undone "
                                       "already.")
                                        .arg(id));
        }
        for (QList<HistoryEntry> later = LaterChangesInTheWay(db, entries); !later.isEmpty();
             later = LaterChangesInTheWay(db, entries)) {
            if (!force)
                throw HistoryConflict(QCoreApplication::translate("History", "Later changes to the same contacts stand in the way: %1.")
                                          .arg(entriesNamed(later)),
                                      later);
            for (const HistoryEntry &e : std::as_const(later))
                entries.append(e.id);
        }
        std::sort(entries.begin(), entries.end(), std::greater<>());
        const HistoryEntry newest = *ReadHistoryEntry(db, entries.first());
        const QString what = !subject.isEmpty() ? subject
                             : entries.size() == 1
                                 ? HistoryEntryText(newest)
                                 : QCoreApplication::translate("History", "%1 changes").arg(entries.size());
        undo = newEntry(db, history::Undo, what, newest.id);
        for (qint64 id : std::as_const(entries)) {
            takeBackAll(db, storedChanges(db, id));
            RunQuery(db, "UPDATE HistoryEntry SET UndoneBy = ? WHERE EntryID = ?", {undo.id, id});
        }
        // Kept even when nothing was left to change: it is what Redo takes back.
        RunQuery(db, "DELETE FROM HistoryOpen");
    });
    return *ReadHistoryEntry(db, undo.id);
}

HistoryEntry RedoLast(QSqlDatabase &db)
{
    HistoryEntry redo;
    InTransaction(db, [&] {
        const std::optional<HistoryEntry> undo = NextRedo(db);
        if (!undo)
            throw DatabaseError(QCoreApplication::translate("History", "There is nothing to redo."));
        redo = newEntry(db, history::Redo, undo->subject, undo->id);
        takeBackAll(db, storedChanges(db, undo->id));
        RunQuery(db, "UPDATE HistoryEntry SET UndoneBy = NULL WHERE UndoneBy = ?", {undo->id});
        RunQuery(db, "UPDATE HistoryEntry SET UndoneBy = ? WHERE EntryID = ?", {redo.id, undo->id});
        RunQuery(db, "DELETE FROM HistoryOpen");
    });
    return *ReadHistoryEntry(db, redo.id);
}

QList<DeletedContact> ReadDeletedContacts(const QSqlDatabase &db)
{
    QList<DeletedContact> deleted;
    if (!tablesIn(db, "main"))
        return deleted;
    QSqlQuery q = RunQuery(
        db, QString("SELECT c.ChangeID, c.PersonID, c.OldValues, %1 FROM HistoryChange c JOIN HistoryEntry e ON "
                    "e.EntryID = c.EntryID WHERE c.TableName = 'Address' AND c.Operation = 'delete' AND e.UndoneBy IS "
                    "NULL AND NOT EXISTS (SELECT 1 FROM Address a WHERE a.PersonID = c.PersonID) ORDER BY c.ChangeID "
                    "DESC")
                .arg(QString(EntryColumns).replace("EntryID", "e.EntryID").replace(", ", ", e.")));
    QSet<qint64> seen;
    while (q.next()) {
        const qint64 personId = q.value(1).toLongLong();
        if (seen.contains(personId))
            continue;
        seen.insert(personId);
        const QJsonObject row = parsed(q.value(2));
        DeletedContact d;
        d.number = q.value(0).toLongLong();
        d.personId = personId;
        d.name = nameOf(row);
        d.isBusiness = row.value("IsBusiness").toInt() != 0;
        // The entry's columns follow the change's three.
        HistoryEntry &e = d.deletedBy;
        e.id = q.value(3).toLongLong();
        e.time = QDateTime::fromString(q.value(4).toString(), Qt::ISODateWithMs);
        e.kind = q.value(5).toString();
        e.subject = q.value(6).toString();
        e.count = q.value(7).toInt();
        e.source = q.value(8).toString();
        d.time = e.time;
        deleted.append(d);
    }
    CheckRowsRead(q);
    return deleted;
}

namespace {

// The TypeID a restored number takes: its own when the type is there, else
// the type of the same name, else the type made again by its last known name.
QVariant typeFor(const QSqlDatabase &db, const QVariant &typeId)
{
    if (RunQuery(db, "SELECT 1 FROM TelephoneType WHERE TypeID = ?", {typeId}).next())
        return typeId;
    QSqlQuery known = RunQuery(db,
                               "SELECT OldValues FROM HistoryChange WHERE TableName = 'TelephoneType' AND RowKey = ? "
                               "AND OldValues IS NOT NULL ORDER BY ChangeID DESC LIMIT 1",
                               {typeId.toString()});
    const QString name = known.next() ? parsed(known.value(0)).value("TelephoneType").toString()
                                      : QCoreApplication::translate("History", "Type %1").arg(typeId.toString());
    QSqlQuery same = RunQuery(db, "SELECT TypeID FROM TelephoneType WHERE TelephoneType = ?", {name});
    if (same.next())
        return same.value(0);
    RunQuery(db, "INSERT INTO TelephoneType (TypeID, TelephoneType) VALUES (?, ?)", {typeId, name});
    return typeId;
}

} // namespace

HistoryEntry RestoreDeletedContacts(QSqlDatabase &db, const QList<qint64> &numbers)
{
    QList<qint64> restorable;
    for (const DeletedContact &d : ReadDeletedContacts(db))
        restorable << d.number;
    for (qint64 n : numbers)
        if (!restorable.contains(n))
            throw DatabaseError(QCoreApplication::translate("History", "Contact %1 cannot be restored: it is not among the recently deleted contacts.")
                                    .arg(n));
    qint64 entryId = 0;
    InTransaction(db, [&] {
        HistoryEntryScope scope(db, history::Restore);
        scope.setCount(int(numbers.size()));
        entryId = scope.entryId();
        for (qint64 n : numbers) {
            QSqlQuery change =
                RunQuery(db, "SELECT EntryID, PersonID, OldValues FROM HistoryChange WHERE ChangeID = ?", {n});
            change.next();
            const qint64 deletedIn = change.value(0).toLongLong();
            const QVariant personId = change.value(1);
            insertRow(db, *watched("Address"), parsed(change.value(2)));
            QSqlQuery parts = RunQuery(db,
                                       "SELECT TableName, OldValues FROM HistoryChange WHERE EntryID = ? AND PersonID = "
                                       "? AND Operation = 'delete' AND TableName <> 'Address' ORDER BY ChangeID",
                                       {deletedIn, personId});
            QList<QPair<QString, QJsonObject>> rows;
            while (parts.next())
                rows.append({parts.value(0).toString(), parsed(parts.value(1))});
            for (auto &[table, row] : rows) {
                if (table == "TelephoneList")
                    row.insert("TypeID", typeFor(db, valueOf(row, "TypeID")).toLongLong());
                insertRow(db, *watched(table), row);
            }
        }
    });
    return *ReadHistoryEntry(db, entryId);
}

HistorySize ReadHistorySize(const QSqlDatabase &db)
{
    HistorySize size;
    if (!tablesIn(db, "main"))
        return size;
    QSqlQuery q = RunQuery(db, "SELECT (SELECT count(*) FROM HistoryEntry), count(*), coalesce(sum(coalesce(length("
                               "OldValues), 0) + coalesce(length(NewValues), 0) + length(RowKey) + 24), 0) FROM HistoryChange");
    if (q.next())
        size = {q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong()};
    return size;
}

void CopyHistoryTables(const QSqlDatabase &db, const QString &from, const QString &to)
{
    if (!tablesIn(db, from))
        return;
    EnsureHistory(db, to);
    for (const char *table : {"HistoryEntry", "HistoryChange", "HistoryKept"}) {
        QSqlQuery copy(db);
        // A WHERE keeps SQLite from copying the pages of the indexes, which may be the damaged ones.
        copy.exec(QString("INSERT OR IGNORE INTO %3.%1 SELECT * FROM %2.%1 WHERE 1")
                      .arg(QLatin1String(table), from, to));
    }
}

HistoryEntryScope::HistoryEntryScope(const QSqlDatabase &db, const QString &kind, const QString &subject,
                                     bool contactsOnly)
    : mDb(db), mKind(kind), mSubject(subject)
{
    open(contactsOnly);
}

HistoryEntryScope::HistoryEntryScope(const QSqlDatabase &db, qint64 *entryId, const QString &kind,
                                     const QString &subject)
    : mDb(db), mKind(kind), mSubject(subject), mShared(entryId)
{
    open(false);
}

void HistoryEntryScope::open(bool contactsOnly)
{
    if (HistoryKeepDays(mDb) == 0)
        return;
    if (tablesIn(mDb, "main") && RunQuery(mDb, "SELECT 1 FROM HistoryOpen").next())
        return; // an outer scope names the entry
    // A failure here fails the work: SQLite may have ended the transaction on it.
    EnsureHistory(mDb);
    if (RunQuery(mDb, "SELECT 1 FROM HistoryOpen").next())
        return; // an outer scope names the entry
    if (mShared && *mShared && ReadHistoryEntry(mDb, *mShared)) {
        mEntryId = *mShared;
        RunQuery(mDb, "INSERT INTO HistoryOpen (EntryID, ContactsOnly) VALUES (?, 0)", {mEntryId});
    } else {
        mEntryId = newEntry(mDb, mKind, mSubject, 0, contactsOnly).id;
    }
    if (contactsOnly) {
        // The work records its additions as ranges of keys, without the triggers
        // (in this transaction only: they are back before it ends, or with its rollback).
        mFirstPersonId = lastKey(mDb, "Address") + 1;
        mFirstTypeId = lastKey(mDb, "TelephoneType") + 1;
        for (const Trigger &t : triggers())
            RunQuery(mDb, QString("DROP TRIGGER IF EXISTS %1").arg(t.name));
    }
    if (mShared)
        *mShared = mEntryId;
    mActive = true;
}

HistoryEntryScope::~HistoryEntryScope()
{
    if (!mActive)
        return;
    try {
        // The contacts and types an import added: the keys given meanwhile, all of them its own.
        if (mFirstPersonId > 0) {
            recordAddedRange(mDb, mEntryId, "Address", mFirstPersonId);
            recordAddedRange(mDb, mEntryId, "TelephoneType", mFirstTypeId);
            for (const Trigger &t : triggers())
                RunQuery(mDb, t.sql);
        }
        if ((mKind == history::Edit || mKind == history::Delete) && foldIntoAddition(mDb, mEntryId, mKind)) {
            closeEntry(mDb, mEntryId);
            if (mShared)
                *mShared = 0;
            return;
        }
        if (mSubject.isEmpty()
            && (mKind == history::Add || mKind == history::Edit || mKind == history::Delete))
            mSubject = contactNameOf(mDb, mEntryId);
        if (mCount < 0 && mKind == history::Sync)
            if (QSqlQuery q = RunQuery(mDb, "SELECT count(DISTINCT PersonID) FROM HistoryChange WHERE EntryID = ?",
                                       {mEntryId});
                q.next())
                mCount = q.value(0).toInt();
        RunQuery(mDb, "UPDATE HistoryEntry SET Subject = ?, Count = coalesce(?, Count) WHERE EntryID = ?",
                 {mSubject, mCount < 0 ? QVariant() : QVariant(mCount), mEntryId});
        closeEntry(mDb, mEntryId);
        if (mShared && !ReadHistoryEntry(mDb, mEntryId))
            *mShared = 0;
    } catch (const DatabaseError &) {
        // The transaction the scope lives in fails on its own then.
    }
}

} // namespace varnelle
