#include "ui/widgets/TabStops.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

namespace varnelle {

namespace {

// One line, its tabs at a stop every eight average character widths.
QTextOption tabStops(const QStyleOptionViewItem &opt)
{
    QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
    textOption.setWrapMode(QTextOption::NoWrap);
    textOption.setTabStopDistance(8 * opt.fontMetrics.averageCharWidth());
    return textOption;
}

// Between the item's edge and its text, on either side.
int textMargin(const QStyle *style, const QWidget *widget)
{
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

} // namespace

void TabStopDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    // Background, selection and focus as the style draws them; the text is ours.
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const int margin = textMargin(style, widget);
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
    const QTextOption textOption = tabStops(opt);

    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(textRect);
    painter->drawText(QRectF(textRect), textOf(index), textOption);
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = textOf(index);
    opt.text = text;
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), widget);
    // As wide as paint draws the text, with its tabs at their stops.
    QTextLayout line(text, opt.font);
    line.setTextOption(tabStops(opt));
    line.beginLayout();
    QTextLine laidOut = line.createLine();
    laidOut.setLineWidth(1e6); // one line, however long
    line.endLayout();
    size.setWidth(qCeil(laidOut.naturalTextWidth()) + 2 * textMargin(style, widget));
    return size;
}

QString TabStopDelegate::textOf(const QModelIndex &index) const
{
    return index.data(Qt::DisplayRole).toString();
}

void ShowTabsAtStops(QAbstractItemView *list)
{
    list->setItemDelegate(new TabStopDelegate(list));
}

} // namespace varnelle
