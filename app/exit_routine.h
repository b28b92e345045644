#pragma once

// One exit routine, run at most once after the event loop. A run-time error report
// drops it so that it never runs on that path.
void RegisterExitRoutine(void (*routine)());
void DropExitRoutine();
// Clears the registration, then calls the routine if one was registered.
void RunExitRoutine();
