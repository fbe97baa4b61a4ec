// The two roundings of the printer page model: MulDiv for font heights and trunc for float positions.
#pragma once

#include "core/platform/MulDiv.h"

#include <cmath>
#include <cstdint>

namespace kelvaron {

// trunc(x) as a signed 32-bit value. The whole part is taken toward zero in 64 bits and its low 32 bits
// are kept, as a 64-bit whole number assigned to a 32-bit one; NaN and values beyond 64 bits give 0.
[[nodiscard]] inline std::int32_t truncInt32(double x) {
    if (!(std::fabs(x) < 9223372036854775808.0))
        return 0;
    const auto whole = static_cast<std::int64_t>(x);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

} // namespace kelvaron
