#include "store/SyncState.h"

#include "store/Database.h"

#include <QHash>
#include <QSqlError>
#include <QUrl>

namespace varnelle {

namespace {

const QStringList &createStatements()
{
    // Plain SQLite types and no collation of the program's, so that the
    // sqlite3 shell reads and writes these tables like the others.
    static const QStringList statements = {
        "CREATE TABLE IF NOT EXISTS SyncAccount (AccountID INTEGER PRIMARY KEY AUTOINCREMENT, ServerUrl TEXT NOT "
        "NULL, UserName TEXT NOT NULL, IsBusiness BOOLEAN NOT NULL, BookUrl TEXT NOT NULL, BookName TEXT, Insecure "
        "BOOLEAN NOT NULL DEFAULT 0, SyncToken TEXT)",
        "CREATE TABLE IF NOT EXISTS SyncContact (AccountID INTEGER NOT NULL, PersonID INTEGER NOT NULL, Href TEXT "
        "NOT NULL, ETag TEXT, Uid TEXT NOT NULL, Card TEXT, PRIMARY KEY (AccountID, PersonID))",
        "CREATE INDEX IF NOT EXISTS SyncContactHref ON SyncContact (AccountID, Href)",
        "CREATE TABLE IF NOT EXISTS SyncCertificate (AccountID INTEGER PRIMARY KEY, Sha256 TEXT NOT NULL)",
    };
    return statements;
}

// An address without the user name and password it may carry: those never
// reach the book, nor anything read back from it.
QString withoutUserInfo(const QString &url)
{
    if (!url.contains(u'@'))
        return url;
    QUrl parsed(url);
    if (parsed.userInfo().isEmpty())
        return url;
    parsed.setUserInfo(QString());
    return parsed.toString();
}

// The contact of a stored contact's columns and details, for the detail tables.
Contact asContact(const QStringList &columns, const StoredContact &c)
{
    Contact contact;
    contact.personId = c.personId;
    for (int i = 0; i < columns.size(); ++i)
        if (const ContactField *field = FindContactField(columns[i]))
            contact.*field->member = c.values.value(i);
    contact.details = c.details;
    return contact;
}

// The value a column stores: the part of the value that fits.
QVariant columnValue(const QString &column, const QString &value)
{
    if (value.isEmpty())
        return QVariant(QMetaType(QMetaType::QString));
    const ContactField *field = FindContactField(column);
    return field ? FittedFieldValue(*field, value) : value;
}

} // namespace

const QStringList &SyncTableNames()
{
    static const QStringList names = {"SyncAccount", "SyncContact", "SyncCertificate"};
    return names;
}

bool HasSyncTables(const QSqlDatabase &db)
{
    QSqlQuery q = RunQuery(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                               "('SyncAccount', 'SyncContact')");
    return q.next() && q.value(0).toInt() == 2;
}

void CreateSyncTables(const QSqlDatabase &db, const QString &schemaName)
{
    for (QString statement : createStatements())
        RunQuery(db, statement.replace(QLatin1String("IF NOT EXISTS "), "IF NOT EXISTS " + schemaName + '.'));
}

QList<SyncAccount> ReadSyncAccounts(const QSqlDatabase &db)
{
    QList<SyncAccount> accounts;
    if (!HasSyncTables(db))
        return accounts;
    QSqlQuery q = RunQuery(db, "SELECT AccountID, ServerUrl, UserName, IsBusiness, BookUrl, BookName, Insecure, "
                               "SyncToken FROM SyncAccount ORDER BY AccountID");
    while (q.next())
        accounts << SyncAccount{q.value(0).toLongLong(), withoutUserInfo(q.value(1).toString()), q.value(2).toString(),
                                q.value(3).toBool(),     withoutUserInfo(q.value(4).toString()), q.value(5).toString(),
                                q.value(6).toBool(),     q.value(7).toString(), QString()};
    CheckRowsRead(q);
    // Kept in a table of its own, which books older than it lack.
    QSqlQuery has = RunQuery(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'SyncCertificate'");
    if (has.next() && has.value(0).toInt() == 1) {
        QSqlQuery c = RunQuery(db, "SELECT AccountID, Sha256 FROM SyncCertificate");
        while (c.next())
            for (SyncAccount &a : accounts)
                if (a.id == c.value(0).toLongLong())
                    a.trustedCertificate = c.value(1).toString();
        CheckRowsRead(c);
    }
    return accounts;
}

std::int64_t AddSyncAccount(QSqlDatabase &db, const SyncAccount &a)
{
    std::int64_t id = 0;
    InTransaction(db, [&] {
        CreateSyncTables(db);
        id = RunQuery(db,
                      "INSERT INTO SyncAccount (ServerUrl, UserName, IsBusiness, BookUrl, BookName, Insecure) "
                      "VALUES (?, ?, ?, ?, ?, ?)",
                      {withoutUserInfo(a.serverUrl), a.userName, a.isBusiness, withoutUserInfo(a.bookUrl),
                       a.bookName, a.insecure})
                 .lastInsertId()
                 .toLongLong();
        StoreTrustedCertificate(db, id, a.trustedCertificate);
    });
    return id;
}

void RemoveSyncAccount(QSqlDatabase &db, std::int64_t id)
{
    InTransaction(db, [&] {
        RunQuery(db, "DELETE FROM SyncContact WHERE AccountID = ?", {qint64(id)});
        RunQuery(db, "DELETE FROM SyncAccount WHERE AccountID = ?", {qint64(id)});
        StoreTrustedCertificate(db, id, QString());
    });
}

void ChangeSyncAccount(QSqlDatabase &db, const SyncAccount &a, SyncStateOnChange state)
{
    InTransaction(db, [&] {
        RunQuery(db, "UPDATE SyncAccount SET ServerUrl = ?, UserName = ?, BookUrl = ?, BookName = ?, Insecure = ? "
                     "WHERE AccountID = ?",
                 {withoutUserInfo(a.serverUrl), a.userName, withoutUserInfo(a.bookUrl), a.bookName, a.insecure,
                  qint64(a.id)});
        StoreTrustedCertificate(db, a.id, a.trustedCertificate);
        if (state == SyncStateOnChange::Forget) {
            RunQuery(db, "DELETE FROM SyncContact WHERE AccountID = ?", {qint64(a.id)});
            RunQuery(db, "UPDATE SyncAccount SET SyncToken = NULL WHERE AccountID = ?", {qint64(a.id)});
        }
    });
}

void StoreSyncToken(const QSqlDatabase &db, std::int64_t accountId, const QString &token)
{
    RunQuery(db, "UPDATE SyncAccount SET SyncToken = ? WHERE AccountID = ?", {token, qint64(accountId)});
}

void StoreTrustedCertificate(const QSqlDatabase &db, std::int64_t accountId, const QString &fingerprint)
{
    RunQuery(db, "CREATE TABLE IF NOT EXISTS SyncCertificate (AccountID INTEGER PRIMARY KEY, Sha256 TEXT NOT NULL)");
    if (fingerprint.isEmpty())
        RunQuery(db, "DELETE FROM SyncCertificate WHERE AccountID = ?", {qint64(accountId)});
    else
        RunQuery(db, "INSERT OR REPLACE INTO SyncCertificate (AccountID, Sha256) VALUES (?, ?)",
                 {qint64(accountId), fingerprint});
}

std::vector<SyncedContact> ReadSyncedContacts(const QSqlDatabase &db, std::int64_t accountId)
{
    std::vector<SyncedContact> contacts;
    QSqlQuery q = RunQuery(db, "SELECT PersonID, Href, ETag, Uid, Card FROM SyncContact WHERE AccountID = ?",
                           {qint64(accountId)});
    while (q.next())
        contacts.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                            q.value(4).toString()});
    CheckRowsRead(q);
    return contacts;
}

