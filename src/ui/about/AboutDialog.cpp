#include "ui/about/AboutDialog.h"

#include "VersionInfo.h"
#include "common/ProductInfo.h"
#include "ui/widgets/DrawnLayout.h"
#include "ui/widgets/WidgetFactory.h"
#include "ui/widgets/WindowPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace varnelle {

AboutDialog::AboutDialog(const QString &bookPath, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("AboutDialog");
    SetClientSizeTwips(this, 4875, 2595);
    createControls();
    LayOutAsDrawn(this);
    load(bookPath);
}

void AboutDialog::createControls()
{
    mOkButton = MakeButton(this, "okButton", tr("OK"), 1920, 1680, 1095, 495);
    mOkButton->setDefault(true); // the only control that takes the focus, so Enter reaches it
    connect(mOkButton, &QPushButton::clicked, this, &QDialog::accept);

    // These two grow to the right as their texts need.
    mProductLabel = MakeLabel(this, "productLabel", tr(" "), 2160, 240, 585, 195, Qt::AlignLeft | Qt::AlignVCenter);
    mVersionLabel = MakeLabel(this, "versionLabel", tr(" "), 2160, 600, 585, 195, Qt::AlignLeft | Qt::AlignVCenter);
    mCopyrightLabel = MakeLabel(this, "copyrightLabel", tr("Copyright \u00A9 2026 Varnelle"), 1035, 1200,
                             2625, 195, Qt::AlignCenter);

    // A black horizontal line one pixel high, from (360, 960) to (4440, 960).
    mSeparator = MakeControl<QFrame>(this, "separator", 360, 960 - TwipsPerPixel / 2, 4440 - 360, TwipsPerPixel);
    mSeparator->setFrameShape(QFrame::HLine);
    mSeparator->setFrameShadow(QFrame::Plain);
    mSeparator->setLineWidth(1);
    QPalette black = mSeparator->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    mSeparator->setPalette(black);

    // The open book's path under the copyright notice: read-only, without a
    // frame, and selectable whole even when it is longer than the box.
    mBookPath = MakeControl<QLineEdit>(this, "bookPathBox", 360, 1425, 4440 - 360, 225);
    mBookPath->setReadOnly(true);
    mBookPath->setFrame(false);
    mBookPath->setAlignment(Qt::AlignCenter);
    mBookPath->setFocusPolicy(Qt::NoFocus); // OK stays the only control that takes the focus
    mBookPath->setAutoFillBackground(false);
    QPalette plain = mBookPath->palette();
    plain.setColor(QPalette::Base, Qt::transparent);
    mBookPath->setPalette(plain);
    mBookPath->setAccessibleName(tr("Address book file"));
}

void AboutDialog::load(const QString &bookPath)
{
    mBookPath->setText(bookPath);
    mBookPath->setCursorPosition(0);
    mBookPath->setToolTip(bookPath);
    setWindowTitle(tr("About %1").arg(QString::fromUtf8(version::ShortTitle)));
    mVersionLabel->setText(VersionText(version::Major, version::Minor));
    mProductLabel->setText(QString::fromUtf8(version::ProductName));
    // Both labels fit themselves to their text, growing to the right.
    layout()->activate();
    CenterForm(*this);
}

} // namespace varnelle
