#include "app/Program.h"

#include "VersionInfo.h"
#include "ui/Forms.h"
#include "ui/Globals.h"
#include "ui/widgets/MessageBox.h"
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

int RunProgram()
{
    // The program ends when the main window is closed, not when its last
    // visible window goes (the main window hides while the types window is up).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setDesktopFileName("org.varnelle.Varnelle"); // the desktop entry, for the desktop's window list

    int status = 0;
    try {
        Form<MainWindow>().Load();
        status = QApplication::exec();
    } catch (const DatabaseError &error) {
        gAppTitle = QString::fromUtf8(version::ProductName);
        MsgBox(error.message(), MsgRefusal);
        status = 1;
    }
    CloseMainDatabase();
    UnloadForms();
    return status;
}

} // namespace varnelle
