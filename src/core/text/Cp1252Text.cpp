#include "core/text/Cp1252Text.h"

namespace kelvaron {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool isFoldedByOffset(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

} // namespace

char foldedCp1252(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (isFoldedByOffset(b))
        return static_cast<char>(b + 0x20);
    switch (b) {
    case 0x8A: // S with caron
    case 0x8C: // OE
    case 0x8E: // Z with caron
        return static_cast<char>(b + 0x10);
    case 0x9F: // Y with diaeresis
        return '\xFF';
    default:
        return byte;
    }
}

std::string foldedCp1252(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = foldedCp1252(c);
    return result;
}

char32_t foldedCodePoint(char32_t codePoint) {
    if (isFoldedByOffset(codePoint))
        return codePoint + 0x20;
    switch (codePoint) {
    case 0x0152:
        return 0x0153;
    case 0x0160:
        return 0x0161;
    case 0x0178:
        return 0x00FF;
    case 0x017D:
        return 0x017E;
    default:
        return codePoint;
    }
}

ByteOrderMark byteOrderMarkOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        return ByteOrderMark::Utf8;
    if (bytes.starts_with(kUtf16LeMark))
        return ByteOrderMark::Utf16Le;
    if (bytes.starts_with(kUtf16BeMark))
        return ByteOrderMark::Utf16Be;
    return ByteOrderMark::None;
}

std::string_view byteOrderMarkBytes(ByteOrderMark mark) {
    switch (mark) {
    case ByteOrderMark::None:
        return {};
    case ByteOrderMark::Utf8:
        return kUtf8Mark;
    case ByteOrderMark::Utf16Le:
        return kUtf16LeMark;
    case ByteOrderMark::Utf16Be:
        return kUtf16BeMark;
    }
    return {};
}

} // namespace kelvaron
