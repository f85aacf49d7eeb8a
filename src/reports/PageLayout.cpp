#include "reports/PageLayout.h"

#include "reports/PageText.h"
#include "reports/ReportWriter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <climits>
#include <QPaintEngine>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace varnelle::engine {

namespace {

// Sizes in units of 1/720 inch: a point is ten units.
constexpr double point = 10;
constexpr int bodySize = 90;   // 9 pt
constexpr int titleSize = 120; // 12 pt
constexpr int smallSize = 75;  // 7.5 pt
constexpr double minimumMargin = 15 / 25.4 * PageLayout::unitsPerInch; // 15 mm
constexpr double rowPadding = 1 * point;  // above and below a table row
constexpr double cardPadding = 4 * point; // above and below a card
constexpr double indent = 12 * point;     // of the numbers under a table row
constexpr double numberWidth = 150 * point; // at least, for "Type: Number" side by side
const QColor ink(Qt::black);
const QColor muted(0x55, 0x55, 0x55);
const QColor thinRule(0x99, 0x99, 0x99);

QFont sized(const QFont &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    // Fractional advances: the text is measured once and printed at any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    // Shaping only for the scripts that need it: a report prints a lot of text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Tabs and line breaks become spaces: every value keeps to its line.
QString oneLine(const QString &text)
{
    if (!text.contains(u'\t') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString result = text;
    for (QChar &c : result)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return result;
}

// `text` on one line within `width`, cut with "…" when it is longer.
QString fittedIn(const QFontMetricsF &metrics, const QString &text, double width)
{
    const QString line = oneLine(text);
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    return metrics.elidedText(line, Qt::ElideRight, width);
}

QRectF inUnits(const QRectF &points)
{
    const double scale = PageLayout::unitsPerInch / 72.0;
    return {points.x() * scale, points.y() * scale, points.width() * scale, points.height() * scale};
}

} // namespace

PageLayout::PageLayout(const ReportDefinition &definition, const QFont &font)
    : mDefinition(definition),
      mTable(definition.layout == ReportDefinition::Layout::Table),
      mBody(sized(font, bodySize, false)),
      mBold(sized(font, bodySize, true)),
      mTitle(sized(font, titleSize, true)),
      mSmall(sized(font, smallSize, false))
{
    const QFontMetricsF body(mBody);
    mLine = std::ceil(body.lineSpacing());
    mAscent = body.ascent();
    mCharWidth = body.averageCharWidth();
    mGap = 8 * point;
    const QFontMetricsF bold(mBold);
    for (const ReportColumn &column : definition.columns)
        mLabels << column.heading + u':';
    mLabels << definition.telephones.heading + u':';
    for (const QString &label : std::as_const(mLabels)) {
        mLabelWidth = std::max(mLabelWidth, body.horizontalAdvance(label));
        mShapedLabels.push_back(shapeText(label, mBody));
    }
    mShapedLabels.push_back(shapeText(QCoreApplication::translate("Reports", "(continued)"), mBody));
    mLabelWidth += mGap;
    for (std::size_t c = 0; c < mLatinAdvance.size(); ++c)
        mLatinAdvance[c] = body.horizontalAdvance(QChar(char16_t(c)));
    mTitleHeight = QFontMetricsF(mTitle).lineSpacing() + 10 * point;
    mHeadingsHeight = mTable ? std::ceil(bold.lineSpacing()) + 5 * point : 0;
    mFooterHeight = QFontMetricsF(mSmall).lineSpacing() + 8 * point;
}

int PageLayout::entriesOf(const ReportRow &row, bool table)
{
    if (table)
        return int(row.telephones.size());
    const auto filled = std::count_if(row.cells.cbegin(), row.cells.cend(), [](const QString &c) { return !c.isEmpty(); });
    return int(filled + row.telephones.size());
}

// A table row takes a line, and lines of numbers side by side beneath it; a
// card a line for each filled field and number.
int PageLayout::linesOf(int entries) const
{
    if (mTable)
        return 1 + (entries + mNumbersPerLine - 1) / mNumbersPerLine;
    return std::max(1, entries);
}

double PageLayout::rowHeight(int lines) const
{
    return lines * mLine + 2 * (mTable ? rowPadding : cardPadding);
}

double PageLayout::summaryHeight() const { return mLine + 8 * point; }

void PageLayout::addRow(const ReportRow &row)
{
    mIds << row.personId;
    mEntries << quint16(std::min(entriesOf(row, mTable), 0xffff));
}

// The width the columns take at their widths in characters, each at least as
// wide as its heading; a card is as wide as its labels and longest values.
double PageLayout::naturalWidth() const
{
    if (!mTable) {
        int widest = 0;
        for (const ReportColumn &column : mDefinition.columns)
            widest = std::max(widest, column.width);
        return mLabelWidth + std::min(widest, 60) * mCharWidth;
    }
    double width = mGap * double(mDefinition.columns.size() - 1);
    for (const ReportColumn &column : mDefinition.columns)
        width += std::max(column.width * mCharWidth, leastWidth(column));
    return width;
}

// A column is never narrower than its heading. A short column holds a code
// (a state, a ZIP code) that is no use cut: it keeps room for its characters
// at the width of a digit, wider than the average letter.
double PageLayout::leastWidth(const ReportColumn &column) const
{
    constexpr int shortColumn = 12;
    const double heading = QFontMetricsF(mBold).horizontalAdvance(column.heading);
    if (column.width > shortColumn)
        return heading;
    return std::max(heading, column.width * QFontMetricsF(mBody).horizontalAdvance(u'0'));
}

QPageLayout::Orientation PageLayout::orientationFor(const QPageLayout &page) const
{
    QPageLayout portrait = page;
    portrait.setOrientation(QPageLayout::Portrait);
    const QRectF paper = inUnits(portrait.fullRect(QPageLayout::Point));
    const QMarginsF margins = portrait.margins(QPageLayout::Point) * (unitsPerInch / 72.0);
    const double width = paper.width() - std::max(margins.left(), minimumMargin) - std::max(margins.right(), minimumMargin);
    return naturalWidth() > width ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void PageLayout::placeColumns(double width)
{
    mColumnX.clear();
    mColumnWidth.clear();
    if (!mTable || mDefinition.columns.empty())
        return;
    // The widths of the definition share out the line; a column is never
    // narrower than its least width while the others can give way.
    const std::size_t count = mDefinition.columns.size();
    const double room = std::max(0.0, width - mGap * double(count - 1));
    std::vector<double> heading(count);
    std::vector<bool> fixed(count, false);
    for (std::size_t i = 0; i < count; ++i)
        heading[i] = leastWidth(mDefinition.columns[i]);
    mColumnWidth.assign(count, 0);
    for (bool changed = true; changed;) {
        changed = false;
        double share = room;
        double chars = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (fixed[i])
                share -= heading[i];
            else
                chars += std::max(1, mDefinition.columns[i].width);
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (fixed[i]) {
                mColumnWidth[i] = heading[i];
                continue;
            }
            mColumnWidth[i] = chars > 0 ? std::max(0.0, share) * std::max(1, mDefinition.columns[i].width) / chars : 0;
            if (mColumnWidth[i] < heading[i] && share > heading[i]) {
                fixed[i] = true;
                changed = true;
            }
        }
    }
    // Headings that alone are wider than the line: every column gives way.
    const double total = std::accumulate(mColumnWidth.begin(), mColumnWidth.end(), 0.0);
    if (total > room && total > 0)
        for (double &w : mColumnWidth)
            w *= room / total;
    double x = mContent.left();
    for (std::size_t i = 0; i < count; ++i) {
        mColumnX.push_back(x);
        x += mColumnWidth[i] + mGap;
    }
}

void PageLayout::paginate(const QPageLayout &page)
{
    mPaper = inUnits(page.fullRect(QPageLayout::Point)).size();
    const QMarginsF margins = page.margins(QPageLayout::Point) * (unitsPerInch / 72.0);
    mContent = QRectF(QPointF(0, 0), mPaper)
                   .adjusted(std::max(margins.left(), minimumMargin), std::max(margins.top(), minimumMargin),
                             -std::max(margins.right(), minimumMargin), -std::max(margins.bottom(), minimumMargin));
    mRowArea = mContent.adjusted(0, mTitleHeight + mHeadingsHeight, 0, -mFooterHeight);
    placeColumns(mContent.width());
    const double numbers = mContent.width() - indent;
    mNumbersPerLine = std::max(1, int((numbers + mGap) / (numberWidth + mGap)));
    mNumberWidth = (numbers - mGap * (mNumbersPerLine - 1)) / mNumbersPerLine;

    // One pass: a row goes to the next page when it does not fit on this one;
    // only a row taller than a page is cut, between its lines.
    mPages.assign(1, PageStart{0, 0});
    const double room = mRowArea.height();
    const int linesPerPage = std::max(1, int((room - rowHeight(0)) / mLine));
    double y = 0;
    for (qsizetype row = 0; row < mEntries.size(); ++row) {
        const int lines = linesOf(mEntries.at(row));
        double height = rowHeight(lines);
        if (y > 0 && y + height > room) {
            mPages.push_back({row, 0});
            y = 0;
        }
        if (height > room) {
            int line = 0;
            while (lines - line > linesPerPage) {
                line += linesPerPage;
                mPages.push_back({row, line});
            }
            height = rowHeight(lines - line);
        }
        y += height;
    }
    if (y > 0 && y + summaryHeight() > room)
        mPages.push_back({mEntries.size(), 0});
}

std::pair<qsizetype, qsizetype> PageLayout::rowsOf(int page) const
{
    if (page < 0 || page >= pageCount())
        return {0, 0};
    const PageStart &start = mPages[std::size_t(page)];
    if (page + 1 == pageCount())
        return {start.row, mIds.size()};
    const PageStart &next = mPages[std::size_t(page) + 1];
    return {start.row, next.row + (next.line > 0 ? 1 : 0)};
}

QList<qint64> PageLayout::idsOf(qsizetype first, qsizetype end) const
{
    return mIds.mid(first, end - first);
}

QList<qint64> PageLayout::idsOf(int page) const
{
    const auto [first, end] = rowsOf(page);
    return idsOf(first, end);
}

QString PageLayout::footerDate() const
{
    return QLocale().toString(mDate, QLocale::LongFormat);
}

QString PageLayout::footerPage(int page) const
{
    return QCoreApplication::translate("Reports", "Page %1 of %2").arg(page + 1).arg(pageCount());
}

QString PageLayout::fitted(const QString &text, double width) const
{
    // Most values are measured by adding up the advances of their characters;
    // only those that come near the width are measured as they are printed.
    double estimate = 0;
    for (const QChar c : text) {
        if (c.unicode() >= mLatinAdvance.size()) {
            estimate = width;
            break;
        }
        estimate += mLatinAdvance[c.unicode()];
    }
    if (estimate < width * 0.95)
        return oneLine(text);
    return fittedIn(QFontMetricsF(mBody), text, width);
}

// "Type: Number" within `width`. When it is too long the type's name gives
// way first, so that the number itself is printed whole wherever it can be.
QString PageLayout::fittedTelephone(const PhoneNumber &telephone, double width) const
{
    const QString whole = flattenTelephones({telephone});
    const QString shown = fitted(whole, width);
    if (shown == oneLine(whole) || telephone.type.isEmpty())
        return shown;
    const QFontMetricsF metrics(mBody);
    const QString number = QStringLiteral(": ") + oneLine(telephone.number);
    const double room = width - metrics.horizontalAdvance(number);
    if (room < metrics.horizontalAdvance(QStringLiteral("WW…")))
        return fittedIn(metrics, oneLine(telephone.number), width);
    return fittedIn(metrics, oneLine(telephone.type), room) + number;
}

double PageLayout::drawRow(PageText &text, double y, double bottom, const ReportRow &row, int firstLine) const
{
    const double padding = mTable ? rowPadding : cardPadding;
    int line = 0; // of the row, counted from its first
    double top = y + padding;
    // Places line `line` of the row when it belongs to this page; false once the page is full.
    auto place = [&](const std::function<void(double baseline)> &draw) {
        if (line++ < firstLine)
            return true;
        if (top + mLine > bottom + 0.5)
            return false;
        draw(top + mAscent);
        top += mLine;
        return true;
    };

    if (mTable) {
        place([&](double baseline) {
            for (qsizetype i = 0; i < row.cells.size() && std::size_t(i) < mColumnX.size(); ++i) {
                const QString &cell = row.cells.at(i);
                if (!cell.isEmpty())
                    text.add(mBody, ink, QPointF(mColumnX[std::size_t(i)], baseline),
                             fitted(cell, mColumnWidth[std::size_t(i)]));
            }
        });
        for (qsizetype first = 0; first < row.telephones.size(); first += mNumbersPerLine)
            if (!place([&](double baseline) {
                    const qsizetype end = std::min(row.telephones.size(), first + mNumbersPerLine);
                    for (qsizetype i = first; i < end; ++i)
                        text.add(mBody, muted, QPointF(mContent.left() + indent + double(i - first) * (mNumberWidth + mGap), baseline),
                                 fittedTelephone(row.telephones.at(i), mNumberWidth));
                }))
                break;
        return y + rowHeight(line);
    }

    // The card's lines on this page, its labels first and then its values:
    // a painter drawing them text by text changes its colour twice a card.
    struct Entry {
        const ShapedText *label;
        QString value;
    };
    std::vector<Entry> entries;
    entries.reserve(std::size_t(row.cells.size() + row.telephones.size()));
    const qsizetype numbersLabel = mLabels.size() - 1;
    for (qsizetype i = 0; i < row.cells.size() && i < numbersLabel; ++i)
        if (!row.cells.at(i).isEmpty())
            entries.push_back({&mShapedLabels[std::size_t(i)], row.cells.at(i)});
    for (qsizetype i = 0; i < row.telephones.size(); ++i)
        entries.push_back({i == 0 ? &mShapedLabels[std::size_t(numbersLabel)] : nullptr,
                           flattenTelephones({row.telephones.at(i)})});
    const int fitting = std::max(0, int((bottom + 0.5 - top) / mLine));
    const int end = std::min(int(entries.size()), firstLine + fitting);
    // A card continued from the page before says so where its first line here has no label.
    const ShapedText &continued = mShapedLabels.back();
    for (int k = firstLine; k < end; ++k) {
        const ShapedText *label = entries[std::size_t(k)].label;
        if (!label && k == firstLine && firstLine > 0)
            label = &continued;
        if (label)
            text.add(mBody, muted, QPointF(mContent.left(), top + (k - firstLine) * mLine + mAscent), *label);
    }
    const double valueX = mContent.left() + mLabelWidth;
    const double valueWidth = mContent.right() - valueX;
    for (int k = firstLine; k < end; ++k)
        text.add(mBody, ink, QPointF(valueX, top + (k - firstLine) * mLine + mAscent),
                 fitted(entries[std::size_t(k)].value, valueWidth));
    return y + rowHeight(std::max(1, end - firstLine)); // an empty card keeps its one line
}

void PageLayout::drawPage(QPainter &painter, int page, const QList<ReportRow> &rows) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), mPaper), Qt::white);
    const double left = mContent.left();
    const double right = mContent.right();

    // Header: the title, ruled off.
    painter.setFont(mTitle);
    painter.setPen(ink);
    const QFontMetricsF title(mTitle);
    painter.drawText(QPointF(left, mContent.top() + title.ascent()), fittedIn(title, mDefinition.title, mContent.width()));
    double y = mContent.top() + title.lineSpacing() + 3 * point;
    painter.setPen(QPen(ink, 1 * point));
    painter.drawLine(QPointF(left, y), QPointF(right, y));

    // Headings of a table, bold, with a rule under them.
    if (mTable) {
        y = mContent.top() + mTitleHeight;
        painter.setFont(mBold);
        painter.setPen(ink);
        const QFontMetricsF bold(mBold);
        for (std::size_t i = 0; i < mColumnX.size(); ++i)
            painter.drawText(QPointF(mColumnX[i], y + bold.ascent()),
                             fittedIn(bold, mDefinition.columns[i].heading, mColumnWidth[i]));
        y += std::ceil(bold.lineSpacing()) + 2 * point;
        painter.setPen(QPen(ink, 0.6 * point));
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }

    // The rows; a thin rule between cards.
    PageText text;
    y = mRowArea.top();
    const bool valid = page >= 0 && page < pageCount();
    const int firstLine = valid ? mPages[std::size_t(page)].line : 0;
    const qint64 firstId = valid && mPages[std::size_t(page)].row < mIds.size() ? mIds.at(mPages[std::size_t(page)].row) : -1;
    for (qsizetype i = 0; i < rows.size() && y < mRowArea.bottom(); ++i) {
        const ReportRow &row = rows.at(i);
        if (!mTable && i > 0) {
            painter.setPen(QPen(thinRule, 0.4 * point));
            painter.drawLine(QPointF(left, y), QPointF(right, y));
        }
        y = drawRow(text, y, mRowArea.bottom(), row, i == 0 && row.personId == firstId ? firstLine : 0);
    }
    text.paint(painter);
    painter.setFont(mBody);
    if (valid && page + 1 == pageCount() && y + summaryHeight() <= mRowArea.bottom() + 0.5) {
        painter.setPen(ink);
        const qsizetype count = mIds.size();
        painter.drawText(QPointF(left, y + 8 * point + mAscent),
                         count == 1 ? QCoreApplication::translate("Reports", "1 contact")
                                    : QCoreApplication::translate("Reports", "%1 contacts").arg(count));
    }

    // Footer: a rule, the print date and the page number.
    const QFontMetricsF small(mSmall);
    y = mContent.bottom() - mFooterHeight + 3 * point;
    painter.setPen(QPen(ink, 0.5 * point));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.setFont(mSmall);
    const double baseline = mContent.bottom() - small.descent();
    painter.drawText(QPointF(left, baseline), footerDate());
    const QString number = footerPage(page);
    painter.drawText(QPointF(right - small.horizontalAdvance(number), baseline), number);
    painter.restore();
}

