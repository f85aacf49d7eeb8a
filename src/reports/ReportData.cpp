#include "reports/ReportData.h"

#include "reports/ReportError.h"
#include "store/Database.h"
#include "common/Collation.h"
#include "common/SqlCollation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace varnelle::engine {

namespace {

void bindAll(QSqlQuery &query, const QVariantList &values)
{
    for (const QVariant &value : values)
        query.addBindValue(value);
}

} // namespace

ReportData::ReportData(const QString &dataFile)
    : mFile(dataFile)
{
    if (dataFile.trimmed().isEmpty())
        throw ReportError(QCoreApplication::translate("Reports", "No data file was named for the report."));
    const QFileInfo info(dataFile);
    if (!info.isFile())
        throw ReportError(QCoreApplication::translate("Reports", "The data file \"%1\" cannot be found.")
                              .arg(QDir::toNativeSeparators(dataFile)));
    // Read-only, in one read transaction for the whole run (the count and the
    // rows see the same data), sorting in the program's own order of text.
    try {
        mConnection = OpenForReading(info.absoluteFilePath());
    } catch (const ReadingOpenError &error) {
        switch (error.step()) {
        case ReadingOpenError::Step::Open:
            fail(QStringLiteral("cannot be opened"), error);
        case ReadingOpenError::Step::Collation:
            fail(QStringLiteral("cannot be sorted"), error);
        case ReadingOpenError::Step::Begin:
            break;
        }
        fail(QStringLiteral("cannot be read"), error);
    }
}

ReportData::~ReportData()
{
    if (mConnection.isOpen()) {
        QSqlQuery end(mConnection.database());
        end.exec(QStringLiteral("ROLLBACK"));
    }
}

void ReportData::fail(const QString &what, const QSqlError &error) const
{
    const DatabaseError failure = DescribeFailure(error, mFile);
    fail(what, ReadingOpenError(failure, ReadingOpenError::Step::Begin, error.text()));
}

void ReportData::fail(const QString &what, const ReadingOpenError &error) const
{
    // SQLite's words for a damaged file mean nothing to the reader of the message.
    if (error.kind() == DatabaseError::Kind::Damaged)
        throw ReportError(QCoreApplication::translate("Reports",
                                                      "The data file \"%1\" is damaged: the report cannot read its "
                                                      "contacts.")
                              .arg(QDir::toNativeSeparators(mFile)),
                          true);
    throw ReportError(QCoreApplication::translate("Reports", "The data file \"%1\" %2 as a contacts database: %3.")
                          .arg(QDir::toNativeSeparators(mFile), what, error.driverText().trimmed()));
}

QStringList ReportData::matchingValues(const QString &field, const QString &value)
{
    if (value.isEmpty())
        return {QStringLiteral("")}; // an empty text, not Null: it is compared with coalesce(field, '')
    // COLLATE BINARY keeps values apart that differ only in case.
    QSqlQuery query(mConnection.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT DISTINCT %1 COLLATE BINARY FROM Address WHERE %1 IS NOT NULL AND %1 <> ''")
                        .arg(field)))
        fail(QStringLiteral("cannot be read"), query.lastError());
    const QString wanted = SelectionFormula::fold(value);
    QStringList matches;
    while (query.next()) {
        const QString stored = query.value(0).toString();
        if (SelectionFormula::fold(stored) == wanted)
            matches << stored;
    }
    return matches;
}

void ReportData::select(const ReportDefinition &definition, const SelectionFormula &formula)
{
    mDefinition = &definition;
    QString where;
    switch (definition.contacts) {
    case ReportDefinition::Contacts::Business:
        where = QStringLiteral("a.IsBusiness = 1");
        break;
    case ReportDefinition::Contacts::Personal:
        where = QStringLiteral("a.IsBusiness = 0");
        break;
    case ReportDefinition::Contacts::All:
        where = QStringLiteral("1");
        break;
    }
    const SelectionFormula::Sql condition = formula.toSql(
        QStringLiteral("a"), [this](const QString &field, const QString &value) { return matchingValues(field, value); });
    mWhere = QStringLiteral(" WHERE %1 AND %2").arg(where, condition.condition);
    mValues = condition.values;

    QSqlQuery query(mConnection.database());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT count(*) FROM Address AS a") + mWhere))
        fail(QStringLiteral("cannot be read"), query.lastError());
    bindAll(query, mValues);
    if (!query.exec() || !query.next())
        fail(QStringLiteral("cannot be read"), query.lastError());
    mCount = query.value(0).toLongLong();
}

