#include "app/FindCommands.h"

#include "common/Collation.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/SearchIndex.h"
#include "ui/main/ContactLines.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace varnelle {

namespace {

struct Found {
    SearchHit hit;
    QString name; // as the list shows it
};

// The matching contacts in the order of the lists: business before personal,
// then by name in the program's collation. Reads the book without changing
// it, beside any window that holds it open. Throws DatabaseError.
std::vector<Found> findInBook(const QString &text, std::optional<bool> isBusiness, const QString &bookFile)
{
    std::vector<Found> found;
    const text::SearchQuery query(text);
    Connection book = OpenForReading(bookFile);
    FindContacts(book.database(), query, isBusiness, [&](const SearchHit &hit) {
        found.push_back({hit, NameColumn(hit.lastName, hit.firstName)});
    });
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        if (a.hit.isBusiness != b.hit.isBusiness)
            return a.hit.isBusiness;
        if (const int order = text::CompareText(a.name, b.name); order != 0)
            return order < 0;
        return a.hit.personId < b.hit.personId;
    });
    return found;
}

// A value on one line of tab-separated output.
QString cell(QString value)
{
    return value.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
}

template <class Print>
int runSearch(const QString &text, std::optional<bool> isBusiness, const QString &bookFile, QTextStream &err,
              Print print)
{
    try {
        return print(findInBook(text, isBusiness, bookFile)) > 0 ? 0 : 1;
    } catch (const DatabaseError &error) {
        err << error.message() << '\n';
        return 1;
    }
}

} // namespace

int FindCommand(const QString &text, std::optional<bool> isBusiness, const QString &bookFile, QTextStream &out,
                QTextStream &err)
{
    return runSearch(text, isBusiness, bookFile, err, [&](const std::vector<Found> &found) {
        for (const Found &f : found)
            out << cell(f.name) << '\t' << cell(f.hit.company) << '\t' << cell(f.hit.firstNumber) << '\t'
                << cell(f.hit.email) << '\n';
        return found.size();
    });
}

int QueryCommand(const QString &text, const QString &bookFile, QTextStream &out, QTextStream &err)
{
    return runSearch(text, std::nullopt, bookFile, err, [&](const std::vector<Found> &found) {
        std::vector<const Found *> withEmail;
        for (const Found &f : found)
            if (!f.hit.email.isEmpty())
                withEmail.push_back(&f);
        out << QCoreApplication::translate("CommandLine", "Varnelle: %n matching address(es)", nullptr,
                                           int(withEmail.size()))
            << '\n';
        for (const Found *f : withEmail) {
            const QString name = QStringList{f->hit.firstName, f->hit.lastName}.join(u' ').trimmed();
            out << cell(f->hit.email) << '\t' << cell(name) << '\t' << cell(f->hit.company) << '\n';
        }
        return withEmail.size();
    });
}

} // namespace varnelle
