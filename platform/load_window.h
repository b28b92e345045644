#pragma once

class QWidget;
struct WindowDescription;

// Loads a window from its description. An already loaded window is restored or raised
// instead. In modal mode every other window of the program is disabled, the call waits
// in a nested event loop until the window has closed, and the windows get their
// enabled states back. Returns false when the window could not be loaded.
bool LoadWindow(const WindowDescription& description, QWidget* parent, bool modal);
