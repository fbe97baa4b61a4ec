// Helpers that let tests write the program's Windows-1252 texts as UTF-8 literals.
#pragma once

#include "core/text/CodePage.h"

#include <string>
#include <string_view>

namespace kelvaron::test {

// "Gültige ..." in the source (UTF-8) as the core holds it (Windows-1252).
inline std::string ansi(std::string_view utf8) {
    return cp1252FromUtf8(utf8);
}

} // namespace kelvaron::test
