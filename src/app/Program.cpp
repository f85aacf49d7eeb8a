#include "app/Program.h"

#include "VersionInfo.h"
#include "app/Forms.h"
#include "app/Globals.h"
#include "app/MessageBox.h"
#include "data/DatabaseError.h"
#include "forms/main/frmMain.h"

#include <QApplication>

namespace varnelle {

int RunProgram()
{
    // The program ends when the main window is closed, not when its last
    // visible window goes (the main window hides while the types window is up).
    QApplication::setQuitOnLastWindowClosed(false);

    int status = 0;
    try {
        Form<frmMain>().Load();
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
