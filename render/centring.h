#pragma once

#include <cstdint>

#include "real_numbers.h"

// Where a thing `inner` long starts when it is centred on `outer`: computed in real
// numbers and truncated toward zero, so 52.5 gives 52 and -10.5 gives -10.
inline std::int32_t CentredOffset(std::int32_t outer, std::int32_t inner) {
    return TruncateToInt((double(outer) - double(inner)) / 2.0);
}
