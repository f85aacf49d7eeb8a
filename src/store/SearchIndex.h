#pragma once

#include "common/ContactSearch.h"

#include <QHash>
#include <QtGlobal>
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
// e-mail and the digits of its numbers (text::SearchKey), with those of its
// notes, nicknames, further e-mails, addresses and numbers, by PersonID, held
// in memory and kept in step with changes one contact at a time.
//
// The book keeps the keys too (table SearchText), so that a reading costs one
// pass over them. Triggers of the book forget a contact's key in the same
// transaction as any change to the contact, its numbers or its details, by this program or
// any other; a contact without a key gets it made at the next reading.
class SearchIndex {
public:
    // Reads the contacts of one view (isBusiness), or of both when none is
    // given: the keys the book keeps, and those it lacks made from the
    // contacts (madeKeys). Changes nothing. Throws DatabaseError.
    void build(const QSqlDatabase &db, std::optional<bool> isBusiness = std::nullopt);
    // The keys the last build made because the book kept none for them, of
    // both views.
    const QHash<std::int32_t, text::SearchKey> &madeKeys() const { return mMade; }
    // Reads one contact again, forgetting it when it is gone, and keeps its
    // key in the book where it can (and keepInBook). Throws DatabaseError.
    void update(const QSqlDatabase &db, std::int32_t personId, bool keepInBook = true);
    void clear() { mKeys.clear(); }

    qsizetype size() const { return mKeys.size(); }
    // Whether the contact is indexed and matches every word of query. An
    // empty query matches every contact, indexed or not.
    bool matches(std::int32_t personId, const text::SearchQuery &query) const;
    // How many indexed contacts match every word of query.
    qsizetype countMatching(const text::SearchQuery &query) const;
    // The key of an indexed contact; nullptr for another.
    const text::SearchKey *keyOf(std::int32_t personId) const;

private:
    friend void FindContacts(const QSqlDatabase &, const text::SearchQuery &, std::optional<bool>,
                             const std::function<void(const SearchHit &)> &);
    QHash<std::int32_t, text::SearchKey> mKeys;
    QHash<std::int32_t, text::SearchKey> mMade;
};

// The statements that make the book keep its keys: the table SearchText and
// the triggers that forget a contact's key when it changes.
const QStringList &SearchKeyStatements();
// The triggers that forget a contact's key when its details change, on the
// detail tables (made with them, or with the keys where the book has them).
const QStringList &DetailSearchKeyStatements();
// Makes those triggers where the book keeps keys and lacks them; for the
// detail tables as they are made. Throws DatabaseError.
void MakeDetailSearchKeyTriggers(const QSqlDatabase &db);

// Makes the table of kept keys and its triggers where they are missing (a book
// of an older copy of the program, or one whose triggers another program
// dropped: its kept keys are made anew). False when the book could not be
// changed (read-only, or busy); keys are then made at each reading. Throws
// nothing.
bool MakeSearchKeyTable(const QSqlDatabase &db);
// Keeps keys made by a reading (SearchIndex::madeKeys) in the book, when no
// other connection changed the book since the connection db read dataVersion
// (PRAGMA data_version, before the reading began). True when kept. Throws
// nothing.
bool KeepSearchKeys(const QSqlDatabase &db, const QHash<std::int32_t, text::SearchKey> &keys, qint64 dataVersion);
// Forgets every kept key, for a repaired book to make them anew.
void ForgetSearchKeys(const QSqlDatabase &db);

// Hands each contact of the view (or of both) that matches query to each,
// in no particular order, reading the book once. Throws DatabaseError.
void FindContacts(const QSqlDatabase &db, const text::SearchQuery &query, std::optional<bool> isBusiness,
                  const std::function<void(const SearchHit &)> &each);

} // namespace varnelle
