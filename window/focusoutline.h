#pragma once

#include <QColor>

class QWidget;

// A focus indicator that can be seen in any colour scheme: a 2-pixel outline just inside the
// control's edge, in the palette's highlight colour, or in another colour where that one would
// not stand out by 3:1 from the window's ground around the control and from its inside.
QColor focusColour(const QWidget *control, const QColor &inside);
void drawFocusOutline(QWidget *control, const QColor &inside);

// The colour of the ground a control stands on: its parent's window colour.
QColor groundColour(const QWidget *control);
