#pragma once

// The window's classic Windows faces are rarely installed elsewhere: this maps them, for the whole
// application, to free faces with the same metrics, so text fills its boxes as it was laid out
// to. Call it once after the QApplication is made, before the window.
void registerFontSubstitutes();
