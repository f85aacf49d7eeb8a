#include "interchange/VCardSyntax.h"

namespace varnelle::interchange {

namespace {

constexpr qsizetype FoldOctets = 75;

template <typename View>
qsizetype nameEnd(View line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u':' && !quoted)
            return i;
    }
    return -1;
}

template <typename View>
QList<View> splitOutsideQuotes(View text, char separator)
{
    QList<View> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        else if (text[i] == char16_t(separator) && !quoted) {
            parts << text.sliced(start, i - start);
            start = i + 1;
        }
    }
    parts << text.sliced(start);
    return parts;
}

QString unquoted(const QString &value)
{
    const QString v = value.trimmed();
    return v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"') ? v.sliced(1, v.size() - 2) : v;
}

} // namespace

QString EscapedValue(const QString &text)
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

QString UnescapedValue(const QString &value, const QString &listSeparator)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u',') {
            text += listSeparator;
        } else if (c == u'\\' && i + 1 < value.size()) {
            const QChar e = value[++i];
            if (e == u'n' || e == u'N')
                text += u'\n';
            else if (e == u'\\' || e == u',' || e == u';' || e == u':')
                text += e;
            else
                text += QString(c) + e;
        } else {
            text += c;
        }
    }
    return text.trimmed();
}

QStringList StructuredParts(const QString &value)
{
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            part += c;
            part += value[++i];
        } else if (c == u';') {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    return parts;
}

QString StructuredValue(const QStringList &parts)
{
    QStringList out;
    for (const QString &p : parts)
        out << EscapedValue(p);
    return out.join(u';');
}

void AppendFoldedLine(QByteArray &out, const QString &line)
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

QList<FoldedLine> FoldedLines(const QByteArray &text)
{
    QList<FoldedLine> lines;
    FoldedLine current;
    const auto keep = [&] {
        if (!current.line.trimmed().isEmpty())
            lines << current;
    };
    for (QString p : QString::fromUtf8(text).split(u'\n')) {
        const QString physical = p;
        if (p.endsWith(u'\r'))
            p.chop(1);
        if (!p.isEmpty() && (p[0] == u' ' || p[0] == u'\t')) {
            current.line += p.mid(1);
            current.written += u'\n' + physical;
            continue;
        }
        keep();
        current = {p, physical};
    }
    keep();
    return lines;
}

QStringList UnfoldedLines(const QByteArray &text)
{
    QStringList lines;
    for (const FoldedLine &l : FoldedLines(text))
        lines << l.line;
    return lines;
}

void AppendWrittenLine(QByteArray &out, const FoldedLine &line)
{
    out += line.written.toUtf8();
    if (!line.written.endsWith(u'\r'))
        out += '\r';
    out += '\n';
}

qsizetype NameEnd(QByteArrayView line)
{
    return nameEnd(line);
}

qsizetype NameEnd(QStringView line)
{
    return nameEnd(line);
}

QList<QByteArrayView> SplitOutsideQuotes(QByteArrayView text, char separator)
{
    return splitOutsideQuotes(text, separator);
}

QList<QStringView> SplitOutsideQuotes(QStringView text, char separator)
{
    return splitOutsideQuotes(text, separator);
}

void AddTypeValues(const QString &value, QStringList &types, bool &preferred)
{
    for (const QString &t : unquoted(value).split(u',')) {
        const QString type = unquoted(t).toLower();
        if (type == QLatin1String("pref"))
            preferred = true;
        else if (!type.isEmpty())
            types << type;
    }
}

QString WholeName(const Contact &c)
{
    QStringList parts;
    for (const QString &p : {c.title, c.firstName, c.lastName})
        if (!p.isEmpty())
            parts << p;
    if (!parts.isEmpty())
        return parts.join(u' ');
    return c.company.isEmpty() ? c.email : c.company;
}

} // namespace varnelle::interchange
