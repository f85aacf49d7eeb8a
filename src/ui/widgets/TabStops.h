#pragma once

class QAbstractItemView;

namespace varnelle {

// Makes a list draw the tabs of its lines as a move to the next tab stop, one
// every eight average character widths of the list's font, so that what
// follows the tabs forms a column.
void ShowTabsAtStops(QAbstractItemView *list);

} // namespace varnelle
