#include "app/FormHelpers.h"

#include "VersionInfo.h"
#include "app/Globals.h"
#include "app/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace varnelle {

namespace {
float mScreenWidth = 0;
float mScreenHeight = 0;
} // namespace

void InitMainForm(QWidget &form)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        mScreenHeight = static_cast<float>(PixelsToTwips(screen->geometry().height()));
        mScreenWidth = static_cast<float>(PixelsToTwips(screen->geometry().width()));
    }
    gAppTitle = QString::fromUtf8(version::ProductName);
    form.setWindowTitle(gAppTitle);
    CenterForm(form);
    form.show();
}

QPointF CenterForm(QWidget &form)
{
    form.winId(); // the window and its frame exist, so the frame's size is known
    const QSize frame = form.frameGeometry().size();
    const float top = (mScreenHeight - static_cast<float>(PixelsToTwips(frame.height()))) / 2.0f;
    const float left = (mScreenWidth - static_cast<float>(PixelsToTwips(frame.width()))) / 2.0f;
    form.move(TwipsToPixels(left), TwipsToPixels(top));
    return {left, top};
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
