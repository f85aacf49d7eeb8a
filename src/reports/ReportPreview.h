#pragma once

#include "reports/PageLayout.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;

namespace varnelle::engine {

class PageView;

// The preview window of a report: one page at a time, drawn when it is shown,
// with page navigation, zoom, fitting and printing. It reads the rows of the
// page it shows through `fetch` and nothing else; `print` prints the whole
// report on a printer the user has chosen. It deletes itself when closed.
class ReportPreview : public QMainWindow {
    Q_OBJECT
public:
    using FetchRows = std::function<QList<ReportRow>(const QList<qint64> &ids)>;
    using Print = std::function<void(QPrinter &printer)>;

    ReportPreview(std::shared_ptr<const PageLayout> layout, FetchRows fetch, Print print, QWidget *parent = nullptr);
    ~ReportPreview() override;

    const PageLayout &layout() const { return *mLayout; }
    int currentPage() const { return mPage; } // from 0
    double zoom() const { return mZoom; }     // 1 = the paper's real size

    void showPage(int page);
    void setZoom(double zoom);
    void fitWidth();
    void fitPage();
    void print();

    // The rows of a page, read once while the page is shown.
    const QList<ReportRow> &rowsOf(int page);
    QString readError() const { return mReadError; }

signals:
    void pageDrawn(int page);

private:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateControls();
    // Keeps a fit to the width or the page as the window changes.
    void refit();
    double fitZoom(bool wholePage) const;

    friend class PageView;
    std::shared_ptr<const PageLayout> mLayout;
    FetchRows mFetch;
    Print mPrint;
    int mPage = 0;
    double mZoom = 1;
    enum class Fit { None, Width, Page } mFit = Fit::Width;

    int mRowsPage = -1;
    QList<ReportRow> mRows;
    QString mReadError;

    PageView *mView = nullptr;
    QScrollArea *mScroll = nullptr;
    QSpinBox *mPageBox = nullptr;
    QLabel *mPageCount = nullptr;
    QAction *mFirst = nullptr, *mPrevious = nullptr, *mNext = nullptr, *mLast = nullptr;
    QAction *mZoomIn = nullptr, *mZoomOut = nullptr;
};

} // namespace varnelle::engine
