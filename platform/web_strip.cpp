#include "web_strip.h"

#include <QPainter>
#include <QTimer>
#include <QUrl>

#ifdef GLYPHORA_HAVE_WEBENGINE
#include <QOpenGLWidget>
#include <QWebEngineView>
#endif

namespace {
bool engineAllowed = true;
}

void WebStrip::SetEngineAllowed(bool allowed) {
    engineAllowed = allowed;
}

bool WebStrip::EngineAvailable() {
#ifdef GLYPHORA_HAVE_WEBENGINE
    return engineAllowed;
#else
    return false;
#endif
}

WebStrip::WebStrip(QWidget* parent, QString address)
    : QWidget(parent), address_(std::move(address)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
#ifdef GLYPHORA_HAVE_WEBENGINE
    if (!engineAllowed) return;
    // The engine's view composes through OpenGL. A window that gains such a child after
    // it is shown must be re-created, which drops the keyboard focus and makes the window
    // flicker; an idle OpenGL child from the start lets the window be made that way once.
    auto* placeholder = new QOpenGLWidget(this);
    placeholder->setGeometry(0, 0, 1, 1);
    placeholder->hide();
#endif
}

void WebStrip::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Qt::white);
    if (!started_ && EngineAvailable()) {
        started_ = true;
        QTimer::singleShot(0, this, &WebStrip::StartEngine);
    }
}

void WebStrip::resizeEvent(QResizeEvent*) {
    if (view_ != nullptr) view_->setGeometry(rect());
}

void WebStrip::StartEngine() {
#ifdef GLYPHORA_HAVE_WEBENGINE
    auto* view = new QWebEngineView(this);
    view->setGeometry(rect());
    view_ = view;
    const bool hadFocus = hasFocus();
    setFocusProxy(view);
    view->show();
    if (hadFocus) view->setFocus(Qt::OtherFocusReason);
    view->load(QUrl(address_));
#endif
}
