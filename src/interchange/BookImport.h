#pragma once

#include "interchange/ContactRecord.h"
#include "interchange/ImportSummary.h"

#include <QSqlDatabase>
#include <QStringList>
#include <functional>
#include <vector>

namespace varnelle::interchange {

// Where imported contacts go: the view shown now, business, personal, or
// business exactly when the contact has a company.
enum class ImportView { Current, Business, Personal, ByCompany };

struct ImportOptions {
    ImportView view = ImportView::ByCompany;
    bool currentIsBusiness = true; // the view shown now, for ImportView::Current
    // Told now and then how much of how much is done (bytes of a file,
    // records of a list); returning false cancels the import, which leaves
    // the book unchanged.
    std::function<bool(qint64 done, qint64 total)> progress;
};

// The identity of a contact for finding it again: every field and every
// number with its type, in any letter case, the numbers in any order. Kept
// as a 128-bit hash (two differently seeded hashes), so that the identities
// of a large book take little memory. Equal identities are what import
// counts as already present.
using ContactIdentity = QPair<size_t, size_t>;

class ContactIdentities {
public:
    ContactIdentity of(const Contact &contact, const QList<PhoneNumber> &numbers);

private:
    QString mText;
    QString mPhones;
};

// Whether a contact has what tells people apart: a name, a company or an
// e-mail address. One without is never taken for another.
bool IsNamedContact(const Contact &c);

// Adds the records to the address book in one transaction: all of them or,
// on a failure or a cancel, none. Values are kept whole, with their details:
// the store keeps what is longer than its column beside it. The list of
// numbers holds one of each type; a further number of a type, and a number
// or type name longer than the list holds, become details. A number's type is the existing type of that name in any letter
// case, or a new one. A record whose every field and number (in any letter
// case) equal those of a contact of the book is counted as already present,
// named in the summary and not added again; a record with no name, company or
// e-mail is never taken for another. Throws InterchangeError; the book is
// then unchanged.
ImportSummary ImportContacts(QSqlDatabase &db, const std::vector<ContactRecord> &records,
                             const ImportOptions &options);

// Reads a vCard or CSV file and imports its contacts as they are read, in
// the one transaction; the summary lists what the reading skipped. A fault
// of the file, even at its last card, leaves the book unchanged. Throws
// InterchangeError.
ImportSummary ImportContactFile(QSqlDatabase &db, const QString &fileName, const ImportOptions &options);

} // namespace varnelle::interchange
