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

// The text of another source with two leftovers of old programs undone as
// it passes: lines that end with CR alone end with LF (when told to), and
// the end-of-file mark of DOS (Ctrl+Z) among the spaces at the end of the
// text is left out.
class PlainLines : public ByteChunks {
public:
    PlainLines(ByteChunks &source, bool crAlone) : mSource(source), mCrAlone(crAlone) {}
    bool appendTo(QByteArray &out) override;
    // The line of the end-of-file mark left out, once the source is read to its end; 0 when there was none.
    qsizetype markLine() const { return mMarkLine; }

private:
    void hand(QByteArray &out, QByteArrayView bytes);

    ByteChunks &mSource;
    bool mCrAlone;
    QByteArray mHeld; // from a Ctrl+Z among the spaces at the end of what was read: not handed on yet
    qsizetype mLines = 0; // the line breaks handed on
    qsizetype mMarkLine = 0;
    bool mDone = false;
};

} // namespace varnelle::interchange
