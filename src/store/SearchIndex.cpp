#include "store/SearchIndex.h"

#include "store/Database.h"

#include <QSqlQuery>
#include <QVariant>

namespace varnelle {

namespace {

// The searched fields of Address, then the view and the e-mail.
const char *const ContactColumns =
    "PersonID, IsBusiness, Title, FirstName, LastName, Company, Street, City, State, ZipCode, EMail, Spouse, "
    "Children";
constexpr int FirstSearched = 2;
constexpr int LastSearched = 12;
constexpr int EmailColumn = 10;

QString viewCondition(std::optional<bool> isBusiness, const QString &alias = {})
{
    if (!isBusiness)
        return {};
    return QStringLiteral(" WHERE %1IsBusiness = %2").arg(alias, *isBusiness ? "1" : "0");
}

// Every number of the contacts of the view, in TypeID order, by PersonID.
QHash<std::int32_t, QStringList> readNumbers(const QSqlDatabase &db, std::optional<bool> isBusiness,
                                             std::optional<std::int32_t> personId = std::nullopt)
{
    QString sql = QStringLiteral("SELECT n.PersonID, n.Number FROM TelephoneList n");
    QVariantList values;
    if (personId) {
        sql += QStringLiteral(" WHERE n.PersonID = ?");
        values << *personId;
    } else if (isBusiness) {
        sql += QStringLiteral(" JOIN Address a ON a.PersonID = n.PersonID") + viewCondition(isBusiness, "a.");
    }
    QSqlQuery q = RunQuery(db, sql + QStringLiteral(" ORDER BY n.PersonID, n.TypeID"), values);
    QHash<std::int32_t, QStringList> numbers;
    while (q.next())
        numbers[q.value(0).toInt()] << q.value(1).toString();
    CheckRowsRead(q);
    return numbers;
}

text::SearchKey keyOf(const QSqlQuery &q, const QStringList &numbers)
{
    QStringList fields;
    fields.reserve(LastSearched - FirstSearched + 1);
    for (int column = FirstSearched; column <= LastSearched; ++column)
        fields << q.value(column).toString();
    return text::SearchKey(fields, q.value(EmailColumn).toString(), numbers);
}

// Runs over the contacts of the view (or one contact) with their numbers.
void readContacts(const QSqlDatabase &db, std::optional<bool> isBusiness, std::optional<std::int32_t> personId,
                  const std::function<void(const QSqlQuery &, const QStringList &)> &each)
{
    const QHash<std::int32_t, QStringList> numbers = readNumbers(db, isBusiness, personId);
    QString sql = QStringLiteral("SELECT %1 FROM Address").arg(ContactColumns);
    QVariantList values;
    if (personId) {
        sql += QStringLiteral(" WHERE PersonID = ?");
        values << *personId;
    } else {
        sql += viewCondition(isBusiness);
    }
    QSqlQuery q = RunQuery(db, sql, values);
    while (q.next())
        each(q, numbers.value(q.value(0).toInt()));
    CheckRowsRead(q);
}

} // namespace

void SearchIndex::build(const QSqlDatabase &db, std::optional<bool> isBusiness)
{
    QHash<std::int32_t, text::SearchKey> keys;
    readContacts(db, isBusiness, std::nullopt,
                 [&](const QSqlQuery &q, const QStringList &numbers) { keys.insert(q.value(0).toInt(), keyOf(q, numbers)); });
    mKeys = std::move(keys);
}

void SearchIndex::update(const QSqlDatabase &db, std::int32_t personId)
{
    mKeys.remove(personId);
    readContacts(db, std::nullopt, personId,
                 [&](const QSqlQuery &q, const QStringList &numbers) { mKeys.insert(personId, keyOf(q, numbers)); });
}

bool SearchIndex::matches(std::int32_t personId, const text::SearchQuery &query) const
{
    if (query.isEmpty())
        return true;
    const auto key = mKeys.constFind(personId);
    return key != mKeys.constEnd() && query.matches(*key);
}

void FindContacts(const QSqlDatabase &db, const text::SearchQuery &query, std::optional<bool> isBusiness,
                  const std::function<void(const SearchHit &)> &each)
{
    readContacts(db, isBusiness, std::nullopt, [&](const QSqlQuery &q, const QStringList &numbers) {
        if (!query.matches(keyOf(q, numbers)))
            return;
        each({q.value(0).toInt(), q.value(1).toBool(), q.value(4).toString(), q.value(3).toString(),
              q.value(5).toString(), q.value(EmailColumn).toString(), numbers.value(0)});
    });
}

} // namespace varnelle
