#pragma once

#include <QPoint>
#include <QSize>

// Top-left of a window of `outer` size centred on a screen of `screen` size; each
// division truncates toward zero, so the point may lie above or left of the screen.
inline QPoint CentredPosition(QSize screen, QSize outer) {
    return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}
