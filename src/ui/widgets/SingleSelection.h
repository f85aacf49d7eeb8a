#pragma once

class QAbstractItemView;

namespace varnelle {

// Makes a single-selection list keep its selected entry, as the platform's
// list box does: once an entry is chosen, a click on the empty part of the
// list, Ctrl+click or Ctrl+Space on the selected entry no longer clears the
// selection. Choosing another entry works as before; the program itself may
// still clear the selection.
void KeepSelectionOnceChosen(QAbstractItemView *list);

} // namespace varnelle
