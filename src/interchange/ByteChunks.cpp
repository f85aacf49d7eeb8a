#include "interchange/ByteChunks.h"

#include "interchange/ContactRecord.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace varnelle::interchange {

namespace {

constexpr qint64 ChunkBytes = 1 << 20;
// A run of Ctrl+Z and spaces longer than this is no end-of-file mark: it is handed on as it is.
constexpr qsizetype MostHeld = 1 << 20;

bool isMarkOrSpace(char c)
{
    return c == '\x1A' || QChar::isSpace(uchar(c));
}

} // namespace

bool BytesInMemory::appendTo(QByteArray &out)
{
    if (mGiven)
        return false;
    mGiven = true;
    if (out.isEmpty())
        out = std::move(mData);
    else
        out += mData;
    mData = QByteArray();
    return true;
}

bool BytesOfDevice::appendTo(QByteArray &out)
{
    const qsizetype before = out.size();
    out.resize(before + ChunkBytes);
    const qint64 read = mDevice.read(out.data() + before, ChunkBytes);
    out.resize(before + qMax<qint64>(read, 0));
    if (read < 0) {
        const auto *file = qobject_cast<QFileDevice *>(&mDevice);
        throw InterchangeError(QCoreApplication::translate("Interchange", "The file '%1' cannot be read: %2.")
                                   .arg(file ? QFileInfo(file->fileName()).fileName() : QString(),
                                        mDevice.errorString()));
    }
    return read > 0;
}

bool Utf16AsUtf8::appendTo(QByteArray &out)
{
    mPiece.clear();
    if (!mSource.appendTo(mPiece))
        return false;
    const QByteArray utf8 = QString(mDecoder(mPiece)).toUtf8();
    mSourceBytes += mPiece.size();
    mUtf8Bytes += utf8.size();
    out += utf8;
    return true;
}

qint64 Utf16AsUtf8::sourcePosition(qint64 utf8Bytes) const
{
    if (mUtf8Bytes == 0)
        return 0;
    return qint64(double(utf8Bytes) * double(mSourceBytes) / double(mUtf8Bytes));
}

void PlainLines::hand(QByteArray &out, QByteArrayView bytes)
{
    mLines += bytes.count('\n');
    out += bytes;
}

bool PlainLines::appendTo(QByteArray &out)
{
    if (mDone)
        return false;
    QByteArray piece = std::exchange(mHeld, QByteArray());
    const qsizetype held = piece.size();
    if (!mSource.appendTo(piece)) {
        // The text ends: what was held is its end, and each Ctrl+Z in it the mark.
        mDone = true;
        if (const qsizetype mark = piece.indexOf('\x1A'); mark >= 0) {
            mMarkLine = mLines + QByteArrayView(piece).first(mark).count('\n') + 1;
            piece.replace("\x1A", "");
        }
        hand(out, piece);
        return true;
    }
    if (mCrAlone)
        std::replace(piece.begin() + held, piece.end(), '\r', '\n');
    // Held from the first Ctrl+Z after the last byte that is neither a mark nor a space.
    qsizetype end = piece.size();
    while (end > 0 && isMarkOrSpace(piece[end - 1]))
        --end;
    const qsizetype mark = piece.indexOf('\x1A', end);
    if (mark < 0 || piece.size() - mark > MostHeld) {
        hand(out, piece);
        return true;
    }
    hand(out, QByteArrayView(piece).first(mark));
    mHeld = piece.sliced(mark);
    return true;
}

} // namespace varnelle::interchange
