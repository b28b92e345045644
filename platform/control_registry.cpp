#include "control_registry.h"

#include <QHash>
#include <QPointer>

namespace {

quint64 KeyOf(ControlRef ref) {
    return (quint64(ref.window) << 32) | ref.control;
}

QHash<quint64, QPointer<QObject>>& Entries() {
    static QHash<quint64, QPointer<QObject>> entries;
    return entries;
}

}  // namespace

void ControlRegistry::Register(ControlRef ref, QObject* control) {
    const quint64 key = KeyOf(ref);
    Entries().insert(key, control);
    QObject::connect(control, &QObject::destroyed, [key](QObject* gone) {
        auto found = Entries().find(key);
        // A newer control may have taken the key since; leave that one in place.
        if (found != Entries().end() && (found->isNull() || found->data() == gone))
            Entries().erase(found);
    });
}

QObject* ControlRegistry::Find(ControlRef ref) {
    return Entries().value(KeyOf(ref)).data();
}
