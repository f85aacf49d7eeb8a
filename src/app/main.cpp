#include "VersionInfo.h"
#include "app/Program.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(varnelle::version::ShortTitle));
    QApplication::setApplicationVersion(
        QString("%1.%2").arg(varnelle::version::Major).arg(varnelle::version::Minor));
    // The windows are laid out for a narrow 8-point interface font.
    QFont font = QApplication::font();
    if (QFontDatabase::hasFamily("Liberation Sans"))
        font.setFamily("Liberation Sans");
    font.setPointSize(8);
    QApplication::setFont(font);
    return varnelle::RunProgram();
}
