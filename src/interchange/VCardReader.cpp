#include "interchange/VCardReader.h"

#include "interchange/TextDecoding.h"
#include "interchange/TypeWords.h"
#include "interchange/VCardSyntax.h"

#include <QCoreApplication>
#include <QHash>
#include <QUrl>

namespace varnelle::interchange {

namespace {

// One property line of a card, its parameters read in whatever spelling.
struct Property {
    QByteArray group; // upper case, without the dot
    QByteArray name;  // upper case
    QStringList types; // TYPE values, lower case
    QByteArray valueType; // VALUE=, lower case
    bool preferred = false;
    bool binary = false;
    QString value; // decoded, still escaped
    QString label; // the LABEL= parameter (an address) or X-LABEL= (the type of a number)
    QString serviceType; // X-SERVICE-TYPE= (the service of an instant-messaging address)
    QByteArray raw; // the value as written, of a binary value
    QByteArray undecodable; // the character set the value is in, when it cannot be read
    qsizetype line = 0;
};

bool startsWithNoCase(QByteArrayView text, QByteArrayView prefix)
{
    return text.size() >= prefix.size() && qstrnicmp(text.data(), prefix.data(), prefix.size()) == 0;
}

// The physical and logical lines of a file: folded lines are joined, and so
// are quoted-printable soft line breaks and the bare continuation lines of a
// version 2.1 base64 value. The bytes come a piece at a time; only the lines
// at hand are held.
class LineSource {
public:
    LineSource(ByteChunks &chunks, const NoteSink &notes) : mChunks(chunks), mNotes(notes) {}

    // The next non-blank logical line and the number of its first physical
    // line; false at the end of the data.
    bool next(QByteArray &text, qsizetype &line)
    {
        QByteArrayView physical;
        do {
            if (!take(physical))
                return false;
            if (physical.startsWith('#')) {
                const QByteArrayView shown = physical.first(qMin<qsizetype>(physical.size(), 60));
                mNotes(LineNote(mLine, QCoreApplication::translate("Interchange", "the comment \"%1\" was skipped.")
                                           .arg(QString::fromUtf8(shown))));
                physical = {};
            }
        } while (physical.trimmed().isEmpty());
        line = mLine;
        text = physical.toByteArray();
        const qsizetype colon = text.indexOf(':');
        const QByteArray head = (colon < 0 ? text : text.left(colon)).toUpper();
        const bool quotedPrintable = head.contains("QUOTED-PRINTABLE");
        const bool base64 = head.contains("BASE64") || head.contains("ENCODING=B");
        for (;;) {
            const QByteArrayView following = peek();
            if (atEnd())
                break;
            if (quotedPrintable && text.endsWith('=')) {
                // A soft line break: the next line goes on with the value as it stands.
                take(physical);
                text.chop(1);
                text += physical;
            } else if (!following.isEmpty() && (following[0] == ' ' || following[0] == '\t')) {
                take(physical);
                text += physical.sliced(1);
            } else if (base64 && !following.trimmed().isEmpty() && !following.contains(':')) {
                take(physical);
                text += physical.trimmed();
            } else if (endsWithLoneBackslash(text) && !following.trimmed().isEmpty() && !looksLikeProperty(following)) {
                // A line break written as a backslash and a real one: the value goes on.
                take(physical);
                mNotes(LineNote(mLine, QCoreApplication::translate(
                                           "Interchange", "the line before ends with a backslash; this line was "
                                                          "read as the rest of its value.")));
                text += 'n';
                text += physical.trimmed();
            } else {
                break;
            }
            if (text.size() > mMaxLine)
                throw tooLong(line);
        }
        return true;
    }

    qsizetype lastLine() const { return mLine; }
    // How many bytes of the data have been read as lines.
    qint64 position() const { return mDropped + mPos; }

private:
    InterchangeError tooLong(qsizetype line) const
    {
        return LineError(line, QCoreApplication::translate(
                                   "Interchange", "the line is longer than %1 MB, far more than any contact holds. "
                                                  "This is not a vCard file, or it is damaged.")
                                   .arg(qMax<qsizetype>(mMaxLine >> 20, 1)));
    }

    // The end of the physical line at mPos (its '\n', or the end of the data),
    // reading more of the data until the line is whole or longer than any line may be.
    qsizetype lineEnd()
    {
        qsizetype from = mPos;
        for (;;) {
            const qsizetype end = mData.indexOf('\n', from);
            if (end >= 0)
                return end;
            if (mDone || mData.size() - mPos > mMaxLine)
                return mData.size();
            const qsizetype searched = mData.size() - mPos;
            if (!refill())
                return mData.size();
            from = mPos + searched;
        }
    }

    bool atEnd()
    {
        return mPos >= mData.size() && (mDone || !refill());
    }

