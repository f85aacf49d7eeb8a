#pragma once

namespace varnelle {

// Loads the main window and runs the program until it is closed. A failure
// at start-up is shown in one box titled with the product name; the result is
// then non-zero. Needs a QApplication.
int RunProgram();

} // namespace varnelle
