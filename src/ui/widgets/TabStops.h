#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace varnelle {

// Draws an item's text with its tabs as moves to the next tab stop, one every
// eight average character widths of the list's font, on the style's
// background, selection and focus. The text is the item's display text, or
// what textOf gives in a delegate derived from this one.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    virtual QString textOf(const QModelIndex &index) const;
};

// Makes a list draw the tabs of its lines as a move to the next tab stop, one
// every eight average character widths of the list's font, so that what
// follows the tabs forms a column.
void ShowTabsAtStops(QAbstractItemView *list);

} // namespace varnelle
