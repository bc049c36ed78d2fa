#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

// Turns a colour value of the window definition into a QColor: 0x00BBGGRR is a fixed colour,
// 0x800000nn is system colour nn, taken from the palette so it follows the user's scheme.
QColor resolveColour(std::uint32_t value, const QPalette &system);
