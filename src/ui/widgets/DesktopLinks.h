#pragma once

#include <QUrl>
#include <functional>

namespace varnelle {

// Opens a link (mailto:, tel:, a web or map address) with the desktop's
// handler for its scheme; false when none took it.
bool OpenLink(const QUrl &url);

// Hands links to opener instead of the desktop, until it is replaced again;
// an empty function gives them back to the desktop. For tests.
void SetLinkOpener(std::function<bool(const QUrl &)> opener);

} // namespace varnelle
