#pragma once

// Gives the window and its text boxes the accessible interfaces of this folder: the window a
// frame with the announcer's object (if it has one) among its children, each text box an
// editable text read character by character. The window calls it as it is made; a second call
// does nothing.
void installAccessibility();
