#include "load_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>

#include "loaded_window.h"
#include "modal_owner.h"
#include "window_description.h"
#include "window_loader.h"

namespace {

bool IsLoaded(QWidget* window) {
    return LoadedWindow::All().contains(qobject_cast<LoadedWindow*>(window));
}

// A modal window stays above the window it was opened from; failing that, it is owned
// by the invisible owner. Either way it gets no task-bar entry.
QWidget* OwnerForModal() {
    if (auto* active = qobject_cast<LoadedWindow*>(QApplication::activeWindow())) return active;
    const auto windows = LoadedWindow::All();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->isEnabled() && (*it)->isVisible()) return *it;
    return ModalOwnerWindow();
}

}  // namespace

bool LoadWindow(const WindowDescription& description, QWidget* parent, bool modal) {
    if (parent != nullptr && !IsLoaded(parent)) return false;

    if (LoadedWindow* existing = LoadedWindow::Find(description.settings.number)) {
        if (existing->isMinimized()) {
            existing->showNormal();
        } else {
            existing->raise();
            existing->activateWindow();
        }
        return true;
    }

    QWidget* owner = nullptr;
    if (modal) {
        owner = OwnerForModal();
    } else if (!description.settings.taskBarEntry) {
        owner = parent != nullptr ? parent : ModalOwnerWindow();
    }
    LoadedWindow* window = BuildWindow(description, owner);
    if (window == nullptr) return false;
    if (description.settings.created != nullptr) description.settings.created();
    ShowLoadedWindow(window);

    if (modal) {
        window->DisableOthersForModalWait();
        QEventLoop wait;
        QObject::connect(window, &QObject::destroyed, &wait, &QEventLoop::quit);
        wait.exec();
    }
    return true;
}
