#include "reports/ReportWriter.h"

#include "reports/ReportError.h"
#include "common/SpreadsheetCell.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace varnelle::engine {

QString flattenTelephones(const QList<PhoneNumber> &telephones)
{
    QString result;
    for (const PhoneNumber &telephone : telephones) {
        if (!result.isEmpty())
            result += QStringLiteral("; ");
        if (!telephone.type.isEmpty())
            result += telephone.type + QStringLiteral(": ");
        result += telephone.number;
    }
    return result;
}

namespace {

// Tabs and line breaks become spaces where a value must stay on its line.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}

// Pads to `width` characters; with `cut`, a longer value is cut to the width
// (never between the halves of a surrogate pair).
QString fit(const QString &text, int width, bool cut)
{
    QString result = text;
    if (cut && result.size() > width) {
        qsizetype keep = width;
        if (keep > 0 && result.at(keep - 1).isHighSurrogate())
            --keep;
        result.truncate(keep);
    }
    if (result.size() < width)
        result += QString(width - result.size(), QLatin1Char(' '));
    return result;
}

QString quoted(const QString &text) { return text::QuotedCell(text); }

// Windows-1252 is Latin-1 with printable characters in place of the C1
// controls 0x80 to 0x9F; these are their Unicode code points, 0 where the
// code is unused.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The text in Windows-1252; each character outside it (a surrogate pair
// being one character) becomes '?'.
QByteArray toWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = char(c);
        } else if (const auto *at = std::find(std::begin(Windows1252High), std::end(Windows1252High), c);
                   at != std::end(Windows1252High)) {
            byte = char(0x80 + (at - std::begin(Windows1252High)));
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        }
        bytes += byte;
    }
    return bytes;
}

void appendLine(QByteArray &out, const QString &line, const char *end = "\n")
{
    out += line.toUtf8();
    out += end;
}

// The cells of a contact in file order: its columns, then its numbers.
QStringList tabularCells(const ReportDefinition &definition, const ReportRow &row)
{
    QStringList cells = row.cells;
    if (definition.listTelephones)
        cells << flattenTelephones(row.telephones);
    return cells;
}

class RecordWriter : public ReportWriter {
public:
    explicit RecordWriter(const ReportDefinition &definition) : mDefinition(definition), mWidths(definition.widths()) {}
    void begin(QByteArray &, qint64) override {}
    void row(QByteArray &out, const ReportRow &row) override
    {
        const QStringList cells = tabularCells(mDefinition, row);
        QString line;
        for (qsizetype i = 0; i < cells.size(); ++i)
            line += fit(oneLine(cells.at(i)), mWidths[std::size_t(i)], true);
        appendLine(out, line);
    }
    void end(QByteArray &) override {}

private:
    const ReportDefinition &mDefinition;
    std::vector<int> mWidths;
};

class TabSeparatedWriter : public ReportWriter {
public:
    explicit TabSeparatedWriter(const ReportDefinition &definition) : mDefinition(definition) {}
    void begin(QByteArray &, qint64) override {}
    void row(QByteArray &out, const ReportRow &row) override
    {
        QStringList cells = tabularCells(mDefinition, row);
        for (QString &cell : cells)
            cell = quoted(text::FormulaSafeCell(cell));
        appendLine(out, cells.join(QLatin1Char('\t')));
    }
    void end(QByteArray &) override {}

private:
    const ReportDefinition &mDefinition;
};

class CsvWriter : public ReportWriter {
public:
    explicit CsvWriter(const ReportDefinition &definition) : mDefinition(definition) {}
    void begin(QByteArray &out, qint64) override { write(out, mDefinition.headings()); }
    void row(QByteArray &out, const ReportRow &row) override { write(out, tabularCells(mDefinition, row)); }
    void end(QByteArray &) override {}

private:
    static void write(QByteArray &out, const QStringList &cells)
    {
        QString line;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0)
                line += QLatin1Char(',');
            line += text::CsvCell(cells.at(i));
        }
        appendLine(out, line, "\r\n");
    }
    const ReportDefinition &mDefinition;
};

class TsvWriter : public ReportWriter {
public:
    explicit TsvWriter(const ReportDefinition &definition) : mDefinition(definition) {}
    void begin(QByteArray &out, qint64) override { write(out, mDefinition.headings()); }
    void row(QByteArray &out, const ReportRow &row) override { write(out, tabularCells(mDefinition, row)); }
    void end(QByteArray &) override {}

private:
    static void write(QByteArray &out, QStringList cells)
    {
        for (QString &cell : cells)
            cell = text::FormulaSafeCell(oneLine(cell));
        appendLine(out, cells.join(QLatin1Char('\t')));
    }
    const ReportDefinition &mDefinition;
};

