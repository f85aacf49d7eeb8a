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

// A detail column: its heading, when the export offers it, and its cell for a contact.
struct SingleColumn {
    const char *heading;
    int DetailCounts::*count;
    QString (*cell)(const ContactDetails &);
};

QString inOneCell(const QStringList &values)
{
    return values.join(QLatin1String(" ::: "));
}

QString photoCell(const ContactPhoto &photo)
{
    if (photo.data.isEmpty())
        return photo.uri;
    return "data:" + photo.mimeType + ";base64," + QString::fromLatin1(photo.data.toBase64());
}

const SingleColumn singleColumns[] = {
    {"Country", &DetailCounts::country, [](const ContactDetails &d) { return d.country; }},
    {"Middle Name", &DetailCounts::middleName, [](const ContactDetails &d) { return d.middleName; }},
    {"Honorific Prefix", &DetailCounts::namePrefix, [](const ContactDetails &d) { return d.namePrefix; }},
    {"Name Suffix", &DetailCounts::nameSuffix, [](const ContactDetails &d) { return d.nameSuffix; }},
    {"Display Name", &DetailCounts::displayName, [](const ContactDetails &d) { return d.displayName; }},
    {"Nickname", &DetailCounts::nicknames, [](const ContactDetails &d) { return inOneCell(d.nicknames); }},
    {"Job Title", &DetailCounts::jobTitle, [](const ContactDetails &d) { return d.jobTitle; }},
    {"Role", &DetailCounts::role, [](const ContactDetails &d) { return d.role; }},
    {"Department", &DetailCounts::orgUnits, [](const ContactDetails &d) { return inOneCell(d.orgUnits); }},
    {"Birthday", &DetailCounts::birthday, [](const ContactDetails &d) { return d.birthday.toIso(); }},
    {"Anniversary", &DetailCounts::anniversary, [](const ContactDetails &d) { return d.anniversary.toIso(); }},
    {"Notes", &DetailCounts::note, [](const ContactDetails &d) { return d.note; }},
    {"Categories", &DetailCounts::categories, [](const ContactDetails &d) { return inOneCell(d.categories); }},
    {"Photo", &DetailCounts::photo, [](const ContactDetails &d) { return photoCell(d.photo); }},
};

// Numbered pairs of labelled values: "E-mail 2 - Type", "E-mail 2 - Value".
struct PairColumns {
    const char *kind;
    const char *labelHeading;
    int first;
    int DetailCounts::*count;
    QList<LabeledValue> ContactDetails::*values;
};

const PairColumns pairColumns[] = {
    {"E-mail", "Type", 2, &DetailCounts::emails, &ContactDetails::emails},
    {"Website", "Type", 1, &DetailCounts::webAddresses, &ContactDetails::webAddresses},
    {"IM", "Service", 1, &DetailCounts::messaging, &ContactDetails::messaging},
    {"Social", "Type", 1, &DetailCounts::social, &ContactDetails::social},
    {"Relation", "Type", 1, &DetailCounts::related, &ContactDetails::related},
};

// The parts of a further address, after "Address N - ".
const char *const addressParts[] = {"Type", "Street", "Extended Address", "PO Box", "City", "Region", "Postal Code",
                                    "Country"};

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
    for (const SingleColumn &c : singleColumns)
        if (mDetails.*c.count)
            appendCell(out, QString::fromLatin1(c.heading), false);
    for (const PairColumns &c : pairColumns)
        for (int i = c.first; i < c.first + mDetails.*c.count; ++i) {
            appendCell(out, QString("%1 %2 - %3").arg(QLatin1String(c.kind)).arg(i).arg(QLatin1String(c.labelHeading)),
                       false);
            appendCell(out, QString("%1 %2 - Value").arg(QLatin1String(c.kind)).arg(i), false);
        }
    for (int i = 2; i < 2 + mDetails.addresses; ++i)
        for (const char *part : addressParts)
            appendCell(out, QString("Address %1 - %2").arg(i).arg(QLatin1String(part)), false);
    out += "\r\n";
}

void CsvWriter::appendRow(QByteArray &out, const Contact &record) const
{
    bool first = true;
    for (const ContactField &f : ContactFields()) {
        appendCell(out, record.*f.member, first);
        first = false;
    }
    const ContactDetails &d = record.details;
    const qsizetype numbers = record.telephones.size();
    for (qsizetype i = 0; i < mPhoneColumns; ++i) {
        const bool inBook = i < numbers;
        const bool further = !inBook && i - numbers < d.telephones.size();
        appendCell(out, inBook ? record.telephones[i].type : further ? d.telephones[i - numbers].label : QString(),
                   false);
        appendCell(out, inBook ? record.telephones[i].number : further ? d.telephones[i - numbers].value : QString(),
                   false);
    }
    for (const SingleColumn &c : singleColumns)
        if (mDetails.*c.count)
            appendCell(out, c.cell(d), false);
    for (const PairColumns &c : pairColumns) {
        const QList<LabeledValue> &values = d.*c.values;
        for (qsizetype i = 0; i < mDetails.*c.count; ++i) {
            appendCell(out, i < values.size() ? values[i].label : QString(), false);
            appendCell(out, i < values.size() ? values[i].value : QString(), false);
        }
    }
    for (qsizetype i = 0; i < mDetails.addresses; ++i) {
        const ContactAddress a = i < d.addresses.size() ? d.addresses[i] : ContactAddress();
        for (const QString *part : {&a.label, &a.street, &a.extended, &a.poBox, &a.locality, &a.region, &a.postalCode,
                                    &a.country})
            appendCell(out, *part, false);
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
