#pragma once

#include "reports/ReportEngine.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace varnelle {

class PageView;

// The preview window of a report: one page at a time, drawn when it is shown,
// with page navigation, zoom, fitting and printing. The report's pages are cut
// for the paper of the system's printer; the window reads the rows of the page
// it shows through the pages' fetch and nothing else, and prints the whole
// report on a printer the user chooses. It is titled with the report's title
// and deletes itself when closed.
class ReportPreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ReportPreviewWindow(ReportPages pages, QWidget *parent = nullptr);
    ~ReportPreviewWindow() override;

    const engine::PageLayout &layout() const { return *mPages.layout; }
    int currentPage() const { return mPage; } // from 0
    double zoom() const { return mZoom; }     // 1 = the paper's real size

    // Moves the window, as it will be shown, to the middle of that window,
    // kept on that window's screen.
    void centreOver(const QWidget &window);

    void showPage(int page);
    void setZoom(double zoom);
    void fitWidth();
    void fitPage();
    void print();

    // The rows of a page, read once while the page is shown.
    const QList<engine::ReportRow> &rowsOf(int page);
    QString readError() const { return mReadError; }

signals:
    void pageDrawn(int page);

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateControls();
    // Keeps a fit to the width or the page as the window changes.
    void refit();
    double fitZoom(bool wholePage) const;

    friend class PageView;
    ReportPages mPages;
    int mPage = 0;
    double mZoom = 1;
    enum class Fit { None, Width, Page } mFit = Fit::Width;

    int mRowsPage = -1;
    int mDescribedPage = -1; // the page whose text the page view gives screen readers
    QList<engine::ReportRow> mRows;
    QString mReadError;

    PageView *mView = nullptr;
    QScrollArea *mScroll = nullptr;
    QSpinBox *mPageBox = nullptr;
    QLabel *mPageCount = nullptr;
    QAction *mFirst = nullptr, *mPrevious = nullptr, *mNext = nullptr, *mLast = nullptr;
    QAction *mZoomIn = nullptr, *mZoomOut = nullptr;
};

} // namespace varnelle
