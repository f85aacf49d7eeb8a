#include "sync/CardValues.h"

#include "common/StoreText.h"
#include "interchange/TypeWords.h"
#include "interchange/VCardSyntax.h"
#include "interchange/VCardReader.h"
#include "interchange/VCardWriter.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace varnelle::sync {

using interchange::AddTypeValues;
using interchange::AppendFoldedLine;
using interchange::ContactRecord;
using interchange::EscapedValue;
using interchange::NameEnd;
using interchange::SplitOutsideQuotes;
using interchange::StructuredParts;
using interchange::StructuredValue;
using interchange::UnescapedValue;
using interchange::UnfoldedLines;

namespace {

constexpr int NumberSize = 20;
constexpr int TypeSize = 20;

QString childrenText(const QString &children)
{
    QStringList names;
    for (const QString &c : children.split(u','))
        if (!c.trimmed().isEmpty())
            names << c.trimmed();
    return names.join(QLatin1String(", "));
}

} // namespace

BookValues BookValues::normalized(const QStringList &fields, const QList<QPair<QString, QString>> &numbers,
                                  const ContactDetails &details)
{
    BookValues v;
    for (int i = 0; i < 11; ++i)
        v.fields << (i == Children ? childrenText(fields.value(i)) : fields.value(i).trimmed());
    v.details = details;
    QList<LabeledValue> further;
    QStringList seen;
    for (const auto &[type, number] : numbers) {
        const QString key = type.trimmed().toLower();
        if (number.trimmed().isEmpty())
            continue;
        if (seen.contains(key) || text::StoreLength(type.trimmed()) > TypeSize
            || text::StoreLength(number.trimmed()) > NumberSize) {
            further << LabeledValue{type.trimmed(), number.trimmed()};
            continue;
        }
        seen << key;
        v.numbers << qMakePair(type.trimmed(), number.trimmed());
    }
    v.details.telephones = further + v.details.telephones;
    return v;
}

QString BookValues::number(const QString &type) const
{
    for (const auto &[t, n] : numbers)
        if (t.compare(type, Qt::CaseInsensitive) == 0)
            return n;
    return {};
}

QStringList BookValues::typeKeys() const
{
    QStringList keys;
    for (const auto &[t, n] : numbers)
        keys << t.toLower();
    return keys;
}

bool BookValues::operator==(const BookValues &other) const
{
    if (fields != other.fields || numbers.size() != other.numbers.size() || !(details == other.details))
        return false;
    for (const auto &[t, n] : numbers)
        if (!SameNumber(other.number(t), n))
            return false;
    return true;
}

bool SameNumber(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    static const QRegularExpression separators(QStringLiteral("[\\s.()-]"));
    return QString(a).remove(separators) == QString(b).remove(separators);
}

BookValues FitToBook(const ContactRecord &record, QStringList *notFitted)
{
    QStringList fields;
    for (const ContactField &f : ContactFields())
        fields << record.*f.member;
    QList<QPair<QString, QString>> numbers;
    for (const PhoneNumber &t : record.telephones)
        numbers << qMakePair(t.type, t.number);
    if (notFitted)
        *notFitted = record.unplaced;
    return BookValues::normalized(fields, numbers, record.details);
}

