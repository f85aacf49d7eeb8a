#include "interchange/CsvWriter.h"

#include "common/SpreadsheetCell.h"

#include <algorithm>

namespace varnelle::interchange {

namespace {

// A cell from UTF-8: copied as it is, in quotes when it holds a comma, a
// quote or a line break; a value a spreadsheet could take for a formula goes
// through text::CsvCell.
void appendCell(QByteArray &out, QByteArrayView cell, bool first)
{
    if (!first)
        out += ',';
    if (cell.isEmpty())
        return;
    const char lead = cell.front();
    if (lead == '=' || lead == '@' || lead == '+' || lead == '-' || lead == '\t' || lead == '\r') {
        out += text::CsvCell(QString::fromUtf8(cell)).toUtf8();
        return;
    }
    const bool quoted = std::any_of(cell.begin(), cell.end(),
                                    [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; });
    if (!quoted) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCell(QByteArray &out, const QString &cell, bool first)
{
    appendCell(out, QByteArrayView(cell.toUtf8()), first);
}

} // namespace

void CsvWriter::appendHeading(QByteArray &out) const
{
    out += "\xEF\xBB\xBF"; // spreadsheets read UTF-8 only after this mark
    bool first = true;
    for (const ContactField &f : ContactFields()) {
        appendCell(out, QString::fromLatin1(f.caption), first);
        first = false;
    }
    for (int i = 1; i <= mPhoneColumns; ++i) {
        appendCell(out, QString("Phone %1 - Type").arg(i), false);
        appendCell(out, QString("Phone %1 - Value").arg(i), false);
    }
    out += "\r\n";
}

void CsvWriter::appendRow(QByteArray &out, const Contact &record) const
{
    bool first = true;
    for (const ContactField &f : ContactFields()) {
        appendCell(out, record.*f.member, first);
        first = false;
    }
    for (int i = 0; i < mPhoneColumns; ++i) {
        const bool has = i < record.telephones.size();
        appendCell(out, has ? record.telephones[i].type : QString(), false);
        appendCell(out, has ? record.telephones[i].number : QString(), false);
    }
    out += "\r\n";
}

void CsvWriter::appendRow(QByteArray &out, const ContactRow &row) const
{
    for (std::size_t i = 0; i < ContactFieldCount; ++i)
        appendCell(out, row.fields[i], i == 0);
    qsizetype at = 0;
    QByteArrayView type, number;
    for (int i = 0; i < mPhoneColumns; ++i) {
        const bool has = row.nextNumber(at, type, number);
        appendCell(out, has ? type : QByteArrayView(), false);
        appendCell(out, has ? number : QByteArrayView(), false);
    }
    out += "\r\n";
}

QString WithoutFormulaMark(const QString &cell)
{
    if (cell.startsWith(u'\'') && text::FormulaSafeCell(cell.mid(1)) == cell)
        return cell.mid(1);
    return cell;
}

} // namespace varnelle::interchange
