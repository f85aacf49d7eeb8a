#pragma once

#include <QString>

namespace varnelle {

// The three reports of the Reports menu.
enum class ReportKind { AddressList, TelephoneList, Detail };

// The definition the Reports menu runs for `kind` in the business or the personal view.
QString MenuDefinition(ReportKind kind, bool business);

// Where a report goes.
enum class ReportDestination { Screen, Printer, File };

// One criterion of a partial report: contacts whose field equals value, or,
// with exclude, those whose field differs from it (an empty or Null field
// included). An empty value sets no criterion.
struct ReportCriterion {
    QString value;
    bool exclude = false;
};

// The criteria of a partial report; all of those set must hold.
struct ReportCriteria {
    ReportCriterion company;
    ReportCriterion state;
    ReportCriterion lastName;

    bool isEmpty() const { return company.value.isEmpty() && state.value.isEmpty() && lastName.value.isEmpty(); }
    // The same criteria in the engine's formula language:
    // "{Address.Company} = 'Acme' And {Address.State} <> 'NY'"; empty when none is set.
    QString selectionFormula() const;
};

// Everything one run of a report needs.
struct ReportRequest {
    QString definition;                // "Address.rpt": a path, or a name looked up in the definition folders
    QString dataFile;                  // the address book
    ReportDestination destination = ReportDestination::Screen;
    int copies = 1;                    // Printer
    QString fileName;                  // File
    int fileType = 0;                  // File: a value of engine::FileType
    ReportCriteria criteria;           // empty: every contact the definition lists
    QString selectionFormula;          // further selection in the formula language; must hold as well
};

} // namespace varnelle
