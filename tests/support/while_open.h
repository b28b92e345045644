#pragma once

#include <QDeadlineTimer>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <functional>

#include "loaded_window.h"

// A modal load returns only when its window has closed, so a test acts on a modal window
// from inside its wait. WhileOpen runs `step` there as soon as the window numbered
// `number` is shown, and then closes the window if the step left it open, so a failed
// check never leaves the wait hanging. A window that does not show within ten seconds is
// closed without the step. Call it before the action that opens the window.
inline void WhileOpen(std::uint32_t number, std::function<void(LoadedWindow*)> step) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    const QDeadlineTimer deadline(10000);
    QObject::connect(poll, &QTimer::timeout, [poll, number, step, deadline] {
        LoadedWindow* window = LoadedWindow::Find(number);
        const bool shown = window != nullptr && window->isVisible() &&
                           window->windowHandle() != nullptr && window->windowHandle()->isExposed();
        if (!shown && !deadline.hasExpired()) return;
        poll->stop();
        poll->deleteLater();
        if (shown) step(window);
        if (LoadedWindow* left = LoadedWindow::Find(number)) left->close();
    });
    poll->start();
}
