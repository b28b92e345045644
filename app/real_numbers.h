#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Positions and sizes are computed in doubles and come back as integers by truncation
// toward zero, whatever the rounding mode. Values beyond the 32-bit range saturate and
// NaN gives 0, so no input can make the conversion undefined.
inline std::int32_t TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (value <= lo) return std::numeric_limits<std::int32_t>::min();
    if (value >= hi) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(value));
}

// The even test of the composite layout: the real remainder of i / 2 is (nearly) zero.
inline bool IsEvenByRealRemainder(std::int32_t i) {
    return std::fabs(std::fmod(static_cast<double>(i), 2.0)) <= 1e-7;
}
