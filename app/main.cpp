#include "window/frmtarnyxequations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    frmTarnyxEquations window;
    window.show();
    return app.exec();
}
