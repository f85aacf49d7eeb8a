#pragma once

#include <QPointF>

class QWidget;

namespace varnelle {

// Takes the screen size, sets gAppTitle from the program's product name,
// captions the main window with it, centres the window and shows it.
void InitMainForm(QWidget &form);

// Moves a form (its frame) to the middle of the screen measured by
// InitMainForm. The position is computed in floating point and not clamped, so
// a form larger than the screen gets a negative Left or Top. Returns the
// position in twips (Left, Top) before the window system rounds it to pixels.
QPointF CenterForm(QWidget &form);

// The screen size in twips as InitMainForm took it.
float ScreenWidthTwips();
float ScreenHeightTwips();

// "Version " major.minor, without leading zeros.
QString VersionText(int major, int minor);

} // namespace varnelle