namespace {

// Calls f with the member of ContactDetails that holds the part.
template <class F>
decltype(auto) withMember(DetailPart part, F &&f)
{
    using D = ContactDetails;
    switch (part) {
    case DetailPart::MiddleName: return f(&D::middleName);
    case DetailPart::NamePrefix: return f(&D::namePrefix);
    case DetailPart::NameSuffix: return f(&D::nameSuffix);
    case DetailPart::DisplayName: return f(&D::displayName);
    case DetailPart::Nicknames: return f(&D::nicknames);
    case DetailPart::OrgUnits: return f(&D::orgUnits);
    case DetailPart::JobTitle: return f(&D::jobTitle);
    case DetailPart::Role: return f(&D::role);
    case DetailPart::Emails: return f(&D::emails);
    case DetailPart::Addresses: return f(&D::addresses);
    case DetailPart::Country: return f(&D::country);
    case DetailPart::Telephones: return f(&D::telephones);
    case DetailPart::Birthday: return f(&D::birthday);
    case DetailPart::Anniversary: return f(&D::anniversary);
    case DetailPart::Note: return f(&D::note);
    case DetailPart::WebAddresses: return f(&D::webAddresses);
    case DetailPart::Messaging: return f(&D::messaging);
    case DetailPart::Social: return f(&D::social);
    case DetailPart::Related: return f(&D::related);
    case DetailPart::Categories: return f(&D::categories);
    case DetailPart::Photo: return f(&D::photo);
    }
    return f(&D::note);
}

constexpr DetailPart LastDetailPart = DetailPart::Photo;

QString partText(const QString &value) { return value; }
QString partText(const QStringList &values) { return values.join(QLatin1String(", ")); }
QString partText(const ContactDate &date) { return date.toIso(); }
QString partText(const ContactPhoto &photo)
{
    if (photo.isEmpty())
        return {};
    return photo.uri.isEmpty() ? QString("%1, %2 bytes").arg(photo.mimeType).arg(photo.data.size()) : photo.uri;
}
QString partText(const QList<LabeledValue> &values)
{
    QStringList out;
    for (const LabeledValue &v : values)
        out << (v.label.isEmpty() ? v.value : v.label + ": " + v.value);
    return out.join(QLatin1String("; "));
}
QString partText(const QList<ContactAddress> &addresses)
{
    QStringList out;
    for (const ContactAddress &a : addresses) {
        QStringList parts;
        for (const QString &p : {a.poBox, a.extended, a.street, a.locality, a.region, a.postalCode, a.country})
            if (!p.trimmed().isEmpty())
                parts << QString(p).replace(u'\n', QLatin1String(", "));
        out << parts.join(QLatin1String(", "));
    }
    return out.join(QLatin1String("; "));
}

} // namespace

QList<DetailPart> ChangedDetailParts(const ContactDetails &a, const ContactDetails &b)
{
    QList<DetailPart> changed;
    for (int i = 0; i <= int(LastDetailPart); ++i) {
        const auto part = DetailPart(i);
        if (!withMember(part, [&](auto member) -> bool { return a.*member == b.*member; }))
            changed << part;
    }
    return changed;
}

void CopyDetailPart(DetailPart part, const ContactDetails &from, ContactDetails &to)
{
    withMember(part, [&](auto member) { to.*member = from.*member; });
}

QString DetailPartText(DetailPart part, const ContactDetails &details)
{
    return withMember(part, [&](auto member) -> QString { return partText(details.*member); });
}

QString DetailPartCaption(DetailPart part)
{
    static const char *const captions[] = {
        QT_TRANSLATE_NOOP("Sync", "Middle name"),   QT_TRANSLATE_NOOP("Sync", "Name prefix"),
        QT_TRANSLATE_NOOP("Sync", "Name suffix"),   QT_TRANSLATE_NOOP("Sync", "Display name"),
        QT_TRANSLATE_NOOP("Sync", "Nicknames"),     QT_TRANSLATE_NOOP("Sync", "Department"),
        QT_TRANSLATE_NOOP("Sync", "Job title"),     QT_TRANSLATE_NOOP("Sync", "Role"),
        QT_TRANSLATE_NOOP("Sync", "Further e-mail addresses"),
        QT_TRANSLATE_NOOP("Sync", "Further addresses"),
        QT_TRANSLATE_NOOP("Sync", "Country"),       QT_TRANSLATE_NOOP("Sync", "Further numbers"),
        QT_TRANSLATE_NOOP("Sync", "Birthday"),      QT_TRANSLATE_NOOP("Sync", "Anniversary"),
        QT_TRANSLATE_NOOP("Sync", "Note"),          QT_TRANSLATE_NOOP("Sync", "Web addresses"),
        QT_TRANSLATE_NOOP("Sync", "Messaging"),     QT_TRANSLATE_NOOP("Sync", "Social profiles"),
        QT_TRANSLATE_NOOP("Sync", "Related people"), QT_TRANSLATE_NOOP("Sync", "Categories"),
        QT_TRANSLATE_NOOP("Sync", "Photo"),
    };
    static_assert(std::size(captions) == size_t(LastDetailPart) + 1);
    return QCoreApplication::translate("Sync", captions[int(part)]);
}

