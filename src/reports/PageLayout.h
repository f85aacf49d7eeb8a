#pragma once

#include "reports/PageText.h"
#include "reports/ReportData.h"
#include "reports/ReportDefinition.h"

#include <QDate>
#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <vector>

class QPainter;

namespace varnelle::engine {

// The printed pages of a report, for the preview and the printer alike.
//
// The rows are measured once as they are read (addRow keeps a contact's ID
// and how many lines or numbers it has, nothing else); paginate() then cuts the pages in
// one pass and keeps only where each page starts. A page is drawn on demand
// from the rows of its range, fetched when it is needed.
//
// Every page has the report's title as its header and a footer with the
// print date and "Page N of M". Table layouts repeat their headings, bold
// and ruled, at the top of every page; card layouts draw a thin rule between
// cards. A row or card is never split across a page break unless it is taller
// than a whole page.
//
// Geometry is in units of 1/720 inch (a tenth of a point), measured from the
// top left corner of the paper.
class PageLayout {
public:
    static constexpr double unitsPerInch = 720.0;

    // `font` gives the family of the report's fonts; their sizes are the report's own.
    explicit PageLayout(const ReportDefinition &definition, const QFont &font = QFont());

    // Measures one contact; rows are added in report order.
    void addRow(const ReportRow &row);
    qsizetype rowCount() const { return mIds.size(); }

    // Portrait, unless what the layout prints is wider than a portrait page of `page`.
    QPageLayout::Orientation orientationFor(const QPageLayout &page) const;
    // Cuts the pages for the paper, orientation and margins of `page`.
    void paginate(const QPageLayout &page);

    int pageCount() const { return int(mPages.size()); }
    // The rows page `page` (from 0) shows, as [first, end) indexes into the added rows.
    std::pair<qsizetype, qsizetype> rowsOf(int page) const;
    // The PersonIDs of those rows.
    QList<qint64> idsOf(int page) const;
    QList<qint64> idsOf(qsizetype first, qsizetype end) const;

    // The paper size in units.
    QSizeF paperSize() const { return mPaper; }
    void setPrintDate(const QDate &date) { mDate = date; }
    QString footerDate() const;
    QString footerPage(int page) const;

    // Draws page `page` with its `rows` (those of idsOf(page), as far as they
    // still exist) on a painter whose coordinates are this layout's units.
    void drawPage(QPainter &painter, int page, const QList<ReportRow> &rows) const;
    // The text drawPage draws, line by line from the top, the texts of a
    // line from the left and apart by a tab: what a screen reader reads of the page.
    QString pageText(int page, const QList<ReportRow> &rows) const;

private:
    struct PageStart {
        qsizetype row;
        int line; // the first line of a row taller than a page, continued from the page before
    };
    static int entriesOf(const ReportRow &row, bool table);
    int linesOf(int entries) const;
    double rowHeight(int lines) const;
    double naturalWidth() const;
    double leastWidth(const ReportColumn &column) const;
    double summaryHeight() const;
    void placeColumns(double width);
    double drawRow(PageText &text, double y, double bottom, const ReportRow &row, int firstLine) const;
    // A value of the body font on one line within `width`, cut with "…" when longer.
    QString fitted(const QString &text, double width) const;
    QString fittedTelephone(const PhoneNumber &telephone, double width) const;

    ReportDefinition mDefinition;
    bool mTable = true;
    QFont mBody, mBold, mTitle, mSmall;
    double mLine = 0;      // the height of a line of body text
    double mAscent = 0;
    double mCharWidth = 0; // what a character of a definition's width is worth
    double mGap = 0;       // between columns
    double mLabelWidth = 0; // of a card's labels
    QStringList mLabels;    // a card's labels, "Heading:", the numbers' last
    std::vector<ShapedText> mShapedLabels; // the same, and "(continued)" after them
    std::array<double, 256> mLatinAdvance{}; // of the body font, to measure most values without shaping them
    double mTitleHeight = 0, mHeadingsHeight = 0, mFooterHeight = 0;

    QList<qint64> mIds;
    QList<quint16> mEntries; // a table row's numbers, or a card's filled lines

    QSizeF mPaper;
    QRectF mContent;  // the area inside the margins
    QRectF mRowArea;  // between the header (and headings) and the footer
    std::vector<double> mColumnX, mColumnWidth;
    int mNumbersPerLine = 1; // side by side under a table row
    double mNumberWidth = 0;
    std::vector<PageStart> mPages;
    QDate mDate = QDate::currentDate();
};

} // namespace varnelle::engine
