#include "interchange/CsvWriter.h"

#include "common/SpreadsheetCell.h"

#include <algorithm>

namespace varnelle::interchange {

namespace {

void appendCell(QByteArray &out, const QString &value, bool first)
{
    if (!first)
        out += ',';
    const QString cell = text::CsvCell(value);
    // Plain ASCII, most cells, goes in as it is, without a converted copy.
    const bool ascii = std::all_of(cell.cbegin(), cell.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        const qsizetype at = out.size();
        out.resize(at + cell.size());
        char *to = out.data() + at;
        for (const QChar c : cell)
            *to++ = char(c.unicode());
    } else {
        out += cell.toUtf8();
    }
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

QString WithoutFormulaMark(const QString &cell)
{
    if (cell.startsWith(u'\'') && text::FormulaSafeCell(cell.mid(1)) == cell)
        return cell.mid(1);
    return cell;
}

} // namespace varnelle::interchange