    // Drops the lines read and appends the next piece of the data; false at its end.
    bool refill()
    {
        if (mDone)
            return false;
        if (mPos > 0) {
            mDropped += mPos;
            mData.remove(0, mPos);
            mPos = 0;
        }
        if (!mChunks.appendTo(mData)) {
            mDone = true;
            return false;
        }
        if (!mStarted) {
            mStarted = true;
            if (mData.startsWith("\xEF\xBB\xBF"))
                mPos = 3;
        }
        return true;
    }

    QByteArrayView peek()
    {
        if (atEnd())
            return {};
        const qsizetype end = lineEnd();
        QByteArrayView line(mData.constData() + mPos, end - mPos);
        return line.endsWith('\r') ? line.chopped(1) : line;
    }

    bool take(QByteArrayView &line)
    {
        if (atEnd())
            return false;
        const qsizetype end = lineEnd();
        ++mLine;
        if (end - mPos > mMaxLine)
            throw tooLong(mLine);
        line = QByteArrayView(mData.constData() + mPos, end - mPos);
        if (line.endsWith('\r'))
            line.chop(1);
        mPos = end + 1;
        if (const qsizetype at = FirstControlByte(line); at >= 0)
            throw LineError(mLine,
                            QCoreApplication::translate(
                                "Interchange", "the line holds binary data (byte 0x%1 at column %2), which no vCard "
                                               "file holds. This is not a vCard file, or it is damaged.")
                                .arg(static_cast<unsigned char>(line[at]), 2, 16, QLatin1Char('0'))
                                .arg(at + 1));
        return true;
    }

    static bool endsWithLoneBackslash(const QByteArray &text)
    {
        qsizetype n = 0;
        while (n < text.size() && text[text.size() - 1 - n] == '\\')
            ++n;
        return n % 2 == 1;
    }

    // "NAME:", "NAME;PARAM=...:" or "group.NAME:" at the start of a line.
    static bool looksLikeProperty(QByteArrayView line)
    {
        qsizetype i = 0;
        while (i < line.size() && (QChar::isLetterOrNumber(uchar(line[i])) || line[i] == '-' || line[i] == '.'))
            ++i;
        return i > 0 && i < line.size() && (line[i] == ':' || line[i] == ';') && line.contains(':');
    }

    ByteChunks &mChunks;
    const NoteSink &mNotes;
    const qsizetype mMaxLine = CurrentReadLimits().lineBytes;
    QByteArray mData; // the bytes not yet read as lines, from mPos, and the line before
    qsizetype mPos = 0;
    qint64 mDropped = 0; // bytes before mData
    qsizetype mLine = 0;
    bool mStarted = false;
    bool mDone = false;
};

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(QByteArrayView value, qsizetype line)
{
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '=') {
            bytes += value[i];
            continue;
        }
        const int high = i + 1 < value.size() ? hexDigit(value[i + 1]) : -1;
        const int low = i + 2 < value.size() ? hexDigit(value[i + 2]) : -1;
        if (high < 0 || low < 0)
            throw LineError(line, QCoreApplication::translate(
                                      "Interchange",
                                      "the quoted-printable sequence \"%1\" is invalid: '=' must be followed by "
                                      "two hexadecimal digits.")
                                      .arg(QString::fromLatin1(value.sliced(i, qMin<qsizetype>(3, value.size() - i)))));
        bytes += char(high * 16 + low);
        i += 2;
    }
    return bytes;
}

QByteArray unquoted(QByteArrayView value)
{
    QByteArrayView v = value.trimmed();
    if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
        v = v.sliced(1, v.size() - 2);
    return v.toByteArray();
}