namespace {

// A paint device that keeps the texts drawn on it, with where they start,
// and draws nothing else.
class TextRecorder : public QPaintDevice {
public:
    struct Placed {
        QPointF at;
        QString text;
    };
    std::vector<Placed> texts;

    QPaintEngine *paintEngine() const override { return &mEngine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 100000;
        case PdmHeight: return 100000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return int(PageLayout::unitsPerInch);
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 1000;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder &device) : QPaintEngine(AllFeatures), mDevice(device) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyTransform)
                mTransform = state.transform();
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            mDevice.texts.push_back({mTransform.map(p), item.text()});
        }
        Type type() const override { return User; }

    private:
        TextRecorder &mDevice;
        QTransform mTransform;
    };
    mutable Engine mEngine{*const_cast<TextRecorder *>(this)};
};

} // namespace

QString PageLayout::pageText(int page, const QList<ReportRow> &rows) const
{
    TextRecorder recorder;
    {
        QPainter painter(&recorder);
        drawPage(painter, page, rows);
    }
    std::stable_sort(recorder.texts.begin(), recorder.texts.end(), [](const auto &a, const auto &b) {
        return qRound(a.at.y()) != qRound(b.at.y()) ? a.at.y() < b.at.y() : a.at.x() < b.at.x();
    });
    QStringList lines;
    long lineY = LONG_MIN;
    for (const TextRecorder::Placed &placed : recorder.texts) {
        if (placed.text.trimmed().isEmpty())
            continue;
        const long y = qRound(placed.at.y());
        if (y != lineY || lines.isEmpty())
            lines << placed.text;
        else
            lines.last() += u'\t' + placed.text;
        lineY = y;
    }
    return lines.join(u'\n');
}

} // namespace varnelle::engine