ContactRecord ReadCard(const QByteArray &card)
{
    const std::vector<ContactRecord> records = interchange::ReadVCards(card);
    if (records.size() != 1)
        throw interchange::InterchangeError(QCoreApplication::translate("Sync", "the resource holds %1 cards, not one.")
                                                .arg(records.size()));
    return records.front();
}

namespace {

// One content line of a card, unfolded.
struct Line {
    QString group; // as written, without the dot
    QString name;  // upper case
    QString spelled; // the name as written
    QString params; // as written, each with its leading ';'
    QString value;  // as written, escaped
    QStringList types;
    bool preferred = false;
    bool removed = false;
    interchange::FoldedLine original; // as the card wrote it, while unchanged

    QString text() const { return (group.isEmpty() ? QString() : group + u'.') + spelled + params + u':' + value; }
};

bool isTelUri(const QString &value)
{
    return value.trimmed().startsWith(QLatin1String("tel:"), Qt::CaseInsensitive);
}

// A number as a tel: URI (RFC 3966): its spaces as the visual separator
// '-', its extension as the ext parameter, what a URI cannot hold
// percent-encoded.
QString telUri(const QString &number)
{
    static const QRegularExpression extension("\\s+ext\\.\\s*(\\S.*)$", QRegularExpression::CaseInsensitiveOption);
    const auto encoded = [](const QString &text) {
        return QString::fromLatin1(QUrl::toPercentEncoding(text.simplified().replace(u' ', u'-'), "+-.()*"));
    };
    const auto m = extension.match(number);
    if (!m.hasMatch())
        return "tel:" + encoded(number);
    return "tel:" + encoded(number.left(m.capturedStart())) + ";ext=" + encoded(m.captured(1));
}

Line parseLine(const QString &text)
{
    Line l;
    const qsizetype colon = NameEnd(text);
    if (colon < 0) {
        l.name = l.spelled = text; // kept as it is
        return l;
    }
    l.value = text.mid(colon + 1);
    const QList<QStringView> head = SplitOutsideQuotes(QStringView(text).first(colon), ';');
    const QString fullName = head.first().toString();
    const qsizetype dot = fullName.lastIndexOf(u'.');
    l.group = dot < 0 ? QString() : fullName.left(dot);
    l.spelled = fullName.mid(dot + 1);
    l.name = l.spelled.toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QString param = head[i].toString();
        l.params += u';' + param;
        const qsizetype eq = param.indexOf(u'=');
        const QString key = eq < 0 ? QStringLiteral("TYPE") : param.left(eq).trimmed().toUpper();
        const QString value = eq < 0 ? param : param.mid(eq + 1);
        if (key == QLatin1String("PREF"))
            l.preferred = true;
        else if (key == QLatin1String("TYPE"))
            AddTypeValues(value, l.types, l.preferred);
    }
    return l;
}

QList<Line> cardLines(const QByteArray &card)
{
    QList<Line> lines;
    for (const interchange::FoldedLine &folded : interchange::FoldedLines(card)) {
        lines << parseLine(folded.line);
        lines.last().original = folded;
    }
    return lines;
}

