#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

// Turns a colour value of the window definition into a QColor: 0x00BBGGRR is a fixed colour,
// 0x800000nn is system colour nn, taken from the palette so it follows the user's scheme.
QColor resolveColour(std::uint32_t value, const QPalette &system);

// The same value in the standard colour scheme, whatever the user's: menu text and button text
// black, highlight text white.
QColor standardColour(std::uint32_t value);

// The WCAG 2 contrast ratio of two colours: 1 for the same colour, 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);
