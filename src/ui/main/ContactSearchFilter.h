#pragma once

#include "common/ContactSearch.h"

#include <QAbstractProxyModel>
#include <QSet>
#include <cstdint>
#include <vector>

namespace varnelle {

class ContactListModel;
class SearchIndex;

// The contact list as a search shows it: the rows of a ContactListModel whose
// contacts match the words typed (SearchIndex), in the list's order. A contact
// pinned while a search is active stays listed, whether it matches or not,
// until the search text changes: a contact just added or saved is not taken
// from under the user's eyes.
//
// The rows shown are found in one pass over the list and handed to the view
// as one change of layout, so that a keystroke costs a scan of the index
// rather than a filtering of each row of the view.
class ContactSearchFilter : public QAbstractProxyModel {
    Q_OBJECT
public:
    ContactSearchFilter(const SearchIndex &index, QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *source) override;

    // Filters by the text typed; an empty text (or only spaces) lists everyone.
    void setSearchText(const QString &text);
    QString searchText() const { return mText; }
    bool isActive() const { return !mQuery.isEmpty(); }

    void pin(std::int32_t personId);
    // Applies the index again, after it was built or changed.
    void refresh();

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

private:
    bool accepts(int sourceRow) const;
    // The source rows shown, found anew; the view keeps its selection and
    // current row where those stay shown.
    void filterAll();
    // The shown position of a source row, or of the first shown row after it.
    int shownPlace(int sourceRow) const;
    void sourceRowsInserted(int first, int last);
    void sourceRowsAboutToBeRemoved(int first, int last);
    void sourceRowsRemoved(int first, int last);

    const SearchIndex &mIndex;
    const ContactListModel *mContacts = nullptr;
    QString mText;
    text::SearchQuery mQuery;
    QSet<std::int32_t> mPinned;
    std::vector<int> mRows; // the source rows shown, ascending
};

} // namespace varnelle
