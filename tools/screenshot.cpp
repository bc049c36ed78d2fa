// Renders the window, with the example system solved, to a PNG for the README.
// Usage: QT_QPA_PLATFORM=offscreen screenshot <file.png>
#include "window/fontsubstitutes.h"
#include "window/frmtarnyxequations.h"
#include "window/translations.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot <file.png>\n");
        return 2;
    }
    registerFontSubstitutes();
    installTranslations();
    frmTarnyxEquations window;
    window.show();
    // The banner is loaded just after the window is shown: wait for it and for the first expose.
    auto *banner = window.findChild<QLabel *>("Image3");
    if (!QTest::qWaitForWindowExposed(&window) ||
        !QTest::qWaitFor([banner] { return !banner->pixmap().isNull(); })) {
        std::fprintf(stderr, "screenshot: the window did not show its pictures\n");
        return 1;
    }
    const char *boxes[] = {"txt1X", "txt1Y", "txtAns1", "txt2X", "txt2Y", "txtAns2"};
    const char *values[] = {"2", "3", "8", "1", "1", "3"};
    for (int i = 0; i < 6; ++i)
        QTest::keyClicks(window.findChild<QLineEdit *>(boxes[i]), values[i]);
    auto *calculate = window.findChild<QPushButton *>("cmdCalc");
    QTest::mouseClick(calculate, Qt::LeftButton);
    window.findChild<QLineEdit *>("txt1X")->setFocus();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
