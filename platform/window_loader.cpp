#include "window_loader.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QWindow>
#include <memory>

#include "colour_qt.h"
#include "control_factory.h"
#include "control_registry.h"
#include "loaded_window.h"
#include "task_bar_hint.h"
#include "window_description.h"
#include "window_placement.h"

namespace {

Qt::WindowFlags FlagsFor(const WindowSettings& settings, bool owned) {
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (settings.minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

void PlaceCentred(QWidget* window, const WindowSettings& settings) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->size() : QSize(1024, 768);
    window->move(CentredPosition(screenSize, {settings.outerWidth, settings.outerHeight}));
}

}  // namespace

LoadedWindow* BuildWindow(const WindowDescription& description, QWidget* owner) {
    const WindowSettings& settings = description.settings;
    auto window = std::make_unique<LoadedWindow>(description);
    window->setObjectName(QString::fromUtf8(settings.name));
    window->setWindowFlags(FlagsFor(settings, owner != nullptr));
    window->setWindowTitle(QString::fromUtf8(settings.caption));
    window->setFixedSize(settings.outerWidth - kFrameWidth, settings.outerHeight - kFrameHeight);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, FaceColour());
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    PlaceCentred(window.get(), settings);

    // Reverse table order: each control is created above those made before it, so the
    // stacking ends in table order, topmost first.
    QHash<QString, QObject*> byName;
    const auto& rows = description.controls;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        QWidget* parent = window.get();
        if (row->look.parent != nullptr) {
            parent = qobject_cast<QWidget*>(byName.value(QString::fromUtf8(row->look.parent)));
            if (parent == nullptr) return nullptr;
        }
        QObject* control = MakeControl(*row, parent, window.get());
        if (control == nullptr) return nullptr;
        byName.insert(QString::fromUtf8(row->name), control);
    }
    // Registered only once the whole window could be made.
    for (const ControlRow& row : rows)
        ControlRegistry::Register({settings.number, row.number},
                                  byName.value(QString::fromUtf8(row.name)));

    QList<QWidget*> focusOrder;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        if (row->tab && row->visible)
            focusOrder.append(qobject_cast<QWidget*>(byName.value(QString::fromUtf8(row->name))));
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    window->SetFocusOrder(focusOrder);

    for (const EventBinding& binding : description.bindings) {
        auto* button =
            qobject_cast<QAbstractButton*>(byName.value(QString::fromUtf8(binding.control)));
        if (button != nullptr && binding.clicked != nullptr)
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [handler = binding.clicked] { handler(); });
    }

    // An owned window is a dialog that stays above its owner and has no task-bar entry
    // of its own.
    if (owner != nullptr) {
        window->winId();
        window->windowHandle()->setTransientParent(owner->window()->windowHandle());
        KeepOffTaskBar(window.get());
    }
    return window.release();
}

void ShowLoadedWindow(LoadedWindow* window) {
    window->show();
    if (!window->FocusOrder().isEmpty())
        window->FocusOrder().first()->setFocus(Qt::OtherFocusReason);
    window->raise();
    window->activateWindow();
}
