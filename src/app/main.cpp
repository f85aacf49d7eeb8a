#include "VersionInfo.h"
#include "app/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(varnelle::version::ShortTitle));
    QApplication::setApplicationVersion(
        QString("%1.%2").arg(varnelle::version::Major).arg(varnelle::version::Minor));
    return varnelle::RunProgram();
}
