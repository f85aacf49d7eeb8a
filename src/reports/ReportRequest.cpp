#include "reports/ReportRequest.h"

namespace varnelle {

namespace {

// A value between single quotes, a quote inside it doubled.
QString quoted(QString value)
{
    return "'" + value.replace("'", "''") + "'";
}

} // namespace

QString MenuDefinition(ReportKind kind, bool business)
{
    switch (kind) {
    case ReportKind::AddressList:
        return business ? QStringLiteral("bAddress.rpt") : QStringLiteral("Address.rpt");
    case ReportKind::TelephoneList:
        return business ? QStringLiteral("Business.rpt") : QStringLiteral("Personal.rpt");
    case ReportKind::Detail:
        break;
    }
    return business ? QStringLiteral("bDetail.rpt") : QStringLiteral("Detail.rpt");
}

QString ReportCriteria::selectionFormula() const
{
    const std::pair<const ReportCriterion *, const char *> criteria[] = {
        {&company, "{Address.Company} "}, {&state, "{Address.State} "}, {&lastName, "{Address.LastName} "}};
    QString formula;
    for (const auto &[criterion, field] : criteria) {
        if (criterion->value.isEmpty())
            continue;
        if (!formula.isEmpty())
            formula += " And ";
        formula += field + QString(criterion->exclude ? "<>" : "=") + " " + quoted(criterion->value);
    }
    return formula;
}

} // namespace varnelle
