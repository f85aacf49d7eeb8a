#pragma once

#include "store/SearchIndex.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace varnelle {

// The contacts of a book as the desktop's search finds them: the search
// box's rules over every contact of both views, in the lists' order
// (business before personal, then by name). The book is read without being
// changed, once, and again only when its file has changed since.
class ContactFinder {
public:
    explicit ContactFinder(const QString &bookFile);

    // At most limit contacts matching every word of terms; none for no words.
    // Nothing when the book cannot be read.
    QList<SearchHit> find(const QStringList &terms, qsizetype limit = 20);
    // A contact by its PersonID; none when the book holds no such contact.
    std::optional<SearchHit> contact(std::int32_t personId);

    // The contact's name as the list shows it, and what the desktop shows
    // under it: company, first number and e-mail, those given.
    static QString Name(const SearchHit &hit);
    static QString Description(const SearchHit &hit);

private:
    void readIfChanged();

    QString mBookFile;
    QDateTime mReadAt; // the file's time at the last reading
    qint64 mReadSize = -1;
    // The contacts in the lists' order, each with its key (none for a
    // contact the index could not read), scanned in that order.
    std::vector<SearchHit> mContacts;
    std::vector<text::SearchKey> mKeys;
    std::vector<bool> mKeyed;
    QHash<std::int32_t, qsizetype> mPlaces; // of each contact in mContacts
};

// `varnelle --search-provider`: serves the desktop's search over the session
// bus (GNOME Shell's org.gnome.Shell.SearchProvider2 and KRunner's
// org.kde.krunner1) from the book until the bus goes. A result opened starts
// the window on the contact; a search opened starts it with the words in the
// search box (the window already open on the book takes both). desktop: the
// book is the one of --desktop. Returns the exit status.
int RunSearchProvider(const QString &bookFile, bool desktop);

} // namespace varnelle
