#pragma once

#include "common/Contact.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The text of vCard content lines, written and read the same way by the
// reader, the writer and the sync's card editor.
namespace varnelle::interchange {

// A text value escaped: '\', ',' and ';' after a backslash, a line break as
// "\n"; carriage returns are dropped.
QString EscapedValue(const QString &text);

// An escaped text value as plain text, trimmed: "\n" and "\N" are line
// breaks, "\\", "\,", "\;" and "\:" the character itself; any other
// backslash stays as written. Unescaped commas separate the values of a
// list, which are joined with listSeparator.
QString UnescapedValue(const QString &value, const QString &listSeparator = QStringLiteral(","));

// The parts of a structured value (N, ADR, ORG), split at unescaped ';'
// and still escaped.
QStringList StructuredParts(const QString &value);

// Plain parts escaped and joined with ';' into a structured value.
QString StructuredValue(const QStringList &parts);

// Appends a content line, folded: no physical line is longer than 75
// octets, a UTF-8 sequence is never split, a continuation line starts with a
// space, and every line ends with CRLF.
void AppendFoldedLine(QByteArray &out, const QString &line);

// The content lines of a card's text (UTF-8, CRLF or LF line ends), each
// line that starts with a space or tab joined to the one before without
// that character. Blank lines are dropped; nothing else is changed.
QStringList UnfoldedLines(const QByteArray &text);

// A content line unfolded, and as the text wrote it: its physical lines
// joined by '\n', each with its carriage return if it had one.
struct FoldedLine {
    QString line;
    QString written;
};
QList<FoldedLine> FoldedLines(const QByteArray &text);

// Appends a line as its text wrote it, folding and all; it ends with CRLF.
void AppendWrittenLine(QByteArray &out, const FoldedLine &line);

// The first ':' outside double quotes, where a line's name and parameters
// end; -1 when there is none.
qsizetype NameEnd(QByteArrayView line);
qsizetype NameEnd(QStringView line);

// Splits at each separator outside double quotes: the name and parameters
// of a line at ';'.
QList<QByteArrayView> SplitOutsideQuotes(QByteArrayView text, char separator);
QList<QStringView> SplitOutsideQuotes(QStringView text, char separator);

// Adds the values of a TYPE parameter ("work,voice", "\"HOME\"") to types,
// each lower case and without its quotes; "pref" sets preferred instead.
void AddTypeValues(const QString &value, QStringList &types, bool &preferred);

// The contact's name as FN says it: title, first and last name, else the
// company, else the e-mail address; empty when it has none of these.
QString WholeName(const Contact &contact);

} // namespace varnelle::interchange
