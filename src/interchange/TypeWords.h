#pragma once

#include <QString>
#include <QStringList>

namespace varnelle::interchange {

// The telephone type a set of vCard TYPE values means, in words: work →
// "Work", home → "Home", cell → "Mobile", fax → "Fax", pager → "Pager",
// work and fax → "Work Fax". The place (work, home) comes first. "voice" and
// "pref" add nothing; with no other value the type is "Phone".
QString TypeWordsFor(const QStringList &vcardTypes);

// An address book label in words: Apple's "_$!<HomeFAX>!$_" is "Home Fax";
// a label a user typed is kept as it is.
QString WordsOfLabel(const QString &label);

// The vCard TYPE values that read back as exactly these words, or an empty
// list when the words are not made of vCard types ("Büro", "fax work").
QStringList VCardTypesFor(const QString &words);

} // namespace varnelle::interchange
