#pragma once

class QWidget;

// Asks the desktop to leave a top-level window out of its task bar. Call it before the
// window is first shown. Where the desktop has no such request, a window with an owner
// gets no entry of its own anyway, and this does nothing.
void KeepOffTaskBar(QWidget* window);