// A parameter value with RFC 6868 escapes: ^n a line break, ^' a double quote, ^^ a caret.
QString caretDecoded(const QByteArray &value)
{
    const QString text = QString::fromUtf8(value);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'^' && i + 1 < text.size()) {
            const QChar e = text[i + 1];
            if (e == u'n' || e == u'N' || e == u'\'' || e == u'^') {
                out += e == u'\'' ? QChar(u'"') : e == u'^' ? QChar(u'^') : QChar(u'\n');
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// `undeclared`: the set of 8-bit text that names none; `guessed` is set when it was used.
Property parseProperty(const QByteArray &text, qsizetype colon, qsizetype line, const UndeclaredCharset &undeclared,
                       bool &guessed)
{
    Property p;
    p.line = line;
    const QList<QByteArrayView> head = SplitOutsideQuotes(QByteArrayView(text).first(colon), ';');
    const QByteArray fullName = head.first().trimmed().toByteArray().toUpper();
    if (const qsizetype dot = fullName.lastIndexOf('.'); dot >= 0) {
        p.group = fullName.left(dot);
        p.name = fullName.mid(dot + 1);
    } else {
        p.name = fullName;
    }

    QByteArray encoding;
    QByteArray charsetName;
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArrayView param = head[i].trimmed();
        if (param.isEmpty())
            continue;
        const qsizetype eq = param.indexOf('=');
        QByteArray key = eq < 0 ? QByteArray("TYPE") : param.first(eq).trimmed().toByteArray().toUpper();
        QByteArrayView value = eq < 0 ? param : param.sliced(eq + 1);
        if (eq < 0) {
            // Version 2.1 writes bare values: TEL;HOME;FAX, ADR;QUOTED-PRINTABLE.
            const QByteArray bare = value.toByteArray().toUpper();
            if (bare == "QUOTED-PRINTABLE" || bare == "BASE64" || bare == "8BIT" || bare == "7BIT")
                key = "ENCODING";
        }
        if (key == "ENCODING") {
            encoding = unquoted(value).toUpper();
        } else if (key == "CHARSET") {
            charsetName = unquoted(value);
        } else if (key == "VALUE") {
            p.valueType = unquoted(value).toLower();
        } else if (key == "LABEL" || key == "X-LABEL") {
            p.label = caretDecoded(unquoted(value)).replace(QLatin1String("\\n"), QLatin1String("\n"));
        } else if (key == "X-SERVICE-TYPE") {
            p.serviceType = caretDecoded(unquoted(value));
        } else if (key == "PREF") {
            p.preferred = true;
        } else if (key == "TYPE") {
            AddTypeValues(QString::fromUtf8(value), p.types, p.preferred);
        }
    }

    QByteArrayView raw = QByteArrayView(text).sliced(colon + 1);
    if (encoding == "B" || encoding == "BASE64" || p.valueType == "binary" || startsWithNoCase(raw, "data:")) {
        p.binary = true;
        if (p.name == "PHOTO")
            p.raw = raw.trimmed().toByteArray();
        return p;
    }
    const QByteArray bytes = encoding == "QUOTED-PRINTABLE" ? decodeQuotedPrintable(raw, line) : raw.toByteArray();
    if (charsetName.isEmpty()) {
        p.value = DecodeUndeclared(bytes, undeclared, &guessed);
    } else if (const std::optional<QString> value = DecodeNamed(bytes, charsetName)) {
        p.value = *value;
    } else {
        p.undecodable = charsetName;
    }
    return p;
}

QString part(const QStringList &parts, qsizetype i, const QString &listSeparator = QStringLiteral(" "))
{
    return i < parts.size() ? UnescapedValue(parts[i], listSeparator) : QString();
}

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList present;
    for (const QString &p : parts)
        if (!p.isEmpty())
            present << p;
    return present.join(separator);
}

QString caption(const QByteArray &name)
{
    static const QHash<QByteArray, QString> captions = {
        {"NOTE", "Note"},          {"URL", "Web page"},         {"BDAY", "Birthday"},
        {"ANNIVERSARY", "Anniversary"}, {"TITLE", "Job title"}, {"ROLE", "Role"},
        {"NICKNAME", "Nickname"},  {"CATEGORIES", "Categories"}, {"GEO", "Position"},
        {"TZ", "Time zone"},       {"IMPP", "Instant messaging"}, {"PHOTO", "Photo"},
        {"LOGO", "Logo"},          {"SOUND", "Sound"},          {"KEY", "Public key"},
        {"GENDER", "Gender"},      {"LANG", "Language"},        {"RELATED", "Related"},
        {"X-ABRELATEDNAMES", "Related"}, {"X-ABDATE", "Date"},  {"MAILER", "Mail program"},
        {"X-MS-CARDPICTURE", "Picture"}, {"X-PHOTO", "Photo"},  {"X-ABPHOTO", "Photo"},
        {"X-AVATAR", "Picture"},
    };
    return captions.value(name, QString::fromLatin1(name));
}

bool isIgnored(const QByteArray &name)
{
    // What describes the file or repeats other properties, not the contact.
    static const QList<QByteArray> ignored = {
        "BEGIN", "END", "VERSION", "PRODID", "REV", "UID", "X-ABLABEL", "X-ABSHOWAS", "KIND", "SORT-STRING",
        "CLIENTPIDMAP", "X-MS-OL-DESIGN", "X-MS-OL-DEFAULT-POSTAL-ADDRESS", "X-ABUID", "X-ABADR",
        "SOURCE", "NAME", "X-ADDRESSBOOKSERVER-KIND"};
    return ignored.contains(name);
}

bool isSpouseProperty(const QByteArray &name)
{
    return name == "X-SPOUSE" || name == "X-EVOLUTION-SPOUSE" || name == "X-KADDRESSBOOK-X-SPOUSENAME"
        || name == "X-MS-SPOUSE" || name == "X-SPOUSE-NAME" || name == "X-KADDRESSBOOK-X-SPOUSESNAME";
}

bool isChildrenProperty(const QByteArray &name)
{
    return name == "X-CHILD" || name == "X-CHILDREN" || name == "X-MS-CHILD" || name == "X-EVOLUTION-CHILDREN"
        || name == "X-KADDRESSBOOK-X-CHILDREN";
}

QString labelled(const QString &caption, const QString &label)
{
    return label.isEmpty() ? caption : QString("%1 (%2)").arg(caption, label);
}

