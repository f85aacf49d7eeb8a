#include "interchange/TextDecoding.h"

#include <QStringDecoder>

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
