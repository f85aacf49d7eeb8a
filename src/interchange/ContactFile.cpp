#include "interchange/ContactFile.h"

#include "interchange/ByteChunks.h"
#include "interchange/CsvReader.h"
#include "interchange/VCardReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <exception>
#include <optional>

namespace varnelle::interchange {

namespace {

// The head of a file read to tell its kind, and the tail read to see how it ends.
constexpr qint64 HeadBytes = 1 << 20;
constexpr qint64 TailBytes = 1 << 16;

// What `each` threw, carried past the reader's own failures.
struct FromSink {
    std::exception_ptr error;
};

// Hands records to each, so that what it throws is told apart from the reader's faults.
RecordSink passingThrough(const RecordSink &each)
{
    return [&each](ContactRecord &record, qint64 bytesRead) {
        try {
            each(record, bytesRead);
        } catch (...) {
            throw FromSink{std::current_exception()};
        }
    };
}

// InterchangeError naming the file, for a fault of the reader.
InterchangeError cannotImport(const QString &name, const InterchangeError &error)
{
    return InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' cannot be imported. %2")
                                .arg(name, error.message()));
}

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

// The UTF-16 a file is in, told by its byte order mark or by its zero bytes; nothing for any other file.
std::optional<QStringDecoder::Encoding> utf16Of(QByteArrayView head)
{
    if (head.startsWith("\xFF\xFE"))
        return QStringDecoder::Utf16LE;
    if (head.startsWith("\xFE\xFF"))
        return QStringDecoder::Utf16BE;
    return utf16WithoutMark(head);
}

// UTF-16 as UTF-8, without its byte order mark.
QByteArray asUtf8(QByteArrayView utf16, QStringDecoder::Encoding encoding)
{
    return QString(QStringDecoder(encoding)(utf16)).toUtf8();
}

bool isBlank(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return bytes.trimmed().isEmpty();
}

} // namespace

void ReadContacts(const QByteArray &data, const QString &fileName, QStringList *notes, const RecordSink &each)
{
    QStringList unused;
    QStringList &said = notes ? *notes : unused;
    QByteArray bytes = data;
    if (const auto utf16 = utf16Of(bytes))
        bytes = asUtf8(bytes, *utf16);
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
            BytesInMemory chunks(bytes);
            bytes.clear();
            ReadVCards(chunks, said, passingThrough(each));
        } else {
            ReadCsvContacts(bytes, passingThrough(each));
        }
    } catch (const FromSink &passed) {
        std::rethrow_exception(passed.error);
    } catch (const InterchangeError &error) {
        if (name.isEmpty())
            throw;
        throw cannotImport(name, error);
    }
}

std::vector<ContactRecord> ReadContacts(const QByteArray &data, const QString &fileName, QStringList *notes)
{
    std::vector<ContactRecord> records;
    ReadContacts(data, fileName, notes,
                 [&records](ContactRecord &record, qint64) { records.push_back(std::move(record)); });
    return records;
}

void ReadContactFile(const QString &fileName, QStringList *notes, const RecordSink &each)
{
    QFile file(fileName);
    const QString name = QFileInfo(fileName).fileName();
    auto cannotRead = [&] {
        return InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' cannot be read: %2.")
                                    .arg(name, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        throw cannotRead();
    // A file whose lines end in LF and that ends plainly is read a piece at a
    // time, UTF-16 decoded as it comes; any other file is read whole and made
    // plain first. Head and tail tell which, seen as the UTF-8 they give.
    const qint64 size = file.size();
    const QByteArray head = file.read(HeadBytes);
    const bool whole = head.size() == size;
    const QByteArray tail = whole ? head : (file.seek(qMax(size - TailBytes, qint64(0))), file.read(TailBytes));
    const std::optional<QStringDecoder::Encoding> utf16 = utf16Of(head);
    const QByteArray headText = utf16 ? asUtf8(head, *utf16) : head;
    const QByteArray tailText = utf16 ? asUtf8(tail, *utf16) : tail;
    qsizetype plainEnd = tailText.size();
    while (plainEnd > 0 && (tailText[plainEnd - 1] == '\x1A' || QChar::isSpace(uchar(tailText[plainEnd - 1]))))
        --plainEnd;
    const bool plain = headText.contains('\n') && plainEnd > 0 && !tailText.sliced(plainEnd).contains('\x1A')
        && !isBlank(headText);
    if (!plain || whole) {
        if (!whole && !file.seek(0))
            throw cannotRead();
        ReadContacts(whole ? head : file.readAll(), fileName, notes, each);
        return;
    }
    QStringList unused;
    QStringList &said = notes ? *notes : unused;
    BytesOfDevice bytes(file);
    std::optional<Utf16AsUtf8> decoded;
    auto fromStart = [&]() -> ByteChunks & {
        if (!file.seek(0))
            throw cannotRead();
        if (!utf16)
            return bytes;
        decoded.emplace(bytes, *utf16);
        return *decoded;
    };
    const RecordSink told = [&](ContactRecord &record, qint64 read) {
        each(record, decoded ? decoded->sourcePosition(read) : read);
    };
    try {
        if (LooksLikeVCard(headText) || fileName.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive)) {
            ReadVCards(fromStart(), said, passingThrough(told));
            return;
        }
        const Charset charset = CheckCsvBytes(fromStart());
        ReadCsvContacts(fromStart(), charset, passingThrough(told));
    } catch (const FromSink &passed) {
        std::rethrow_exception(passed.error);
    } catch (const InterchangeError &error) {
        throw cannotImport(name, error);
    }
}

std::vector<ContactRecord> ReadContactFile(const QString &fileName, QStringList *notes)
{
    std::vector<ContactRecord> records;
    ReadContactFile(fileName, notes,
                    [&records](ContactRecord &record, qint64) { records.push_back(std::move(record)); });
    return records;
}

} // namespace varnelle::interchange
