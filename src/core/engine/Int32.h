// Signed 32-bit arithmetic with the results the program's lists depend on, free of undefined behaviour.
// Negation, sums and products wrap in two's complement; division and remainder truncate toward zero.
#pragma once

#include <cstdint>

namespace kelvaron::int32 {

[[nodiscard]] constexpr std::int32_t negate(std::int32_t x) {
    return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(x));
}
[[nodiscard]] constexpr std::int32_t add(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
[[nodiscard]] constexpr std::int32_t sub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
[[nodiscard]] constexpr std::int32_t mul(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
// REQUIRES: b != 0. The one quotient outside the range, -2147483648 div -1, wraps to -2147483648.
[[nodiscard]] constexpr std::int32_t div(std::int32_t a, std::int32_t b) {
    return b == -1 ? negate(a) : a / b;
}
// REQUIRES: b != 0. The remainder has the sign of a; anything mod -1 is 0.
[[nodiscard]] constexpr std::int32_t mod(std::int32_t a, std::int32_t b) {
    return b == -1 ? 0 : a % b;
}

} // namespace kelvaron::int32
