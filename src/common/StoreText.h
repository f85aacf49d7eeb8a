#pragma once

#include <QString>

namespace varnelle::text {

// The length of a text as the store counts it: in characters (Unicode code
// points), so a character outside the Basic Multilingual Plane counts once.
qsizetype StoreLength(const QString &text);

// The longest start of a text that holds at most `size` characters as the
// store counts them, never splitting a surrogate pair.
QString LeftInStoreLength(const QString &text, qsizetype size);

// Whether the text holds a NUL character, which the store never keeps.
inline bool ContainsNul(const QString &text) { return text.contains(QChar(u'\0')); }

} // namespace varnelle::text
