#include "core/startup/WebLink.h"

#include <algorithm>
#include <array>

namespace kelvaron {
namespace {

constexpr std::array<std::string_view, 2> kWebSchemes = {"http://", "https://"};

bool isControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
           byte == 0x9D;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
    return text.size() >= lowerPrefix.size() &&
           std::ranges::equal(text.substr(0, lowerPrefix.size()), lowerPrefix, {}, asciiLower);
}

} // namespace

bool isOpenableWebAddress(std::string_view text) {
    if (std::ranges::any_of(text, isControlCharacter))
        return false;
    for (const std::string_view scheme : kWebSchemes) {
        if (!startsWithIgnoringCase(text, scheme))
            continue;
        // The host part ends where the path, the query or the fragment begins.
        const std::string_view afterScheme = text.substr(scheme.size());
        return afterScheme.find_first_of("/?#") != 0 && !afterScheme.empty();
    }
    return false;
}

} // namespace kelvaron
