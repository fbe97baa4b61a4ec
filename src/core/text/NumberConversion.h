// The two conversions of a number field's text into its signed 32-bit value.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvaron {

// Strict: the whole text is an optional sign followed by decimal digits, within the signed 32-bit range.
// Anything else, the empty text included, gives nullopt.
[[nodiscard]] std::optional<std::int32_t> strictInt32(std::string_view text);

// Lenient: as strict, but a text that fails counts as 0.
[[nodiscard]] std::int32_t lenientInt32(std::string_view text);

} // namespace kelvaron
