#include "interchange/ReadAhead.h"

#include "interchange/ContactFile.h"

namespace varnelle::interchange {

namespace {

constexpr std::size_t BatchRecords = 256;
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
    QStringList notes;
    std::exception_ptr failure;
    try {
        Batch batch;
        batch.reserve(BatchRecords);
        ReadContactFile(fileName, &notes, [&](ContactRecord &record, qint64 bytesRead) {
            batch.emplace_back(std::move(record), bytesRead);
            if (batch.size() == BatchRecords)
                hand(batch);
        });
        if (!batch.empty())
            hand(batch);
    } catch (const Stopped &) {
    } catch (...) {
        failure = std::current_exception();
    }
    {
        const std::lock_guard lock(mMutex);
        mNotes = std::move(notes);
        mFailure = failure;
        mDone = true;
    }
    mChanged.notify_all();
}

void ReadAhead::hand(Batch &batch)
{
    std::vector<Batch> spent;
    {
        std::unique_lock lock(mMutex);
        mChanged.wait(lock, [this] { return mStop || mReady.size() < BatchesAhead; });
        if (mStop)
            throw Stopped();
        mReady.push_back(std::move(batch));
        spent.swap(mSpent);
    }
    mChanged.notify_all();
    batch = Batch();
    for (Batch &given : spent)
        given.clear();
    if (!spent.empty())
        batch = std::move(spent.back()); // its capacity, again
    batch.reserve(BatchRecords);
}

bool ReadAhead::next(Batch &batch)
{
    {
        std::unique_lock lock(mMutex);
        if (!batch.empty() && !mDone)
            mSpent.push_back(std::move(batch));
        batch.clear();
        mChanged.wait(lock, [this] { return mDone || !mReady.empty(); });
        if (mReady.empty()) {
            if (mFailure)
                std::rethrow_exception(std::exchange(mFailure, nullptr));
            return false;
        }
        batch = std::move(mReady.front());
        mReady.pop_front();
    }
    mChanged.notify_all();
    return true;
}

QStringList ReadAhead::notes() const
{
    const std::lock_guard lock(mMutex);
    return mNotes;
}

} // namespace varnelle::interchange
