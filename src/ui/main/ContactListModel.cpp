#include "ui/main/ContactListModel.h"

#include "common/Collation.h"
#include "store/Contacts.h"
#include "ui/main/ContactLines.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QUrl>
#include <algorithm>
#include <cmath>
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
    case CompanyRole:
        if (!mCompanies.contains(entry.personId))
            mCompanies.insert(entry.personId, mCompanyOf ? mCompanyOf(entry.personId) : QString());
        return mCompanies.value(entry.personId);
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
    mWidestNumber.clear();
    mWidestNumberWidth = 0;
    mCompanies.clear();
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
    mCompanies.remove(entry.personId);
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

void ContactListModel::noteNumber(const QString &number, qreal width)
{
    if (width > mWidestNumberWidth) {
        mWidestNumberWidth = width;
        mWidestNumber = number;
    }
}

Qt::ItemFlags ContactListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList ContactListModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData *ContactListModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.size() != 1 || !mDragData)
        return nullptr;
    return mDragData(personIdAt(indexes.first().row()));
}

void ContactListModel::setCompanyReader(std::function<QString(std::int32_t)> companyOf)
{
    mCompanyOf = std::move(companyOf);
}

void ContactListModel::setDragData(std::function<QMimeData *(std::int32_t)> dragData)
{
    mDragData = std::move(dragData);
}

QStringList ContactListModel::droppedFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || data->hasFormat(QStringLiteral("application/x-varnelle-contact")))
        return files;
    for (const QUrl &url : data->urls()) {
        const QString suffix = QFileInfo(url.path()).suffix().toLower();
        if (url.isLocalFile() && (suffix == QLatin1String("vcf") || suffix == QLatin1String("csv")))
            files << url.toLocalFile();
    }
    return files;
}

bool ContactListModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int, int, const QModelIndex &) const
{
    return !droppedFiles(data).isEmpty();
}

bool ContactListModel::dropMimeData(const QMimeData *data, Qt::DropAction, int, int, const QModelIndex &)
{
    const QStringList files = droppedFiles(data);
    if (files.isEmpty())
        return false;
    emit filesDropped(files);
    return true;
}

Qt::DropActions ContactListModel::supportedDragActions() const
{
    return Qt::CopyAction;
}

Qt::DropActions ContactListModel::supportedDropActions() const
{
    return Qt::CopyAction;
}

namespace {

// Between the item's edge and its text, on either side.
int textMargin(const QStyle *style, const QWidget *widget)
{
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

// The column widths, in average characters of the list's font: the room a
// name asks for before a company column is shown beside it, the least a
// company column is given, the widest a number's column grows, and the
// space between columns.
constexpr int NameChars = 26;
constexpr int CompanyChars = 14;
constexpr int NumberChars = 24;
constexpr int GapChars = 2;

} // namespace

ContactListDelegate::ContactListDelegate(const ContactListModel &contacts, QObject *parent)
    : QStyledItemDelegate(parent), mContacts(contacts)
{
}

ContactListDelegate::Columns ContactListDelegate::columns(const QStyleOptionViewItem &option,
                                                          const QModelIndex &index) const
{
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const int margin = textMargin(style, widget);
    const QRect text = option.rect.adjusted(margin, 0, -margin, 0);
    const QFontMetrics metrics(option.font);
    const int average = std::max(1, metrics.averageCharWidth());
    const int gap = GapChars * average;

    Columns shown;
    shown.number = index.data(ContactListModel::NumberRole).toString();
    const int widest = mContacts.widestNumber().isEmpty()
                           ? 0
                           : std::min(metrics.horizontalAdvance(mContacts.widestNumber()), NumberChars * average);
    const int numberColumn = widest > 0 ? widest + gap : 0;
    const int rest = text.width() - numberColumn;
    int nameWidth = rest;
    int companyWidth = 0;
    if (mContacts.hasCompanies() && rest >= (NameChars + CompanyChars) * average + gap) {
        nameWidth = std::max(NameChars * average, (rest - gap) / 2);
        companyWidth = rest - gap - nameWidth;
    }
    // A number wider than its column (measured in another font) takes room
    // from the name: it is never cut.
    const int numberWidth = metrics.horizontalAdvance(shown.number);
    int numberLeft = text.left() + nameWidth + gap;
    if (numberWidth > widest)
        numberLeft = std::max(text.left(), numberLeft + widest - numberWidth);
    shown.numberRect = QRect(numberLeft, text.top(), std::max(numberWidth, widest), text.height());
    shown.nameRect = QRect(text.left(), text.top(), std::max(0, numberLeft - gap - text.left()), text.height());
    shown.name = metrics.elidedText(index.data(ContactListModel::NameRole).toString(), Qt::ElideRight,
                                    shown.nameRect.width());
    if (companyWidth > 0) {
        shown.companyRect = QRect(text.left() + nameWidth + numberColumn + gap, text.top(), companyWidth, text.height());
        shown.company = metrics.elidedText(index.data(ContactListModel::CompanyRole).toString().simplified(),
                                           Qt::ElideRight, companyWidth);
    }
    shown.nameRect = QStyle::visualRect(option.direction, option.rect, shown.nameRect);
    shown.numberRect = QStyle::visualRect(option.direction, option.rect, shown.numberRect);
    shown.companyRect = QStyle::visualRect(option.direction, option.rect, shown.companyRect);
    return shown;
}

void ContactListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    // Background, selection and focus as the style draws them; the text is ours.
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
    const Columns shown = columns(opt, index);
    const int align = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(shown.nameRect, align, shown.name);
    painter->drawText(shown.numberRect, align, shown.number);
    if (!shown.company.isEmpty())
        painter->drawText(shown.companyRect, align, shown.company);
    painter->restore();
}

QSize ContactListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), widget);
    // As wide as a short name and the number's column: the list never
    // scrolls sideways, and the columns share whatever width it has.
    const QFontMetrics metrics(opt.font);
    const int average = metrics.averageCharWidth();
    const int number = mContacts.widestNumber().isEmpty()
                           ? 0
                           : std::min(metrics.horizontalAdvance(mContacts.widestNumber()), NumberChars * average);
    size.setWidth(2 * textMargin(style, widget) + 8 * average + GapChars * average + number);
    return size;
}

} // namespace varnelle
