#pragma once

#include <QCollatorSortKey>
#include <QString>

namespace varnelle::text {

// The one order of text in the whole program: lists, combos and reports.
// Letters compare without regard to case or accents in the user's locale
// (a neutral English collation when the locale is plain "C"); texts that
// the collation finds equal are ordered by their code units, so that equal
// keys always keep the same order.
int CompareText(const QString &a, const QString &b);

inline bool TextLess(const QString &a, const QString &b) { return CompareText(a, b) < 0; }

// A key whose compare() gives the order of CompareText without the final
// tie-break; made once per text, it makes sorting many texts fast.
QCollatorSortKey SortKey(const QString &text);

// Whether two names are the same without regard to the case of any letter
// (accents still count: "Büro" and "BÜRO" are the same, "Buro" is not).
bool SameIgnoringCase(const QString &a, const QString &b);

} // namespace varnelle::text
