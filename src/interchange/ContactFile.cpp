#include "interchange/ContactFile.h"

#include "interchange/CsvReader.h"
#include "interchange/VCardReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>

namespace varnelle::interchange {

namespace {

// UTF-16 without a byte order mark, told by its zero bytes: in text of the
// Latin letters every other byte is zero, the odd ones in little-endian order.
std::optional<QStringDecoder::Encoding> utf16WithoutMark(QByteArrayView bytes)
{
    const qsizetype n = qMin<qsizetype>(bytes.size(), 1024) & ~qsizetype(1);
    if (n < 4)
        return std::nullopt;
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        evenZeros += bytes[i] == 0;
        oddZeros += bytes[i + 1] == 0;
    }
    const qsizetype pairs = n / 2;
    if (oddZeros * 2 > pairs && evenZeros * 10 < pairs)
        return QStringDecoder::Utf16LE;
    if (evenZeros * 2 > pairs && oddZeros * 10 < pairs)
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

bool isBlank(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return bytes.trimmed().isEmpty();
}

} // namespace

std::vector<ContactRecord> ReadContacts(const QByteArray &data, const QString &fileName, QStringList *notes)
{
    QStringList unused;
    QStringList &said = notes ? *notes : unused;
    QByteArray bytes = data;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        bytes = QString(utf16(QByteArrayView(bytes).sliced(2))).toUtf8();
    } else if (const auto encoding = utf16WithoutMark(bytes)) {
        QStringDecoder utf16(*encoding);
        bytes = QString(utf16(bytes)).toUtf8();
    }
    // DOS programs end a text file with Ctrl+Z.
    qsizetype end = bytes.size();
    while (end > 0 && (bytes[end - 1] == '\x1A' || QChar::isSpace(uchar(bytes[end - 1]))))
        --end;
    if (const qsizetype mark = bytes.indexOf('\x1A', end); mark >= 0) {
        said << LineNote(bytes.first(mark).count('\n') + 1,
                         QCoreApplication::translate("Interchange",
                                                     "the end-of-file mark of DOS (Ctrl+Z) was skipped."));
        QByteArray tail = bytes.sliced(end);
        bytes.truncate(end);
        bytes += tail.replace("\x1A", "");
    }
    // Old Macintosh programs end lines with CR alone.
    if (!bytes.contains('\n') && bytes.contains('\r')) {
        bytes.replace('\r', '\n');
        said << QCoreApplication::translate("Interchange",
                                            "The lines of the file end with CR alone, as old Macintosh programs "
                                            "write them; they were read as lines.");
    }
    const QString name = QFileInfo(fileName).fileName();
    try {
        if (LooksLikeVCard(bytes) || name.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive)) {
            if (isBlank(bytes))
                throw InterchangeError(
                    QCoreApplication::translate("Interchange", "The file is empty: it holds no contacts."));
            return ReadVCards(bytes, &said);
        }
        return ReadCsvContacts(bytes);
    } catch (const InterchangeError &error) {
        if (name.isEmpty())
            throw;
        throw InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' cannot be imported. %2")
                                   .arg(name, error.message()));
    }
}

std::vector<ContactRecord> ReadContactFile(const QString &fileName, QStringList *notes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' cannot be read: %2.")
                                   .arg(QFileInfo(fileName).fileName(), file.errorString()));
    return ReadContacts(file.readAll(), fileName, notes);
}

} // namespace varnelle::interchange
