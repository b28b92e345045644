#pragma once

#include <cstdint>

#include "window_description.h"

// The makers' thanks, the warning that the typefaces must be installed, the way to the
// font download window and the web strip. Always opened modally.
inline constexpr std::uint32_t kAboutWindowNumber = 0x5201003F;

const WindowDescription& AboutWindowDescription();

// Opens the About window modally; returns when it has closed.
void OpenAboutWindow();
