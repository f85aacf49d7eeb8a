#pragma once

#include <QHash>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QWidget;

namespace varnelle {

// Takes the screen size, captions the main window with the product's title, centres the window and shows it.
void InitMainForm(QWidget &form);

// Moves a form (its frame) to the middle of the available area of the screen
// it is on. The position is computed in floating point and not clamped, so a
// form larger than the screen gets a negative Left or Top. Returns the
// position in twips (Left, Top) before the window system rounds it to pixels.
//
// A form not yet shown has no frame: it is centred on its client area first,
// and once more on its framed size when the window manager has framed it,
// unless the user has moved it by then.
QPointF CenterForm(QWidget &form);

// Where dialogs made anew for each showing stood when they were last closed,
// by objectName: each opens where the user left it, as a window kept for the
// whole run would; the first showing is centred (CenterForm).
class DialogPlaces {
public:
    void place(QWidget &dialog) const;
    void keep(const QWidget &dialog);

private:
    QHash<QString, QPoint> mPlaces;
};

// Left and top, in twips, of a frame of the given size centred in an area of
// a screen (both in twips; the area keeps its origin, which need not be 0, 0).
QPointF CentredPosition(const QRectF &area, const QSizeF &frame);

// The primary screen's available area in twips, as the forms are centred in it.
float ScreenWidthTwips();
float ScreenHeightTwips();

} // namespace varnelle