// DIF: a header (TABLE, VECTORS = columns, TUPLES = rows with the heading,
// DATA), then each row as BOT followed by its string values, then EOD.
// A DIF string is one line, so line breaks in values become spaces.
class DifWriter : public ReportWriter {
public:
    explicit DifWriter(const ReportDefinition &definition) : mDefinition(definition) {}
    void begin(QByteArray &out, qint64 count) override
    {
        const QStringList headings = mDefinition.headings();
        auto item = [&out](const char *topic, qint64 number) {
            out += topic;
            out += "\r\n0,";
            out += QByteArray::number(number);
            out += "\r\n\"\"\r\n";
        };
        item("TABLE", 1);
        item("VECTORS", headings.size());
        item("TUPLES", count + 1);
        item("DATA", 0);
        write(out, headings);
    }
    void row(QByteArray &out, const ReportRow &row) override { write(out, tabularCells(mDefinition, row)); }
    void end(QByteArray &out) override { out += "-1,0\r\nEOD\r\n"; }

private:
    static void write(QByteArray &out, const QStringList &cells)
    {
        out += "-1,0\r\nBOT\r\n";
        for (const QString &cell : cells) {
            out += "1,0\r\n";
            // Spreadsheets read DIF in Windows-1252, not UTF-8.
            out += toWindows1252(quoted(oneLine(cell)));
            out += "\r\n";
        }
    }
    const ReportDefinition &mDefinition;
};

// The report as a person reads it: title, headings, a line per contact with
// its numbers beneath (table layout) or a block per contact (card layout),
// and the number of contacts, as the printed pages read.
class TextWriter : public ReportWriter {
public:
    explicit TextWriter(const ReportDefinition &definition) : mDefinition(definition)
    {
        for (const ReportColumn &column : definition.columns)
            mLabelWidth = std::max(mLabelWidth, int(column.heading.size()) + 2);
        if (definition.listTelephones)
            mLabelWidth = std::max(mLabelWidth, int(definition.telephones.heading.size()) + 2);
    }

    void begin(QByteArray &out, qint64) override
    {
        appendLine(out, oneLine(mDefinition.title));
        out += '\n';
        if (mDefinition.layout == ReportDefinition::Layout::Card)
            return;
        QStringList headings;
        int total = 0;
        for (const ReportColumn &column : mDefinition.columns) {
            headings << column.heading;
            total += column.width;
        }
        total += 2 * int(mDefinition.columns.size() - 1);
        appendLine(out, tableLine(headings));
        appendLine(out, QString(total, QLatin1Char('-')));
    }

    void row(QByteArray &out, const ReportRow &row) override
    {
        ++mRows;
        if (mDefinition.layout == ReportDefinition::Layout::Table) {
            appendLine(out, tableLine(row.cells));
            for (const PhoneNumber &telephone : row.telephones)
                appendLine(out, QStringLiteral("    ") + oneLine(flattenTelephones({telephone})));
            return;
        }
        for (qsizetype i = 0; i < row.cells.size(); ++i)
            appendLine(out, cardLine(mDefinition.columns[std::size_t(i)].heading, row.cells.at(i)));
        if (mDefinition.listTelephones) {
            QString label = mDefinition.telephones.heading;
            if (row.telephones.isEmpty())
                appendLine(out, cardLine(label, QString()));
            for (const PhoneNumber &telephone : row.telephones) {
                appendLine(out, cardLine(label, flattenTelephones({telephone})));
                label.clear();
            }
        }
        out += '\n';
    }

    void end(QByteArray &out) override
    {
        if (mDefinition.layout == ReportDefinition::Layout::Table)
            out += '\n';
        appendLine(out, mRows == 1 ? QStringLiteral("1 contact") : QStringLiteral("%1 contacts").arg(mRows));
    }

private:
    QString tableLine(const QStringList &cells) const
    {
        QString line;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0)
                line += QStringLiteral("  ");
            line += fit(oneLine(cells.at(i)), mDefinition.columns[std::size_t(i)].width, false);
        }
        return trimmedEnd(line);
    }

    QString cardLine(const QString &label, const QString &value) const
    {
        const QString head = label.isEmpty() ? QString() : label + QLatin1Char(':');
        return trimmedEnd(fit(head, mLabelWidth, false) + oneLine(value));
    }

    static QString trimmedEnd(QString line)
    {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1) == QLatin1Char(' '))
            --end;
        line.truncate(end);
        return line;
    }

    const ReportDefinition &mDefinition;
    int mLabelWidth = 0;
    qint64 mRows = 0;
};

} // namespace

bool ReportWriter::isFileType(int fileType)
{
    return (fileType >= 0 && fileType <= 4) || fileType == 6;
}

std::unique_ptr<ReportWriter> ReportWriter::create(int fileType, const ReportDefinition &definition)
{
    switch (fileType) {
    case int(FileType::Record):
        return std::make_unique<RecordWriter>(definition);
    case int(FileType::TabSeparated):
        return std::make_unique<TabSeparatedWriter>(definition);
    case int(FileType::Text):
        return std::make_unique<TextWriter>(definition);
    case int(FileType::Dif):
        return std::make_unique<DifWriter>(definition);
    case int(FileType::Csv):
        return std::make_unique<CsvWriter>(definition);
    case int(FileType::Tsv):
        return std::make_unique<TsvWriter>(definition);
    default:
        break;
    }
    throw ReportError(QCoreApplication::translate("Reports", "The file type %1 is not known. Choose 0 (record format), 1 (tab separated), "
                                     "2 (text), 3 (DIF), 4 (comma-separated values) or 6 (tab-separated values).")
                          .arg(fileType));
}

} // namespace varnelle::engine
