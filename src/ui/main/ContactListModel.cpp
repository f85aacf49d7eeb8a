#include "ui/main/ContactListModel.h"

#include "common/Collation.h"
#include "store/Contacts.h"
#include "ui/main/ContactLines.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>
#include <algorithm>
#include <iterator>

namespace varnelle {

namespace {

bool lineLess(const ContactListModel::Entry &a, const ContactListModel::Entry &b)
{
    return text::TextLess(a.line, b.line);
}

} // namespace

ContactListModel::ContactListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

ContactListModel::Entry ContactListModel::makeEntry(const ContactLine &contact, const LinePadder &padder)
{
    Entry entry;
    entry.personId = contact.personId;
    entry.name = NameColumn(contact.lastName, contact.firstName);
    entry.hasNumber = contact.hasNumber;
    entry.number = contact.hasNumber ? contact.number : QString();
    entry.line = padder.Pad(entry.name);
    if (entry.hasNumber) {
        entry.line += u'\t';
        entry.line += entry.number;
    }
    return entry;
}

int ContactListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mEntries.size());
}

QVariant ContactListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(mEntries.size()))
        return {};
    const Entry &entry = mEntries[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return entry.hasNumber ? entry.name + u'\t' + entry.number : entry.name;
    case PersonIdRole:
        return entry.personId;
    case NameRole:
        return entry.name;
    case NumberRole:
        return entry.number;
    case LineRole:
        return entry.line;
    default:
        return {};
    }
}

void ContactListModel::setEntries(std::vector<Entry> entries)
{
    // Keep a sorted run; an entry that would break it goes aside together with
    // the run's last entry (one of the two is out of place). Nearly ordered
    // input leaves few entries aside, which are sorted and merged back.
    std::vector<Entry> run;
    std::vector<Entry> aside;
    run.reserve(entries.size());
    for (Entry &entry : entries) {
        if (run.empty() || !lineLess(entry, run.back())) {
            run.push_back(std::move(entry));
        } else {
            aside.push_back(std::move(run.back()));
            run.pop_back();
            aside.push_back(std::move(entry));
        }
    }
    std::stable_sort(aside.begin(), aside.end(), lineLess);
    beginResetModel();
    mEntries.clear();
    mEntries.reserve(run.size() + aside.size());
    std::merge(std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()),
               std::make_move_iterator(aside.begin()), std::make_move_iterator(aside.end()),
               std::back_inserter(mEntries), lineLess);
    endResetModel();
}

int ContactListModel::addEntry(Entry entry)
{
    const auto place = std::upper_bound(mEntries.begin(), mEntries.end(), entry, lineLess);
    const int row = int(place - mEntries.begin());
    beginInsertRows({}, row, row);
    mEntries.insert(place, std::move(entry));
    endInsertRows();
    return row;
}

void ContactListModel::removeRowAt(int row)
{
    if (row < 0 || row >= int(mEntries.size()))
        return;
    beginRemoveRows({}, row, row);
    mEntries.erase(mEntries.begin() + row);
    endRemoveRows();
}

int ContactListModel::rowOf(std::int32_t personId) const
{
    for (size_t row = 0; row < mEntries.size(); ++row) {
        if (mEntries[row].personId == personId)
            return int(row);
    }
    return -1;
}

std::int32_t ContactListModel::personIdAt(int row) const
{
    return row >= 0 && row < int(mEntries.size()) ? mEntries[size_t(row)].personId : 0;
}

QString ContactListDelegate::textOf(const QModelIndex &index) const
{
    return index.data(ContactListModel::LineRole).toString();
}

} // namespace varnelle
