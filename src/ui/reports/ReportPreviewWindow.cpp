#include "ui/reports/ReportPreviewWindow.h"

#include "ui/reports/ReportPrinting.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <algorithm>

namespace varnelle {

using namespace engine;

namespace {
constexpr double minZoom = 0.1;
constexpr double maxZoom = 8.0;
constexpr double zoomStep = 1.25;
constexpr int paperMargin = 12; // grey around the paper, in pixels
} // namespace

// The paper of the current page at the preview's zoom, on a grey desk.
class PageView : public QWidget {
public:
    explicit PageView(ReportPreviewWindow *preview) : QWidget(preview), mPreview(preview)
    {
        setObjectName(QStringLiteral("pageView"));
        setAutoFillBackground(false);
    }

    double scale() const { return mPreview->mZoom * logicalDpiX() / PageLayout::unitsPerInch; }
    QSize paperPixels() const
    {
        const QSizeF paper = mPreview->layout().paperSize() * scale();
        return {qRound(paper.width()), qRound(paper.height())};
    }
    void resizeToPaper() { resize(paperPixels() + QSize(2 * paperMargin, 2 * paperMargin)); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        const QSize paper = paperPixels();
        const QPoint origin((width() - paper.width()) / 2, paperMargin);
        painter.fillRect(QRect(origin + QPoint(3, 3), paper), QColor(0, 0, 0, 60));
        painter.translate(origin);
        painter.setClipRect(QRect(QPoint(0, 0), paper));
        painter.scale(scale(), scale());
        const int page = mPreview->mPage;
        const QList<ReportRow> &rows = mPreview->rowsOf(page);
        mPreview->layout().drawPage(painter, page, rows);
        if (!mPreview->mReadError.isEmpty()) {
            painter.resetTransform();
            painter.setPen(Qt::darkRed);
            painter.drawText(QRect(origin, paper).adjusted(20, 80, -20, -20), Qt::TextWordWrap, mPreview->mReadError);
        }
        emit mPreview->pageDrawn(page);
    }

private:
    ReportPreviewWindow *mPreview;
};

ReportPreviewWindow::ReportPreviewWindow(ReportPages pages, QWidget *parent)
    : QMainWindow(parent), mPages(std::move(pages))
{
    // The pages are cut for the paper of the system's printer, turned as the report prints best.
    QPrinter pagePrinter(QPrinter::HighResolution);
    OrientPrinter(pagePrinter, *mPages.layout);
    mPages.layout->paginate(pagePrinter.pageLayout());
    setWindowTitle(mPages.title);
    setObjectName(QStringLiteral("ReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::NonModal);
    setWindowFlag(Qt::Window);

    auto *bar = addToolBar(tr("Preview"));
    bar->setObjectName(QStringLiteral("previewToolBar"));
    bar->setMovable(false);
    auto action = [&](const char *name, const QString &text, const QKeySequence &key, auto slot) {
        QAction *act = bar->addAction(text, this, slot);
        act->setObjectName(QLatin1String(name));
        act->setShortcut(key);
        act->setToolTip(key.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        return act;
    };
    mFirst = action("firstPageAction", tr("First"), QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { showPage(0); });
    mPrevious = action("previousPageAction", tr("Previous"), QKeySequence(Qt::Key_PageUp), [this] { showPage(mPage - 1); });
    mPageBox = new QSpinBox(bar);
    mPageBox->setObjectName(QStringLiteral("pageNumber"));
    mPageBox->setRange(1, std::max(1, mPages.layout->pageCount()));
    mPageBox->setKeyboardTracking(false);
    mPageBox->setAccessibleName(tr("Page"));
    mPageBox->setAlignment(Qt::AlignRight);
    mPageBox->setMinimumWidth(mPageBox->fontMetrics().horizontalAdvance(QString::number(mPages.layout->pageCount()) + u'0')
                              + mPageBox->sizeHint().width());
    bar->addWidget(mPageBox);
    mPageCount = new QLabel(tr(" of %1 ").arg(mPages.layout->pageCount()), bar);
    bar->addWidget(mPageCount);
    connect(mPageBox, &QSpinBox::valueChanged, this, [this](int value) { showPage(value - 1); });
    mNext = action("nextPageAction", tr("Next"), QKeySequence(Qt::Key_PageDown), [this] { showPage(mPage + 1); });
    mLast = action("lastPageAction", tr("Last"), QKeySequence(Qt::CTRL | Qt::Key_End), [this] { showPage(mPages.layout->pageCount() - 1); });
    bar->addSeparator();
    mZoomOut = action("zoomOutAction", tr("Zoom Out"), QKeySequence::ZoomOut, [this] { setZoom(mZoom / zoomStep); });
    mZoomIn = action("zoomInAction", tr("Zoom In"), QKeySequence::ZoomIn, [this] { setZoom(mZoom * zoomStep); });
    action("fitWidthAction", tr("Fit Width"), QKeySequence(), [this] { fitWidth(); });
    action("fitPageAction", tr("Fit Page"), QKeySequence(), [this] { fitPage(); });
    bar->addSeparator();
    action("printAction", tr("Print..."), QKeySequence::Print, [this] { print(); });

    // Home and End go to the top and the foot of the page shown.
    const auto onKey = [this](const QList<QKeySequence> &keys, auto slot) {
        auto *act = new QAction(this);
        act->setShortcuts(keys);
        connect(act, &QAction::triggered, this, slot);
        addAction(act);
    };
    onKey({QKeySequence(Qt::Key_Home)}, [this] { mScroll->verticalScrollBar()->setValue(0); });
    onKey({QKeySequence(Qt::Key_End)},
          [this] { mScroll->verticalScrollBar()->setValue(mScroll->verticalScrollBar()->maximum()); });
    onKey({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { close(); });
    // The page box would take the navigation keys for its own text: they
    // turn the pages wherever the focus is.
    mPageBox->installEventFilter(this);
    mPageBox->findChild<QLineEdit *>()->installEventFilter(this);

    mScroll = new QScrollArea(this);
    mScroll->setObjectName(QStringLiteral("pageScroll"));
    mScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    mScroll->setBackgroundRole(QPalette::Dark);
    mView = new PageView(this);
    mScroll->setWidget(mView);
    setCentralWidget(mScroll);

    // A window as tall as the screen allows, wide enough for a portrait page.
    QSize size(900, 1000);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    updateControls();
}

ReportPreviewWindow::~ReportPreviewWindow() = default;

bool ReportPreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const bool paging = key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
        const bool ends = key->key() == Qt::Key_Home || key->key() == Qt::Key_End;
        if ((paging && mods == Qt::NoModifier) || (ends && (mods == Qt::NoModifier || mods == Qt::ControlModifier))) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void ReportPreviewWindow::centreOver(const QWidget &window)
{
    const QRect over = window.frameGeometry();
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(over.center());
    if (const QScreen *screen = window.screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

const QList<ReportRow> &ReportPreviewWindow::rowsOf(int page)
{
    if (page != mRowsPage) {
        mRowsPage = page;
        mRows.clear();
        mReadError.clear();
        try {
            mRows = mPages.fetch(mPages.layout->idsOf(page));
        } catch (const ReportError &error) {
            mReadError = error.message();
        }
    }
    return mRows;
}

void ReportPreviewWindow::showPage(int page)
{
    page = std::clamp(page, 0, std::max(0, mPages.layout->pageCount() - 1));
    if (page != mPage) {
        mPage = page;
        mScroll->verticalScrollBar()->setValue(0);
        mView->update();
    }
    updateControls();
}

void ReportPreviewWindow::setZoom(double zoom)
{
    mFit = Fit::None;
    mZoom = std::clamp(zoom, minZoom, maxZoom);
    mView->resizeToPaper();
    mView->update();
    updateControls();
}

double ReportPreviewWindow::fitZoom(bool wholePage) const
{
    const QSize room = mScroll->maximumViewportSize() - QSize(2 * paperMargin, 2 * paperMargin);
    const QSizeF paper = mPages.layout->paperSize() * (mView->logicalDpiX() / PageLayout::unitsPerInch);
    if (paper.isEmpty())
        return 1;
    const double scrollBar = wholePage ? 0 : mScroll->verticalScrollBar()->sizeHint().width();
    const double across = (room.width() - scrollBar) / paper.width();
    return wholePage ? std::min(across, room.height() / paper.height()) : across;
}

void ReportPreviewWindow::fitWidth()
{
    setZoom(fitZoom(false));
    mFit = Fit::Width;
}

void ReportPreviewWindow::fitPage()
{
    setZoom(fitZoom(true));
    mFit = Fit::Page;
}

void ReportPreviewWindow::refit()
{
    if (mFit == Fit::Width)
        fitWidth();
    else if (mFit == Fit::Page)
        fitPage();
}

void ReportPreviewWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    refit();
}

void ReportPreviewWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    refit();
}

void ReportPreviewWindow::updateControls()
{
    const int count = mPages.layout->pageCount();
    mFirst->setEnabled(mPage > 0);
    mPrevious->setEnabled(mPage > 0);
    mNext->setEnabled(mPage + 1 < count);
    mLast->setEnabled(mPage + 1 < count);
    mZoomIn->setEnabled(mZoom < maxZoom);
    mZoomOut->setEnabled(mZoom > minZoom);
    const QSignalBlocker quiet(mPageBox);
    mPageBox->setValue(mPage + 1);
    if (mDescribedPage != mPage) {
        // A screen reader reads the page's text: the picture alone says nothing.
        mDescribedPage = mPage;
        mView->setAccessibleName(tr("Page %1 of %2").arg(mPage + 1).arg(count));
        mView->setAccessibleDescription(mPages.layout->pageText(mPage, rowsOf(mPage)));
    }
}

void ReportPreviewWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    OrientPrinter(printer, *mPages.layout);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print %1").arg(windowTitle()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        PrinterOutput output(printer);
        ReportProgressDialog progress(windowTitle());
        mPages.print(output, progress.callback());
    } catch (const ReportError &error) {
        QMessageBox::warning(this, windowTitle(), error.message());
    }
}

} // namespace varnelle
