#include "focus_return.h"

#include <QApplication>

FocusReturn::FocusReturn(QWidget* window) : window_(window) {
    focus_ = QApplication::focusWidget();
    // A click can reach a window before the window system has activated it.
    if (focus_ == nullptr && window_ != nullptr) focus_ = window_->focusWidget();
}

FocusReturn::~FocusReturn() {
    if (window_ != nullptr) window_->activateWindow();
    if (focus_ != nullptr) focus_->setFocus(Qt::OtherFocusReason);
}
