#include "ui/widgets/WindowPlacement.h"

#include "common/ProductInfo.h"
#include "ui/widgets/LayoutUnits.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace varnelle {

namespace {

QRectF TwipsRect(const QRect &pixels)
{
    return {PixelsToTwips(pixels.left()), PixelsToTwips(pixels.top()), PixelsToTwips(pixels.width()),
            PixelsToTwips(pixels.height())};
}

QRect AvailableArea(const QWidget &form)
{
    const QScreen *screen = form.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame's extents as the window manager reports them; none before the
// window manager has framed the form, and none without a window manager.
QMargins FrameMargins(const QWidget &form)
{
    const QWindow *window = form.windowHandle();
    return window ? window->frameMargins() : QMargins();
}

// A window manager frames a form only when the form is first shown, so a form
// centred before that is centred on its client area alone. This watches the
// form's window from its first exposure until the frame's extents are known,
// then centres the form once more on its framed size, and goes away for good.
// It goes away without moving anything when the form no longer stands where
// it was put: then the user (or the window manager) has placed it.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget *form)
        : QObject(form)
        , mForm(form)
        , mPlaced(form->geometry().topLeft())
    {
        form->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool exposedOrMoved = event->type() == QEvent::Expose || event->type() == QEvent::Move;
        if (!exposedOrMoved || !static_cast<QWindow *>(watched)->isExposed())
            return false;
        const bool moved = mForm->geometry().topLeft() != mPlaced;
        if (!moved && FrameMargins(*mForm).isNull())
            return false; // not framed yet
        watched->removeEventFilter(this);
        deleteLater();
        if (!moved)
            CenterForm(*mForm);
        return false;
    }

private:
    QWidget *mForm;
    QPoint mPlaced;
};

} // namespace

void InitMainForm(QWidget &form)
{
    form.setWindowTitle(AppTitle());
    CenterForm(form);
    form.show();
}

QPointF CentredPosition(const QRectF &area, const QSizeF &frame)
{
    const double left = area.left() + (area.width() - frame.width()) / 2.0;
    const double top = area.top() + (area.height() - frame.height()) / 2.0;
    return {left, top};
}

QPointF CenterForm(QWidget &form)
{
    form.winId(); // the native window exists, so its frame is known once the window manager has framed it
    const QMargins frame = FrameMargins(form);
    const QSize framed = form.size().grownBy(frame);
    const QPointF position = CentredPosition(TwipsRect(AvailableArea(form)),
                                             QSizeF(PixelsToTwips(framed.width()), PixelsToTwips(framed.height())));
    // The client area goes inside the frame, whose outer corner is the position.
    const QPoint client(TwipsToPixels(position.x()) + frame.left(), TwipsToPixels(position.y()) + frame.top());
    form.setGeometry(QRect(client, form.size()));
    if (frame.isNull() && !form.windowHandle()->isExposed())
        new CentreWhenFramed(&form);
    return position;
}

float ScreenWidthTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<float>(PixelsToTwips(screen->availableGeometry().width())) : 0;
}

float ScreenHeightTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<float>(PixelsToTwips(screen->availableGeometry().height())) : 0;
}

void DialogPlaces::place(QWidget &dialog) const
{
    const auto place = mPlaces.constFind(dialog.objectName());
    if (place == mPlaces.constEnd())
        CenterForm(dialog);
    else
        dialog.move(*place);
}

void DialogPlaces::keep(const QWidget &dialog)
{
    mPlaces.insert(dialog.objectName(), dialog.pos());
}

} // namespace varnelle
