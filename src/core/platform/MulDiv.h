// The platform's MulDiv: the rounding the page model uses for font heights.
#pragma once

#include <cstdint>

namespace kelvaron {

// a * b / c, formed in 64 bits and brought to the nearest whole number with halves rounded away from
// zero, as the platform's MulDiv does: mulDiv(8, 600, 72) = 67. A divisor of 0, and a result beyond
// +-2147483647, give -1.
[[nodiscard]] constexpr std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0)
        return -1;
    std::int64_t product = std::int64_t{a} * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        divisor = -divisor;
        product = -product;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t quotient = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    if (quotient > 2147483647 || quotient < -2147483647)
        return -1;
    return static_cast<std::int32_t>(quotient);
}

} // namespace kelvaron
