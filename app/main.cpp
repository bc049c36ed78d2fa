#include "window/frmtarnyxequations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnyx"));
    QApplication::setApplicationVersion(QStringLiteral(TARNYX_VERSION));
    QApplication::setOrganizationName(QStringLiteral("."));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tarnyx"));
    frmTarnyxEquations window;
    window.show();
    return app.exec();
}