class CardEditor {
public:
    CardEditor(const QByteArray &card) : mLines(cardLines(card))
    {
        for (const Line &l : mLines) {
            if (l.name == QLatin1String("VERSION"))
                mV4 = l.value.trimmed().startsWith(u'4');
            if (l.name == QLatin1String("X-ABLABEL") && !l.group.isEmpty())
                mLabels.insert(l.group.toUpper(), interchange::WordsOfLabel(UnescapedValue(l.value)));
            static const QRegularExpression item("^ITEM(\\d+)$", QRegularExpression::CaseInsensitiveOption);
            if (const auto m = item.match(l.group); m.hasMatch())
                mItems = std::max(mItems, m.captured(1).toInt());
        }
    }

    QString label(const Line &l) const { return l.group.isEmpty() ? QString() : mLabels.value(l.group.toUpper()); }

    // The first line of the name, preferred first when asked.
    Line *find(const std::function<bool(const Line &)> &matches, bool preferredFirst = false)
    {
        if (preferredFirst)
            for (Line &l : mLines)
                if (!l.removed && l.preferred && matches(l))
                    return &l;
        for (Line &l : mLines)
            if (!l.removed && matches(l))
                return &l;
        return nullptr;
    }

    void remove(Line *l)
    {
        l->removed = true;
        if (!l->group.isEmpty()) // its label goes with it
            for (Line &other : mLines)
                if (other.group.compare(l->group, Qt::CaseInsensitive) == 0 && other.name == QLatin1String("X-ABLABEL"))
                    other.removed = true;
    }

    void add(const QString &text) { mAdded << text; }
    // Adds a line right before another, which the pointer no longer points to after.
    void addBefore(const Line *other, const QString &text)
    {
        mLines.insert(other - mLines.constData(), parseLine(text));
    }
    void addLabelled(const QString &property, const QString &value, const QString &label)
    {
        const QString group = QString("item%1.").arg(++mItems);
        add(group + property + u':' + value);
        add(group + "X-ABLabel:" + EscapedValue(label));
    }
    bool v4() const { return mV4; }
    // Whether the card writes its numbers as tel: URIs.
    bool telUris() const
    {
        return std::any_of(mLines.cbegin(), mLines.cend(),
                           [](const Line &l) { return l.name == QLatin1String("TEL") && isTelUri(l.value); });
    }
    QList<Line> &lines() { return mLines; }

    QByteArray text() const
    {
        QByteArray out;
        for (const Line &l : mLines) {
            if (l.removed)
                continue;
            if (l.name == QLatin1String("END"))
                for (const QString &a : mAdded)
                    AppendFoldedLine(out, a);
            // A line the edit left alone goes back byte for byte.
            if (l.text() == l.original.line)
                interchange::AppendWrittenLine(out, l.original);
            else
                AppendFoldedLine(out, l.text());
        }
        return out;
    }

private:
    QList<Line> mLines;
    QStringList mAdded;
    QHash<QString, QString> mLabels;
    bool mV4 = false;
    int mItems = 0;
};

void setComponents(Line &line, const QList<QPair<int, QString>> &values)
{
    QStringList parts = StructuredParts(line.value);
    for (const auto &[i, v] : values) {
        while (parts.size() <= i)
            parts << QString();
        parts[i] = EscapedValue(v);
    }
    line.value = parts.join(u';');
}

bool hasValue(const Line &l)
{
    return !QString(l.value).remove(u';').trimmed().isEmpty();
}

bool isRelation(const CardEditor &card, const Line &l, const char *relation)
{
    static const QStringList spouses = {"X-SPOUSE", "X-EVOLUTION-SPOUSE", "X-KADDRESSBOOK-X-SPOUSENAME", "X-MS-SPOUSE",
                                        "X-SPOUSE-NAME"};
    static const QStringList children = {"X-CHILD", "X-CHILDREN", "X-MS-CHILD", "X-EVOLUTION-CHILDREN",
                                         "X-KADDRESSBOOK-X-CHILDREN"};
    const bool spouse = qstrcmp(relation, "spouse") == 0;
    if ((spouse ? spouses : children).contains(l.name))
        return true;
    if (l.name == QLatin1String("RELATED"))
        return l.types.join(u' ').contains(QLatin1String(relation)) && !l.value.contains(QLatin1String(":"));
    if (l.name == QLatin1String("X-ABRELATEDNAMES")) {
        const QString label = card.label(l);
        return (label.isEmpty() ? l.types.join(u' ') : label.toLower()).contains(QLatin1String(relation));
    }
    return false;
}

