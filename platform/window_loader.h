#pragma once

class LoadedWindow;
class QWidget;
struct WindowDescription;

// Builds a window from its description: creates the controls in reverse table order
// (so the first row ends on top), registers them, orders the focus from the Tab column
// and binds the events. Returns null, with nothing left behind, when a control cannot be
// made. `owner`, when given, keeps the window off the task bar and above its owner.
LoadedWindow* BuildWindow(const WindowDescription& description, QWidget* owner);

// Shows a built window with the focus on the first control of its focus order.
void ShowLoadedWindow(LoadedWindow* window);
