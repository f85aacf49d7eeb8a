#pragma once

// Window geometry is given in twips, 1/1440 inch, as the layouts were drawn;
// these convert it to pixels at 96 logical dots per inch.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace varnelle {

// 1440 twips to the inch at 96 logical dots per inch: 15 twips to a pixel.
inline constexpr double TwipsPerPixel = 15.0;

int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);
QSize TwipsSize(double width, double height);

// Places a control at left/top with width/height, all in twips, relative to its container.
void PlaceTwips(QWidget *widget, double left, double top, double width, double height);

// Gives a window a fixed client area of width x height twips.
void SetClientSizeTwips(QWidget *window, double width, double height);

} // namespace varnelle
