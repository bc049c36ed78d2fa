// The floor for start-up: a bare Qt Widgets window of the program's size with the same number of
// boxes and buttons and a few labels, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(504, 426);
    for (int i = 0; i < 8; ++i)
        (new QLineEdit(&window))->setGeometry(8 + (i % 4) * 120, 48 + (i / 4) * 72, 80, 40);
    (new QPushButton(QStringLiteral("C&alculate"), &window))->setGeometry(216, 192, 209, 97);
    (new QPushButton(QStringLiteral("E&xit"), &window))->setGeometry(216, 304, 209, 33);
    for (int i = 0; i < 4; ++i)
        (new QLabel(QStringLiteral("X"), &window))->setGeometry(80 + i * 60, 10, 33, 41);
    window.show();
    return app.exec();
}
