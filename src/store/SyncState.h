#pragma once

#include "common/Contact.h"
#include "store/DetailTables.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace varnelle {

// The state of CardDAV sync kept in the address book: the accounts (never a
// password) and, per contact, where its card lives on the server and the card
// as it was at the last sync. The tables are made when the first account is
// added; a book without them is a book that does not sync.

// One account bound to one view: the server, the user, the address book on
// the server that the view syncs with, and that book's sync token.
struct SyncAccount {
    std::int64_t id = 0;
    QString serverUrl;
    QString userName;
    bool isBusiness = false;
    QString bookUrl;
    QString bookName;
    bool insecure = false; // plain http to a host other than this machine was allowed
    QString syncToken;
    QString trustedCertificate; // SHA-256 of a certificate the user trusts for this account, or empty
};

// A contact's card on the server. An empty card marks a contact whose upload
// was begun (its UID and href chosen) but not confirmed.
struct SyncedContact {
    std::int32_t personId = 0;
    QString href;
    QString etag;
    QString uid;
    QString card;
};

// The names of the sync tables, for the checks and the salvage.
const QStringList &SyncTableNames();

bool HasSyncTables(const QSqlDatabase &db);
// Makes the tables when missing. Throws DatabaseError.
void CreateSyncTables(const QSqlDatabase &db, const QString &schemaName = QStringLiteral("main"));

// Every account in the order they were added; none when the tables are missing.
// Throws DatabaseError.
QList<SyncAccount> ReadSyncAccounts(const QSqlDatabase &db);
// Makes the tables when needed and adds the account; returns its id. Throws DatabaseError.
std::int64_t AddSyncAccount(QSqlDatabase &db, const SyncAccount &account);
// Removes an account with the state of its contacts. Throws DatabaseError.
void RemoveSyncAccount(QSqlDatabase &db, std::int64_t id);

// What becomes of an account's sync state when the account is changed.
enum class SyncStateOnChange {
    Keep,   // the same address book: its contacts' hrefs, ETags and cards and its token still hold
    Forget, // another address book: the next sync starts over as a first one
};
// Changes an account in place: server, user name, address book and the plain
// http choice (its view stays). With Forget the state of its contacts and its
// sync token go in the same transaction, the contacts themselves stay.
// Throws DatabaseError.
void ChangeSyncAccount(QSqlDatabase &db, const SyncAccount &account, SyncStateOnChange state);
void StoreSyncToken(const QSqlDatabase &db, std::int64_t accountId, const QString &token);
// Keeps the SHA-256 fingerprint of a certificate the user trusts for the
// account (empty: none). Throws DatabaseError.
void StoreTrustedCertificate(const QSqlDatabase &db, std::int64_t accountId, const QString &fingerprint);

std::vector<SyncedContact> ReadSyncedContacts(const QSqlDatabase &db, std::int64_t accountId);
void StoreSyncedContact(const QSqlDatabase &db, std::int64_t accountId, const SyncedContact &contact);
void ForgetSyncedContact(const QSqlDatabase &db, std::int64_t accountId, std::int32_t personId);

// The UID of each synced contact, by PersonID (the first account's when
// several have it); empty when the book has no sync tables. Throws DatabaseError.
QHash<std::int32_t, QString> ReadSyncUids(const QSqlDatabase &db);

// A contact's row, numbers and details as sync reads and writes them: the
// whole values of the given Address columns (a value longer than its column
// is stored cut, with the whole kept among the details), its numbers as
// (type name, number) in TypeID order, and its details.
struct StoredContact {
    std::int32_t personId = 0;
    QStringList values;
    QList<QPair<QString, QString>> numbers;
    ContactDetails details;
};

// Every contact of a view. Throws DatabaseError.
std::vector<StoredContact> ReadStoredContacts(const QSqlDatabase &db, bool isBusiness, const QStringList &columns);
// Writes contacts and their sync state with statements prepared once, for
// the many rows of a sync; the same as the functions around it. Run it inside
// a transaction. Throws DatabaseError.
class SyncWriter {
public:
    SyncWriter(const QSqlDatabase &db, std::int64_t accountId, bool isBusiness, const QStringList &columns);
    std::int32_t writeContact(const StoredContact &contact);
    void storeState(const SyncedContact &contact);

private:
    QSqlQuery &prepared(QSqlQuery &query, const QString &sql);
    void run(QSqlQuery &query, const QVariantList &values);

    QSqlDatabase mDb;
    DetailWriter mDetails;
    std::int64_t mAccountId;
    bool mIsBusiness;
    QStringList mColumns;
    QSqlQuery mInsert, mUpdate, mDeleteNumbers, mFindType, mAddType, mAddNumber, mState;
};

// Writes a contact: a new one when personId is 0 (its id is returned), else
// its row and all its numbers are replaced. A number's type is the type of
// that name in any letter case, or a new one. Run it inside a transaction.
// Throws DatabaseError.
std::int32_t WriteStoredContact(const QSqlDatabase &db, bool isBusiness, const QStringList &columns,
                                const StoredContact &contact);
// Removes a contact with its numbers. Run it inside a transaction. Throws DatabaseError.
void RemoveStoredContact(const QSqlDatabase &db, std::int32_t personId);

// Copies the sync tables of the database attached as `from` into the main one,
// when it has them; for the salvage of a damaged book.
void CopySyncTables(const QSqlDatabase &db, const QString &from, const QString &to = QStringLiteral("main"));

} // namespace varnelle
