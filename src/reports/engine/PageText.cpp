#include "reports/engine/PageText.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>

namespace varnelle::engine {

namespace {

ShapedText shaped(const QString &text, const QFont &font, Qt::LayoutDirection direction)
{
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedText result{text, layout.glyphRuns()};
    // From the top of the line to its baseline.
    const QPointF up(0, line.ascent());
    for (QGlyphRun &run : result.runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF &p : positions)
            p -= up;
        run.setPositions(positions);
    }
    return result;
}

// Whether every character of `text` is one the font draws as it is, one glyph
// each and at its own advance, in the order written: Latin letters, digits and
// the common punctuation. Text without shaping is laid out just so.
bool plainLatin(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u < 0x7f) || (u > 0xa0 && u < 0x250 && u != 0xad) || (u >= 0x2010 && u <= 0x2027);
    });
}

// The glyphs of one font in one colour, placed on the page.
struct Run {
    QRawFont font;
    QColor color;
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

} // namespace

ShapedText shapeText(const QString &text, const QFont &font)
{
    return shaped(text, font, Qt::LeftToRight);
}

void PageText::add(const QFont &font, const QColor &color, QPointF at, const QString &text)
{
    if (!text.isEmpty())
        mItems.push_back({&font, color, at, text, nullptr});
}

void PageText::add(const QFont &font, const QColor &color, QPointF at, const ShapedText &shaped)
{
    if (!shaped.text.isEmpty())
        mItems.push_back({&font, color, at, {}, &shaped});
}

void PageText::paint(QPainter &painter) const
{
    if (painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf)
        paintAsGlyphRuns(painter);
    else
        paintAsText(painter);
}

void PageText::paintAsText(QPainter &painter) const
{
    for (const Item &item : mItems) {
        if (painter.font() != *item.font)
            painter.setFont(*item.font);
        if (painter.pen().color() != item.color || painter.pen().widthF() > 0)
            painter.setPen(QPen(item.color, 0));
        painter.drawText(item.at, item.shaped ? item.shaped->text : item.text);
    }
}

void PageText::paintAsGlyphRuns(QPainter &painter) const
{
    std::vector<Run> runs;
    auto place = [&runs](const QGlyphRun &glyphs, const QColor &color, QPointF at) {
        const QRawFont font = glyphs.rawFont();
        auto run = std::find_if(runs.begin(), runs.end(),
                                [&](const Run &r) { return r.color == color && r.font == font; });
        if (run == runs.end())
            run = runs.insert(runs.end(), Run{font, color, {}, {}});
        run->glyphs += glyphs.glyphIndexes();
        for (const QPointF &p : glyphs.positions())
            run->positions << p + at;
    };
    // Plain Latin text in a font that has all its characters is placed
    // straight from the font's advances; any other is laid out in full.
    const QFont *lastFont = nullptr;
    QRawFont raw;
    auto placePlain = [&](const Item &item) {
        if (item.font != lastFont) {
            raw = QRawFont::fromFont(*item.font);
            lastFont = item.font;
        }
        if (!raw.isValid() || !plainLatin(item.text))
            return false;
        const QList<quint32> glyphs = raw.glyphIndexesForString(item.text);
        if (glyphs.contains(0u))
            return false;
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        QPointF at = item.at;
        for (const QPointF &advance : advances) {
            positions << at;
            at += advance;
        }
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        place(run, item.color, {});
        return true;
    };
    const Qt::LayoutDirection direction = painter.layoutDirection();
    for (const Item &item : mItems) {
        if (item.shaped) {
            for (const QGlyphRun &glyphs : item.shaped->runs)
                place(glyphs, item.color, item.at);
        } else if (!placePlain(item)) {
            for (const QGlyphRun &glyphs : shaped(item.text, *item.font, direction).runs)
                place(glyphs, item.color, item.at);
        }
    }
    for (const Run &run : runs) {
        QGlyphRun glyphs;
        glyphs.setRawFont(run.font);
        glyphs.setGlyphIndexes(run.glyphs);
        glyphs.setPositions(run.positions);
        painter.setPen(QPen(run.color, 0));
        painter.drawGlyphRun(QPointF(0, 0), glyphs);
    }
}

} // namespace varnelle::engine
