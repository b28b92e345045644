#pragma once

#include <QObject>

#include "control_ref.h"

// Maps a ControlRef to the live control while its window exists. The window loader
// fills it; a control leaves it when it is destroyed.
namespace ControlRegistry {
void Register(ControlRef ref, QObject* control);
QObject* Find(ControlRef ref);

template <typename T>
T* FindAs(ControlRef ref) {
    return qobject_cast<T*>(Find(ref));
}
}  // namespace ControlRegistry
