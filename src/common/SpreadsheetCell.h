#pragma once

#include <QString>

namespace varnelle::text {

// A cell value that a spreadsheet reads back as text, never as a formula.
// A value starting with '=', '@', a tab or a carriage return, or with '+'
// or '-' followed by anything but a number or a telephone-number-like text,
// gets a leading apostrophe; every other value ("+44 20 7946 0958", "-5",
// "(555) 010-2000") is returned as it is.
QString FormulaSafeCell(const QString &value);

// A text in double quotes, each double quote inside it doubled.
QString QuotedCell(const QString &text);

// A cell of a comma-separated file (RFC 4180): the formula-safe value, in
// double quotes when it holds a comma, a double quote or a line break.
QString CsvCell(const QString &value);

} // namespace varnelle::text
