#include "ui/widgets/DesktopLinks.h"

#include <QDesktopServices>

namespace varnelle {

namespace {

std::function<bool(const QUrl &)> &opener()
{
    static std::function<bool(const QUrl &)> instead;
    return instead;
}

} // namespace

bool OpenLink(const QUrl &url)
{
    if (opener())
        return opener()(url);
    return QDesktopServices::openUrl(url);
}

void SetLinkOpener(std::function<bool(const QUrl &)> instead)
{
    opener() = std::move(instead);
}

} // namespace varnelle
