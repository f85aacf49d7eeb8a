#pragma once

#include "common/ContactSearch.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace varnelle {

// What a search shows of a contact besides its names: for the command line's
// look-ups.
struct SearchHit {
    std::int32_t personId = 0;
    bool isBusiness = false;
    QString lastName;
    QString firstName;
    QString company;
    QString email;
    QString firstNumber; // of the lowest TypeID; empty without one
};

// The contacts of the book prepared for searching: each contact's words,
// e-mail and the digits of its numbers (text::SearchKey), by PersonID. Built
// in one read of the book, kept in memory, and kept in step with changes one
// contact at a time.
class SearchIndex {
public:
    // Reads the contacts of one view (isBusiness), or of both when none is
    // given. Throws DatabaseError.
    void build(const QSqlDatabase &db, std::optional<bool> isBusiness = std::nullopt);
    // Reads one contact again; forgets it when it is gone. Throws DatabaseError.
    void update(const QSqlDatabase &db, std::int32_t personId);
    void clear() { mKeys.clear(); }

    qsizetype size() const { return mKeys.size(); }
    // Whether the contact is indexed and matches every word of query. An
    // empty query matches every contact, indexed or not.
    bool matches(std::int32_t personId, const text::SearchQuery &query) const;

private:
    QHash<std::int32_t, text::SearchKey> mKeys;
};

// Hands each contact of the view (or of both) that matches query to each,
// in no particular order, reading the book once. Throws DatabaseError.
void FindContacts(const QSqlDatabase &db, const text::SearchQuery &query, std::optional<bool> isBusiness,
                  const std::function<void(const SearchHit &)> &each);

} // namespace varnelle
