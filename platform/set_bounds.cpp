#include "set_bounds.h"

#include <QWidget>

#include "control_registry.h"
#include "drawing_board.h"

QRect BoundsAfter(const QRect& current, std::optional<int> left, std::optional<int> top,
                  std::optional<int> width, std::optional<int> height) {
    QRect bounds = current;
    if (left) bounds.moveLeft(*left);
    if (top) bounds.moveTop(*top);
    if (width && *width != -1) bounds.setWidth(*width);
    if (height && *height != -1) bounds.setHeight(*height);
    return bounds;
}

void SetBounds(QWidget* control, std::optional<int> left, std::optional<int> top,
               std::optional<int> width, std::optional<int> height) {
    if (control == nullptr) return;
    const bool window = control->isWindow();
    const QRect current = window ? QRect(control->frameGeometry().topLeft(), control->frameGeometry().size())
                                 : control->geometry();
    const QRect bounds = BoundsAfter(current, left, top, width, height);
    if (bounds == current) return;
    if (auto* board = qobject_cast<DrawingBoard*>(control)) {
        board->SetOuterBounds(bounds);
    } else if (window) {
        // A window's bounds are its outer frame; the frame itself stays as it is.
        const QMargins frame(control->geometry().left() - current.left(),
                             control->geometry().top() - current.top(),
                             current.right() - control->geometry().right(),
                             current.bottom() - control->geometry().bottom());
        control->move(bounds.topLeft());
        control->resize(bounds.size().shrunkBy(frame));
    } else {
        control->setGeometry(bounds);
    }
}

void SetBounds(ControlRef control, std::optional<int> left, std::optional<int> top,
               std::optional<int> width, std::optional<int> height) {
    SetBounds(ControlRegistry::FindAs<QWidget>(control), left, top, width, height);
}
