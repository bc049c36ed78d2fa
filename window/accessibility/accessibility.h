#pragma once

// Gives the window and its text boxes the accessible interfaces of this folder: the window a
// frame with the announcer among its children, each text box an editable text read character by
// character. Call it once, after the QApplication is made and before the window; main(), the
// tests and the screenshot tool do.
void installAccessibility();
