#include "control_properties.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "control_registry.h"
#include "drawing_board.h"

Text ReadControlText(ControlRef ref) {
    QObject* control = ControlRegistry::Find(ref);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return Text::FromQString(edit->text());
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return Text::FromQString(button->text());
    if (auto* label = qobject_cast<QLabel*>(control)) return Text::FromQString(label->text());
    return Text::FromBytes("", 0);
}

bool ReadChecked(ControlRef ref) {
    auto* button = ControlRegistry::FindAs<QAbstractButton>(ref);
    return button != nullptr && button->isChecked();
}

DrawingBoard* FindBoard(ControlRef ref) {
    return ControlRegistry::FindAs<DrawingBoard>(ref);
}
