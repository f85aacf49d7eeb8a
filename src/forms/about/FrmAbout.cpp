#include "forms/about/FrmAbout.h"

#include "VersionInfo.h"
#include "app/FormHelpers.h"
#include "app/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace varnelle {

namespace {

QLabel *centredLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName("FrmAbout");
    SetClientSizeTwips(this, 4875, 2595);
    createControls();
    Load();
}

void FrmAbout::createControls()
{
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    PlaceTwips(cmdOK, 1920, 1680, 1095, 495);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    lblProduct = centredLabel(this, "lblProduct", " ");
    PlaceTwips(lblProduct, 2160, 240, 585, 195);
    lblVersion = centredLabel(this, "lblVersion", " ");
    PlaceTwips(lblVersion, 2160, 600, 585, 195);
    lblCopyright = centredLabel(this, "lblCopyright", QString::fromUtf8("Copyright \u00A9 2026 Varnelle"));
    PlaceTwips(lblCopyright, 1035, 1200, 2625, 195);

    linSeparator = new QFrame(this);
    linSeparator->setObjectName("linSeparator");
    linSeparator->setFrameShape(QFrame::HLine);
    linSeparator->setFrameShadow(QFrame::Plain);
    linSeparator->setLineWidth(1);
    QPalette black = linSeparator->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    linSeparator->setPalette(black);
    PlaceTwips(linSeparator, 360, 960 - 7.5, 4440 - 360, TwipsPerPixel);
}

void FrmAbout::Load()
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
