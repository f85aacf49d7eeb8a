#include "interchange/ReadAhead.h"

#include "interchange/ContactFile.h"

namespace varnelle::interchange {

namespace {

constexpr std::size_t BatchRecords = 256;
constexpr qsizetype BatchNotes = 1024;
// A batch of large cards goes before it has its records, and fewer wait.
constexpr qint64 BatchBytes = 4 << 20;
constexpr qint64 AheadBytes = 8 << 20;
constexpr std::size_t BatchesAhead = 4;

// Thrown on the reading thread when the caller no longer wants the records.
struct Stopped {};

} // namespace

ReadAhead::ReadAhead(const QString &fileName) : mThread([this, fileName] { read(fileName); }) {}

ReadAhead::~ReadAhead()
{
    {
        const std::lock_guard lock(mMutex);
        mStop = true;
    }
    mChanged.notify_all();
    mThread.join();
}

void ReadAhead::read(const QString &fileName)
{
    std::exception_ptr failure;
    try {
        Piece piece;
        piece.records.reserve(BatchRecords);
        qint64 handed = 0; // the bytes of the file read for the pieces before
        auto full = [&](qint64 bytesRead) {
            piece.bytes = bytesRead - handed;
            if (piece.records.size() < BatchRecords && piece.notes.size() < BatchNotes && piece.bytes < BatchBytes)
                return;
            handed = bytesRead;
            hand(piece);
        };
        ReadContactFile(
            fileName,
            [&](const QString &note) {
                piece.notes << note;
                if (piece.notes.size() == BatchNotes)
                    full(handed + piece.bytes);
            },
            [&](ContactRecord &record, qint64 bytesRead) {
                piece.records.emplace_back(std::move(record), bytesRead);
                full(bytesRead);
            });
        if (!piece.records.empty() || !piece.notes.isEmpty())
            hand(piece);
    } catch (const Stopped &) {
    } catch (...) {
        failure = std::current_exception();
    }
    {
        const std::lock_guard lock(mMutex);
        mFailure = failure;
        mDone = true;
    }
    mChanged.notify_all();
}

void ReadAhead::hand(Piece &piece)
{
    std::vector<Batch> spent;
    {
        std::unique_lock lock(mMutex);
        mChanged.wait(lock, [this] {
            return mStop || mReady.empty() || (mReady.size() < BatchesAhead && mReadyBytes < AheadBytes);
        });
        if (mStop)
            throw Stopped();
        mReadyBytes += piece.bytes;
        mReady.push_back(std::move(piece));
        spent.swap(mSpent);
    }
    mChanged.notify_all();
    piece = Piece();
    for (Batch &given : spent)
        given.clear();
    if (!spent.empty())
        piece.records = std::move(spent.back()); // its capacity, again
    piece.records.reserve(BatchRecords);
}

bool ReadAhead::next(Piece &piece)
{
    {
        std::unique_lock lock(mMutex);
        if (!piece.records.empty() && !mDone)
            mSpent.push_back(std::move(piece.records));
        piece.records.clear();
        piece.notes.clear();
        mChanged.wait(lock, [this] { return mDone || !mReady.empty(); });
        if (mReady.empty()) {
            if (mFailure)
                std::rethrow_exception(std::exchange(mFailure, nullptr));
            return false;
        }
        piece = std::move(mReady.front());
        mReady.pop_front();
        mReadyBytes -= piece.bytes;
    }
    mChanged.notify_all();
    return true;
}

} // namespace varnelle::interchange
