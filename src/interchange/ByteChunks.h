#pragma once

#include <QByteArray>
#include <QStringDecoder>
#include <QtGlobal>

class QIODevice;

namespace varnelle::interchange {

// Where a reader takes a file's bytes from, a piece at a time, so that a
// large file is never held whole.
class ByteChunks {
public:
    virtual ~ByteChunks() = default;
    // Appends the next piece of the bytes to out; false when there are none left.
    virtual bool appendTo(QByteArray &out) = 0;
};

// Bytes held in memory, handed over in one piece.
class BytesInMemory : public ByteChunks {
public:
    explicit BytesInMemory(const QByteArray &data) : mData(data) {}
    bool appendTo(QByteArray &out) override;

private:
    QByteArray mData;
    bool mGiven = false;
};

// The bytes of an open device, from where it stands, a megabyte at a time.
// Throws InterchangeError when the device cannot be read.
class BytesOfDevice : public ByteChunks {
public:
    explicit BytesOfDevice(QIODevice &device) : mDevice(device) {}
    bool appendTo(QByteArray &out) override;

private:
    QIODevice &mDevice;
};

// The UTF-16 text of another source handed over as UTF-8, a piece at a time.
class Utf16AsUtf8 : public ByteChunks {
public:
    Utf16AsUtf8(ByteChunks &source, QStringDecoder::Encoding encoding) : mSource(source), mDecoder(encoding) {}
    bool appendTo(QByteArray &out) override;
    // The bytes of the source read by the time `utf8Bytes` bytes of UTF-8 were handed over, as near as the pieces tell.
    qint64 sourcePosition(qint64 utf8Bytes) const;

private:
    ByteChunks &mSource;
    QStringDecoder mDecoder; // keeps a character split between two pieces, and skips a byte order mark
    QByteArray mPiece;
    qint64 mSourceBytes = 0;
    qint64 mUtf8Bytes = 0;
};

} // namespace varnelle::interchange
