#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace varnelle::interchange {

// The character sets contact files are written in.
enum class Charset { Utf8, Latin1, Windows1252, Unknown };

// The character set of a CHARSET= name in its common spellings ("UTF-8",
// "us-ascii", "ISO-8859-1", "windows-1252", "cp1252"); Unknown for others.
Charset CharsetNamed(QByteArrayView name);

// The bytes as text in the character set. UTF-8 that is not valid UTF-8 is
// read as Windows-1252, which is what older programs mean by it.
QString Decode(QByteArrayView bytes, Charset charset = Charset::Utf8);

// The bytes in the character set of that name, through the converters Qt
// has (with ICU, nearly every set in use: "Shift_JIS", "KOI8-R", "GB18030");
// nothing when the name is unknown or the bytes are not text in that set.
std::optional<QString> DecodeNamed(QByteArrayView bytes, QByteArrayView charsetName);

// The character set for the 8-bit text of a file that declares none and is
// not UTF-8: the set the file names for other values (a CHARSET= of a vCard
// property), else the one ICU's charset detection finds in its 8-bit lines;
// empty for neither, when such text is read as Windows-1252.
struct UndeclaredCharset {
    QByteArray name;       // as QStringDecoder knows it ("Shift_JIS", "windows-1251")
    bool detected = false; // found by the detection, not named by the file

    bool isEmpty() const { return name.isEmpty(); }
    // The summary's line about text read in this set.
    QString note() const;
};

// Decides it from the head of a file (its first megabyte), a vCard file or
// a CSV file. A head that is UTF-8 throughout, or holds no 8-bit text, has none.
UndeclaredCharset UndeclaredCharsetOf(QByteArrayView head, bool vCard);

// The character set ICU's detection takes the bytes for, when it is sure
// enough of it, named as QStringDecoder knows it; ISO-8859-1 is named
// windows-1252, which is what programs mean by it. Empty for UTF-8 and
// for bytes it cannot tell.
QByteArray DetectCharset(QByteArrayView bytes);

// Bytes of text that declares no character set: UTF-8 when they are, else
// in the set (`used` is set), else Windows-1252.
QString DecodeUndeclared(QByteArrayView bytes, const UndeclaredCharset &charset, bool *used = nullptr);

// Whether bytes given a piece at a time are UTF-8 throughout, as Decode()
// reads them, without holding them whole.
class Utf8Check {
public:
    void add(QByteArrayView piece);
    // Whether all the pieces were UTF-8; ends the check.
    bool isUtf8();

private:
    QStringDecoder mDecoder{QStringDecoder::Utf8};
    QString mScratch;
};

// Bytes 0x00-0x1F other than tab, CR and LF: the first one's offset, or -1.
qsizetype FirstControlByte(QByteArrayView bytes);

} // namespace varnelle::interchange