void addRelation(CardEditor &card, const QString &name, bool spouse)
{
    if (card.v4())
        card.add(QString("RELATED;TYPE=%1;VALUE=text:").arg(spouse ? "spouse" : "child") + EscapedValue(name));
    else
        card.addLabelled("X-ABRELATEDNAMES", EscapedValue(name), spouse ? "_$!<Spouse>!$_" : "_$!<Child>!$_");
}

Contact contact(const BookValues &values, bool isBusiness)
{
    Contact r;
    r.details = values.details;
    for (int i = 0; i < 11; ++i)
        r.*ContactFields()[size_t(i)].member = values.fields[i];
    for (const auto &[type, number] : values.numbers)
        r.telephones << PhoneNumber{type, number};
    r.isBusiness = isBusiness;
    return r;
}


// The lines the writer makes for a contact that holds nothing but the given
// details, in the card's version: the forms this program writes everywhere.
QList<Line> writtenLines(const ContactDetails &details, bool v4, bool isBusiness)
{
    Contact only;
    only.details = details;
    only.isBusiness = isBusiness;
    QByteArray text;
    interchange::AppendVCard(text, only, v4 ? interchange::VCardVersion::V4 : interchange::VCardVersion::V3);
    return cardLines(text);
}

// Adds the written lines of the given property names, each group (an item
// with its X-ABLabel) under a group of the card's own numbering.
void addWritten(CardEditor &card, const QList<Line> &written, const QStringList &names)
{
    for (const Line &l : written) {
        if (!names.contains(l.name))
            continue;
        if (l.group.isEmpty()) {
            card.add(l.text());
            continue;
        }
        QString label;
        for (const Line &other : written)
            if (other.group == l.group && other.name == QLatin1String("X-ABLABEL"))
                label = UnescapedValue(other.value);
        Line property = l;
        property.group.clear();
        if (label.isEmpty())
            card.add(property.text());
        else
            card.addLabelled(property.spelled + property.params, property.value, label);
    }
}

// The properties that hold a part of the details on their own, every line
// of them the part's.
QStringList propertiesOf(DetailPart part)
{
    switch (part) {
    case DetailPart::Nicknames: return {"NICKNAME"};
    case DetailPart::JobTitle: return {"TITLE"};
    case DetailPart::Role: return {"ROLE"};
    case DetailPart::Birthday: return {"BDAY"};
    case DetailPart::Anniversary: return {"ANNIVERSARY", "X-ANNIVERSARY", "X-EVOLUTION-ANNIVERSARY"};
    case DetailPart::Note: return {"NOTE"};
    case DetailPart::WebAddresses: return {"URL"};
    case DetailPart::Messaging:
        return {"IMPP", "X-AIM", "X-JABBER", "X-SKYPE", "X-SKYPE-USERNAME", "X-ICQ", "X-MSN", "X-YAHOO", "X-GADUGADU",
                "X-GOOGLE-TALK", "X-QQ"};
    case DetailPart::Social: return {"X-SOCIALPROFILE"};
    case DetailPart::Categories: return {"CATEGORIES"};
    case DetailPart::Photo: return {"PHOTO"};
    default: return {};
    }
}

// The key of a number's type as the book compares it.
QString typeKey(const CardEditor &card, const Line &l)
{
    const QString label = card.label(l);
    return (label.isEmpty() ? interchange::TypeWordsFor(l.types) : label).toLower();
}

