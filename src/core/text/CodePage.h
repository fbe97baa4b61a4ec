// Conversions between the program's 8-bit texts (Windows-1252) and UTF-8 or UTF-16.
// Every text inside the core is Windows-1252; these functions are used where texts enter or leave it.
#pragma once

#include <string>
#include <string_view>

namespace kelvaron {

// Windows-1252 bytes to UTF-8. Every byte has a character (the five unassigned bytes map to the C1
// controls of the same value), so nothing is lost.
[[nodiscard]] std::string utf8FromCp1252(std::string_view text);

// UTF-8 to Windows-1252. A character that the code page cannot represent, and a malformed byte sequence,
// becomes "?", as the platform's conversion does.
[[nodiscard]] std::string cp1252FromUtf8(std::string_view text);

// UTF-16 code units (little-endian bytes, no byte-order mark) to Windows-1252, with "?" as above.
// A trailing odd byte is dropped.
[[nodiscard]] std::string cp1252FromUtf16Le(std::string_view bytes);

// Windows-1252 to UTF-16 little-endian bytes, without a byte-order mark.
[[nodiscard]] std::string utf16LeFromCp1252(std::string_view text);

// One Unicode code point to its Windows-1252 byte, or "?" when the code page has none.
[[nodiscard]] char cp1252FromCodePoint(char32_t codePoint);
[[nodiscard]] char32_t codePointFromCp1252(char byte);

} // namespace kelvaron
