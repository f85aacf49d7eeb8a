#include "store/SearchIndex.h"

#include "store/Database.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace varnelle {

namespace {

// The searched fields of Address, then the view and the e-mail.
const char *const ContactColumns =
    "PersonID, IsBusiness, Title, FirstName, LastName, Company, Street, City, State, ZipCode, EMail, Spouse, "
    "Children";
constexpr int FirstSearched = 2;
constexpr int LastSearched = 12;
constexpr int EmailColumn = 10;

// The searched fields of the contact a query stands on, as a key without numbers.
text::SearchKey keyOf(const QSqlQuery &q)
{
    QStringList fields;
    fields.reserve(LastSearched - FirstSearched + 1);
    for (int column = FirstSearched; column <= LastSearched; ++column)
        fields << q.value(column).toString();
    return text::SearchKey(fields, q.value(EmailColumn).toString());
}

// The contacts of the view (or one contact): each with its key, numbers not yet added.
QSqlQuery queryContacts(const QSqlDatabase &db, std::optional<bool> isBusiness, std::optional<std::int32_t> personId)
{
    if (personId)
        return RunQuery(db, QStringLiteral("SELECT %1 FROM Address WHERE PersonID = ?").arg(ContactColumns), {*personId});
    // "+IsBusiness": read the table through, which costs less than one index look-up a row.
    return RunQuery(db, QStringLiteral("SELECT %1 FROM Address%2")
                            .arg(ContactColumns, isBusiness ? QStringLiteral(" WHERE +IsBusiness = ?") : QString()),
                    isBusiness ? QVariantList{*isBusiness} : QVariantList{});
}

// Every number of the book (or of one contact) in TypeID order: PersonID,
// number. Read in the table's stored order, without a join: looking each
// number's contact up costs more than reading the other view's numbers too.
QSqlQuery queryNumbers(const QSqlDatabase &db, std::optional<std::int32_t> personId, bool inTypeOrder)
{
    const QString order = inTypeOrder ? QStringLiteral(" ORDER BY PersonID, TypeID") : QString();
    if (personId)
        return RunQuery(db, "SELECT PersonID, Number FROM TelephoneList WHERE PersonID = ?" + order, {*personId});
    return RunQuery(db, "SELECT PersonID, Number FROM TelephoneList" + order);
}

// The keys of the contacts of the view (or of one contact).
QHash<std::int32_t, text::SearchKey> readKeys(const QSqlDatabase &db, std::optional<bool> isBusiness,
                                              std::optional<std::int32_t> personId)
{
    QHash<std::int32_t, text::SearchKey> keys;
    QSqlQuery contacts = queryContacts(db, isBusiness, personId);
    while (contacts.next())
        keys.insert(contacts.value(0).toInt(), keyOf(contacts));
    CheckRowsRead(contacts);
    QSqlQuery numbers = queryNumbers(db, personId, false);
    while (numbers.next()) {
        const auto key = keys.find(numbers.value(0).toInt());
        if (key != keys.end())
            key->addNumber(numbers.value(1).toString());
    }
    CheckRowsRead(numbers);
    return keys;
}

} // namespace

void SearchIndex::build(const QSqlDatabase &db, std::optional<bool> isBusiness)
{
    mKeys = readKeys(db, isBusiness, std::nullopt);
}

void SearchIndex::update(const QSqlDatabase &db, std::int32_t personId)
{
    mKeys.remove(personId);
    mKeys.insert(readKeys(db, std::nullopt, personId));
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
    QHash<std::int32_t, QString> firstNumbers;
    QSqlQuery numbers = queryNumbers(db, std::nullopt, true);
    while (numbers.next()) {
        const std::int32_t personId = numbers.value(0).toInt();
        if (!firstNumbers.contains(personId))
            firstNumbers.insert(personId, numbers.value(1).toString());
    }
    CheckRowsRead(numbers);
    const QHash<std::int32_t, text::SearchKey> keys = readKeys(db, isBusiness, std::nullopt);
    QSqlQuery q = queryContacts(db, isBusiness, std::nullopt);
    while (q.next()) {
        const std::int32_t personId = q.value(0).toInt();
        if (!query.matches(keys.value(personId)))
            continue;
        each({personId, q.value(1).toBool(), q.value(4).toString(), q.value(3).toString(), q.value(5).toString(),
              q.value(EmailColumn).toString(), firstNumbers.value(personId)});
    }
    CheckRowsRead(q);
}

} // namespace varnelle
