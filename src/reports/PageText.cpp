#include "reports/PageText.h"

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

// Whether `text` is laid out one glyph a character, each at its own advance,
// in the order written, as unshaped text of Latin letters, digits and common
// punctuation is (so long as the font has all its characters).
bool plainLatin(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u < 0x7f) || (u > 0xa0 && u < 0x250 && u != 0xad) || (u >= 0x2010 && u <= 0x2027);
    });
}

// The glyphs of a page, one run for each font and colour.
class GlyphRuns {
public:
    void add(const QRawFont &font, const QColor &color, const QList<quint32> &glyphs, const QList<QPointF> &positions,
             QPointF at)
    {
        auto run = std::find_if(mRuns.begin(), mRuns.end(),
                                [&](const Run &r) { return r.color == color && r.font == font; });
        if (run == mRuns.end())
            run = mRuns.insert(mRuns.end(), Run{font, color, {}, {}});
        run->glyphs += glyphs;
        for (const QPointF &p : positions)
            run->positions << p + at;
    }
    void add(const QList<QGlyphRun> &runs, const QColor &color, QPointF at)
    {
        for (const QGlyphRun &run : runs)
            add(run.rawFont(), color, run.glyphIndexes(), run.positions(), at);
    }
    // Adds plain Latin `text` straight from the advances of `font`; false,
    // adding nothing, for text that must be laid out in full.
    bool addPlain(const QRawFont &font, const QColor &color, const QString &text, QPointF at)
    {
        if (!font.isValid() || !plainLatin(text))
            return false;
        const QList<quint32> glyphs = font.glyphIndexesForString(text);
        if (glyphs.contains(0u)) // a character the font lacks: another font draws it
            return false;
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        QPointF pen;
        for (const QPointF &advance : font.advancesForGlyphIndexes(glyphs)) {
            positions << pen;
            pen += advance;
        }
        add(font, color, glyphs, positions, at);
        return true;
    }

    void paint(QPainter &painter) const
    {
        for (const Run &run : mRuns) {
            QGlyphRun glyphs;
            glyphs.setRawFont(run.font);
            glyphs.setGlyphIndexes(run.glyphs);
            glyphs.setPositions(run.positions);
            painter.setPen(QPen(run.color, 0));
            painter.drawGlyphRun(QPointF(0, 0), glyphs);
        }
    }

private:
    struct Run {
        QRawFont font;
        QColor color;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    std::vector<Run> mRuns;
};

} // namespace

ShapedText shapeText(const QString &text, const QFont &font)
{
    return shaped(text, font, Qt::LayoutDirectionAuto); // a painter's own direction, unless set
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
    // The texts shaped before are placed as they are when the painter lays
    // text out in the direction they were shaped in, and plain Latin text when
    // it is not set right to left; any other text is laid out as drawText() would.
    const Qt::LayoutDirection direction = painter.layoutDirection();
    GlyphRuns runs;
    const QFont *font = nullptr;
    QRawFont raw; // of `font`
    for (const Item &item : mItems) {
        if (item.font != font) {
            font = item.font;
            raw = QRawFont::fromFont(*font);
        }
        const QString &text = item.shaped ? item.shaped->text : item.text;
        if (item.shaped && direction == Qt::LayoutDirectionAuto)
            runs.add(item.shaped->runs, item.color, item.at);
        else if (direction == Qt::RightToLeft || !runs.addPlain(raw, item.color, text, item.at))
            runs.add(shaped(text, *font, direction).runs, item.color, item.at);
    }
    runs.paint(painter);
}

} // namespace varnelle::engine
