#pragma once

#include <QString>
#include <QStringList>

namespace varnelle::interchange {

// The telephone type a set of vCard TYPE values means, in words: work →
// "Work", home → "Home", cell → "Mobile", fax → "Fax", pager → "Pager",
// work and fax → "Work Fax". The place (work, home) comes first. "voice" and
// "pref" add nothing; with no other value the type is "Phone". "text",
// "video" and "msg" say what a line can do: they are the type only when no
// other value is given (work, cell, video, text → "Work Mobile").
QString TypeWordsFor(const QStringList &vcardTypes);

// An address book label in words: Apple's "_$!<HomeFAX>!$_" is "Home Fax";
// a label a user typed is kept as it is.
QString WordsOfLabel(const QString &label);

// The vCard TYPE values that read back as exactly these words, or an empty
// list when the words are not made of vCard types ("Büro", "fax work").
QStringList VCardTypesFor(const QString &words);

// The standard vCard TYPE values nearest to type words that have none of
// their own: a place (work, home) where the words name one, then fax, cell,
// pager or voice. "Büro Fax" is work and fax; "Satellite" is voice.
QStringList NearestVCardTypes(const QString &words);

} // namespace varnelle::interchange
