#include "interchange/VCardWriter.h"

#include "interchange/TypeWords.h"
#include "interchange/VCardSyntax.h"

#include "VersionInfo.h"

namespace varnelle::interchange {

namespace {

// FN, which every card has and readers show: the display name, else the
// name made of its parts, else what the contact has that tells it apart
// (company, e-mail, a number, any field).
QString displayName(const Contact &r)
{
    if (!r.details.displayName.isEmpty())
        return r.details.displayName;
    const ContactDetails &d = r.details;
    QStringList parts;
    for (const QString &p : {r.title, d.namePrefix, r.firstName, d.middleName, r.lastName, d.nameSuffix})
        if (!p.trimmed().isEmpty())
            parts << p.trimmed();
    if (!parts.isEmpty())
        return parts.join(u' ');
    if (const QString name = WholeName(r); !name.isEmpty())
        return name;
    for (const PhoneNumber &t : r.telephones)
        if (!t.number.isEmpty())
            return t.number;
    for (const ContactField &f : ContactFields())
        if (!(r.*f.member).isEmpty())
            return r.*f.member;
    return QStringLiteral("-");
}

// The escaped values of a list, joined with ',' as one part of a structured value or a list value.
QString listValue(const QStringList &values)
{
    QStringList escaped;
    for (const QString &v : values)
        if (!v.isEmpty())
            escaped << EscapedValue(v);
    return escaped.join(u',');
}

// Whether a label is made of TYPE values ("work", "home, postal"), which are
// written as the TYPE parameter; any other label goes into an X-ABLabel.
bool isTypeList(const QString &label)
{
    if (label.isEmpty())
        return false;
    for (const QString &word : label.split(QStringLiteral(", "))) {
        if (word.isEmpty() || word == QLatin1String("pref") || word == QLatin1String("internet"))
            return false;
        for (const QChar c : word)
            if (!((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-'))
                return false;
    }
    return true;
}

// A date as BDAY and ANNIVERSARY take it: "19840307" or "--0307" in
// version 4.0, "1984-03-07" or "--03-07" in 3.0; text as it is.
QString dateValue(const ContactDate &date, bool v4)
{
    if (!date.isValid())
        return EscapedValue(date.text);
    const QString iso = date.toIso();
    return v4 ? QString(iso).remove(u'-').prepend(date.year ? QString() : QStringLiteral("--")) : iso;
}

// The TYPE value of an image type ("image/jpeg" is JPEG).
QString photoType(const QString &mimeType)
{
    return mimeType.section(u'/', 1).toUpper();
}

// A parameter value in double quotes, with the escapes of RFC 6868.
QString quotedParameter(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        if (c == u'^')
            out += QLatin1String("^^");
        else if (c == u'"')
            out += QLatin1String("^'");
        else if (c == u'\n')
            out += QLatin1String("^n");
        else if (c != u'\r')
            out += c;
    }
    return u'"' + out + u'"';
}

QString revision(const QDateTime &when, bool v4)
{
    return when.toUTC().toString(v4 ? QStringLiteral("yyyyMMdd'T'HHmmss'Z'")
                                    : QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

} // namespace

void AppendVCard(QByteArray &out, const Contact &r, VCardVersion version, const CardStamp &stamp)
{
    const bool v4 = version == VCardVersion::V4;
    const ContactDetails &d = r.details;
    auto upper = [v4](const QString &types) { return v4 ? types : types.toUpper(); };
    int item = 0;
    auto appendLabelled = [&](const QString &property, const QString &value, const QString &label) {
        const QString group = QString("item%1.").arg(++item);
        AppendFoldedLine(out, group + property + u':' + value);
        AppendFoldedLine(out, group + "X-ABLabel:" + EscapedValue(label));
    };
    // A value with its type words: as TYPE values where they are such, else in an X-ABLabel.
    auto appendTyped = [&](const QString &property, const QString &value, const QString &label,
                           const QString &parameters = {}) {
        if (label.isEmpty())
            AppendFoldedLine(out, property + parameters + u':' + value);
        else if (isTypeList(label))
            AppendFoldedLine(out, property + parameters + ";TYPE=" + upper(QString(label).replace(", ", ","))
                                + u':' + value);
        else
            appendLabelled(property + parameters, value, label);
    };

    out.append("BEGIN:VCARD\r\n");
    out.append(v4 ? "VERSION:4.0\r\n" : "VERSION:3.0\r\n");
    AppendFoldedLine(out, QStringLiteral("PRODID:-//Varnelle//Varnelle %1.%2//EN").arg(version::Major).arg(version::Minor));
    if (!stamp.uid.isEmpty())
        AppendFoldedLine(out, "UID:" + stamp.uid);
    AppendFoldedLine(out, "FN:" + EscapedValue(displayName(r)));
    AppendFoldedLine(out, "N:" + EscapedValue(r.lastName) + u';' + EscapedValue(r.firstName) + u';'
                            + EscapedValue(d.middleName) + u';' + listValue({r.title, d.namePrefix}) + u';'
                            + EscapedValue(d.nameSuffix));
    if (!d.nicknames.isEmpty())
        AppendFoldedLine(out, "NICKNAME:" + listValue(d.nicknames));
    if (!r.company.isEmpty() || !d.orgUnits.isEmpty())
        AppendFoldedLine(out, "ORG:" + StructuredValue(QStringList{r.company} + d.orgUnits));
    if (!d.jobTitle.isEmpty())
        AppendFoldedLine(out, "TITLE:" + EscapedValue(d.jobTitle));
    if (!d.role.isEmpty())
        AppendFoldedLine(out, "ROLE:" + EscapedValue(d.role));
    if (!(r.street.isEmpty() && r.city.isEmpty() && r.state.isEmpty() && r.zipCode.isEmpty() && d.country.isEmpty()))
        AppendFoldedLine(out, "ADR;TYPE=" + upper(r.isBusiness ? "work" : "home") + u':'
                            + StructuredValue({QString(), QString(), r.street, r.city, r.state, r.zipCode, d.country}));
    for (const ContactAddress &a : d.addresses)
        appendTyped("ADR",
                    StructuredValue({a.poBox, a.extended, a.street, a.locality, a.region, a.postalCode, a.country}),
                    a.label);
    if (!r.email.isEmpty())
        AppendFoldedLine(out, (v4 ? "EMAIL:" : "EMAIL;TYPE=INTERNET:") + EscapedValue(r.email));
    for (const LabeledValue &e : d.emails)
        appendTyped("EMAIL", EscapedValue(e.value), e.label, v4 ? QString() : QStringLiteral(";TYPE=INTERNET"));
    const QString textValue = v4 ? QStringLiteral(";VALUE=text") : QString();
    auto appendNumber = [&](const QString &type, const QString &number) {
        const QStringList types = VCardTypesFor(type);
        if (types.isEmpty()) // the nearest standard types for every reader, the name for those that read it
            AppendFoldedLine(out, "TEL" + textValue + ";TYPE=" + upper(NearestVCardTypes(type).join(u','))
                                + ";X-LABEL=" + quotedParameter(type) + u':' + EscapedValue(number));
        else
            AppendFoldedLine(out, "TEL" + textValue + ";TYPE=" + upper(types.join(u',')) + u':' + EscapedValue(number));
    };
    for (const PhoneNumber &t : r.telephones)
        appendNumber(t.type, t.number);
    for (const LabeledValue &t : d.telephones)
        appendNumber(t.label, t.value);
    QStringList children;
    for (const QString &child : r.children.split(u','))
        if (!child.trimmed().isEmpty())
            children << child.trimmed();
    if (v4) {
        if (!r.spouse.isEmpty())
            AppendFoldedLine(out, "RELATED;TYPE=spouse;VALUE=text:" + EscapedValue(r.spouse));
        for (const QString &child : children)
            AppendFoldedLine(out, "RELATED;TYPE=child;VALUE=text:" + EscapedValue(child));
    } else {
        if (!r.spouse.isEmpty())
            appendLabelled("X-ABRELATEDNAMES", EscapedValue(r.spouse), "_$!<Spouse>!$_");
        for (const QString &child : children)
            appendLabelled("X-ABRELATEDNAMES", EscapedValue(child), "_$!<Child>!$_");
    }
    for (const LabeledValue &rel : d.related) {
        const bool link = rel.value.startsWith(QLatin1String("urn:")) || rel.value.contains(QLatin1String("://"))
            || rel.value.startsWith(QLatin1String("mailto:"));
        if (v4)
            appendTyped("RELATED", EscapedValue(rel.value), rel.label,
                        link ? QStringLiteral(";VALUE=uri") : QStringLiteral(";VALUE=text"));
        else if (rel.label.isEmpty())
            AppendFoldedLine(out, "X-ABRELATEDNAMES:" + EscapedValue(rel.value));
        else
            appendLabelled("X-ABRELATEDNAMES", EscapedValue(rel.value), rel.label);
    }
    if (!d.birthday.isEmpty())
        AppendFoldedLine(out, (d.birthday.isValid() || !v4 ? QStringLiteral("BDAY:") : QStringLiteral("BDAY;VALUE=text:"))
                                + dateValue(d.birthday, v4));
    if (!d.anniversary.isEmpty())
        AppendFoldedLine(out, (v4 ? (d.anniversary.isValid() ? QStringLiteral("ANNIVERSARY:")
                                                             : QStringLiteral("ANNIVERSARY;VALUE=text:"))
                                  : QStringLiteral("X-ANNIVERSARY:"))
                                + dateValue(d.anniversary, v4));
    for (const LabeledValue &url : d.webAddresses)
        appendTyped("URL", EscapedValue(url.value), url.label);
    for (const LabeledValue &m : d.messaging) {
        const qsizetype colon = m.value.indexOf(u':');
        const bool ownScheme = colon > 0 && m.value.left(colon).toLower() == m.label;
        AppendFoldedLine(out, "IMPP" + (m.label.isEmpty() || ownScheme ? QString() : ";X-SERVICE-TYPE=" + quotedParameter(m.label))
                                + u':' + EscapedValue(m.value));
    }
    for (const LabeledValue &s : d.social)
        appendTyped("X-SOCIALPROFILE", EscapedValue(s.value), s.label);
    if (!d.categories.isEmpty())
        AppendFoldedLine(out, "CATEGORIES:" + listValue(d.categories));
    if (!d.note.isEmpty())
        AppendFoldedLine(out, "NOTE:" + EscapedValue(d.note));
    if (!d.photo.data.isEmpty()) {
        const QString base64 = QString::fromLatin1(d.photo.data.toBase64());
        if (v4)
            AppendFoldedLine(out, "PHOTO:data:" + d.photo.mimeType + ";base64," + base64);
        else
            AppendFoldedLine(out, "PHOTO;ENCODING=b;TYPE=" + photoType(d.photo.mimeType) + u':' + base64);
    } else if (!d.photo.uri.isEmpty()) {
        AppendFoldedLine(out, (v4 ? "PHOTO:" : "PHOTO;VALUE=uri:") + EscapedValue(d.photo.uri));
    }
    if (stamp.revision.isValid())
        AppendFoldedLine(out, "REV:" + revision(stamp.revision, v4));
    out.append("END:VCARD\r\n");
}

} // namespace varnelle::interchange
