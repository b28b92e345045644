#pragma once

#include <cstdint>

// A colour laid out as 0x00BBGGRR.
using Colour = std::uint32_t;

// As a background this value stands for the platform's face colour of controls;
// as a text background it means transparent.
inline constexpr Colour kFaceColour = 0xFF000000u;

inline constexpr Colour MakeColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour(red) | (Colour(green) << 8) | (Colour(blue) << 16);
}
inline constexpr std::uint8_t RedOf(Colour c) {
    return c & 0xFFu;
}
inline constexpr std::uint8_t GreenOf(Colour c) {
    return (c >> 8) & 0xFFu;
}
inline constexpr std::uint8_t BlueOf(Colour c) {
    return (c >> 16) & 0xFFu;
}
