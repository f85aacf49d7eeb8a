#include "app/FormHelpers.h"

#include "VersionInfo.h"
#include "app/Globals.h"
#include "app/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace varnelle {

namespace {

float mScreenWidth = 0;
float mScreenHeight = 0;

// A window manager gives a form its frame only when the form is first shown,
// so a form centred before that is centred on its client area alone. This
// centres it once more as soon as its frame is known.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget *form)
        : QObject(form)
    {
        form->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *form = static_cast<QWidget *>(watched);
        const bool framed = form->isVisible() && form->frameGeometry().size() != form->size();
        if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && framed) {
            form->removeEventFilter(this);
            deleteLater();
            CenterForm(*form);
        }
        return false;
    }
};

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
    if (!form.isVisible() && form.frameGeometry().size() == form.size())
        new CentreWhenFramed(&form);
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
