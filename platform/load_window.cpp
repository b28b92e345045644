#include "load_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>

#include "loaded_window.h"
#include "modal_owner.h"
#include "window_description.h"
#include "window_loader.h"

namespace {

// The window whose modal wait is innermost, if any.
QPointer<LoadedWindow> currentModal;

LoadedWindow* AsLoaded(QWidget* window) {
    auto* loaded = qobject_cast<LoadedWindow*>(window);
    return LoadedWindow::All().contains(loaded) ? loaded : nullptr;
}

// The window a modal window is opened from: the active one, where the click that opens
// it was; else the current modal window; else the last loaded window that can take input.
LoadedWindow* OpenerOfModal() {
    if (LoadedWindow* active = AsLoaded(QApplication::activeWindow())) return active;
    if (currentModal != nullptr) return currentModal;
    const QList<LoadedWindow*> windows = LoadedWindow::All();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->isVisible() && (*it)->isEnabled()) return *it;
    return nullptr;
}

void BringBack(LoadedWindow* window) {
    if (window->isMinimized()) {
        window->showNormal();
    } else {
        window->raise();
        window->activateWindow();
    }
}

void WaitUntilDestroyed(LoadedWindow* window) {
    QPointer<LoadedWindow> previous = currentModal;
    currentModal = window;
    QEventLoop wait;
    QObject::connect(window, &QObject::destroyed, &wait, &QEventLoop::quit);
    wait.exec();
    currentModal = previous;
}

}  // namespace

bool LoadWindow(const WindowDescription& description, QWidget* parent, bool modal) {
    LoadedWindow* parentWindow = AsLoaded(parent);
    if (parent != nullptr && parentWindow == nullptr) return false;
    if (modal) parentWindow = nullptr;

    if (LoadedWindow* existing = LoadedWindow::Find(description.settings.number)) {
        BringBack(existing);
        return true;
    }

    // The owner keeps a window off the task bar and above the window it belongs to. A
    // modal window belongs to the window it was opened from, or else to the invisible
    // owner; a window of its own belongs to its parent, or to the invisible owner when it
    // asks for no task-bar entry.
    LoadedWindow* opener = modal ? OpenerOfModal() : nullptr;
    QWidget* owner = nullptr;
    if (modal)
        owner = opener != nullptr ? opener : ModalOwnerWindow();
    else if (parentWindow != nullptr)
        owner = parentWindow;
    else if (!description.settings.taskBarEntry)
        owner = ModalOwnerWindow();

    QPointer<LoadedWindow> window = BuildWindow(description, owner);
    if (window == nullptr) return false;
    // Also the toolkit's own modality: it tells the desktop that the window is modal and
    // keeps the frames of the blocked windows from passing on close requests.
    if (modal) window->setWindowModality(Qt::ApplicationModal);
    if (description.settings.created != nullptr) description.settings.created();
    if (window == nullptr) return true;  // its created event closed it again
    ShowLoadedWindow(window);

    if (modal) {
        window->DisableOthersForModalWait(opener);
        WaitUntilDestroyed(window);
    }
    return true;
}
