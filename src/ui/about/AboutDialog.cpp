#include "ui/about/AboutDialog.h"

#include "VersionInfo.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/WindowPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace varnelle {

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("AboutDialog");
    SetClientSizeTwips(this, 4875, 2595);
    createControls();
    Load();
}

void AboutDialog::createControls()
{
    cmdOK = MakeButton(this, "cmdOK", "OK", 1920, 1680, 1095, 495);
    cmdOK->setDefault(true); // the only control that takes the focus, so Enter reaches it
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    lblProduct = MakeLabel(this, "lblProduct", " ", 2160, 240, 585, 195, Qt::AlignCenter);
    lblVersion = MakeLabel(this, "lblVersion", " ", 2160, 600, 585, 195, Qt::AlignCenter);
    lblCopyright = MakeLabel(this, "lblCopyright", QString::fromUtf8("Copyright \u00A9 2026 Varnelle"), 1035, 1200,
                             2625, 195, Qt::AlignCenter);

    // A black horizontal line one pixel high, from (360, 960) to (4440, 960).
    linSeparator = MakeControl<QFrame>(this, "linSeparator", 360, 960 - TwipsPerPixel / 2, 4440 - 360, TwipsPerPixel);
    linSeparator->setFrameShape(QFrame::HLine);
    linSeparator->setFrameShadow(QFrame::Plain);
    linSeparator->setLineWidth(1);
    QPalette black = linSeparator->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    linSeparator->setPalette(black);
}

void AboutDialog::Load()
{
    CenterForm(*this);
    setWindowTitle(QString("About ") + QString::fromUtf8(version::ShortTitle));
    lblVersion->setText(VersionText(version::Major, version::Minor));
    lblProduct->setText(QString::fromUtf8(version::ProductName));
    // Both labels fit themselves to their text, growing to the right.
    lblVersion->adjustSize();
    lblProduct->adjustSize();
}

} // namespace varnelle
