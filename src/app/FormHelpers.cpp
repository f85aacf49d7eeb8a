#include "app/FormHelpers.h"

#include "VersionInfo.h"
#include "app/Globals.h"
#include "app/Twips.h"

#include <QGuiApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace varnelle {

namespace {

float mScreenWidth = 0;
float mScreenHeight = 0;

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

bool Framed(const QWidget &form)
{
    return form.frameGeometry().size() != form.size();
}

// A window manager frames a form only when the form is first shown, so a form
// centred before that is centred on its client area alone. This waits for the
// first exposure of the form's window, when the frame's extents are known, and
// centres the form once more on its framed size. It then goes away for good,
// so a window the user moves afterwards stays where the user put it.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget *form)
        : QObject(form)
        , mForm(form)
    {
        form->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            if (Framed(*mForm))
                CenterForm(*mForm);
        }
        return false;
    }

private:
    QWidget *mForm;
};

} // namespace

void InitMainForm(QWidget &form)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        mScreenHeight = static_cast<float>(PixelsToTwips(screen->availableGeometry().height()));
        mScreenWidth = static_cast<float>(PixelsToTwips(screen->availableGeometry().width()));
    }
    gAppTitle = QString::fromUtf8(version::ProductName);
    form.setWindowTitle(gAppTitle);
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
    const QPointF position =
        CentredPosition(TwipsRect(AvailableArea(form)), TwipsRect(form.frameGeometry()).size());
    form.move(TwipsToPixels(position.x()), TwipsToPixels(position.y()));
    if (!form.isVisible() && !Framed(form))
        new CentreWhenFramed(&form);
    return position;
}

float ScreenWidthTwips()
{
    return mScreenWidth;
}

float ScreenHeightTwips()
{
    return mScreenHeight;
}

QString VersionText(int major, int minor)
{
    return QString("Version %1.%2").arg(major).arg(minor);
}

} // namespace varnelle
