#pragma once

#include "control_ref.h"
#include "text.h"

class DrawingBoard;

// What the handlers read of controls, by reference. Each text read is a new copy.
Text ReadControlText(ControlRef ref);
bool ReadChecked(ControlRef ref);
DrawingBoard* FindBoard(ControlRef ref);
