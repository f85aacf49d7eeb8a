#pragma once

#include <QString>
#include <optional>

class QTextStream;

namespace varnelle {

// Both read the book `bookFile`.

// `varnelle --find TEXT [--view ...]`: the contacts of the view (both when
// none is given) that match TEXT as the search box matches it, one a line in
// the list's order: name, company, first number, e-mail, tab-separated.
// Returns 0 when something matched, 1 when nothing did or the book cannot be
// read (told on err).
int FindCommand(const QString &text, std::optional<bool> isBusiness, const QString &bookFile, QTextStream &out,
                QTextStream &err);

// `varnelle --show TEXT [--view ...] [--format vcard4]`: the contacts that
// --find finds, in the same order, each in full with its numbers and
// details: as readable text, one "Label: value" a line (a value of several
// lines goes on indented), a blank line between contacts; or as vCard 4.0.
// Returns 0 when something matched, 1 when nothing did or the book cannot be
// read (told on err).
enum class ShowFormat { Text, VCard4 };
int ShowCommand(const QString &text, std::optional<bool> isBusiness, ShowFormat format, const QString &bookFile,
                QTextStream &out, QTextStream &err);

// `varnelle --query TEXT`, the query command of mail programs: a first line
// of free text, then "address<TAB>name<TAB>company" for each matching contact
// that has an e-mail address. Returns 0 when something matched, 1 otherwise.
int QueryCommand(const QString &text, const QString &bookFile, QTextStream &out, QTextStream &err);

} // namespace varnelle
