#pragma once

class QAbstractItemView;

namespace varnelle {

// Makes a single-selection list behave as the platform's list box does. A key
// that moves to an entry (arrows, Home, End, Page Up/Down, a first letter)
// selects it, also when it lands on the pale current row. Once an entry is
// chosen, a click on the empty part of the list, Ctrl+click or Ctrl+Space on
// the selected entry no longer clears the selection. Choosing another entry
// works as before; the program itself may still clear the selection.
void KeepSelectionOnceChosen(QAbstractItemView *list);

} // namespace varnelle
