#pragma once

#include "interchange/ContactRecord.h"
#include "store/BookContacts.h"

#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace varnelle::interchange {

enum class ExportFormat { VCard4, VCard3, Csv };
using ExportScope = ContactScope;

// Hands each contact of the scope, with its numbers in TypeID order and their
// type names and its details, to each, in the order of the list (view, last
// name, first name). Throws InterchangeError.
void ReadBookContacts(const QSqlDatabase &db, ExportScope scope, const std::function<void(const Contact &)> &each);

// Writes the contacts of the scope to a file through QSaveFile, so that a
// failure leaves any earlier file as it was. Never writes over the address
// book, a database file (*.mdb) or a report definition (*.rpt). Each card
// carries a UID that stays the same for its contact from export to export,
// and the time of the export as REV. Returns the number of contacts written.
// Throws InterchangeError.
qsizetype ExportContacts(const QSqlDatabase &db, const QString &fileName, ExportFormat format, ExportScope scope);

// "3 contacts exported to file.vcf.", as an export tells it.
QString ExportedText(qsizetype count, const QString &fileName);

// Throws InterchangeError when a file is one that exports and saved
// summaries never write over: the address book of db, any database file
// (*.mdb), a report definition (*.rpt), or anything but a regular file (a
// folder, a pipe, a device such as /dev/null).
void RefuseProtectedFile(const QSqlDatabase &db, const QString &fileName);

// The format a file name asks for: CSV for *.csv, else vCard 4.0.
ExportFormat FormatForFileName(const QString &fileName);

// The file name with the extension of the format: "out.vcf" for CSV is
// "out.csv", "notes.txt" is "notes.txt.csv".
QString FileNameForFormat(const QString &fileName, ExportFormat format);

} // namespace varnelle::interchange
