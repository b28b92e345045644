#pragma once

#include <cstdint>

#include "window_description.h"

// How to install the typefaces, and three places to download them from. Always opened
// modally, from the About window.
inline constexpr std::uint32_t kFontWindowNumber = 0x52010063;

const WindowDescription& FontWindowDescription();

// Opens the font download window modally; returns when it has closed.
void OpenFontWindow();
