#include "interchange/ContactFile.h"

#include "interchange/ByteChunks.h"
#include "interchange/CsvReader.h"
#include "interchange/TextDecoding.h"
#include "interchange/VCardReader.h"
#include "common/FileFailure.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <exception>
#include <functional>
#include <optional>

namespace varnelle::interchange {

namespace {

// The head of a file read to tell its kind.
constexpr qint64 HeadBytes = 1 << 20;

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

// The text of a file from its start, made anew for each reading: its bytes
// as `rewind` gives them, UTF-16 decoded, CR line ends and a DOS
// end-of-file mark undone.
class FileText {
public:
    FileText(std::function<ByteChunks &()> rewind, std::optional<QStringDecoder::Encoding> utf16, bool crAlone)
        : mRewind(std::move(rewind)), mUtf16(utf16), mCrAlone(crAlone)
    {
    }

    ByteChunks &fromStart()
    {
        mPlain.reset();
        mDecoded.reset();
        ByteChunks &bytes = mRewind();
        return mPlain.emplace(mUtf16 ? mDecoded.emplace(bytes, *mUtf16) : bytes, mCrAlone);
    }
    // The bytes of the file read by the time `read` bytes of its text were handed over.
    qint64 sourcePosition(qint64 read) const { return mDecoded ? mDecoded->sourcePosition(read) : read; }
    qsizetype markLine() const { return mPlain ? mPlain->markLine() : 0; }

private:
    std::function<ByteChunks &()> mRewind;
    std::optional<QStringDecoder::Encoding> mUtf16;
    bool mCrAlone;
    std::optional<Utf16AsUtf8> mDecoded;
    std::optional<PlainLines> mPlain;
};

// Reads the contacts of a file's text, vCard or CSV as its head (its first
// megabyte, as UTF-8) tells.
void readText(QByteArrayView head, const QString &fileName, const std::function<ByteChunks &()> &rewind,
              const NoteSink &said, const RecordSink &each)
{
    const std::optional<QStringDecoder::Encoding> utf16 = utf16Of(head);
    const QByteArray headText = utf16 ? asUtf8(head, *utf16) : head.toByteArray();
    // Old Macintosh programs end lines with CR alone.
    const bool crAlone = !headText.contains('\n') && headText.contains('\r');
    if (crAlone)
        said(QCoreApplication::translate("Interchange",
                                         "The lines of the file end with CR alone, as old Macintosh programs "
                                         "write them; they were read as lines."));
    FileText text(rewind, utf16, crAlone);
    qsizetype records = 0;
    const RecordSink counted = [&](ContactRecord &record, qint64 read) {
        ++records;
        each(record, text.sourcePosition(read));
    };
    const RecordSink told = passingThrough(counted);
    const QString name = QFileInfo(fileName).fileName();
    if (LooksLikeVCard(headText) || name.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive)) {
        ReadVCards(text.fromStart(), said, told, UndeclaredCharsetOf(headText, true));
        if (records == 0 && isBlank(headText))
            throw InterchangeError(
                QCoreApplication::translate("Interchange", "The file is empty: it holds no contacts."));
    } else {
        const Charset charset = CheckCsvBytes(text.fromStart());
        const UndeclaredCharset undeclared =
            charset == Charset::Utf8 ? UndeclaredCharset() : UndeclaredCharsetOf(headText, false);
        if (!undeclared.isEmpty())
            said(undeclared.note());
        ReadCsvContacts(text.fromStart(), charset, told, undeclared);
    }
    // DOS programs end a text file with Ctrl+Z.
    if (text.markLine() > 0)
        said(LineNote(text.markLine(), QCoreApplication::translate(
                                           "Interchange", "the end-of-file mark of DOS (Ctrl+Z) was skipped.")));
}

NoteSink intoList(QStringList *notes)
{
    return [notes](const QString &note) {
        if (notes)
            *notes << note;
    };
}

} // namespace

void ReadContacts(const QByteArray &data, const QString &fileName, const NoteSink &notes, const RecordSink &each)
{
    std::optional<BytesInMemory> bytes;
    try {
        readText(QByteArrayView(data).first(qMin<qsizetype>(data.size(), HeadBytes)), fileName,
                 [&]() -> ByteChunks & { return bytes.emplace(data); }, notes, each);
    } catch (const FromSink &passed) {
        std::rethrow_exception(passed.error);
    } catch (const InterchangeError &error) {
        if (QFileInfo(fileName).fileName().isEmpty())
            throw;
        throw cannotImport(QFileInfo(fileName).fileName(), error);
    }
}

void ReadContacts(const QByteArray &data, const QString &fileName, QStringList *notes, const RecordSink &each)
{
    ReadContacts(data, fileName, intoList(notes), each);
}

std::vector<ContactRecord> ReadContacts(const QByteArray &data, const QString &fileName, QStringList *notes)
{
    std::vector<ContactRecord> records;
    ReadContacts(data, fileName, notes,
                 [&records](ContactRecord &record, qint64) { records.push_back(std::move(record)); });
    return records;
}

void ReadContactFile(const QString &fileName, const NoteSink &notes, const RecordSink &each)
{
    QFile file(fileName);
    const QString name = QFileInfo(fileName).fileName();
    auto cannotRead = [&](const QString &cause) {
        return InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' cannot be read: %2.")
                                    .arg(name, cause));
    };
    // A pipe would wait for a writer, a device give bytes without end: only a regular file is read.
    if (const QString notAFile = NotAFile(fileName); !notAFile.isEmpty())
        throw cannotRead(notAFile);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotRead(file.errorString());
    BytesOfDevice bytes(file);
    const QByteArray head = file.read(HeadBytes);
    try {
        readText(head, fileName,
                 [&]() -> ByteChunks & {
                     if (!file.seek(0))
                         throw cannotRead(file.errorString());
                     return bytes;
                 },
                 notes, each);
    } catch (const FromSink &passed) {
        std::rethrow_exception(passed.error);
    } catch (const InterchangeError &error) {
        throw cannotImport(name, error);
    }
}

void ReadContactFile(const QString &fileName, QStringList *notes, const RecordSink &each)
{
    ReadContactFile(fileName, intoList(notes), each);
}

std::vector<ContactRecord> ReadContactFile(const QString &fileName, QStringList *notes)
{
    std::vector<ContactRecord> records;
    ReadContactFile(fileName, notes,
                    [&records](ContactRecord &record, qint64) { records.push_back(std::move(record)); });
    return records;
}

} // namespace varnelle::interchange
