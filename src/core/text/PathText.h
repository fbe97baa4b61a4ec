// File paths as the program's messages show them (Windows-1252).
#pragma once

#include "core/text/CodePage.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaron {

[[nodiscard]] inline std::string pathText(const std::filesystem::path& path) {
    const auto utf8 = path.u8string();
    return cp1252FromUtf8(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

// The platform's message for a file that cannot be written.
[[nodiscard]] inline std::string cannotWriteMessage(const std::filesystem::path& path) {
    return "In " + pathText(path) + " kann nicht geschrieben werden";
}

} // namespace kelvaron
