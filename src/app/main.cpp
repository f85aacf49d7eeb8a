#include "VersionInfo.h"
#include "app/AppDataFolder.h"
#include "app/BookWindow.h"
#include "app/CommandLine.h"
#include "ui/widgets/MessageBox.h"
#include "app/Program.h"
#include "app/Translations.h"
#include "store/AddressBook.h"

#include <QApplication>
#include <QTextStream>
#include <memory>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int runWindows(const QString &bookFile, const QString &folderError, const varnelle::WindowRequest &request)
{
    // The windows are drawn in the desktop's font; their layouts make room for it.
    if (!folderError.isEmpty()) {
        varnelle::ShowRefusal(folderError);
        return varnelle::ExitFailure;
    }
    // A window already open on the book takes the files; this start ends then.
    varnelle::BookWindow single(bookFile);
    if (single.handOverOrListen(request))
        return varnelle::ExitSuccess;
    varnelle::AddressBook book(bookFile);
    return varnelle::RunProgram(book, request, &single);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QString::fromUtf8(varnelle::version::ShortTitle));
    QCoreApplication::setApplicationName(QString::fromUtf8(varnelle::version::ShortTitle));
    QCoreApplication::setApplicationVersion(
        QString("%1.%2").arg(varnelle::version::Major).arg(varnelle::version::Minor));
    // The first reading only chooses the application object; the second, with
    // the translations in place, gives the texts in the user's language.
    const varnelle::CommandLine first = varnelle::ParseCommandLine(argumentsOf(argc, argv));
    const bool windows = first.action == varnelle::CommandLine::Action::Run;
    // Read before the windows' platform may take it for a window of this start.
    const QString activationToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    const bool pages = varnelle::DrawsPages(first);
    // The desktop's search copies to the display's clipboard, when there is a display.
    const bool clipboard = first.action == varnelle::CommandLine::Action::SearchProvider
                           && !(qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    // Pages are drawn without a window: with no display to draw on (a report
    // printed from cron), on the platform that needs none.
    if (pages && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(windows ? new QApplication(argc, argv)
                                                : pages || clipboard ? new QGuiApplication(argc, argv)
                                                        : new QCoreApplication(argc, argv));
    varnelle::InstallTranslations();
    varnelle::AdoptOldSettings();
    const varnelle::CommandLine command = varnelle::ParseCommandLine(argumentsOf(argc, argv));

    // The book every part of the program works on, decided here once.
    QString folderError;
    QString bookFile;
    if (command.action != varnelle::CommandLine::Action::Mistake) {
        bookFile = varnelle::BookFileOf(command, &folderError);
        if (bookFile.isEmpty()) {
            QTextStream(stderr) << folderError << '\n';
            if (command.action != varnelle::CommandLine::Action::Run)
                return varnelle::ExitFailure;
        }
    }
    if (command.action == varnelle::CommandLine::Action::Run)
        return runWindows(bookFile, folderError,
                          {command.files, command.editContact, command.searchText,
                           activationToken});

    // The commands, the help and the version show no window.
    QTextStream out(stdout);
    QTextStream err(stderr);
    return varnelle::RunWithoutWindows(command, bookFile, out, err);
}
