#include "modal_owner.h"

#include <QWidget>

namespace {
QWidget* owner = nullptr;
}

void CreateModalOwnerWindow() {
    if (owner != nullptr) return;
    owner = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    owner->setObjectName(QStringLiteral("modalOwner"));
    owner->resize(1, 1);  // the window system has no zero-sized windows
    owner->winId();       // a native window exists, so owned windows can name it
}

QWidget* ModalOwnerWindow() {
    return owner;
}

void ReleaseModalOwnerWindow() {
    delete owner;
    owner = nullptr;
}