void StoreSyncedContact(const QSqlDatabase &db, std::int64_t accountId, const SyncedContact &c)
{
    RunQuery(db, "INSERT OR REPLACE INTO SyncContact (AccountID, PersonID, Href, ETag, Uid, Card) VALUES (?, ?, ?, ?, "
                 "?, ?)",
             {qint64(accountId), c.personId, c.href, c.etag, c.uid, c.card});
}

void ForgetSyncedContact(const QSqlDatabase &db, std::int64_t accountId, std::int32_t personId)
{
    RunQuery(db, "DELETE FROM SyncContact WHERE AccountID = ? AND PersonID = ?", {qint64(accountId), personId});
}

QHash<std::int32_t, QString> ReadSyncUids(const QSqlDatabase &db)
{
    QHash<std::int32_t, QString> uids;
    if (!HasSyncTables(db))
        return uids;
    QSqlQuery q = RunQuery(db, "SELECT PersonID, Uid FROM SyncContact ORDER BY AccountID DESC");
    while (q.next())
        uids.insert(q.value(0).toInt(), q.value(1).toString());
    CheckRowsRead(q);
    return uids;
}

std::vector<StoredContact> ReadStoredContacts(const QSqlDatabase &db, bool isBusiness, const QStringList &columns)
{
    QHash<std::int32_t, QList<QPair<QString, QString>>> numbers;
    QSqlQuery n = RunQuery(db, "SELECT l.PersonID, t.TelephoneType, l.Number FROM TelephoneList l JOIN TelephoneType t "
                               "ON t.TypeID = l.TypeID JOIN Address a ON a.PersonID = l.PersonID WHERE a.IsBusiness "
                               "= ? ORDER BY l.PersonID, l.TypeID",
                           {isBusiness});
    while (n.next())
        numbers[n.value(0).toInt()] << qMakePair(n.value(1).toString(), n.value(2).toString());
    CheckRowsRead(n);
    std::vector<StoredContact> contacts;
    QSqlQuery q = RunQuery(db, QString("SELECT PersonID, %1 FROM Address WHERE IsBusiness = ? ORDER BY PersonID")
                                   .arg(columns.join(", ")),
                           {isBusiness});
    while (q.next()) {
        StoredContact c;
        c.personId = q.value(0).toInt();
        for (int i = 0; i < columns.size(); ++i)
            c.values << q.value(i + 1).toString();
        c.numbers = numbers.value(c.personId);
        contacts.push_back(std::move(c));
    }
    CheckRowsRead(q);
    DetailReader details(db);
    for (StoredContact &c : contacts) {
        Contact whole = asContact(columns, c);
        details.read(whole);
        c.details = whole.details;
        for (int i = 0; i < columns.size(); ++i)
            if (const ContactField *field = FindContactField(columns[i]))
                c.values[i] = whole.*field->member;
    }
    return contacts;
}

