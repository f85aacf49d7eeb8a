// Fuzzes the selection formula parser: any input is read or refused with a
// ReportError, never crashes, and every formula read becomes SQL that SQLite
// prepares and runs.
#include "reports/ReportError.h"
#include "reports/SelectionFormula.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using varnelle::ReportError;
using varnelle::engine::SelectionFormula;

namespace {

QSqlDatabase addressTable()
{
    static QSqlDatabase db = [] {
        QSqlDatabase memory = QSqlDatabase::addDatabase("QSQLITE", "fuzz");
        memory.setDatabaseName(":memory:");
        if (!memory.open())
            std::abort();
        QSqlQuery create(memory);
        QString columns;
        for (const char *field : {"Title", "FirstName", "LastName", "Company", "Street", "State", "City", "ZipCode",
                                  "EMail", "Spouse", "Children"})
            columns += QString(", %1 TEXT").arg(field);
        if (!create.exec("CREATE TABLE Address (PersonID INTEGER PRIMARY KEY, IsBusiness BOOLEAN" + columns + ")"))
            std::abort();
        return memory;
    }();
    return db;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    SelectionFormula formula;
    try {
        formula = SelectionFormula::parse(text);
    } catch (const ReportError &) {
        return 0; // a clear refusal is a right answer
    }
    formula.fields();
    const SelectionFormula::Sql sql =
        formula.toSql("a", [](const QString &, const QString &value) { return QStringList{value}; });
    QSqlQuery query(addressTable());
    bool ran = query.prepare("SELECT count(*) FROM Address AS a WHERE a.IsBusiness = 1 AND " + sql.condition);
    for (const QVariant &value : sql.values)
        query.addBindValue(value);
    ran = ran && query.exec();
    if (!ran) {
        std::fprintf(stderr, "a formula that was read does not run: %s\n", qPrintable(query.lastError().text()));
        std::abort();
    }
    return 0;
}
