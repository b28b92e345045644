#pragma once

#include "window_description.h"

// The program's start-up window and whole working surface.
const WindowDescription& MainWindowDescription();
