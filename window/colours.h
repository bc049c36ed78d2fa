#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

class QWidget;

// Every colour decision of the window: the table's colour values, the contrast they must keep in
// any scheme, the focus outline, a stale result's dimmed text and the read-back mark.

// Turns a colour value of the window definition into a QColor: 0x00BBGGRR is a fixed colour,
// 0x800000nn is system colour nn, taken from the palette so it follows the user's scheme.
QColor resolveColour(std::uint32_t value, const QPalette &system);

// The same value in the standard colour scheme, whatever the user's: menu text and button text
// black, highlight text white.
QColor standardColour(std::uint32_t value);

// The WCAG 2 contrast ratio of two colours: 1 for the same colour, 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

// The colour of the ground a control stands on: its parent's window colour.
QColor groundColour(const QWidget *control);

// A colour that stands out by 3:1 from both the ground around a control and its inside: the
// scheme's highlight where it does, otherwise the first of a few fixed colours that does (or the
// one that comes closest).
QColor standOutColour(const QWidget *control, const QColor &inside);

// A focus indicator that can be seen in any colour scheme: a 2-pixel outline just inside the
// control's edge, in standOutColour.
void drawFocusOutline(QWidget *control, const QColor &inside);

// Text dimmed toward its background as far as it stays legible: at least 4.5:1, or the normal
// text's own contrast where the scheme gives less.
QColor dimmedColour(const QColor &text, const QColor &base);

// The mark under a text that was not read whole: it stands out by 3:1 from the box's inside.
QColor markColour(const QWidget *box);
