// The Windows version check of the start-up: which versions the program runs on.
#pragma once

#include "core/platform/VersionQuery.h"

#include <optional>

namespace kelvaron {

// True exactly when major * 10 + minor lies in 61 ... 101: Windows 7, 8, 8.1 and 10. Vista (6.0) and
// older, a reported 10.2 or later, and a failed query are not supported.
[[nodiscard]] bool IsWindowsVersionSupported(std::optional<WindowsVersion> version);

} // namespace kelvaron
