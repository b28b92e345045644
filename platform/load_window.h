#pragma once

class QWidget;
struct WindowDescription;

// Loads a window from its description and shows it. A window that is loaded already is
// not made again: it is restored when minimised, else brought to the front, and the
// call returns at once. In modal mode every other window of the program is disabled,
// the call waits in a nested event loop until the window has closed, and each disabled
// window gets its own enabled state back; nested waits end in reverse order of opening.
// A named parent must be a loaded window; in modal mode it is disregarded. Returns false
// when the window could not be loaded.
bool LoadWindow(const WindowDescription& description, QWidget* parent, bool modal);
