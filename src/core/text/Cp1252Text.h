// Helpers for Windows-1252 text shared by the INI readers and the print layout: trimming blanks, folding
// letter case, and recognizing the byte-order mark at the start of a file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvaron {

// Space and every control character below it (bytes up to 0x20).
[[nodiscard]] constexpr bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

// The blanks of the system's profile functions: space, tab, vertical tab and form feed. Line breaks and
// other control characters are not blanks.
[[nodiscard]] constexpr bool isProfileBlank(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\v' || unit == u'\f';
}

// `text` without the characters that `isTrimmed` accepts at either end.
template <typename Char, typename IsTrimmed>
[[nodiscard]] constexpr std::basic_string_view<Char> trimmed(std::basic_string_view<Char> text,
                                                             IsTrimmed isTrimmed) {
    while (!text.empty() && isTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

// The lower case of a Windows-1252 letter: the ASCII capitals, the Latin-1 capitals (not the
// multiplication sign) and the capitals of the 0x80 row (S, OE, Z with caron, Y with diaeresis). Every
// other byte is returned as it is.
[[nodiscard]] char foldedCp1252(char byte);
// `text` with every byte folded as above.
[[nodiscard]] std::string foldedCp1252(std::string_view text);
// The same folding for the Unicode code points of these letters (U+0178 folds to U+00FF); every other
// code point is returned as it is.
[[nodiscard]] char32_t foldedCodePoint(char32_t codePoint);

enum class ByteOrderMark { None, Utf8, Utf16Le, Utf16Be };

// The mark that `bytes` begin with: EF BB BF for UTF-8, FF FE for UTF-16 little-endian, FE FF for
// UTF-16 big-endian; None for anything else.
[[nodiscard]] ByteOrderMark byteOrderMarkOf(std::string_view bytes);
// The bytes of `mark`; empty for None.
[[nodiscard]] std::string_view byteOrderMarkBytes(ByteOrderMark mark);

} // namespace kelvaron
