#pragma once

#include <functional>

class QAbstractItemView;

namespace varnelle {

// Runs action when Enter is pressed in the list while an entry is selected;
// the key is then consumed. Other keys, and Enter with nothing selected, go
// on as usual.
void OnEnterWithSelection(QAbstractItemView *list, std::function<void()> action);

} // namespace varnelle
