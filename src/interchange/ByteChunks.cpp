#include "interchange/ByteChunks.h"

#include "interchange/ContactRecord.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>

namespace varnelle::interchange {

namespace {

constexpr qint64 ChunkBytes = 1 << 20;

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

} // namespace varnelle::interchange
