#include "app/FindCommands.h"

#include "common/Collation.h"
#include "interchange/VCardWriter.h"
#include "store/Connection.h"
#include "store/Contacts.h"
#include "store/DetailTables.h"
#include "store/Database.h"
#include "store/SearchIndex.h"
#include "ui/main/ContactLines.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <iterator>
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

// A contact with its numbers and details, as the book holds it now; nothing when it is gone.
std::optional<Contact> wholeContact(const QSqlDatabase &db, std::int32_t personId)
{
    std::optional<Contact> contact = ReadContactFields(db, personId);
    if (!contact)
        return contact;
    for (const ContactNumber &n : ReadContactNumbers(db, personId))
        contact->telephones << PhoneNumber{n.typeName, n.number};
    ReadContactDetails(db, *contact);
    return contact;
}

// "Label: value" lines of a contact; the lines of a value after its first are indented.
class ShownLines {
public:
    explicit ShownLines(QTextStream &out) : mOut(out) {}

    void add(const QString &label, const QString &value)
    {
        if (value.trimmed().isEmpty())
            return;
        QString shown = value.trimmed();
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        mOut << label << ": " << shown.replace(QLatin1String("\n"), QLatin1String("\n  ")) << '\n';
    }
    // "E-mail (work)": a label with the value's own label, when it has one.
    static QString labelled(const QString &label, const QString &own)
    {
        return own.trimmed().isEmpty() ? label : QStringLiteral("%1 (%2)").arg(label, own.trimmed());
    }

private:
    QTextStream &mOut;
};

QString addressText(const ContactAddress &a)
{
    QStringList lines;
    for (const QString &part : {a.poBox, a.extended, a.street, QStringList{a.postalCode, a.locality}.join(u' '),
                                a.region, a.country})
        if (!part.trimmed().isEmpty())
            lines << part.trimmed();
    return lines.join(u'\n');
}

void showContact(ShownLines &show, const Contact &c)
{
    // Labels are marked for translation where they stand.
    const auto label = [](const char *text) { return QCoreApplication::translate("ShowCommand", text); };
    // The captions of the fields, in the order of ContactFields().
    static const char *const fieldLabels[] = {
        QT_TRANSLATE_NOOP("ShowCommand", "Title"),          QT_TRANSLATE_NOOP("ShowCommand", "First Name"),
        QT_TRANSLATE_NOOP("ShowCommand", "Last Name"),      QT_TRANSLATE_NOOP("ShowCommand", "Company"),
        QT_TRANSLATE_NOOP("ShowCommand", "Street"),         QT_TRANSLATE_NOOP("ShowCommand", "State"),
        QT_TRANSLATE_NOOP("ShowCommand", "City"),           QT_TRANSLATE_NOOP("ShowCommand", "ZIP"),
        QT_TRANSLATE_NOOP("ShowCommand", "E-mail Address"), QT_TRANSLATE_NOOP("ShowCommand", "Spouse"),
        QT_TRANSLATE_NOOP("ShowCommand", "Children"),
    };
    static_assert(std::size(fieldLabels) == ContactFieldCount);
    for (std::size_t i = 0; i < ContactFieldCount; ++i)
        show.add(label(fieldLabels[i]), c.*ContactFields()[i].member);
    const ContactDetails &d = c.details;
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Country")), d.country);
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Middle name")), d.middleName);
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Name prefix")), d.namePrefix);
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Name suffix")), d.nameSuffix);
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Display name")), d.displayName);
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Nickname")), d.nicknames.join(QLatin1String(", ")));
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Job title")), d.jobTitle);
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Role")), d.role);
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Department")), d.orgUnits.join(QLatin1String(", ")));
    for (const PhoneNumber &t : c.telephones)
        show.add(t.type.isEmpty() ? label(QT_TRANSLATE_NOOP("ShowCommand", "Phone")) : t.type, t.number);
    for (const LabeledValue &t : d.telephones)
        show.add(t.label.isEmpty() ? label(QT_TRANSLATE_NOOP("ShowCommand", "Phone")) : t.label, t.value);
    for (const LabeledValue &e : d.emails)
        show.add(ShownLines::labelled(label(QT_TRANSLATE_NOOP("ShowCommand", "E-mail")), e.label), e.value);
    for (const ContactAddress &a : d.addresses)
        show.add(ShownLines::labelled(label(QT_TRANSLATE_NOOP("ShowCommand", "Address")), a.label), addressText(a));
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Birthday")), d.birthday.toIso());
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Anniversary")), d.anniversary.toIso());
    for (const LabeledValue &w : d.webAddresses)
        show.add(ShownLines::labelled(label(QT_TRANSLATE_NOOP("ShowCommand", "Web page")), w.label), w.value);
    for (const LabeledValue &m : d.messaging)
        show.add(ShownLines::labelled(label(QT_TRANSLATE_NOOP("ShowCommand", "Messaging")), m.label), m.value);
    for (const LabeledValue &p : d.social)
        show.add(ShownLines::labelled(label(QT_TRANSLATE_NOOP("ShowCommand", "Social profile")), p.label), p.value);
    for (const LabeledValue &r : d.related)
        show.add(ShownLines::labelled(label(QT_TRANSLATE_NOOP("ShowCommand", "Related")), r.label), r.value);
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Categories")), d.categories.join(QLatin1String(", ")));
    if (!d.photo.uri.isEmpty())
        show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Photo")), d.photo.uri);
    else if (!d.photo.data.isEmpty())
        show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Photo")),
                 label(QT_TRANSLATE_NOOP("ShowCommand", "%1, %2 bytes")).arg(d.photo.mimeType).arg(d.photo.data.size()));
    show.add(label(QT_TRANSLATE_NOOP("ShowCommand", "Note")), d.note);
}

} // namespace

int ShowCommand(const QString &text, std::optional<bool> isBusiness, ShowFormat format, const QString &bookFile,
                QTextStream &out, QTextStream &err)
{
    try {
        const std::vector<Found> found = findInBook(text, isBusiness, bookFile);
        Connection book = OpenForReading(bookFile);
        ShownLines show(out);
        bool first = true;
        for (const Found &f : found) {
            const std::optional<Contact> contact = wholeContact(book.database(), f.hit.personId);
            if (!contact)
                continue;
            if (format == ShowFormat::VCard4) {
                QByteArray card;
                interchange::AppendVCard(card, *contact, interchange::VCardVersion::V4);
                out << QString::fromUtf8(card);
                continue;
            }
            if (!first)
                out << '\n';
            first = false;
            showContact(show, *contact);
        }
        return found.empty() ? 1 : 0;
    } catch (const DatabaseError &error) {
        err << error.message() << '\n';
        return 1;
    }
}

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
