#pragma once

namespace varnelle {

class AddressBook;

// Loads the main window over book and runs the program until it is closed;
// the book is closed then. A failure at start-up is shown in one box titled
// with the product name; the result is then non-zero. Needs a QApplication.
int RunProgram(AddressBook &book);

} // namespace varnelle