std::int32_t WriteStoredContact(const QSqlDatabase &db, bool isBusiness, const QStringList &columns,
                                const StoredContact &c)
{
    std::int32_t id = c.personId;
    if (id == 0)
        id = RunQuery(db, "INSERT INTO Address (IsBusiness) VALUES (?)", {isBusiness}).lastInsertId().toInt();
    QStringList assignments;
    QVariantList values;
    for (int i = 0; i < columns.size(); ++i) {
        assignments << columns[i] + " = ?";
        values << columnValue(columns[i], c.values.value(i));
    }
    values << id;
    RunQuery(db, QString("UPDATE Address SET %1 WHERE PersonID = ?").arg(assignments.join(", ")), values);
    RunQuery(db, "DELETE FROM TelephoneList WHERE PersonID = ?", {id});
    for (const auto &[type, number] : c.numbers) {
        QSqlQuery t = RunQuery(db, "SELECT TypeID FROM TelephoneType WHERE TelephoneType = ?", {type});
        const qint64 typeId = t.next() ? t.value(0).toLongLong()
                                       : RunQuery(db, "INSERT INTO TelephoneType (TelephoneType) VALUES (?)", {type})
                                             .lastInsertId()
                                             .toLongLong();
        RunQuery(db, "INSERT OR REPLACE INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)",
                 {id, typeId, number});
    }
    StoredContact written = c;
    written.personId = id;
    WriteContactDetails(db, asContact(columns, written));
    return id;
}

