#pragma once

#include <QByteArray>
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

} // namespace varnelle::interchange
