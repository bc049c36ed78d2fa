#include "focuspushbutton.h"

#include "colours.h"

#include <QKeyEvent>

void FocusPushButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (hasFocus())
        drawFocusOutline(this, palette().color(QPalette::Button));
}

void FocusPushButton::keyPressEvent(QKeyEvent *event)
{
    // The keypad's Enter comes with the keypad modifier.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}