// The values of a list (NICKNAME, CATEGORIES, a part of N), each unescaped; empty ones left out.
QStringList listValues(const QString &value)
{
    QStringList values;
    for (const QString &v : UnescapedValue(value, QStringLiteral("\x1f")).split(u'\x1f'))
        if (!v.trimmed().isEmpty())
            values << v.trimmed();
    return values;
}

// What kind of value a property holds, in words: its X-ABLabel, else its TYPE values.
QString kindOf(const Property &p, const QString &groupLabel, QLatin1StringView left = {})
{
    if (!groupLabel.isEmpty())
        return groupLabel;
    QStringList types = p.types;
    if (!left.isEmpty())
        types.removeAll(left);
    return types.join(QStringLiteral(", "));
}

// A relation: spouse and children where the book has their fields, any other among the details.
void mapRelation(RecordBuilder &b, const Property &p, const QString &label)
{
    const QString name = UnescapedValue(p.value);
    const bool link = p.valueType == "uri" || name.startsWith(QLatin1String("urn:"))
        || name.contains(QLatin1String("://")) || name.startsWith(QLatin1String("mailto:"));
    const QString relation = label.isEmpty() ? p.types.join(' ') : label.toLower();
    if (!link && relation == QLatin1String("spouse"))
        b.addSpouse(name);
    else if (!link && relation == QLatin1String("child"))
        b.addChild(name);
    else if (!name.isEmpty())
        b.record.details.related << LabeledValue{label.isEmpty() ? p.types.join(QStringLiteral(", ")) : label, name};
}

