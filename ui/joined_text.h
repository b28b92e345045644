#pragma once

#include <array>
#include <cstddef>

// The line break of the windows' texts.
inline constexpr char kCrLf[] = "\r\n";

// A text put together at compile time from pieces that are each one zero-ended string
// (literals, or texts of the build), so a table row can name a text made of fixed
// wording and configured lines. The result is zero-ended too.
template <std::size_t... Sizes>
constexpr auto JoinText(const char (&... pieces)[Sizes]) {
    std::array<char, (Sizes + ... + 0) - sizeof...(Sizes) + 1> joined{};
    std::size_t at = 0;
    const auto append = [&](const char* piece, std::size_t size) {
        for (std::size_t i = 0; i + 1 < size; ++i)
            joined[at++] = piece[i];
    };
    (append(pieces, Sizes), ...);
    return joined;
}
