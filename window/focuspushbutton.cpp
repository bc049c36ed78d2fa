#include "focuspushbutton.h"

#include "colours.h"

void FocusPushButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (hasFocus())
        drawFocusOutline(this, palette().color(QPalette::Button));
}