bool ReportData::read(const std::function<bool(const ReportRow &)> &sink)
{
    Q_ASSERT(mDefinition);
    const ReportDefinition &definition = *mDefinition;
    QString sql;
    sql += mWhere + QStringLiteral(" ORDER BY ");
    for (const QString &field : definition.sort)
        sql += QStringLiteral("a.%1 COLLATE %2, ").arg(field, QLatin1String(text::SqlCollationName));
    sql += QStringLiteral("a.PersonID");
    if (definition.listTelephones)
        sql += QStringLiteral(", l.TypeID");
    return readRows(definition, sql, mValues, sink);
}

QList<ReportRow> ReportData::readContacts(const ReportDefinition &definition, const QList<qint64> &ids)
{
    // The IDs travel as one bound JSON array, whatever their number.
    QString array;
    array.reserve(ids.size() * 8 + 2);
    array += QLatin1Char('[');
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (i > 0)
            array += QLatin1Char(',');
        array += QString::number(ids.at(i));
    }
    array += QLatin1Char(']');
    QString tail = QStringLiteral(" WHERE a.PersonID IN (SELECT value FROM json_each(?)) ORDER BY a.PersonID");
    if (definition.listTelephones)
        tail += QStringLiteral(", l.TypeID");

    QHash<qint64, ReportRow> found;
    found.reserve(ids.size());
    readRows(definition, tail, {array}, [&found](const ReportRow &row) {
        found.insert(row.personId, row);
        return true;
    });
    QList<ReportRow> rows;
    rows.reserve(ids.size());
    for (const qint64 id : ids) {
        const auto at = found.constFind(id);
        if (at != found.constEnd())
            rows << *at;
    }
    return rows;
}

bool ReportData::readRows(const ReportDefinition &definition, const QString &tail, const QVariantList &values,
                          const std::function<bool(const ReportRow &)> &sink)
{
    // Each field the columns need is read once; cells are joined from their positions.
    QStringList fields;
    std::vector<std::vector<int>> cellFields;
    for (const ReportColumn &column : definition.columns) {
        std::vector<int> positions;
        for (const QString &field : column.fields) {
            qsizetype at = fields.indexOf(field);
            if (at < 0) {
                at = fields.size();
                fields << field;
            }
            positions.push_back(int(at) + 1);
        }
        cellFields.push_back(std::move(positions));
    }

    QString sql = QStringLiteral("SELECT a.PersonID");
    for (const QString &field : fields)
        sql += QStringLiteral(", a.") + field;
    const int typeColumn = int(fields.size()) + 1;
    if (definition.listTelephones) {
        sql += QStringLiteral(", t.TelephoneType, l.Number FROM Address AS a"
                              " LEFT JOIN TelephoneList AS l ON l.PersonID = a.PersonID"
                              " LEFT JOIN TelephoneType AS t ON t.TypeID = l.TypeID");
    } else {
        sql += QStringLiteral(" FROM Address AS a");
    }
    sql += tail;

    QSqlQuery query(mConnection.database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(QStringLiteral("cannot be read"), query.lastError());
    bindAll(query, values);
    if (!query.exec())
        fail(QStringLiteral("cannot be read"), query.lastError());

    ReportRow row;
    qint64 current = 0;
    bool pending = false;
    QStringList fieldValues(fields.size());
    while (query.next()) {
        const qint64 personId = query.value(0).toLongLong();
        if (!pending || personId != current) {
            if (pending && !sink(row))
                return false;
            pending = true;
            current = personId;
            row.personId = personId;
            for (qsizetype i = 0; i < fields.size(); ++i)
                fieldValues[i] = query.value(int(i) + 1).toString();
            row.cells.clear();
            row.telephones.clear();
            for (std::size_t c = 0; c < cellFields.size(); ++c) {
                QString cell;
                for (const int position : cellFields[c]) {
                    const QString &value = fieldValues.at(position - 1);
                    if (value.isEmpty())
                        continue;
                    if (!cell.isEmpty())
                        cell += definition.columns[c].join;
                    cell += value;
                }
                row.cells << cell;
            }
        }
        if (definition.listTelephones && !query.isNull(typeColumn + 1))
            row.telephones.append({query.value(typeColumn).toString(), query.value(typeColumn + 1).toString()});
    }
    if (query.lastError().isValid())
        fail(QStringLiteral("cannot be read"), query.lastError());
    if (pending && !sink(row))
        return false;
    return true;
}

} // namespace varnelle::engine
