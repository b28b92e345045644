#include "loaded_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShortcut>

#include "window_description.h"

namespace {

QList<LoadedWindow*>& Windows() {
    static QList<LoadedWindow*> windows;
    return windows;
}

bool eventLoopStarted = false;

}  // namespace

void MarkEventLoopStarted() {
    eventLoopStarted = true;
}

LoadedWindow::LoadedWindow(const WindowDescription& description)
    : number_(description.settings.number) {
    setAttribute(Qt::WA_DeleteOnClose);
    if (description.settings.escCloses) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(escape, &QShortcut::activated, this, &QWidget::close);
    }
    Windows().append(this);
}

LoadedWindow::~LoadedWindow() {
    Windows().removeOne(this);
    if (eventLoopStarted && Windows().isEmpty())
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

QList<LoadedWindow*> LoadedWindow::All() {
    return Windows();
}

LoadedWindow* LoadedWindow::Find(std::uint32_t number) {
    for (LoadedWindow* window : Windows())
        if (window->number_ == number) return window;
    return nullptr;
}

void LoadedWindow::DisableOthersForModalWait() {
    modal_ = true;
    for (LoadedWindow* other : Windows()) {
        if (other == this) continue;
        disabled_.append({other, other->isEnabled()});
        other->setEnabled(false);
    }
}

void LoadedWindow::RestoreDisabledWindows() {
    for (const auto& [window, wasEnabled] : disabled_)
        if (window) window->setEnabled(wasEnabled);
    disabled_.clear();
    modal_ = false;
}

void LoadedWindow::closeEvent(QCloseEvent* event) {
    if (modal_) RestoreDisabledWindows();
    event->accept();
}
