#include "ui/widgets/LayoutUnits.h"

#include <QWidget>
#include <cmath>

namespace varnelle {

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

double PixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

QSize TwipsSize(double width, double height)
{
    return {TwipsToPixels(width), TwipsToPixels(height)};
}

void PlaceTwips(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void SetClientSizeTwips(QWidget *window, double width, double height)
{
    window->setFixedSize(TwipsSize(width, height));
}

} // namespace varnelle
