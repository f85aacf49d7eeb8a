#include "interchange/VCardWriter.h"

#include "interchange/TypeWords.h"

#include "VersionInfo.h"

namespace varnelle::interchange {

namespace {

constexpr qsizetype FoldOctets = 75;

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';') {
            out += u'\\';
            out += c;
        } else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c != u'\r')
            out += c;
    }
    return out;
}

// Appends a content line, folded: no physical line is longer than 75 octets,
// and a continuation line starts with a space.
void appendLine(QByteArray &out, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    qsizetype room = FoldOctets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
            --cut; // a UTF-8 continuation byte stays with its sequence
        out.append(bytes.constData() + start, cut - start);
        out.append("\r\n ");
        start = cut;
        room = FoldOctets - 1;
    }
    out.append(bytes.constData() + start, bytes.size() - start);
    out.append("\r\n");
}

QString structured(const QStringList &parts)
{
    QStringList out;
    for (const QString &p : parts)
        out << escaped(p);
    return out.join(u';');
}

// FN, which every card has and readers show: the name, else what the
// contact has that tells it apart (company, e-mail, a number, any field).
QString wholeName(const Contact &r)
{
    QStringList parts;
    for (const QString &p : {r.title, r.firstName, r.lastName})
        if (!p.isEmpty())
            parts << p;
    if (!parts.isEmpty())
        return parts.join(u' ');
    if (!r.company.isEmpty())
        return r.company;
    if (!r.email.isEmpty())
        return r.email;
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
        appendLine(out, group + property + u':' + value);
        appendLine(out, group + "X-ABLabel:" + escaped(label));
    };

    out.append("BEGIN:VCARD\r\n");
    out.append(v4 ? "VERSION:4.0\r\n" : "VERSION:3.0\r\n");
    appendLine(out, QStringLiteral("PRODID:-//Varnelle//Varnelle %1.%2//EN").arg(version::Major).arg(version::Minor));
    if (!stamp.uid.isEmpty())
        appendLine(out, "UID:" + stamp.uid);
    appendLine(out, "FN:" + escaped(wholeName(r)));
    appendLine(out, "N:" + structured({r.lastName, r.firstName, QString(), r.title, QString()}));
    if (!r.company.isEmpty())
        appendLine(out, "ORG:" + escaped(r.company));
    if (!(r.street.isEmpty() && r.city.isEmpty() && r.state.isEmpty() && r.zipCode.isEmpty()))
        appendLine(out, "ADR;TYPE=" + upper(r.isBusiness ? "work" : "home") + u':'
                            + structured({QString(), QString(), r.street, r.city, r.state, r.zipCode, QString()}));
    if (!r.email.isEmpty())
        appendLine(out, (v4 ? "EMAIL:" : "EMAIL;TYPE=INTERNET:") + escaped(r.email));
    const QString textValue = v4 ? QStringLiteral(";VALUE=text") : QString();
    for (const PhoneNumber &t : r.telephones) {
        const QStringList types = VCardTypesFor(t.type);
        if (types.isEmpty()) // the nearest standard types for every reader, the name for those that read it
            appendLine(out, "TEL" + textValue + ";TYPE=" + upper(NearestVCardTypes(t.type).join(u','))
                                + ";X-LABEL=" + quotedParameter(t.type) + u':' + escaped(t.number));
        else
            appendLine(out, "TEL" + textValue + ";TYPE=" + upper(types.join(u',')) + u':' + escaped(t.number));
    }
    QStringList children;
    for (const QString &child : r.children.split(u','))
        if (!child.trimmed().isEmpty())
            children << child.trimmed();
    if (v4) {
        if (!r.spouse.isEmpty())
            appendLine(out, "RELATED;TYPE=spouse;VALUE=text:" + escaped(r.spouse));
        for (const QString &child : children)
            appendLine(out, "RELATED;TYPE=child;VALUE=text:" + escaped(child));
    } else {
        if (!r.spouse.isEmpty())
            appendLabelled("X-ABRELATEDNAMES", escaped(r.spouse), "_$!<Spouse>!$_");
        for (const QString &child : children)
            appendLabelled("X-ABRELATEDNAMES", escaped(child), "_$!<Child>!$_");
    }
    if (stamp.revision.isValid())
        appendLine(out, "REV:" + revision(stamp.revision, v4));
    out.append("END:VCARD\r\n");
}

} // namespace varnelle::interchange
