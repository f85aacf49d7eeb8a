#include "ui/widgets/DrawnLayout.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <limits>
#include <vector>

namespace varnelle {

namespace {

// A control that grows with its text may come this close to the next one
// before it moves it, when they were drawn further apart.
constexpr int NarrowestGap = 4;

// Gives up on a drawing whose controls keep pushing each other (none of the
// program's forms comes near this).
constexpr int MostRounds = 64;

// The frame of a box above and below its line of text, at its thinnest.
constexpr int BoxFrame = 2;

struct Span {
    int lo, hi;
    bool overlaps(const Span &other) const { return lo < other.hi && other.lo < hi; }
};

// Places the controls along one direction. drawn: the controls' drawn spans;
// need: the extent each needs; across: their spans in the other direction,
// which tell which controls stand in each other's way; back: in halves, how
// much of its growth a control takes before its drawn start where there is
// room (2 for a right-aligned caption, 1 for a centred one); extent: the
// drawn size of the container. Returns the new spans and sets extent to the
// size that holds them.
std::vector<Span> Arrange(const std::vector<Span> &drawn, const std::vector<int> &need, const std::vector<Span> &across,
                          const std::vector<int> &back, int &extent)
{
    const size_t n = drawn.size();
    // Growing back stops short of the container's edge.
    std::vector<Span> placed(n);
    for (size_t i = 0; i < n; ++i) {
        const int growth = std::max(0, need[i] - (drawn[i].hi - drawn[i].lo));
        const int edge = std::min(std::max(drawn[i].lo, 0), NarrowestGap);
        placed[i].lo = std::max(drawn[i].lo - growth * back[i] / 2, edge);
        placed[i].hi = placed[i].lo + std::max(need[i], drawn[i].hi - drawn[i].lo);
    }
    // Edges drawn in line (a pixel apart at most) stay in line: they move
    // together. The start of a caption aligned to its end or centre is not
    // an edge that others line up with.
    std::vector<std::vector<size_t>> sameLo, sameHi;
    for (auto [groups, low] : {std::pair{&sameLo, true}, std::pair{&sameHi, false}}) {
        std::vector<size_t> order;
        for (size_t i = 0; i < n; ++i)
            if (!low || back[i] == 0)
                order.push_back(i);
        const auto edge = [&drawn, low = low](size_t i) { return low ? drawn[i].lo : drawn[i].hi; };
        std::sort(order.begin(), order.end(), [&edge](size_t a, size_t b) { return edge(a) < edge(b); });
        for (size_t k = 0; k < order.size(); ++k) {
            if (k == 0 || edge(order[k]) - edge(order[k - 1]) > 1)
                groups->emplace_back();
            groups->back().push_back(order[k]);
        }
    }
    for (int round = 0; round < MostRounds; ++round) {
        bool moved = false;
        const auto raise = [&moved](int &value, int atLeast) {
            if (atLeast > value) {
                value = atLeast;
                moved = true;
            }
        };
        for (size_t a = 0; a < n; ++a)
            for (size_t b = 0; b < n; ++b)
                if (drawn[b].lo >= drawn[a].hi && across[a].overlaps(across[b])) {
                    // b moves as far as a moved, and further by what a grew beyond the room between them.
                    const int room = std::max(0, drawn[b].lo - drawn[a].hi - NarrowestGap);
                    const int grown = placed[a].hi - placed[a].lo - (drawn[a].hi - drawn[a].lo);
                    raise(placed[b].lo,
                          drawn[b].lo + (placed[a].lo - drawn[a].lo) + std::max(0, grown - room));
                }
        for (auto [groups, low] : {std::pair{&sameLo, true}, std::pair{&sameHi, false}}) {
            for (const std::vector<size_t> &members : *groups) {
                int shift = std::numeric_limits<int>::min();
                for (size_t i : members)
                    shift = std::max(shift, low ? placed[i].lo - drawn[i].lo : placed[i].hi - drawn[i].hi);
                for (size_t i : members)
                    raise(low ? placed[i].lo : placed[i].hi, (low ? drawn[i].lo : drawn[i].hi) + shift);
            }
        }
        for (size_t i = 0; i < n; ++i)
            raise(placed[i].hi, placed[i].lo + std::max(need[i], drawn[i].hi - drawn[i].lo));
        if (!moved)
            break;
    }
    // The narrowest margin drawn at the far side is kept.
    int margin = extent;
    for (const Span &span : drawn)
        margin = std::min(margin, std::max(0, extent - span.hi));
    int needed = extent;
    for (const Span &span : placed)
        needed = std::max(needed, span.hi + margin);
    extent = needed;
    return placed;
}

// Whether a control shows a caption that must not be cut off.
bool ShowsCaption(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget)
           || qobject_cast<const QGroupBox *>(widget);
}

QSize Need(const QLayoutItem &item, const QRect &drawn)
{
    const QWidget *widget = item.widget();
    if (!widget)
        return drawn.size().expandedTo(item.sizeHint());
    QSize need = drawn.size().expandedTo(widget->minimumSize());
    const QSize hint = widget->sizeHint().expandedTo(widget->minimumSizeHint());
    if (ShowsCaption(widget))
        return need.expandedTo(hint);
    // A box keeps its drawn height while its line of text fits in it within
    // its frame; a list keeps its drawn size (its lines scroll), and so does a line.
    const bool box = qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
                     || qobject_cast<const QAbstractSpinBox *>(widget);
    if (box && widget->fontMetrics().height() + 2 * BoxFrame > drawn.height())
        need.setHeight(std::max(need.height(), hint.height()));
    return need;
}

} // namespace

