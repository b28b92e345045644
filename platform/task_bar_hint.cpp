#include "task_bar_hint.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(GLYPHORA_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

}  // namespace

void KeepOffTaskBar(QWidget* window) {
    // X11 desktops read the window state _NET_WM_STATE_SKIP_TASKBAR, for which the toolkit
    // has no setting. It is set on the window before it is mapped; the toolkit adds its
    // own states to those it finds there.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) return;  // another window system
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t skipTaskBar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()),
                        Atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &skipTaskBar);
    xcb_flush(connection);
}

#else

void KeepOffTaskBar(QWidget*) {}

#endif
