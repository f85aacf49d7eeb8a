#include "interchange/VCardWriter.h"

#include "interchange/TypeWords.h"
#include "interchange/VCardSyntax.h"

#include "VersionInfo.h"

namespace varnelle::interchange {

namespace {

// FN, which every card has and readers show: the name, else what the
// contact has that tells it apart (company, e-mail, a number, any field).
QString displayName(const Contact &r)
{
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
    auto upper = [v4](const QString &types) { return v4 ? types : types.toUpper(); };
    int item = 0;
    auto appendLabelled = [&](const QString &property, const QString &value, const QString &label) {
        const QString group = QString("item%1.").arg(++item);
        AppendFoldedLine(out, group + property + u':' + value);
        AppendFoldedLine(out, group + "X-ABLabel:" + EscapedValue(label));
    };

    out.append("BEGIN:VCARD\r\n");
    out.append(v4 ? "VERSION:4.0\r\n" : "VERSION:3.0\r\n");
    AppendFoldedLine(out, QStringLiteral("PRODID:-//Varnelle//Varnelle %1.%2//EN").arg(version::Major).arg(version::Minor));
    if (!stamp.uid.isEmpty())
        AppendFoldedLine(out, "UID:" + stamp.uid);
    AppendFoldedLine(out, "FN:" + EscapedValue(displayName(r)));
    AppendFoldedLine(out, "N:" + StructuredValue({r.lastName, r.firstName, QString(), r.title, QString()}));
    if (!r.company.isEmpty())
        AppendFoldedLine(out, "ORG:" + EscapedValue(r.company));
    if (!(r.street.isEmpty() && r.city.isEmpty() && r.state.isEmpty() && r.zipCode.isEmpty()))
        AppendFoldedLine(out, "ADR;TYPE=" + upper(r.isBusiness ? "work" : "home") + u':'
                            + StructuredValue({QString(), QString(), r.street, r.city, r.state, r.zipCode, QString()}));
    if (!r.email.isEmpty())
        AppendFoldedLine(out, (v4 ? "EMAIL:" : "EMAIL;TYPE=INTERNET:") + EscapedValue(r.email));
    const QString textValue = v4 ? QStringLiteral(";VALUE=text") : QString();
    for (const PhoneNumber &t : r.telephones) {
        const QStringList types = VCardTypesFor(t.type);
        if (types.isEmpty()) // the nearest standard types for every reader, the name for those that read it
            AppendFoldedLine(out, "TEL" + textValue + ";TYPE=" + upper(NearestVCardTypes(t.type).join(u','))
                                + ";X-LABEL=" + quotedParameter(t.type) + u':' + EscapedValue(t.number));
        else
            AppendFoldedLine(out, "TEL" + textValue + ";TYPE=" + upper(types.join(u',')) + u':' + EscapedValue(t.number));
    }
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
    if (stamp.revision.isValid())
        AppendFoldedLine(out, "REV:" + revision(stamp.revision, v4));
    out.append("END:VCARD\r\n");
}

} // namespace varnelle::interchange