// The type of image the bytes are, by their first bytes; empty when they are none of PNG, JPEG, GIF and WebP.
QString imageType(const QByteArray &data)
{
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("image/png");
    if (data.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("image/jpeg");
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return QStringLiteral("image/gif");
    if (data.size() >= 12 && data.startsWith("RIFF") && data.mid(8, 4) == "WEBP")
        return QStringLiteral("image/webp");
    return {};
}

// The photo of a card: inline bytes (base64, or a data: URI) that are an
// image no larger than the limit, or a link to one. Anything else is listed.
void mapPhoto(RecordBuilder &b, const Property &p)
{
    ContactPhoto &photo = b.record.details.photo;
    if (!photo.isEmpty()) {
        b.addUnplaced("Photo", "not imported (a second photo)");
        return;
    }
    if (!p.binary) {
        const QString uri = UnescapedValue(p.value);
        if (uri.isEmpty())
            return;
        if (uri.contains(u':'))
            photo.uri = uri;
        else
            b.addUnplaced("Photo", "not imported (neither an image nor a link to one)");
        return;
    }
    QByteArrayView encoded = p.raw;
    bool base64 = true;
    if (startsWithNoCase(encoded, "data:")) {
        const qsizetype comma = encoded.indexOf(',');
        base64 = comma > 0 && encoded.first(comma).toByteArray().toLower().contains(";base64");
        encoded = comma > 0 ? encoded.sliced(comma + 1) : QByteArrayView();
    }
    if ((base64 ? encoded.size() / 4 * 3 : encoded.size() / 3) > PhotoSizeLimit) {
        b.addUnplaced("Photo", QStringLiteral("not imported (larger than %1 MB)").arg(PhotoSizeLimit >> 20));
        return;
    }
    const QByteArray data = base64 ? QByteArray::fromBase64(encoded.toByteArray())
                                   : QByteArray::fromPercentEncoding(encoded.toByteArray());
    const QString type = imageType(data);
    if (data.size() > PhotoSizeLimit) {
        b.addUnplaced("Photo", QStringLiteral("not imported (larger than %1 MB)").arg(PhotoSizeLimit >> 20));
    } else if (type.isEmpty()) {
        b.addUnplaced("Photo", "not imported (not a PNG, JPEG, GIF or WebP image)");
    } else {
        photo.data = data;
        photo.mimeType = type;
    }
}

// A date of the card: kept whole, and when it is no date that exists, kept as
// text and told.
void mapDate(RecordBuilder &b, ContactDate &date, const Property &p, const QString &caption, const NoteSink &notes)
{
    const QString text = UnescapedValue(p.value);
    if (!date.isEmpty()) {
        b.addUnplaced(caption, text);
        return;
    }
    if (text.isEmpty())
        return;
    date = ContactDate::fromIso(text);
    if (!date.isValid())
        notes(LineNote(p.line, QCoreApplication::translate("Interchange", "%1 \"%2\" is no date; it was kept as "
                                                                          "text.")
                                   .arg(caption, text)));
}

// The services of the X- properties programs write instant-messaging addresses in.
QString messagingService(const QByteArray &name)
{
    if (name.startsWith("X-MESSAGING/") && name.endsWith("-ALL")) // X-MESSAGING/XMPP-ALL
        return QString::fromLatin1(name.sliced(12).chopped(4)).toLower();
    static const QHash<QByteArray, QString> services = {
        {"X-AIM", "aim"},     {"X-JABBER", "jabber"}, {"X-SKYPE", "skype"}, {"X-SKYPE-USERNAME", "skype"},
        {"X-ICQ", "icq"},     {"X-MSN", "msn"},       {"X-YAHOO", "yahoo"}, {"X-GADUGADU", "gadugadu"},
        {"X-GOOGLE-TALK", "gtalk"}, {"X-GTALK", "gtalk"}, {"X-QQ", "qq"}, {"X-TWITTER", "twitter"},
        {"X-MS-IMADDRESS", "im"},   {"X-KADDRESSBOOK-X-IMADDRESS", "im"},
    };
    return services.value(name);
}

// The relation of the X- properties programs write a manager or an assistant in.
QString relationOf(const QByteArray &name)
{
    static const QHash<QByteArray, QString> relations = {
        {"X-MS-MANAGER", "manager"},     {"X-EVOLUTION-MANAGER", "manager"},
        {"X-KADDRESSBOOK-X-MANAGERSNAME", "manager"}, {"X-MS-ASSISTANT", "assistant"},
        {"X-EVOLUTION-ASSISTANT", "assistant"}, {"X-KADDRESSBOOK-X-ASSISTANTSNAME", "assistant"},
        {"X-ASSISTANT", "assistant"},    {"X-MANAGER", "manager"},
    };
    return relations.value(name);
}

// Whether a whole name names the person of these name parts: it holds the
// family and the given name that they give.
bool agrees(const QString &wholeName, const QStringList &parts)
{
    const QString last = part(parts, 0);
    const QString first = part(parts, 1);
    if (last.isEmpty() && first.isEmpty())
        return false;
    return wholeName.contains(last, Qt::CaseInsensitive) && wholeName.contains(first, Qt::CaseInsensitive);
}

// The letters and digits of a text, case-folded: names compared without their punctuation and spacing.
QString letters(const QString &text)
{
    QString out;
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            out += c.toCaseFolded();
    return out;
}

// Whether a whole name is one that the name parts make, in one of the orders programs put them.
bool madeOfParts(const QString &wholeName, const ContactRecord &r)
{
    const ContactDetails &d = r.details;
    const QString whole = letters(wholeName);
    for (const QString &made : {joined({r.title, d.namePrefix, r.firstName, d.middleName, r.lastName, d.nameSuffix}, " "),
                                joined({r.firstName, d.middleName, r.lastName}, " "),
                                joined({r.firstName, r.lastName}, " "),
                                joined({r.title, r.firstName, r.lastName}, " "),
                                joined({r.lastName, r.firstName, d.middleName}, " ")})
        if (letters(made) == whole)
            return true;
    return false;
}

// The N property that names the card: the first that agrees with FN, else the first.
const Property *chosenName(const std::vector<Property> &properties)
{
    QString wholeName;
    for (const Property &p : properties)
        if (p.name == "FN" && wholeName.isEmpty())
            wholeName = UnescapedValue(p.value);
    const Property *first = nullptr;
    for (const Property &p : properties) {
        if (p.name != "N" || !p.undecodable.isEmpty())
            continue;
        if (agrees(wholeName, StructuredParts(p.value)))
            return &p;
        if (!first)
            first = &p;
    }
    return first;
}

// Whether the whole name of a card is another of its values (the company, an
// e-mail address, a number), which programs put in FN when a card has no name.
bool isNoName(const QString &wholeName, const ContactRecord &record)
{
    for (const ContactField &f : ContactFields())
        if (wholeName.compare(record.*f.member, Qt::CaseInsensitive) == 0)
            return true;
    for (const PhoneNumber &t : record.telephones)
        if (wholeName == t.number)
            return true;
    return false;
}

ContactRecord mapCard(const std::vector<Property> &properties, qsizetype line, const NoteSink &notes)
{
    RecordBuilder b(line);
    ContactRecord &r = b.record;
    ContactDetails &d = r.details;
    QHash<QByteArray, QString> labels;
    for (const Property &p : properties)
        if (p.name == "X-ABLABEL" && !p.group.isEmpty())
            labels.insert(p.group, WordsOfLabel(UnescapedValue(p.value)));

    const Property *name = chosenName(properties);
    QString wholeName;
    bool haveNameParts = false;
    bool haveAddress = false;
    bool haveOrganisation = false;
    QList<QPair<QString, QString>> addressLabels; // kind of address, text
    for (const Property &p : properties) {
        const QString label = p.group.isEmpty() ? QString() : labels.value(p.group);
        if (isIgnored(p.name))
            continue;
        if (!p.undecodable.isEmpty()) {
            notes(LineNote(p.line, QCoreApplication::translate(
                                       "Interchange", "%1 is in the character set \"%2\", which this program "
                                                      "cannot read; not imported.")
                                       .arg(caption(p.name), QString::fromLatin1(p.undecodable))));
        } else if (p.name == "PHOTO") {
            mapPhoto(b, p);
        } else if (p.binary) {
            b.addUnplaced(caption(p.name), "not imported (binary data)");
        } else if (p.name == "N") {
            const QStringList parts = StructuredParts(p.value);
            if (&p != name) {
                b.addUnplaced("Name", joined({part(parts, 3), part(parts, 1), part(parts, 2), part(parts, 0),
                                              part(parts, 4)}, " "));
                continue;
            }
            r.lastName = part(parts, 0);
            r.firstName = part(parts, 1);
            QStringList prefixes = listValues(parts.value(3));
            r.title = prefixes.isEmpty() ? QString() : prefixes.takeFirst();
            d.namePrefix = prefixes.join(u' ');
            d.middleName = listValues(parts.value(2)).join(u' ');
            d.nameSuffix = listValues(parts.value(4)).join(u' ');
            haveNameParts = !(r.lastName.isEmpty() && r.firstName.isEmpty() && r.title.isEmpty());
        } else if (p.name == "FN") {
            if (wholeName.isEmpty())
                wholeName = UnescapedValue(p.value);
        } else if (p.name == "NICKNAME") {
            d.nicknames << listValues(p.value);
        } else if (p.name == "CATEGORIES") {
            d.categories << listValues(p.value);
        } else if (p.name == "ORG") {
            const QStringList parts = StructuredParts(p.value);
            if (haveOrganisation) {
                b.addUnplaced("Company", part(parts, 0, QStringLiteral(",")));
                for (qsizetype i = 1; i < parts.size(); ++i)
                    b.addUnplaced("Department", part(parts, i, QStringLiteral(",")));
                continue;
            }
            haveOrganisation = true;
            r.company = part(parts, 0, QStringLiteral(","));
            for (qsizetype i = 1; i < parts.size(); ++i)
                if (const QString unit = part(parts, i, QStringLiteral(",")); !unit.isEmpty())
                    d.orgUnits << unit;
        } else if (p.name == "TITLE" && d.jobTitle.isEmpty()) {
            d.jobTitle = UnescapedValue(p.value);
        } else if (p.name == "ROLE" && d.role.isEmpty()) {
            d.role = UnescapedValue(p.value);
        } else if (p.name == "NOTE") {
            const QString note = UnescapedValue(p.value);
            if (!note.isEmpty())
                d.note = d.note.isEmpty() ? note : d.note + u'\n' + note;
        } else if (p.name == "BDAY") {
            mapDate(b, d.birthday, p, caption(p.name), notes);
        } else if (p.name == "ANNIVERSARY" || p.name == "X-ANNIVERSARY" || p.name == "X-EVOLUTION-ANNIVERSARY"
                   || p.name == "X-MS-ANNIVERSARY" || p.name == "X-KADDRESSBOOK-X-ANNIVERSARY"
                   || (p.name == "X-ABDATE" && label.compare(QLatin1String("Anniversary"), Qt::CaseInsensitive) == 0)) {
            mapDate(b, d.anniversary, p, caption("ANNIVERSARY"), notes);
        } else if (p.name == "URL" || p.name == "X-KADDRESSBOOK-BLOGFEED") {
            if (const QString url = UnescapedValue(p.value); !url.isEmpty())
                d.webAddresses << LabeledValue{p.name == "URL" ? kindOf(p, label) : QStringLiteral("blog"), url};
        } else if (p.name == "X-KADDRESSBOOK-X-DEPARTMENT" && d.orgUnits.isEmpty()) {
            d.orgUnits = listValues(p.value);
        } else if (const QString relation = relationOf(p.name); !relation.isEmpty()) {
            if (const QString who = UnescapedValue(p.value); !who.isEmpty())
                d.related << LabeledValue{relation, who};
        } else if (p.name == "IMPP") {
            const QString address = UnescapedValue(p.value);
            const qsizetype colon = address.indexOf(u':');
            if (!address.isEmpty())
                d.messaging << LabeledValue{!p.serviceType.isEmpty() ? p.serviceType
                                                : !label.isEmpty()    ? label
                                                : colon > 0           ? address.left(colon).toLower()
                                                                      : p.types.join(QStringLiteral(", ")),
                                            address};
        } else if (const QString service = messagingService(p.name); !service.isEmpty()) {
            if (const QString address = UnescapedValue(p.value); !address.isEmpty())
                d.messaging << LabeledValue{service, address};
        } else if (p.name == "X-SOCIALPROFILE") {
            if (const QString profile = UnescapedValue(p.value); !profile.isEmpty())
                d.social << LabeledValue{kindOf(p, label), profile};
        } else if (p.name == "ADR") {
            const QStringList parts = StructuredParts(p.value);
            PostalAddress a;
            a.label = label.isEmpty() ? p.types.join(", ") : label;
            a.poBox = part(parts, 0, QStringLiteral(", "));
            a.extended = part(parts, 1, QStringLiteral(", "));
            a.street = part(parts, 2, QStringLiteral(", "));
            a.city = part(parts, 3, QStringLiteral(", "));
            a.state = part(parts, 4, QStringLiteral(", "));
            a.zipCode = part(parts, 5, QStringLiteral(", "));
            a.country = part(parts, 6, QStringLiteral(", "));
            a.preferred = p.preferred;
            if (a.isEmpty()) {
                if (!p.label.trimmed().isEmpty())
                    addressLabels << qMakePair(a.label, p.label);
            } else {
                haveAddress = true;
                b.addAddress(a);
            }
        } else if (p.name == "LABEL") {
            addressLabels << qMakePair(label.isEmpty() ? p.types.join(", ") : label, UnescapedValue(p.value));
        } else if (p.name == "EMAIL") {
            b.addEmail(UnescapedValue(p.value), p.preferred, kindOf(p, label, QLatin1StringView("internet")));
        } else if (p.name == "TEL") {
            QString number = UnescapedValue(p.value);
            if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
                // A tel: URI (RFC 3966): the number as it is dialled and its
                // extension; its other parameters say nothing to a reader.
                const QStringList parts = number.mid(4).split(u';');
                number = QUrl::fromPercentEncoding(parts.first().toUtf8());
                for (const QString &param : parts.mid(1))
                    if (param.startsWith(QLatin1String("ext="), Qt::CaseInsensitive))
                        number += QLatin1String(" ext. ") + QUrl::fromPercentEncoding(param.mid(4).toUtf8());
            }
            const QString type = !label.isEmpty() ? label
                : !p.label.trimmed().isEmpty()    ? WordsOfLabel(p.label)
                                                  : TypeWordsFor(p.types);
            b.addTelephone(type, number);
        } else if (p.name == "RELATED" || p.name == "X-ABRELATEDNAMES") {
            mapRelation(b, p, label);
        } else if (isSpouseProperty(p.name)) {
            b.addSpouse(UnescapedValue(p.value));
        } else if (isChildrenProperty(p.name)) {
            b.addChild(UnescapedValue(p.value, QStringLiteral(", ")));
        } else {
            b.addUnplaced(labelled(caption(p.name), label), UnescapedValue(p.value, QStringLiteral(", ")));
        }
    }
    // An address given only as its printed lines (LABEL), where the card has no ADR that says it in parts.
    for (const auto &[kind, text] : std::as_const(addressLabels)) {
        if (haveAddress)
            break;
        PostalAddress a;
        if (SplitAddressLabel(text, a)) {
            a.label = kind;
            b.addAddress(a);
        } else {
            b.addUnplaced(labelled("Address", kind), text);
        }
    }
    ContactRecord record = b.finish();
    if (!haveNameParts && !wholeName.isEmpty() && !isNoName(wholeName, record))
        SplitWholeName(wholeName, record);
    else if (haveNameParts && !wholeName.isEmpty() && !madeOfParts(wholeName, record))
        record.details.displayName = wholeName;
    return record;
}

