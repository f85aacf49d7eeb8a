#pragma once

#include "app/BookWindow.h"

#include <QStringList>

namespace varnelle {

class AddressBook;
class MainWindow;

// The requests of later starts on the book raise window and import their files.
void ServeLaterStarts(BookWindow &single, MainWindow &window);

// Loads the main window over book and runs the program until it is closed;
// the book is closed then. A failure at start-up is shown in one box titled
// with the product name; the result is then non-zero. Once loaded, the window
// does what request asks (DoRequest); the requests of later
// starts on the book (single, when given) raise it and import theirs. Needs
// a QApplication.
int RunProgram(AddressBook &book, const WindowRequest &request = {}, BookWindow *single = nullptr);

// Does in window what a start asks: the words in the search box, the files
// imported, the contact in the editor.
void DoRequest(MainWindow &window, const WindowRequest &request);

} // namespace varnelle
