#pragma once

#include "interchange/ContactRecord.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace varnelle::interchange {

// Reads a contact file on a thread of its own, a few batches of records ahead
// of the caller, so that reading the next cards and storing the last ones
// overlap on a machine with more than one core. Only a few batches are ever
// held, of a few megabytes of the file at most beside the largest card: the
// reader waits while the caller catches up.
class ReadAhead {
public:
    // A record and how many bytes of the file were read when it was complete.
    using Batch = std::vector<std::pair<ContactRecord, qint64>>;
    // Records, and the notes the reading made while it read them (see ReadContactFile).
    struct Piece {
        Batch records;
        QStringList notes;
        qint64 bytes = 0; // of the file, read for them
    };

    // Starts reading the file, as ReadContactFile reads it.
    explicit ReadAhead(const QString &fileName);
    // Stops the reading where it is and waits for its thread.
    ~ReadAhead();
    ReadAhead(const ReadAhead &) = delete;
    ReadAhead &operator=(const ReadAhead &) = delete;

    // Waits for the next batch of records and notes, in the order of the
    // file; false when the file is read to its end. Rethrows what the reading
    // threw, once the batches read before the fault have been taken. The
    // records of the batch given back are freed on the reading thread, which
    // made them: memory freed by the thread that allocated it costs no lock.
    bool next(Piece &piece);

private:
    void read(const QString &fileName);
    void hand(Piece &piece);

    mutable std::mutex mMutex;
    std::condition_variable mChanged;
    std::deque<Piece> mReady;
    qint64 mReadyBytes = 0;
    std::vector<Batch> mSpent; // given back by next(), to be freed by the reader
    bool mDone = false;
    bool mStop = false;
    std::exception_ptr mFailure;
    std::thread mThread; // last: started once the rest is made
};

} // namespace varnelle::interchange