// Writes one changed part of the details back into the card, leaving the
// lines of the book's own fields and of every other part as they are.
void editDetail(CardEditor &card, DetailPart part, const BookValues &to, bool isBusiness)
{
    const ContactDetails &d = to.details;
    const QStringList &f = to.fields;
    auto named = [](const char *name) { return [name](const Line &l) { return l.name == QLatin1String(name); }; };
    ContactDetails only;
    CopyDetailPart(part, d, only);
    const QList<Line> written = writtenLines(only, card.v4(), isBusiness);
    const auto removeAll = [&](const std::function<bool(const Line &)> &matches) {
        while (Line *l = card.find(matches))
            card.remove(l);
    };
    // The line of the book's own value among several of a property: the
    // preferred one with a value, else the first with a value.
    const auto bookLine = [&](const char *name) {
        return card.find([name](const Line &l) { return l.name == QLatin1String(name) && hasValue(l); }, true);
    };
    if (const QStringList names = propertiesOf(part); !names.isEmpty()) {
        removeAll([&](const Line &l) { return names.contains(l.name); });
        addWritten(card, written, names);
        return;
    }
    switch (part) {
    case DetailPart::MiddleName:
    case DetailPart::NamePrefix:
    case DetailPart::NameSuffix: {
        const QList<QPair<int, QString>> components = {
            {2, d.middleName}, {3, QStringList{f[Title], d.namePrefix}.join(u' ').trimmed()}, {4, d.nameSuffix}};
        if (Line *n = card.find(named("N")))
            setComponents(*n, components);
        else
            card.add("N:" + StructuredValue({f[LastName], f[FirstName], d.middleName, components[1].second,
                                             d.nameSuffix}));
        break;
    }
    case DetailPart::DisplayName: {
        Contact parts;
        for (int i = 0; i < 11; ++i)
            parts.*ContactFields()[size_t(i)].member = f[i];
        const QString shown = d.displayName.isEmpty() ? interchange::WholeName(parts) : d.displayName;
        if (Line *fn = card.find([](const Line &l) { return l.name == QLatin1String("FN"); }))
            fn->value = EscapedValue(shown);
        else if (!shown.isEmpty())
            card.add("FN:" + EscapedValue(shown));
        break;
    }
    case DetailPart::OrgUnits: {
        Line *org = card.find(named("ORG"));
        QStringList parts{f[Company]};
        parts << d.orgUnits;
        if (org)
            org->value = StructuredValue(parts);
        else if (!d.orgUnits.isEmpty())
            card.add("ORG:" + StructuredValue(parts));
        break;
    }
    case DetailPart::Country: {
        if (Line *adr = bookLine("ADR")) {
            setComponents(*adr, {{6, d.country}});
        } else if (!d.country.isEmpty()) {
            const QString type = isBusiness ? "work" : "home";
            card.add("ADR;TYPE=" + (card.v4() ? type : type.toUpper()) + u':'
                     + StructuredValue({QString(), QString(), f[Street], f[City], f[State], f[ZipCode], d.country}));
        }
        break;
    }
    case DetailPart::Emails:
    case DetailPart::Addresses: {
        const char *name = part == DetailPart::Emails ? "EMAIL" : "ADR";
        const Line *own = bookLine(name);
        const qsizetype ownAt = own ? own - card.lines().constData() : -1;
        for (qsizetype i = 0; i < card.lines().size(); ++i)
            if (i != ownAt && card.lines()[i].name == QLatin1String(name) && !card.lines()[i].removed)
                card.remove(&card.lines()[i]);
        addWritten(card, written, {name});
        break;
    }
    case DetailPart::Telephones: {
        // The first number of each type is the book's; the others are the details'.
        QStringList seen;
        for (Line &l : card.lines()) {
            if (l.removed || l.name != QLatin1String("TEL") || !hasValue(l))
                continue;
            const QString key = typeKey(card, l);
            if (seen.contains(key) || to.number(key).isEmpty())
                card.remove(&l);
            else
                seen << key;
        }
        addWritten(card, written, {"TEL"});
        break;
    }
    case DetailPart::Related: {
        removeAll([&](const Line &l) {
            return (l.name == QLatin1String("RELATED") || l.name == QLatin1String("X-ABRELATEDNAMES"))
                && !isRelation(card, l, "spouse") && !isRelation(card, l, "child");
        });
        addWritten(card, written, {"RELATED", "X-ABRELATEDNAMES"});
        break;
    }
    default:
        break;
    }
}

} // namespace

