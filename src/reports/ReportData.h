#pragma once

#include "reports/ReportDefinition.h"
#include "reports/SelectionFormula.h"
#include "store/Connection.h"
#include "store/DatabaseError.h"
#include "common/Contact.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QSqlError;

namespace varnelle::engine {

// One contact as a report shows it: a cell per definition column, and its
// telephone numbers in TypeID order when the definition lists them.
struct ReportRow {
    qint64 personId = 0;
    QStringList cells;
    // A number's type name is empty when its type row is missing.
    QList<PhoneNumber> telephones;
};

// Reads the contacts of a report from a database file. The file is opened
// read-only on a connection of its own (another connection of the program may
// hold it open at the same time) and closed again when the reader goes away.
// All queries of a run share one read transaction, so the count and the rows
// agree.
class ReportData {
public:
    // Throws ReportError when the file is missing or not a readable database.
    explicit ReportData(const QString &dataFile);
    ~ReportData();
    ReportData(const ReportData &) = delete;
    ReportData &operator=(const ReportData &) = delete;

    // Prepares the selection; throws ReportError on a database failure.
    void select(const ReportDefinition &definition, const SelectionFormula &formula);
    // How many contacts the selection holds.
    qint64 count() const { return mCount; }
    // Hands each contact, in report order, to `sink`; stops early (and
    // returns false) when `sink` returns false.
    bool read(const std::function<bool(const ReportRow &)> &sink);
    // The contacts with the given PersonIDs, in the order of `ids`, built as
    // `definition` shows them; an ID whose contact is gone is left out.
    // Needs no select(): the pages of a report fetch their rows this way.
    QList<ReportRow> readContacts(const ReportDefinition &definition, const QList<qint64> &ids);

private:
    // Throws ReportError telling that the data file `what` ("cannot be read").
    [[noreturn]] void fail(const QString &what, const QSqlError &error) const;
    [[noreturn]] void fail(const QString &what, const ReadingOpenError &error) const;
    // Reads the definition's fields (and numbers) of the contacts chosen by
    // `tail`, a WHERE and ORDER BY clause that keeps the rows of a contact
    // together, and hands each contact to `sink`.
    bool readRows(const ReportDefinition &definition, const QString &tail, const QVariantList &values,
                  const std::function<bool(const ReportRow &)> &sink);
    QStringList matchingValues(const QString &field, const QString &value);

    QString mFile;
    Connection mConnection;
    const ReportDefinition *mDefinition = nullptr;
    QString mWhere;  // " WHERE ...", shared by the count and the rows
    QVariantList mValues;
    qint64 mCount = 0;
};

} // namespace varnelle::engine
