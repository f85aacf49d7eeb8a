#include "interchange/TypeWords.h"

#include <algorithm>
#include <initializer_list>

namespace varnelle::interchange {

namespace {

struct TypeWord {
    const char *vcard;
    const char *words;
    bool place; // a place (work, home) goes before the kind of telephone
};

const TypeWord Table[] = {
    {"work", "Work", true},    {"home", "Home", true},       {"main", "Main", true},
    {"other", "Other", true},  {"cell", "Mobile", false},    {"iphone", "iPhone", false},
    {"fax", "Fax", false},     {"pager", "Pager", false},    {"car", "Car", false},
    {"video", "Video", false}, {"isdn", "ISDN", false},      {"bbs", "BBS", false},
    {"modem", "Modem", false}, {"msg", "Message", false},    {"text", "Text", false},
    {"textphone", "Textphone", false},
};

const char *const Silent[] = {"voice", "pref", "internet", "x400", "dom", "intl", "postal", "parcel"};

// What a line can do rather than what kind of line it is: said only when nothing else is.
const char *const Capabilities[] = {"voice", "text", "video", "msg", "pref"};

bool isCapability(const QString &vcard)
{
    for (const char *c : Capabilities)
        if (vcard.compare(QLatin1String(c), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

const TypeWord *find(const QString &vcard)
{
    for (const TypeWord &t : Table)
        if (vcard.compare(QLatin1String(t.vcard), Qt::CaseInsensitive) == 0)
            return &t;
    if (vcard.compare(QLatin1String("mobile"), Qt::CaseInsensitive) == 0)
        return find("cell");
    return nullptr;
}

bool silent(const QString &vcard)
{
    for (const char *s : Silent)
        if (vcard.compare(QLatin1String(s), Qt::CaseInsensitive) == 0)
            return true;
    return vcard.isEmpty();
}

// An unknown type in words: "satellite" and the private "X-Satellite" both
// read "Satellite", so the kind of telephone is kept.
QString wordsOfUnknown(const QString &vcard)
{
    const QString name = vcard.startsWith(QLatin1String("x-"), Qt::CaseInsensitive) ? vcard.mid(2) : vcard;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

} // namespace

QString TypeWordsFor(const QStringList &vcardTypes)
{
    QStringList places;
    QStringList kinds;
    bool kindGiven = false;
    for (const QString &type : vcardTypes)
        kindGiven = kindGiven || !(isCapability(type) || silent(type));
    for (const QString &type : vcardTypes) {
        if (kindGiven && isCapability(type))
            continue;
        QString words;
        bool place = false;
        if (const TypeWord *t = find(type)) {
            words = QLatin1String(t->words);
            place = t->place;
        } else if (!silent(type)) {
            words = wordsOfUnknown(type);
        }
        QStringList &list = place ? places : kinds;
        if (!words.isEmpty() && !list.contains(words))
            list << words;
    }
    const QString words = (places + kinds).join(' ');
    return words.isEmpty() ? QStringLiteral("Phone") : words;
}

QString WordsOfLabel(const QString &label)
{
    QString words = label.trimmed();
    if (!(words.startsWith(QLatin1String("_$!<")) && words.endsWith(QLatin1String(">!$_"))))
        return words;
    words = words.mid(4, words.size() - 8);
    if (words.endsWith(QLatin1String("FAX")) && words.size() > 3)
        words = words.chopped(3) + QStringLiteral(" Fax");
    return words;
}

QStringList VCardTypesFor(const QString &words)
{
    if (words == QLatin1String("Phone"))
        return {QStringLiteral("voice")};
    QStringList types;
    for (const QString &word : words.split(' ')) {
        const TypeWord *match = nullptr;
        for (const TypeWord &t : Table)
            if (word == QLatin1String(t.words))
                match = &t;
        if (!match)
            return {};
        types << QLatin1String(match->vcard);
    }
    if (TypeWordsFor(types) != words)
        return {};
    return types;
}

QStringList NearestVCardTypes(const QString &words)
{
    const QString w = words.toCaseFolded();
    const auto any = [&w](std::initializer_list<const char *> keys) {
        return std::any_of(keys.begin(), keys.end(), [&w](const char *k) { return w.contains(QString::fromUtf8(k)); });
    };
    QStringList types;
    if (any({"work", "business", "office", "büro", "buero", "job", "company", "bureau", "trabajo"}))
        types << QStringLiteral("work");
    else if (any({"home", "private", "privat", "house", "maison", "casa"}))
        types << QStringLiteral("home");
    if (any({"fax"}))
        types << QStringLiteral("fax");
    else if (any({"mobile", "cell", "handy", "iphone", "portable", "móvil", "movil"}))
        types << QStringLiteral("cell");
    else if (any({"pager", "beeper"}))
        types << QStringLiteral("pager");
    else
        types << QStringLiteral("voice");
    return types;
}

} // namespace varnelle::interchange
