#pragma once

#include "common/Contact.h"

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace varnelle {

// A contact's details (ContactDetails) and the whole values of its fields
// that are longer than their columns, in two tables beside the four:
// ContactDetail (one row per value: PersonID, Kind, Position, Label, Value,
// Data) and ContactAddress (one row per further postal address). They are
// made with the first contact that has details; a trigger on Address deletes
// a contact's rows with the contact, whatever program deletes it.

// The names of the detail tables and of their trigger, for the checks and the salvage.
const QStringList &DetailTableNames();
const QStringList &DetailTriggerNames();

bool HasDetailTables(const QSqlDatabase &db);
// Makes the tables and the trigger when missing. Throws DatabaseError.
void CreateDetailTables(const QSqlDatabase &db, const QString &schemaName = QStringLiteral("main"));

// Whether a contact has anything to keep beside its Address row: details,
// or a field longer than its column.
bool NeedsDetailRows(const Contact &contact);

// One row of table ContactDetail, without its PersonID.
struct DetailRow {
    const char *kind;
    int position = 0;
    QString label;
    QString value;
    QByteArray data;
};

// The ContactDetail rows of a contact, as DetailWriter writes them (its
// further addresses go to ContactAddress).
QList<DetailRow> DetailRows(const Contact &contact);

// For each kind of detail, the most values of it that one contact has (a
// single value counts 1): the columns a CSV export needs.
struct DetailCounts {
    int middleName = 0, namePrefix = 0, nameSuffix = 0, displayName = 0, nicknames = 0, orgUnits = 0, jobTitle = 0,
        role = 0, emails = 0, addresses = 0, country = 0, telephones = 0, birthday = 0, anniversary = 0, note = 0,
        webAddresses = 0, messaging = 0, social = 0, related = 0, categories = 0, photo = 0;
};

// The counts among the contacts whose Address rows the condition selects
// (" WHERE ..." on columns of table Address, or empty for all). A book
// without detail tables has none. Throws DatabaseError.
DetailCounts MostDetails(const QSqlDatabase &db, const QString &addressCondition = {});

// The details a search looks into, of every contact or of one: words
// (notes, nicknames, further addresses, the country), further e-mails and
// further numbers, each handed to `each` with its PersonID. A book without
// detail tables has none. Throws DatabaseError.
enum class SearchedDetail { Words, Email, Number };
void ReadSearchedDetails(const QSqlDatabase &db, std::optional<std::int32_t> personId,
                         const std::function<void(std::int32_t, SearchedDetail, const QString &)> &each);

// Reads and writes the details of one contact at a time through statements
// prepared once, for the many contacts of an import, export or sync. Both
// work in the caller's transaction. Throw DatabaseError.
class DetailReader {
public:
    explicit DetailReader(const QSqlDatabase &db);
    ~DetailReader();
    DetailReader(const DetailReader &) = delete;
    DetailReader &operator=(const DetailReader &) = delete;

    // Fills contact.details from the rows of contact.personId, and gives
    // each text field that was cut to fit its column its whole value back,
    // as long as the column still holds what was cut from it (a field
    // changed by another program since keeps that program's value).
    // A book without detail tables leaves the contact as it is.
    void read(Contact &contact);

private:
    struct Statements;
    std::unique_ptr<Statements> mStatements;
};

class DetailWriter {
public:
    explicit DetailWriter(const QSqlDatabase &db);
    ~DetailWriter();
    DetailWriter(const DetailWriter &) = delete;
    DetailWriter &operator=(const DetailWriter &) = delete;

    // Replaces the detail rows of contact.personId with the contact's
    // details and the whole values of its fields longer than their columns.
    // Makes the tables when the contact needs them and the book has none.
    void write(const Contact &contact);

private:
    void prepare();
    struct Statements;
    QSqlDatabase mDb;
    std::unique_ptr<Statements> mStatements;
};

// One contact's details, for a single contact (the editor). Throws DatabaseError.
void ReadContactDetails(const QSqlDatabase &db, Contact &contact);
void WriteContactDetails(const QSqlDatabase &db, const Contact &contact);

// Copies the detail tables of the database attached as `from` into `to`,
// when it has them; for the salvage of a damaged book.
void CopyDetailTables(const QSqlDatabase &db, const QString &from, const QString &to = QStringLiteral("main"));

} // namespace varnelle
