#pragma once

#include <QString>

namespace varnelle {

// The product's title ("Varnelle For Windows"): the caption of the main
// window and of the message and input boxes (but the sync windows').
QString AppTitle();

// "Version " major.minor, without leading zeros.
QString VersionText(int major, int minor);

} // namespace varnelle
