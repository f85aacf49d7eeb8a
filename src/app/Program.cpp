#include "app/Program.h"

#include "app/BookWindow.h"

#include "ui/widgets/MessageBox.h"
#include "store/AddressBook.h"
#include "store/DatabaseError.h"
#include "ui/main/MainWindow.h"
#include "ui/types/PhoneTypesDialog.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QTimer>

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

// Opens the editor on the contact once no other window is modal.
void editWhenFree(MainWindow *window, std::int32_t personId)
{
    QTimer::singleShot(QApplication::activeModalWidget() ? 250 : 0, window, [window, personId] {
        if (QApplication::activeModalWidget())
            editWhenFree(window, personId);
        else
            window->editContactNumbered(personId);
    });
}

} // namespace

void DoRequest(MainWindow &window, const WindowRequest &request)
{
    if (!request.searchText.isEmpty())
        window.searchFor(request.searchText);
    if (!request.files.isEmpty())
        window.importFiles(request.files);
    // The editor opens once the window's start, or what it shows, is done.
    if (request.editContact > 0)
        editWhenFree(&window, request.editContact);
}

void ServeLaterStarts(BookWindow &single, MainWindow &window)
{
    QObject::connect(&single, &BookWindow::requested, &window, [&window](const WindowRequest &request) {
        // The window in front is the types window while it is open.
        QWidget *front = window.isVisible() || !window.phoneTypesDialog() ? static_cast<QWidget *>(&window)
                                                                          : window.phoneTypesDialog();
        if (!request.activationToken.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", request.activationToken.toUtf8());
        if (front->isMinimized())
            front->showNormal();
        front->raise();
        front->activateWindow();
        DoRequest(window, request);
    });
    single.serve();
}

int RunProgram(AddressBook &book, const WindowRequest &request, BookWindow *single)
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
            DoRequest(window, request);
            if (single)
                ServeLaterStarts(*single, window);
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
