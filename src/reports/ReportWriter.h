#pragma once

#include "reports/ReportData.h"
#include "reports/ReportDefinition.h"

#include <QByteArray>
#include <memory>

namespace varnelle::engine {

// The file types a report can be written in, by their PrintFileType values.
enum class FileType {
    Record = 0,       // fixed-width fields, one line a contact, no heading
    TabSeparated = 1, // every field in double quotes, tab between, no heading
    Text = 2,         // the report as it reads in the preview
    Dif = 3,          // Data Interchange Format, heading as the first tuple
    Csv = 4,          // RFC 4180, heading row, CRLF line ends
    Tsv = 6,          // heading row, no quotes; tabs and line breaks in values become spaces
};

// Every file but DIF is UTF-8 without a byte-order mark; DIF is written in
// Windows-1252, the character set spreadsheets read it in ('?' for a
// character outside it). CSV and DIF end their lines with CR LF as their
// formats ask; the other types end them with LF.
//
// In the tab-separated, CSV and TSV types a cell that a spreadsheet would
// take for a formula gets a leading apostrophe (text::FormulaSafeCell), so it
// reads back as text; the record and text types write values as they are.
//
// Telephone numbers (for definitions that list them) take one last column in
// the record, tab-separated, DIF, CSV and TSV types: "Type: Number; Type: Number"
// in TypeID order, so a spreadsheet keeps one row per contact. The text type
// lists them one per line beneath the contact, as the preview does.
class ReportWriter {
public:
    virtual ~ReportWriter() = default;
    virtual void begin(QByteArray &out, qint64 count) = 0;
    virtual void row(QByteArray &out, const ReportRow &row) = 0;
    virtual void end(QByteArray &out) = 0;

    // Throws ReportError for a value that names no file type.
    static std::unique_ptr<ReportWriter> create(int fileType, const ReportDefinition &definition);
    static bool isFileType(int fileType);
};

// "Type: Number; Type: Number" (just the number when its type has no name).
QString flattenTelephones(const QList<PhoneNumber> &telephones);

} // namespace varnelle::engine
