#pragma once

#include "ui/widgets/TabStops.h"

#include <QAbstractListModel>
#include <cstdint>
#include <optional>
#include <vector>

namespace varnelle {

struct ContactLine;
class LinePadder;

// The contacts of the view, one row each, in the order of their list lines
// in the program's collation. Qt::DisplayRole (and the accessible text) is
// "name<TAB>number", or the name alone for a contact without numbers.
class ContactListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        PersonIdRole = Qt::UserRole, // the contact's key
        NameRole,                    // the name column: "Last, First", ... or "Unknown"
        NumberRole,                  // the number of the lowest type; empty without one
        LineRole,                    // the name padded to the number's column, a tab and the number
    };

    struct Entry {
        std::int32_t personId = 0;
        QString name;
        QString number;
        bool hasNumber = false;
        QString line; // as LineRole
    };

    explicit ContactListModel(QObject *parent = nullptr);

    // The row of a contact as the list shows it, its line padded by padder.
    static Entry makeEntry(const ContactLine &contact, const LinePadder &padder);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Replaces every row; entries that arrive nearly in order are placed in
    // about linear time.
    void setEntries(std::vector<Entry> entries);
    // Adds a row at its sorted place; returns its row.
    int addEntry(Entry entry);
    void removeRowAt(int row);
    // The row of a contact; -1 when it is not listed.
    int rowOf(std::int32_t personId) const;
    std::int32_t personIdAt(int row) const;

private:
    std::vector<Entry> mEntries;
};

// Draws a row's name and number in their columns: the number at the first
// tab stop (one every eight average character widths) past the padded name,
// on the style's background, selection and focus.
class ContactListDelegate : public TabStopDelegate {
    Q_OBJECT
public:
    using TabStopDelegate::TabStopDelegate;

protected:
    QString textOf(const QModelIndex &index) const override;
};

} // namespace varnelle
