#include "interchange/CsvWriter.h"

#include "common/SpreadsheetCell.h"

namespace varnelle::interchange {

namespace {

void appendCell(QByteArray &out, const QString &value, bool first)
{
    if (!first)
        out += ',';
    const QString cell = text::FormulaSafeCell(value);
    bool quote = false;
    for (const QChar c : cell)
        quote = quote || c == u',' || c == u'"' || c == u'\n' || c == u'\r';
    if (!quote) {
        out += cell.toUtf8();
        return;
    }
    out += '"';
    out += QString(cell).replace(u'"', QLatin1String("\"\"")).toUtf8();
    out += '"';
}

} // namespace

void CsvWriter::appendHeading(QByteArray &out) const
{
    bool first = true;
    for (const BookField &f : BookFields()) {
        appendCell(out, QString::fromLatin1(f.caption), first);
        first = false;
    }
    for (int i = 1; i <= mPhoneColumns; ++i) {
        appendCell(out, QString("Phone %1 - Type").arg(i), false);
        appendCell(out, QString("Phone %1 - Value").arg(i), false);
    }
    out += "\r\n";
}

void CsvWriter::appendRow(QByteArray &out, const ContactRecord &record) const
{
    bool first = true;
    for (const BookField &f : BookFields()) {
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