// Whether a card describes a group of contacts rather than one (KIND:group).
bool isGroupCard(const std::vector<Property> &properties, QString &groupName)
{
    bool group = false;
    for (const Property &p : properties) {
        if ((p.name == "KIND" || p.name == "X-ADDRESSBOOKSERVER-KIND")
            && UnescapedValue(p.value).compare(QLatin1String("group"), Qt::CaseInsensitive) == 0)
            group = true;
        if (p.name == "FN" && groupName.isEmpty())
            groupName = UnescapedValue(p.value);
    }
    return group;
}

bool isLine(const QByteArray &text, const char *expected)
{
    return text.trimmed().compare(expected, Qt::CaseInsensitive) == 0;
}

} // namespace

bool LooksLikeVCard(const QByteArray &data)
{
    QByteArrayView rest(data);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    rest = rest.trimmed();
    while (rest.startsWith('#')) { // comment lines before the first card
        const qsizetype end = rest.indexOf('\n');
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1).trimmed();
    }
    return startsWithNoCase(rest, "BEGIN:VCARD");
}

void ReadVCards(ByteChunks &chunks, const NoteSink &said, const RecordSink &each, const UndeclaredCharset &undeclared)
{
    bool guessed = false; // some text was read in the undeclared set, told once
    const ReadLimits limits = CurrentReadLimits();
    LineSource source(chunks, said);
    QByteArray text;
    qsizetype line = 0;
    qsizetype cardLine = 0; // 0 outside a card
    qsizetype nested = 0; // the depth of cards within the card
    qsizetype nestedLine = 0;
    std::vector<Property> properties;
    qsizetype cardLines = 0; // the lines of the card, properties or not
    qint64 cardBytes = 0;    // the text of its properties
    bool oversized = false;  // the card is larger than any contact, skipped to its END:VCARD
    // Lines outside any card (text before the first, a garbled BEGIN) are
    // skipped and listed a run at a time; a file of nothing but such lines is
    // no vCard file at all.
    bool anyCard = false;
    qsizetype strayFrom = 0, strayTo = 0;
    QString strayText;
    const auto listStray = [&] {
        if (strayFrom == 0)
            return;
        said(LineNote(strayFrom, strayFrom == strayTo
                                     ? QCoreApplication::translate("Interchange", "\"%1\" stands outside any card; "
                                                                                  "skipped.")
                                           .arg(strayText)
                                     : QCoreApplication::translate("Interchange", "\"%1\" and the lines after it up "
                                                                                  "to line %2 stand outside any card; "
                                                                                  "skipped.")
                                           .arg(strayText)
                                           .arg(strayTo)));
        strayFrom = 0;
    };
    // The card that is read, taken as a contact (or listed as a group).
    const auto finishCard = [&] {
        QString groupName;
        if (isGroupCard(properties, groupName)) {
            said(LineNote(cardLine, QCoreApplication::translate(
                                        "Interchange", "the group \"%1\" is a list of contacts, not a "
                                                       "contact; not imported.")
                                        .arg(groupName)));
        } else {
            ContactRecord record = mapCard(properties, cardLine, said);
            each(record, source.position());
        }
        cardLine = 0;
    };
    while (source.next(text, line)) {
        if (cardLine == 0) {
            if (!isLine(text, "BEGIN:VCARD")) {
                if (strayFrom == 0) {
                    strayFrom = line;
                    strayText = QString::fromUtf8(text.left(60)).trimmed();
                }
                strayTo = line;
                continue;
            }
            anyCard = true;
            listStray();
            cardLine = line;
            properties.clear();
            cardLines = 0;
            cardBytes = 0;
            continue;
        }
        if (oversized) {
            if (isLine(text, "BEGIN:VCARD")) {
                ++nested;
            } else if (isLine(text, "END:VCARD") && nested > 0) {
                --nested;
            } else if (isLine(text, "END:VCARD")) {
                cardLine = 0;
                oversized = false;
            }
            continue;
        }
        if (nested > 0) {
            if (isLine(text, "BEGIN:VCARD")) {
                ++nested;
            } else if (isLine(text, "END:VCARD") && --nested == 0) {
                said(LineNote(nestedLine, QCoreApplication::translate(
                                                 "Interchange", "a card within the card of line %1, up to line %2, "
                                                                "was skipped.")
                                                 .arg(cardLine)
                                                 .arg(line)));
            }
            continue;
        }
        if (isLine(text, "END:VCARD")) {
            finishCard();
            continue;
        }
        if (isLine(text, "BEGIN:VCARD")) {
            nested = 1;
            nestedLine = line;
            continue;
        }
        if (++cardLines > limits.cardProperties || (cardBytes += text.size()) > limits.cardBytes) {
            said(LineNote(cardLine, cardLines > limits.cardProperties
                                        ? QCoreApplication::translate(
                                              "Interchange", "the card has more than %1 lines, far more than any "
                                                             "contact has; skipped.")
                                              .arg(limits.cardProperties)
                                        : QCoreApplication::translate(
                                              "Interchange", "the card holds more than %1 MB of text, far more than "
                                                             "any contact holds; skipped.")
                                              .arg(qMax<qsizetype>(limits.cardBytes >> 20, 1))));
            std::vector<Property>().swap(properties);
            oversized = true;
            continue;
        }
        const qsizetype colon = NameEnd(text);
        if (colon <= 0) {
            said(LineNote(line, QCoreApplication::translate(
                                    "Interchange", "\"%1\" is not a vCard property (it has no name and ':'); "
                                                   "skipped.")
                                    .arg(QString::fromUtf8(text.left(60)).trimmed())));
            continue;
        }
        const bool guessedBefore = guessed;
        properties.push_back(parseProperty(text, colon, line, undeclared, guessed));
        if (guessed && !guessedBefore)
            said(undeclared.note());
    }
    if (!anyCard && strayFrom != 0)
        throw LineError(strayFrom, QCoreApplication::translate(
                                       "Interchange", "\"%1\" stands where a card should begin with BEGIN:VCARD. This "
                                                      "is not a vCard file, or it is damaged.")
                                       .arg(strayText));
    listStray();
    if (cardLine == 0 || oversized)
        return;
    // The last card lacks its END:VCARD: it ends where the file does.
    if (nested > 0)
        said(LineNote(nestedLine, QCoreApplication::translate(
                                      "Interchange", "a card within the card of line %1, up to the end of the file, "
                                                     "was skipped.")
                                      .arg(cardLine)));
    said(LineNote(cardLine, QCoreApplication::translate(
                                "Interchange", "the card has no END:VCARD; it was read up to the end of the file.")));
    finishCard();
}

std::vector<ContactRecord> ReadVCards(const QByteArray &data, QStringList *notes)
{
    std::vector<ContactRecord> records;
    BytesInMemory chunks(data);
    ReadVCards(chunks, [notes](const QString &note) { if (notes) *notes << note; },
               [&records](ContactRecord &record, qint64) { records.push_back(std::move(record)); });
    return records;
}

} // namespace varnelle::interchange