SyncWriter::SyncWriter(const QSqlDatabase &db, std::int64_t accountId, bool isBusiness, const QStringList &columns)
    : mDb(db), mDetails(db), mAccountId(accountId), mIsBusiness(isBusiness), mColumns(columns)
{
}

QSqlQuery &SyncWriter::prepared(QSqlQuery &query, const QString &sql)
{
    if (query.lastQuery().isEmpty()) {
        query = QSqlQuery(mDb);
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            throw ToDatabaseError(query.lastError(), mDb.databaseName());
    }
    return query;
}

void SyncWriter::run(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        RefuseTextWithNul(values[i]);
        query.bindValue(i, values[i]);
    }
    if (!query.exec())
        throw ToDatabaseError(query.lastError(), mDb.databaseName());
}

std::int32_t SyncWriter::writeContact(const StoredContact &c)
{
    std::int32_t id = c.personId;
    if (id == 0) {
        run(prepared(mInsert, "INSERT INTO Address (IsBusiness) VALUES (?)"), {mIsBusiness});
        id = mInsert.lastInsertId().toInt();
    }
    QStringList assignments;
    for (const QString &column : mColumns)
        assignments << column + " = ?";
    QVariantList values;
    for (int i = 0; i < mColumns.size(); ++i)
        values << columnValue(mColumns[i], c.values.value(i));
    values << id;
    run(prepared(mUpdate, QString("UPDATE Address SET %1 WHERE PersonID = ?").arg(assignments.join(", "))), values);
    run(prepared(mDeleteNumbers, "DELETE FROM TelephoneList WHERE PersonID = ?"), {id});
    for (const auto &[type, number] : c.numbers) {
        run(prepared(mFindType, "SELECT TypeID FROM TelephoneType WHERE TelephoneType = ?"), {type});
        qint64 typeId = 0;
        if (mFindType.next()) {
            typeId = mFindType.value(0).toLongLong();
        } else {
            run(prepared(mAddType, "INSERT INTO TelephoneType (TelephoneType) VALUES (?)"), {type});
            typeId = mAddType.lastInsertId().toLongLong();
        }
        mFindType.finish();
        run(prepared(mAddNumber, "INSERT OR REPLACE INTO TelephoneList (PersonID, TypeID, Number) VALUES (?, ?, ?)"),
            {id, typeId, number});
    }
    StoredContact written = c;
    written.personId = id;
    mDetails.write(asContact(mColumns, written));
    return id;
}

void SyncWriter::storeState(const SyncedContact &c)
{
    run(prepared(mState, "INSERT OR REPLACE INTO SyncContact (AccountID, PersonID, Href, ETag, Uid, Card) VALUES (?, "
                         "?, ?, ?, ?, ?)"),
        {qint64(mAccountId), c.personId, c.href, c.etag, c.uid, c.card});
}

void RemoveStoredContact(const QSqlDatabase &db, std::int32_t personId)
{
    RunQuery(db, "DELETE FROM TelephoneList WHERE PersonID = ?", {personId});
    RunQuery(db, "DELETE FROM Address WHERE PersonID = ?", {personId});
}

void CopySyncTables(const QSqlDatabase &db, const QString &from, const QString &to)
{
    QSqlQuery q(db);
    if (!q.exec(QString("SELECT count(*) FROM %1.sqlite_master WHERE type = 'table' AND name IN ('SyncAccount', "
                        "'SyncContact')")
                    .arg(from))
        || !q.next() || q.value(0).toInt() != 2)
        return;
    q.finish(); // no statement may read the schema while tables are made
    CreateSyncTables(db, to);
    for (const QString &table : SyncTableNames()) {
        QSqlQuery copy(db);
        copy.exec(QString("INSERT OR IGNORE INTO %3.%1 SELECT * FROM %2.%1").arg(table, from, to));
    }
}

} // namespace varnelle