DrawnLayout::DrawnLayout(QWidget *container)
    : QLayout(container)
{
    setContentsMargins(0, 0, 0, 0);
    container->ensurePolished(); // a frame's margins (its caption) as it is shown
    const QRect contents = container->contentsRect();
    mOrigin = contents.topLeft();
    mDrawnSize = contents.size();
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const bool hidden = child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
        if (!child->isWindow() && !hidden)
            addWidget(child);
    }
}

DrawnLayout::~DrawnLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void DrawnLayout::addItem(QLayoutItem *item)
{
    const QRect place = item->widget() ? item->widget()->geometry() : item->geometry();
    mEntries.append({item, place.translated(-mOrigin)});
    invalidate();
}

QLayoutItem *DrawnLayout::itemAt(int index) const
{
    return index >= 0 && index < mEntries.size() ? mEntries[index].item : nullptr;
}

QLayoutItem *DrawnLayout::takeAt(int index)
{
    if (index < 0 || index >= mEntries.size())
        return nullptr;
    QLayoutItem *item = mEntries.takeAt(index).item;
    invalidate();
    return item;
}

int DrawnLayout::count() const
{
    return int(mEntries.size());
}

DrawnLayout::Placement DrawnLayout::arrange() const
{
    std::vector<Span> drawnX, drawnY, placedX;
    std::vector<int> needX, needY, backX;
    std::vector<qsizetype> shown;
    for (qsizetype i = 0; i < mEntries.size(); ++i) {
        const Entry &e = mEntries[i];
        if (e.item->isEmpty())
            continue;
        const QSize need = Need(*e.item, e.drawn);
        drawnX.push_back({e.drawn.left(), e.drawn.left() + e.drawn.width()});
        drawnY.push_back({e.drawn.top(), e.drawn.top() + e.drawn.height()});
        needX.push_back(need.width());
        needY.push_back(need.height());
            const auto *label = qobject_cast<const QLabel *>(e.item->widget());
        const Qt::Alignment align = label ? label->alignment() : Qt::AlignLeft;
        backX.push_back((align & Qt::AlignRight) ? 2 : (align & Qt::AlignHCenter) ? 1 : 0);
        shown.push_back(i);
    }
    int width = mDrawnSize.width(), height = mDrawnSize.height();
    // Across first, then down: what stands below a widened control is judged by where it now stands.
    placedX = Arrange(drawnX, needX, drawnY, backX, width);
    const std::vector<Span> placedY = Arrange(drawnY, needY, placedX, std::vector<int>(needY.size(), 0), height);

    Placement placement;
    placement.places.resize(mEntries.size());
    for (size_t k = 0; k < shown.size(); ++k)
        placement.places[shown[k]] =
            QRect(placedX[k].lo, placedY[k].lo, placedX[k].hi - placedX[k].lo, placedY[k].hi - placedY[k].lo);
    placement.size = QSize(width, height);
    return placement;
}

QSize DrawnLayout::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return arrange().size.grownBy(margins);
}

QSize DrawnLayout::minimumSize() const
{
    return sizeHint();
}

void DrawnLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QPoint corner = contentsRect().topLeft();
    const Placement placement = arrange();
    // A control fills its place: a button or box is as tall as it was drawn,
    // though its size policy would hold it to its size hint.
    for (qsizetype i = 0; i < mEntries.size(); ++i) {
        QLayoutItem *item = mEntries[i].item;
        if (item->isEmpty())
            continue;
        const QRect place = placement.places[i].translated(corner);
        if (QWidget *widget = item->widget())
            widget->setGeometry(place);
        else
            item->setGeometry(place);
    }
}

void LayOutAsDrawn(QWidget *container)
{
    for (auto *frame : container->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly))
        if (!frame->layout() && !frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).isEmpty())
            new DrawnLayout(frame);
    auto *layout = new DrawnLayout(container);
    if (container->isWindow())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
}

} // namespace varnelle
