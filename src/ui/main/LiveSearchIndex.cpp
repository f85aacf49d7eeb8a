#include "ui/main/LiveSearchIndex.h"

#include "common/Log.h"
#include "store/AddressBook.h"
#include "store/BookOpening.h"
#include "store/Connection.h"
#include "store/Database.h"
#include "store/DatabaseError.h"

#include <QtConcurrent/QtConcurrentRun>

namespace varnelle {

LiveSearchIndex::LiveSearchIndex(AddressBook &book, QObject *parent) : QObject(parent), mBook(book)
{
    connect(&mReading, &QFutureWatcherBase::finished, this, [this] {
        if (mStale && takeReading())
            emit readInBackground();
    });
}

LiveSearchIndex::~LiveSearchIndex()
{
    mReading.waitForFinished();
}

void LiveSearchIndex::startReading()
{
    mReading.waitForFinished(); // an earlier reading is out of date
    mStale = true;
    mChangedDuringReading.clear();
    if (!mBook.isOpen())
        return;
    // Keys the book lacks (a new book, another program's changes) are made by
    // the reading and kept by this connection, so that its data_version tells
    // other programs' changes alone. A damaged book is only read.
    if (!mBook.damageFound())
        MakeSearchKeyTable(mBook.database());
    mVersionAtReading = DataVersion(mBook.database());
    mReading.setFuture(QtConcurrent::run([file = mBook.fileName(), view = mBook.isBusiness()] {
        std::optional<SearchIndex> index;
        try {
            Connection reader = OpenForReading(file);
            index.emplace().build(reader.database(), view);
        } catch (const DatabaseError &) {
            // Read again on the first search, where a failure leaves the list as it is.
        }
        return index;
    }));
}

bool LiveSearchIndex::takeReading()
{
    if (!mReading.future().isValid() || mReading.isCanceled() || !mStale)
        return !mStale;
    std::optional<SearchIndex> index = mReading.result();
    mReading.setFuture({});
    if (!index)
        return false;
    mIndex = std::move(*index);
    mStale = false;
    if (!mBook.damageFound()) {
        QHash<std::int32_t, text::SearchKey> made = mIndex.madeKeys();
        for (const std::int32_t personId : std::as_const(mChangedDuringReading))
            made.remove(personId);
        KeepSearchKeys(mBook.database(), made, mVersionAtReading);
    }
    qCInfo(lcUi) << "search index ready:" << mIndex.size() << "contacts";
    for (const std::int32_t personId : std::as_const(mChangedDuringReading))
        contactChanged(personId);
    mChangedDuringReading.clear();
    return true;
}

void LiveSearchIndex::makeCurrent()
{
    if (!mStale)
        return;
    mReading.waitForFinished();
    if (takeReading())
        return;
    try {
        mIndex.build(mBook.database(), mBook.isBusiness());
        mStale = false;
    } catch (const DatabaseError &) {
        // A book that cannot be read is told about when the list is read;
        // the search then lists what it can.
        mIndex.clear();
    }
}

void LiveSearchIndex::contactChanged(std::int32_t personId)
{
    if (mStale) {
        mChangedDuringReading.insert(personId);
        return;
    }
    try {
        mIndex.update(mBook.database(), personId, !mBook.damageFound());
    } catch (const DatabaseError &) {
        mStale = true;
    }
}

} // namespace varnelle
