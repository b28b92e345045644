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
    // Destroyed without closing: the disabled windows still get their states back.
    Unload();
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

void LoadedWindow::DisableOthersForModalWait(LoadedWindow* opener) {
    modal_ = true;
    opener_ = opener;
    for (LoadedWindow* other : Windows()) {
        if (other == this) continue;
        disabled_.append({other, other->isEnabled()});
        other->SetInputEnabled(false);
    }
}

void LoadedWindow::SetInputEnabled(bool enabled) {
    // The toolkit takes the focus away from a control that is disabled; remember it.
    if (!enabled && isEnabled()) focusBeforeDisabled_ = focusWidget();
    setEnabled(enabled);
    if (isEnabled() && focusBeforeDisabled_ != nullptr) {
        if (focusWidget() != focusBeforeDisabled_)
            focusBeforeDisabled_->setFocus(Qt::ActiveWindowFocusReason);
        focusBeforeDisabled_ = nullptr;
    }
}

void LoadedWindow::RestoreDisabledWindows() {
    for (const auto& [window, wasEnabled] : disabled_)
        if (window) window->SetInputEnabled(wasEnabled);
    disabled_.clear();
    modal_ = false;
}

void LoadedWindow::Unload() {
    if (!Windows().removeOne(this)) return;
    if (!modal_) return;
    RestoreDisabledWindows();
    // The window it was opened from takes the input again, as it would from an owner.
    if (opener_ && opener_->isVisible() && opener_->isEnabled()) {
        opener_->raise();
        opener_->activateWindow();
    }
}

void LoadedWindow::closeEvent(QCloseEvent* event) {
    // A disabled window takes no input, and that includes the close box of its frame.
    if (event->spontaneous() && !isEnabled()) {
        event->ignore();
        return;
    }
    event->accept();
    Unload();
}
