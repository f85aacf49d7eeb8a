#pragma once

#include <QLayout>
#include <QList>
#include <QRect>

namespace varnelle {

// Lays out the controls of a form that was drawn in twips: every control
// keeps the place where it was drawn as long as its text fits there. A
// control whose text needs more room (a larger font, a translation) grows to
// the right and downwards, and moves what stands right of it or below it:
// controls whose drawn edges line up (a column of boxes, the right edges of
// labels, a row) keep lining up, and the gaps between controls are kept. The
// container grows with them; it never shrinks below its drawn size.
//
// Labels, buttons, check boxes, radio buttons and frames grow to their size
// hint; boxes and lists keep their drawn width (or their minimum width, when
// set) and grow in height only when their text needs more than a pixel more.
class DrawnLayout : public QLayout {
public:
    // Lays out the controls of container where they stand now, within its
    // current size; the controls placed later are added with addWidget.
    explicit DrawnLayout(QWidget *container);
    ~DrawnLayout() override;

    // Adds an item drawn at its current geometry.
    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    Qt::Orientations expandingDirections() const override { return {}; }

private:
    struct Entry {
        QLayoutItem *item;
        QRect drawn; // relative to the container's contents
    };
    struct Placement {
        QList<QRect> places; // one per entry
        QSize size;
    };

    Placement arrange() const;

    QList<Entry> mEntries;
    QPoint mOrigin; // the container's contents corner when the controls were drawn
    QSize mDrawnSize;
};

// Lays out a fixed-size form: the controls of container where they were
// placed, the container as large as they need and never smaller than drawn.
// A frame among the controls that holds controls of its own is laid out first.
void LayOutAsDrawn(QWidget *container);

} // namespace varnelle