QString CardUid(const QByteArray &card)
{
    for (const Line &l : cardLines(card))
        if (l.name == QLatin1String("UID"))
            return UnescapedValue(l.value);
    return {};
}

QByteArray NewCard(const BookValues &values, bool isBusiness, const QString &uid)
{
    const Contact r = contact(values, isBusiness);
    QByteArray card;
    interchange::AppendVCard(card, r, interchange::VCardVersion::V3, {uid, {}});
    return card;
}

QByteArray EditCard(const QByteArray &text, const BookValues &from, const BookValues &to, bool isBusiness,
                    const QString &uid)
{
    CardEditor card(text);
    const QStringList &f = to.fields;
    auto changed = [&](std::initializer_list<int> fields) {
        for (int i : fields)
            if (from.fields[i] != to.fields[i])
                return true;
        return false;
    };
    auto named = [](const char *name) { return [name](const Line &l) { return l.name == QLatin1String(name); }; };

    // Each value the book changed replaces its own component only.
    auto componentsOf = [&](std::initializer_list<QPair<int, int>> fieldsAndComponents) {
        QList<QPair<int, QString>> out;
        for (const auto &[field, component] : fieldsAndComponents)
            if (from.fields[field] != f[field])
                out << qMakePair(component, f[field]);
        return out;
    };
    if (changed({Title, FirstName, LastName, Company})) {
        // The card's whole values, of which the book may hold less.
        Contact before = contact(from, isBusiness);
        try {
            before = ReadCard(text);
        } catch (const interchange::InterchangeError &) {
        }
        Contact after = before;
        for (int i : {Title, FirstName, LastName, Company})
            if (from.fields[i] != f[i])
                after.*ContactFields()[size_t(i)].member = f[i];
        // FN follows the name only where it was one made of its parts, not a
        // display name of its own.
        Line *fn = card.find(named("FN"));
        if (!fn || before.details.displayName.isEmpty()) {
            const QString wholeName = EscapedValue(interchange::WholeName(after));
            if (fn)
                fn->value = wholeName;
            else
                card.add("FN:" + wholeName);
        }
    }
    if (changed({Title, FirstName, LastName})) {
        if (Line *n = card.find(named("N")))
            setComponents(*n, componentsOf({{LastName, 0}, {FirstName, 1}, {Title, 3}}));
        else
            card.add("N:" + StructuredValue({f[LastName], f[FirstName], QString(), f[Title], QString()}));
    }
    if (changed({Company})) {
        Line *org = card.find(named("ORG"));
        if (org && f[Company].isEmpty() && StructuredParts(org->value).size() < 2)
            card.remove(org);
        else if (org)
            setComponents(*org, {{0, f[Company]}});
        else if (!f[Company].isEmpty())
            card.add("ORG:" + EscapedValue(f[Company]));
    }
    if (changed({Street, City, State, ZipCode})) {
        Line *adr = card.find([](const Line &l) { return l.name == QLatin1String("ADR") && hasValue(l); }, true);
        const bool empty = f[Street].isEmpty() && f[City].isEmpty() && f[State].isEmpty() && f[ZipCode].isEmpty();
        if (adr) {
            QList<QPair<int, QString>> components = componentsOf({{City, 3}, {State, 4}, {ZipCode, 5}});
            if (from.fields[Street] != f[Street]) {
                // The book holds the street and the extended address as one;
                // an extended address still at its end stays in its component.
                const QStringList parts = StructuredParts(adr->value);
                const QString extended = UnescapedValue(parts.value(1), QStringLiteral(", "));
                const QString tail = QStringLiteral(", ") + extended;
                if (!extended.isEmpty() && f[Street].endsWith(tail))
                    components << qMakePair(2, f[Street].chopped(tail.size()));
                else
                    components << qMakePair(1, QString()) << qMakePair(2, f[Street]);
            }
            setComponents(*adr, components);
            if (!hasValue(*adr))
                card.remove(adr);
        } else if (!empty) {
            const QString type = isBusiness ? "work" : "home";
            card.add("ADR;TYPE=" + (card.v4() ? type : type.toUpper()) + u':'
                     + StructuredValue({QString(), QString(), f[Street], f[City], f[State], f[ZipCode], QString()}));
        }
    }
    if (changed({EMail})) {
        Line *email = card.find([](const Line &l) { return l.name == QLatin1String("EMAIL") && hasValue(l); }, true);
        if (email && f[EMail].isEmpty())
            card.remove(email);
        else if (email)
            email->value = EscapedValue(f[EMail]);
        else if (!f[EMail].isEmpty())
            card.add((card.v4() ? "EMAIL:" : "EMAIL;TYPE=INTERNET:") + EscapedValue(f[EMail]));
    }
    if (changed({Spouse})) {
        Line *spouse = card.find([&](const Line &l) { return isRelation(card, l, "spouse"); });
        if (spouse && f[Spouse].isEmpty())
            card.remove(spouse);
        else if (spouse)
            spouse->value = EscapedValue(f[Spouse]);
        else if (!f[Spouse].isEmpty())
            addRelation(card, f[Spouse], true);
    }
    if (changed({Children})) {
        while (Line *child = card.find([&](const Line &l) { return isRelation(card, l, "child"); }))
            card.remove(child);
        for (const QString &child : f[Children].split(u','))
            if (!child.trimmed().isEmpty())
                addRelation(card, child.trimmed(), false);
    }
    QStringList types = from.typeKeys();
    for (const QString &t : to.typeKeys())
        if (!types.contains(t))
            types << t;
    for (const QString &key : types) {
        const QString number = to.number(key);
        if (SameNumber(from.number(key), number))
            continue;
        const auto ofType = [&](const Line &l) {
            if (l.name != QLatin1String("TEL"))
                return false;
            const QString label = card.label(l);
            return (label.isEmpty() ? interchange::TypeWordsFor(l.types) : label).toLower() == key;
        };
        // A number new to the book goes before one of its type that the book
        // could not hold, which stays: the first of a type is the book's.
        Line *tel = card.find(ofType);
        if (from.number(key).isEmpty() && tel && !number.isEmpty() && tel->group.isEmpty()) {
            card.addBefore(tel, tel->spelled + tel->params + u':'
                                    + (isTelUri(tel->value) ? telUri(number) : EscapedValue(number)));
            continue;
        }
        if (from.number(key).isEmpty())
            tel = nullptr;
        // A number goes back in the form the card writes its numbers in.
        if (tel && number.isEmpty()) {
            card.remove(tel);
        } else if (tel) {
            tel->value = isTelUri(tel->value) ? telUri(number) : EscapedValue(number);
        } else {
            QString type;
            for (const auto &[t, n] : to.numbers)
                if (t.toLower() == key)
                    type = t;
            const bool uri = card.telUris();
            const QString property = uri ? "TEL;VALUE=uri" : "TEL";
            const QString value = uri ? telUri(number) : EscapedValue(number);
            const QStringList vcardTypes = interchange::VCardTypesFor(type);
            if (vcardTypes.isEmpty())
                card.addLabelled(property, value, type);
            else
                card.add(property + ";TYPE=" + (card.v4() ? vcardTypes.join(u',') : vcardTypes.join(u',').toUpper())
                         + u':' + value);
        }
    }
    for (DetailPart part : ChangedDetailParts(from.details, to.details))
        editDetail(card, part, to, isBusiness);
    if (!card.find(named("UID")))
        for (Line &l : card.lines())
            if (l.name == QLatin1String("VERSION")) {
                card.add("UID:" + EscapedValue(uid));
                break;
            }
    return card.text();
}

} // namespace varnelle::sync
