#include "exit_routine.h"

namespace {
void (*registered)() = nullptr;
}

void RegisterExitRoutine(void (*routine)()) {
    registered = routine;
}

void DropExitRoutine() {
    registered = nullptr;
}

void RunExitRoutine() {
    void (*routine)() = registered;
    registered = nullptr;
    if (routine != nullptr) routine();
}
