#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

class QPainter;

namespace varnelle::engine {

// A text shaped once, to be drawn at any baseline: its glyph runs, placed
// with the baseline at y 0. A report shapes its labels this way and reuses them.
struct ShapedText {
    QString text;
    QList<QGlyphRun> runs;
};

// Lays `text` out on one line in `font`, as QPainter::drawText does on a
// painter whose layout direction is not set.
ShapedText shapeText(const QString &text, const QFont &font);

// The text of a page, gathered as it is placed and painted in one go.
//
// A PDF writer, and so every printer, puts each text it is given into a text
// object of its own, with the font, colour and transformation set again, after
// laying the text out once more: a page of cards is a few hundred such texts.
// For such a painter the texts are shaped here and painted as one glyph run
// for each font and colour. Any other painter draws each text as it is, in the
// order it was added.
class PageText {
public:
    // Adds `text` in `font` and `color`, its baseline starting at `at`.
    void add(const QFont &font, const QColor &color, QPointF at, const QString &text);
    // Adds a text shaped before; `shaped` must outlive the page.
    void add(const QFont &font, const QColor &color, QPointF at, const ShapedText &shaped);

    void paint(QPainter &painter) const;

private:
    struct Item {
        const QFont *font;
        QColor color;
        QPointF at;
        QString text;
        const ShapedText *shaped; // or null, when `text` is shaped as it is painted
    };
    void paintAsText(QPainter &painter) const;
    void paintAsGlyphRuns(QPainter &painter) const;

    std::vector<Item> mItems;
};

} // namespace varnelle::engine
