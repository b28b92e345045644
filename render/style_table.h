#pragma once

#include <array>
#include <cstdint>

#include "control_ref.h"

enum class NameSource { ChineseName, LatinName };

// One signature style: the board it is drawn on, its font family and label (UTF-8
// literals), which name it draws and at what size in points.
struct SignatureStyle {
    ControlRef board;
    const char* family;
    const char* label;
    NameSource name;
    std::int32_t size;
};

extern const std::array<SignatureStyle, 6> kStyleTable;
