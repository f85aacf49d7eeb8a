#pragma once

#include "store/SearchIndex.h"

#include <QFutureWatcher>
#include <QObject>
#include <QSet>
#include <cstdint>
#include <optional>

namespace varnelle {

class AddressBook;

// The search index of the window's view, kept current: read on a thread of
// its own so that no keystroke waits for it, brought up to date contact by
// contact for the window's own changes, and read whole again when the book
// changes elsewhere. Contacts changed while a reading is under way are read
// again after it.
class LiveSearchIndex : public QObject {
    Q_OBJECT
public:
    LiveSearchIndex(AddressBook &book, QObject *parent = nullptr);
    ~LiveSearchIndex() override;

    const SearchIndex &index() const { return mIndex; }

    // Starts reading the index anew, on a thread of its own.
    void startReading();
    // Makes the index current before a search: waits for a reading under
    // way, or reads it here when none is.
    void makeCurrent();
    // True while a reading is under way that a search would wait for.
    bool isReading() const { return mStale && mReading.isRunning(); }
    // A contact of the window's own making, indexed again.
    void contactChanged(std::int32_t personId);

signals:
    // A reading started by startReading has been taken in.
    void readInBackground();

private:
    // Takes the index just read; false when it could not be read.
    bool takeReading();

    AddressBook &mBook;
    SearchIndex mIndex;
    bool mStale = true;
    QFutureWatcher<std::optional<SearchIndex>> mReading;
    QSet<std::int32_t> mChangedDuringReading;
    qint64 mVersionAtReading = -1; // the book's data_version when the reading began
};

} // namespace varnelle
