#pragma once

#include "common/ContactSearch.h"

#include <QSet>
#include <QSortFilterProxyModel>
#include <cstdint>

namespace varnelle {

class SearchIndex;

// The contact list as a search shows it: the rows of a ContactListModel whose
// contacts match the words typed (SearchIndex), in the list's order. A contact
// pinned while a search is active stays listed, whether it matches or not,
// until the search text changes: a contact just added or saved is not taken
// from under the user's eyes.
class ContactSearchFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    ContactSearchFilter(const SearchIndex &index, QObject *parent = nullptr);

    // Filters by the text typed; an empty text (or only spaces) lists everyone.
    void setSearchText(const QString &text);
    QString searchText() const { return mText; }
    bool isActive() const { return !mQuery.isEmpty(); }

    void pin(std::int32_t personId);
    // Applies the index again, after it was built or changed.
    void refresh();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    const SearchIndex &mIndex;
    QString mText;
    text::SearchQuery mQuery;
    QSet<std::int32_t> mPinned;
};

} // namespace varnelle
