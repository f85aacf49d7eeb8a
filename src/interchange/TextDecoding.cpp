#include "interchange/TextDecoding.h"

#include <algorithm>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringDecoder>

#include <unicode/ucsdet.h>

namespace varnelle::interchange {

namespace {

// Windows-1252 from 0x80 to 0x9F; the rest is ISO-8859-1.
const char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString windows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(Windows1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

} // namespace

Charset CharsetNamed(QByteArrayView name)
{
    const QByteArray n = name.toByteArray().trimmed().toLower();
    if (n == "utf-8" || n == "utf8")
        return Charset::Utf8;
    if (n == "us-ascii" || n == "ascii" || n == "iso-8859-1" || n == "iso8859-1" || n == "latin1"
        || n == "iso_8859-1" || n == "latin-1")
        return Charset::Latin1;
    if (n == "windows-1252" || n == "cp1252" || n == "x-cp1252" || n == "windows1252")
        return Charset::Windows1252;
    return Charset::Unknown;
}

QString Decode(QByteArrayView bytes, Charset charset)
{
    switch (charset) {
    case Charset::Latin1:
        return QString::fromLatin1(bytes);
    case Charset::Windows1252:
        return windows1252(bytes);
    case Charset::Utf8:
    case Charset::Unknown:
        break;
    }
    bool ascii = true;
    for (const char c : bytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? windows1252(bytes) : text;
}

std::optional<QString> DecodeNamed(QByteArrayView bytes, QByteArrayView charsetName)
{
    if (const Charset known = CharsetNamed(charsetName); known != Charset::Unknown)
        return Decode(bytes, known);
    QStringDecoder decoder(charsetName.toByteArray().trimmed().constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString UndeclaredCharset::note() const
{
    return detected ? QCoreApplication::translate("Interchange",
                                                  "Text that names no character set and is not UTF-8 was read as "
                                                  "%1, the set its bytes suggest.")
                          .arg(QString::fromLatin1(name))
                    : QCoreApplication::translate("Interchange",
                                                  "Text that names no character set and is not UTF-8 was read as "
                                                  "%1, the set the file names for other values.")
                          .arg(QString::fromLatin1(name));
}

QByteArray DetectCharset(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    UErrorCode status = U_ZERO_ERROR;
    UCharsetDetector *detector = ucsdet_open(&status);
    if (U_FAILURE(status))
        return {};
    const auto closing = qScopeGuard([detector] { ucsdet_close(detector); });
    ucsdet_setText(detector, bytes.data(), int32_t(qMin<qsizetype>(bytes.size(), 1 << 20)), &status);
    const UCharsetMatch *match = ucsdet_detect(detector, &status);
    if (U_FAILURE(status) || !match)
        return {};
    const int32_t confidence = ucsdet_getConfidence(match, &status);
    const char *found = ucsdet_getName(match, &status);
    if (U_FAILURE(status) || !found)
        return {};
    QByteArray name(found);
    if (name == "UTF-8" || name.startsWith("UTF-16") || name.startsWith("UTF-32"))
        return {};
    if (name == "ISO-8859-1")
        name = "windows-1252";
    // The sets of Latin letters are told apart by few bytes; short text takes
    // one for another easily, so they need more confidence than the others.
    static const QList<QByteArray> latin = {"windows-1252", "ISO-8859-2", "ISO-8859-9", "windows-1250",
                                            "windows-1254"};
    constexpr int32_t Enough = 10, EnoughForLatin = 50;
    if (confidence < (latin.contains(name) ? EnoughForLatin : Enough))
        return {};
    if (!QStringDecoder(name.constData()).isValid())
        return {};
    return name;
}

UndeclaredCharset UndeclaredCharsetOf(QByteArrayView head, bool vCard)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return {};
    if (vCard) {
        // Quoted-printable values hold their 8-bit text in ASCII: the set is looked for in any case.
        static const QRegularExpression named(QStringLiteral("[;:]CHARSET=\"?([A-Za-z0-9_.-]+)"),
                                              QRegularExpression::CaseInsensitiveOption);
        const QString text = QString::fromLatin1(head);
        for (auto m = named.globalMatch(text); m.hasNext();) {
            const QByteArray name = m.next().captured(1).toLatin1();
            const Charset known = CharsetNamed(name);
            if (known != Charset::Utf8 && QStringDecoder(name.constData()).isValid())
                return {known == Charset::Unknown ? name : QByteArray("windows-1252"), false};
        }
    }
    // The lines that hold 8-bit text that is not UTF-8: what the detection reads.
    QByteArray eightBit;
    for (qsizetype start = 0; start < head.size();) {
        const qsizetype newline = head.indexOf('\n', start);
        const qsizetype end = newline < 0 ? head.size() : newline;
        const QByteArrayView line = head.sliced(start, end - start);
        start = end + 1;
        if (std::all_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x80; }))
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)QString(utf8(line));
        if (utf8.hasError())
            eightBit += line.toByteArray() + '\n';
    }
    // Windows-1252 is what such text is read as anyway.
    const QByteArray detected = DetectCharset(eightBit);
    return {detected == "windows-1252" ? QByteArray() : detected, true};
}

QString DecodeUndeclared(QByteArrayView bytes, const UndeclaredCharset &charset, bool *used)
{
    if (charset.isEmpty())
        return Decode(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    if (const std::optional<QString> named = DecodeNamed(bytes, charset.name)) {
        if (used)
            *used = true;
        return *named;
    }
    return Decode(bytes);
}

void Utf8Check::add(QByteArrayView piece)
{
    if (mDecoder.hasError())
        return;
    mScratch.resize(mDecoder.requiredSpace(piece.size()));
    mDecoder.appendToBuffer(mScratch.data(), piece);
}

bool Utf8Check::isUtf8()
{
    // A sequence cut off at the end is no UTF-8 either: a line break after it is then an error.
    add("\n");
    return !mDecoder.hasError();
}

qsizetype FirstControlByte(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n')
            return i;
    }
    return -1;
}

} // namespace varnelle::interchange
