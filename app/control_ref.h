#pragma once

#include <cstdint>

// Names one control: the number of its window and the number of the control in it.
struct ControlRef {
    std::uint32_t window = 0;
    std::uint32_t control = 0;

    friend constexpr bool operator==(ControlRef, ControlRef) = default;
};
