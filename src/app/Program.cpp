#include "app/Program.h"

#include "ui/widgets/MessageBox.h"
#include "store/AddressBook.h"
#include "store/DatabaseError.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace varnelle {

namespace {

// Varnelle's own icon in every size rendered for it (the resource :/icons).
QIcon ProgramIcon()
{
    QIcon icon;
    QDirIterator sizes(":/icons", {"varnelle.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace

int RunProgram(AddressBook &book)
{
    // The program ends when the main window is closed, not when its last
    // visible window goes (the main window hides while the types window is up).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setDesktopFileName("org.varnelle.Varnelle"); // the desktop entry, for the desktop's window list

    int status = 0;
    {
        MainWindow window(book);
        try {
            window.load();
            // A failure while the list was first read has been shown already.
            status = window.hasFailed() ? 1 : QApplication::exec();
        } catch (const DatabaseError &error) {
            ShowRefusal(error.message());
            status = 1;
        }
    }
    book.close();
    return status;
}

} // namespace varnelle
