#include "focuspushbutton.h"

#include "focusoutline.h"

void FocusPushButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (hasFocus())
        drawFocusOutline(this, palette().color(QPalette::Button));
}
