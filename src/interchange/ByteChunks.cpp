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

} // namespace varnelle::interchange
