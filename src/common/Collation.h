#pragma once

#include <QCollatorSortKey>
#include <QString>
#include <QStringView>

namespace varnelle::text {

// The one order of text in the whole program: lists, combos and reports.
// Letters compare without regard to case or accents in the user's locale
// (a neutral English collation when the locale is plain "C"); texts that
// the collation finds equal are ordered by their code units, so that equal
// keys always keep the same order. The collation is ICU's, through QCollator.
int CompareText(QStringView a, QStringView b);

inline bool TextLess(QStringView a, QStringView b) { return CompareText(a, b) < 0; }

// A key whose compare() gives the order of CompareText without the final
// tie-break; made once per text, it makes sorting many texts fast.
QCollatorSortKey SortKey(const QString &text);

// Whether two names are the same without regard to the case of any letter
// (accents still count: "Büro" and "BÜRO" are the same, "Buro" is not).
bool SameIgnoringCase(const QString &a, const QString &b);

// The name under which RegisterSqlCollation makes CompareText known to SQL:
// "ORDER BY LastName COLLATE VARNELLE".
inline constexpr const char *SqlCollationName = "VARNELLE";

} // namespace varnelle::text
