#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace varnelle::engine {

// The fields of table Address in their defined order, as a report may name them.
const QStringList &addressFields();
// The canonical spelling of an Address field matched without regard to case,
// or an empty string when the table has no such field.
QString canonicalAddressField(const QString &name);

// One column of a report: its heading, the fields whose non-empty values are
// joined (by `join`) into the cell, and its width in characters.
struct ReportColumn {
    QString heading;
    QStringList fields;
    QString join = QStringLiteral(" ");
    int width = 10;
};

// A report definition file (*.rpt), a small JSON document:
//
//   {
//     "title": "Business Address List",
//     "contacts": "business",            // "business", "personal" or "all"
//     "sort": ["LastName", "FirstName"], // Address fields; PersonID breaks ties
//     "layout": "table",                 // "table": a line per contact; "card": a block per contact
//     "columns": [ { "heading": "Name", "fields": ["LastName", "FirstName"],
//                    "join": ", ", "width": 42 }, ... ],
//     "telephones": { "heading": "Telephone Numbers", "width": 120 }  // optional
//   }
//
// When "telephones" is present every number of a contact is listed with its
// type name, in TypeID order. Text and preview output list them one per
// line under the contact; the tabular file types flatten them into one last
// column of the contact's row, "Type: Number; Type: Number".
struct ReportDefinition {
    enum class Contacts { All, Business, Personal };
    enum class Layout { Table, Card };

    QString title;
    Contacts contacts = Contacts::All;
    QStringList sort;
    Layout layout = Layout::Table;
    std::vector<ReportColumn> columns;
    bool listTelephones = false;
    ReportColumn telephones; // heading and width of the flattened number column

    // Headings of every output column, the telephone column last when listed.
    QStringList headings() const;
    // Widths of every output column, in the same order as headings().
    std::vector<int> widths() const;

    // Reads and checks a definition; throws ReportError naming the file.
    static ReportDefinition fromJson(const QByteArray &json, const QString &fileName);
    static ReportDefinition load(const QString &path);
};

// Finds a definition file: a name with a directory part is taken as it stands,
// a bare name is looked for in each folder in turn. Throws ReportError when
// the file is in none of them.
QString locateDefinition(const QString &name, const QStringList &folders);

} // namespace varnelle::engine
