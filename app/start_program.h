#pragma once

// What the process does before its application object exists.
void PrepareProcess();

// The program entry: sets up the program's services, creates the shared lists, loads
// the main window and runs the event loop. Returns 0 once the loop has ended.
int StartProgram();

// The end of the program after StartProgram has returned: runs the exit routine once
// and releases what remains.
void EndProgram();
