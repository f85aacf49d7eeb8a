#include "store/DetailTables.h"

#include "store/Database.h"
#include "store/SearchIndex.h"
#include "store/SqliteStatement.h"

#include <QSqlQuery>
#include <sqlite3.h>

namespace varnelle {

namespace {

// Plain SQLite types and no collation of the program's, so that the sqlite3
// shell reads and writes these tables like the others.
const QStringList &createStatements()
{
    static const QStringList statements = {
        "CREATE TABLE IF NOT EXISTS ContactDetail (PersonID INTEGER NOT NULL, Kind TEXT NOT NULL, Position INTEGER "
        "NOT NULL, Label TEXT, Value TEXT, Data BLOB, PRIMARY KEY (PersonID, Kind, Position))",
        "CREATE TABLE IF NOT EXISTS ContactAddress (PersonID INTEGER NOT NULL, Position INTEGER NOT NULL, Label "
        "TEXT, POBox TEXT, Extended TEXT, Street TEXT, Locality TEXT, Region TEXT, PostalCode TEXT, Country TEXT, "
        "PRIMARY KEY (PersonID, Position))",
        "CREATE TRIGGER IF NOT EXISTS ContactDetailsDeleted AFTER DELETE ON Address BEGIN "
        "DELETE FROM ContactDetail WHERE PersonID = OLD.PersonID; "
        "DELETE FROM ContactAddress WHERE PersonID = OLD.PersonID; END",
    };
    return statements;
}

// The kinds of ContactDetail rows. A single value has Position 0; a list
// keeps its order in Position.
namespace kind {
constexpr auto middle = "middle", prefix = "prefix", suffix = "suffix", display = "display", nickname = "nickname",
               orgUnit = "orgunit", jobTitle = "title", role = "role", email = "email", country = "country",
               tel = "tel", birthday = "birthday", anniversary = "anniversary", note = "note", url = "url",
               impp = "impp", social = "social", related = "related", category = "category", photo = "photo",
               whole = "whole";
}

struct SingleText {
    const char *kind;
    QString ContactDetails::*member;
};
const SingleText singleTexts[] = {
    {kind::middle, &ContactDetails::middleName}, {kind::prefix, &ContactDetails::namePrefix},
    {kind::suffix, &ContactDetails::nameSuffix}, {kind::display, &ContactDetails::displayName},
    {kind::jobTitle, &ContactDetails::jobTitle}, {kind::role, &ContactDetails::role},
    {kind::country, &ContactDetails::country},   {kind::note, &ContactDetails::note},
};

struct TextList {
    const char *kind;
    QStringList ContactDetails::*member;
};
const TextList textLists[] = {
    {kind::nickname, &ContactDetails::nicknames},
    {kind::orgUnit, &ContactDetails::orgUnits},
    {kind::category, &ContactDetails::categories},
};

struct LabeledList {
    const char *kind;
    QList<LabeledValue> ContactDetails::*member;
};
const LabeledList labeledLists[] = {
    {kind::email, &ContactDetails::emails},     {kind::tel, &ContactDetails::telephones},
    {kind::url, &ContactDetails::webAddresses}, {kind::impp, &ContactDetails::messaging},
    {kind::social, &ContactDetails::social},    {kind::related, &ContactDetails::related},
};

struct DateValue {
    const char *kind;
    ContactDate ContactDetails::*member;
};
const DateValue dates[] = {
    {kind::birthday, &ContactDetails::birthday},
    {kind::anniversary, &ContactDetails::anniversary},
};

bool tablesIn(const QSqlDatabase &db, const QString &schema)
{
    QSqlQuery q(db);
    return q.exec(QString("SELECT count(*) FROM %1.sqlite_master WHERE type = 'table' AND name IN "
                          "('ContactDetail', 'ContactAddress')")
                      .arg(schema))
        && q.next() && q.value(0).toInt() == 2;
}

bool longerThanColumn(const Contact &contact, const ContactField &field)
{
    return FittedFieldValue(field, contact.*field.member) != contact.*field.member;
}

} // namespace

const QStringList &DetailTableNames()
{
    static const QStringList names = {"ContactDetail", "ContactAddress"};
    return names;
}

const QStringList &DetailTriggerNames()
{
    static const QStringList names = {"ContactDetailsDeleted"};
    return names;
}

bool HasDetailTables(const QSqlDatabase &db)
{
    return tablesIn(db, QStringLiteral("main"));
}

void CreateDetailTables(const QSqlDatabase &db, const QString &schemaName)
{
    for (QString statement : createStatements())
        RunQuery(db, statement.replace(QLatin1String("IF NOT EXISTS "), "IF NOT EXISTS " + schemaName + '.'));
    // The kept search keys forget a contact's key when its details change.
    if (schemaName == QLatin1String("main"))
        MakeDetailSearchKeyTriggers(db);
}

bool NeedsDetailRows(const Contact &contact)
{
    if (!contact.details.isEmpty())
        return true;
    for (const ContactField &field : ContactFields())
        if (longerThanColumn(contact, field))
            return true;
    return false;
}

QList<DetailRow> DetailRows(const Contact &contact)
{
    QList<DetailRow> rows;
    const ContactDetails &d = contact.details;
    const auto add = [&rows](const char *kindName, int position, const QString &label, const QString &value,
                             const QByteArray &data = {}) { rows.append({kindName, position, label, value, data}); };
    for (const SingleText &t : singleTexts)
        if (!(d.*t.member).isEmpty())
            add(t.kind, 0, {}, d.*t.member);
    for (const TextList &l : textLists)
        for (int i = 0; i < (d.*l.member).size(); ++i)
            add(l.kind, i, {}, (d.*l.member).at(i));
    for (const LabeledList &l : labeledLists)
        for (int i = 0; i < (d.*l.member).size(); ++i)
            add(l.kind, i, (d.*l.member).at(i).label, (d.*l.member).at(i).value);
    for (const DateValue &date : dates)
        if (!(d.*date.member).isEmpty())
            add(date.kind, 0, {}, (d.*date.member).toIso());
    if (!d.photo.isEmpty())
        add(kind::photo, 0, d.photo.mimeType, d.photo.uri, d.photo.data);
    int position = 0;
    for (const ContactField &field : ContactFields()) {
        if (longerThanColumn(contact, field))
            add(kind::whole, position, QString::fromLatin1(field.column), contact.*field.member);
        ++position;
    }
    return rows;
}

DetailCounts MostDetails(const QSqlDatabase &db, const QString &addressCondition)
{
    DetailCounts counts;
    if (!HasDetailTables(db))
        return counts;
    const struct {
        const char *kind;
        int DetailCounts::*count;
    } kinds[] = {
        {kind::middle, &DetailCounts::middleName},  {kind::prefix, &DetailCounts::namePrefix},
        {kind::suffix, &DetailCounts::nameSuffix},  {kind::display, &DetailCounts::displayName},
        {kind::nickname, &DetailCounts::nicknames}, {kind::orgUnit, &DetailCounts::orgUnits},
        {kind::jobTitle, &DetailCounts::jobTitle},  {kind::role, &DetailCounts::role},
        {kind::email, &DetailCounts::emails},       {kind::country, &DetailCounts::country},
        {kind::tel, &DetailCounts::telephones},     {kind::birthday, &DetailCounts::birthday},
        {kind::anniversary, &DetailCounts::anniversary}, {kind::note, &DetailCounts::note},
        {kind::url, &DetailCounts::webAddresses},   {kind::impp, &DetailCounts::messaging},
        {kind::social, &DetailCounts::social},      {kind::related, &DetailCounts::related},
        {kind::category, &DetailCounts::categories}, {kind::photo, &DetailCounts::photo},
    };
    QSqlQuery q = RunQuery(db, "SELECT d.Kind, max(d.n) FROM (SELECT PersonID, Kind, count(*) AS n FROM "
                               "ContactDetail GROUP BY PersonID, Kind) d JOIN Address a ON a.PersonID = d.PersonID"
                                   + addressCondition + " GROUP BY d.Kind");
    while (q.next())
        for (const auto &k : kinds)
            if (q.value(0).toString() == QLatin1String(k.kind))
                counts.*k.count = q.value(1).toInt();
    QSqlQuery addresses = RunQuery(db, "SELECT max(d.n) FROM (SELECT PersonID, count(*) AS n FROM ContactAddress "
                                       "GROUP BY PersonID) d JOIN Address a ON a.PersonID = d.PersonID"
                                           + addressCondition);
    if (addresses.next())
        counts.addresses = addresses.value(0).toInt();
    return counts;
}

void ReadSearchedDetails(const QSqlDatabase &db, std::optional<std::int32_t> personId,
                         const std::function<void(std::int32_t, SearchedDetail, const QString &)> &each)
{
    if (!HasDetailTables(db))
        return;
    const QString one = personId ? QStringLiteral(" AND PersonID = ?") : QString();
    const QVariantList bound = personId ? QVariantList{*personId} : QVariantList{};
    QSqlQuery details = RunQuery(db,
                                 QString("SELECT PersonID, Kind, Value FROM ContactDetail WHERE Kind IN ('%1', '%2', "
                                         "'%3', '%4', '%5')%6")
                                     .arg(kind::note, kind::nickname, kind::country, kind::email, kind::tel, one),
                                 bound);
    while (details.next()) {
        const QString kindName = details.value(1).toString();
        const SearchedDetail what = kindName == QLatin1String(kind::email) ? SearchedDetail::Email
            : kindName == QLatin1String(kind::tel)                         ? SearchedDetail::Number
                                                                           : SearchedDetail::Words;
        each(details.value(0).toInt(), what, details.value(2).toString());
    }
    CheckRowsRead(details);
    QSqlQuery addresses = RunQuery(db,
                                   "SELECT PersonID, POBox, Extended, Street, Locality, Region, PostalCode, Country "
                                   "FROM ContactAddress WHERE 1"
                                       + one,
                                   bound);
    while (addresses.next())
        for (int column = 1; column <= 7; ++column)
            if (const QString part = addresses.value(column).toString(); !part.isEmpty())
                each(addresses.value(0).toInt(), SearchedDetail::Words, part);
    CheckRowsRead(addresses);
}

struct DetailReader::Statements {
    SqliteStatement details;
    SqliteStatement addresses;
};

DetailReader::DetailReader(const QSqlDatabase &db)
{
    if (!HasDetailTables(db))
        return;
    sqlite3 *handle = SqliteHandle(db);
    mStatements.reset(new Statements{
        SqliteStatement(handle,
                        "SELECT Kind, Label, Value, Data FROM ContactDetail WHERE PersonID = ? ORDER BY Kind, Position",
                        db.databaseName()),
        SqliteStatement(handle,
                        "SELECT Label, POBox, Extended, Street, Locality, Region, PostalCode, Country FROM "
                        "ContactAddress WHERE PersonID = ? ORDER BY Position",
                        db.databaseName()),
    });
}

DetailReader::~DetailReader() = default;

void DetailReader::read(Contact &contact)
{
    if (!mStatements)
        return;
    ContactDetails &d = contact.details;
    SqliteStatement &q = mStatements->details;
    q.reset();
    q.bindInt(1, contact.personId);
    while (q.next()) {
        const QByteArrayView kindName = q.bytes(0);
        const auto is = [&](const char *name) { return kindName == QByteArrayView(name); };
        const QString label = q.text(1);
        const QString value = q.text(2);
        bool known = false;
        for (const SingleText &s : singleTexts)
            if (is(s.kind)) {
                d.*s.member = value;
                known = true;
            }
        for (const TextList &l : textLists)
            if (is(l.kind)) {
                (d.*l.member).append(value);
                known = true;
            }
        for (const LabeledList &l : labeledLists)
            if (is(l.kind)) {
                (d.*l.member).append({label, value});
                known = true;
            }
        for (const DateValue &date : dates)
            if (is(date.kind)) {
                d.*date.member = ContactDate::fromIso(value);
                known = true;
            }
        if (known)
            continue;
        if (is(kind::photo)) {
            const auto *data = static_cast<const char *>(sqlite3_column_blob(q.get(), 3));
            d.photo.data = QByteArray(data, sqlite3_column_bytes(q.get(), 3));
            d.photo.mimeType = label;
            d.photo.uri = value;
        } else if (is(kind::whole)) {
            // The whole value counts only while the column still holds what
            // was cut from it.
            const ContactField *field = FindContactField(label);
            if (field && contact.*field->member == FittedFieldValue(*field, value))
                contact.*field->member = value;
        }
    }
    SqliteStatement &a = mStatements->addresses;
    a.reset();
    a.bindInt(1, contact.personId);
    while (a.next())
        d.addresses.append({a.text(0), a.text(1), a.text(2), a.text(3), a.text(4), a.text(5), a.text(6), a.text(7)});
}

struct DetailWriter::Statements {
    SqliteStatement clearDetails;
    SqliteStatement clearAddresses;
    SqliteStatement addDetail;
    SqliteStatement addAddress;
};

DetailWriter::DetailWriter(const QSqlDatabase &db) : mDb(db)
{
    if (HasDetailTables(db))
        prepare();
}

DetailWriter::~DetailWriter() = default;

void DetailWriter::prepare()
{
    sqlite3 *handle = SqliteHandle(mDb);
    const QString file = mDb.databaseName();
    mStatements.reset(new Statements{
        SqliteStatement(handle, "DELETE FROM ContactDetail WHERE PersonID = ?", file),
        SqliteStatement(handle, "DELETE FROM ContactAddress WHERE PersonID = ?", file),
        SqliteStatement(handle,
                        "INSERT INTO ContactDetail (PersonID, Kind, Position, Label, Value, Data) "
                        "VALUES (?, ?, ?, ?, ?, ?)",
                        file),
        SqliteStatement(handle,
                        "INSERT INTO ContactAddress (PersonID, Position, Label, POBox, Extended, Street, Locality, "
                        "Region, PostalCode, Country) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                        file),
    });
}

void DetailWriter::write(const Contact &contact)
{
    const bool needed = NeedsDetailRows(contact);
    if (!mStatements) {
        if (!needed)
            return;
        CreateDetailTables(mDb);
        prepare();
    }
    Statements &s = *mStatements;
    s.clearDetails.bindInt(1, contact.personId);
    s.clearDetails.run();
    s.clearAddresses.bindInt(1, contact.personId);
    s.clearAddresses.run();
    if (!needed)
        return;

    for (const DetailRow &row : DetailRows(contact)) {
        SqliteStatement &q = s.addDetail;
        q.bindInt(1, contact.personId);
        q.bindText(2, QString::fromLatin1(row.kind));
        q.bindInt(3, row.position);
        q.bindText(4, row.label);
        q.bindText(5, row.value);
        if (row.data.isEmpty())
            sqlite3_bind_null(q.get(), 6);
        else
            sqlite3_bind_blob64(q.get(), 6, row.data.constData(), sqlite3_uint64(row.data.size()), SQLITE_TRANSIENT);
        q.run();
    }
    const ContactDetails &d = contact.details;
    for (int i = 0; i < d.addresses.size(); ++i) {
        const ContactAddress &a = d.addresses.at(i);
        SqliteStatement &q = s.addAddress;
        q.bindInt(1, contact.personId);
        q.bindInt(2, i);
        const QString parts[] = {a.label, a.poBox, a.extended, a.street, a.locality, a.region, a.postalCode, a.country};
        int column = 3;
        for (const QString &part : parts)
            q.bindText(column++, part);
        q.run();
    }
}

void ReadContactDetails(const QSqlDatabase &db, Contact &contact)
{
    DetailReader(db).read(contact);
}

void WriteContactDetails(const QSqlDatabase &db, const Contact &contact)
{
    DetailWriter(db).write(contact);
}

void CopyDetailTables(const QSqlDatabase &db, const QString &from, const QString &to)
{
    if (!tablesIn(db, from))
        return;
    CreateDetailTables(db, to);
    for (const QString &table : DetailTableNames()) {
        QSqlQuery copy(db);
        copy.exec(QString("INSERT OR IGNORE INTO %3.%1 SELECT * FROM %2.%1").arg(table, from, to));
    }
}

} // namespace varnelle
